#include "services/Roster.h"

#include <gtest/gtest.h>

#include "platform/StringUtil.h"

namespace orvane::test {
namespace {

Roster Make(std::vector<std::string> names, std::vector<int> selected, int current) {
  Roster roster;
  for (std::string& name : names) roster.Append(BotEntry{name, "gina", "", "", "1"});
  for (int i : selected) roster.selected[static_cast<size_t>(i)] = true;
  roster.current = current;
  return roster;
}

std::string Names(const Roster& roster) {
  std::string out;
  for (size_t i = 0; i < roster.items.size(); ++i) {
    out += (roster.selected[i] ? "[" : "") + roster.items[i].name + (roster.selected[i] ? "]" : "");
    out += static_cast<int>(i) == roster.current ? "* " : " ";
  }
  return out;
}

TEST(Roster, AddMoveAndDelete) {
  Roster roster = Make({"a", "b"}, {0}, 0);
  AddRosterEntry(roster, BotEntry{"c", "gordon", "", "", "0"});
  EXPECT_EQ(Names(roster), "a b [c]* ");

  EXPECT_FALSE(MoveRosterEntry(roster, +1));  // already last: nothing at all
  EXPECT_EQ(Names(roster), "a b [c]* ");
  EXPECT_TRUE(MoveRosterEntry(roster, -1));
  EXPECT_TRUE(MoveRosterEntry(roster, -1));
  EXPECT_EQ(Names(roster), "[c]* a b ");
  EXPECT_EQ(roster.items[0].model, "gordon");  // the record moves with its line
  EXPECT_FALSE(MoveRosterEntry(roster, -1));

  struct Row {
    std::vector<int> selected;
    int current;
    const char* after;
  };
  const Row rows[] = {
      {{1, 2}, 2, "a [d]* e "},  // several selected: current where the last went
      {{4}, 4, "a b c [d]* "},   // the last entry: the new last line
      {{0, 1, 2, 3, 4}, 0, ""},  // all of them
      {{}, 1, "a b* c d e "},    // none selected: nothing deleted
  };
  for (const Row& row : rows) {
    Roster five = Make({"a", "b", "c", "d", "e"}, row.selected, row.current);
    EXPECT_EQ(DeleteRosterEntries(five), !row.selected.empty());
    EXPECT_EQ(Names(five), row.after);
    EXPECT_EQ(five.items.size(), five.selected.size());
  }
}

TEST(Roster, PickRandomStaysInItsRange) {
  std::mt19937 random(7);
  std::vector<int> seen(6, 0);
  for (int i = 0; i < 600; ++i) ++seen[static_cast<size_t>(PickRandom(1, 5, random))];
  EXPECT_EQ(seen[0], 0);
  for (int v = 1; v <= 5; ++v) EXPECT_GT(seen[static_cast<size_t>(v)], 60) << v;
  EXPECT_EQ(PickRandom(0, 0, random), 0);
  EXPECT_THROW(PickRandom(0, -1, random), std::logic_error);  // an empty list is refused
}

TEST(Roster, TeamTextToRows) {
  LauncherState state;
  state.model_list = {"barney", "gina", "gordon", "hgrunt"};
  struct Row {
    const char* text;
    std::array<int, 3> first;
    int count;
  };
  const Row rows[] = {
      {"", {-1, -1, -1}, 2},
      {"gina", {1, -1, -1}, 2},
      {"GINA ;;gordon", {1, -1, 2}, 3},
      {"a;b;c;d;e;f;g;h;i;j;k;barney", {-1, -1, -1}, 10},
  };
  for (const Row& row : rows) {
    const TeamRows rows_of = TeamListRows(state, row.text);
    EXPECT_EQ(rows_of.count, row.count) << row.text;
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(rows_of.model_index[i], row.first[i]) << row.text;
  }
}

TEST(StringUtil, ParseDecimalInt) {
  EXPECT_EQ(ParseDecimalInt("42"), 42);
  EXPECT_EQ(ParseDecimalInt("-7"), -7);
  EXPECT_EQ(ParseDecimalInt("+3"), 3);
  EXPECT_EQ(ParseDecimalInt("2147483647"), 2147483647);
  EXPECT_EQ(ParseDecimalInt("-2147483648"), -2147483647 - 1);
  for (const char* bad :
       {"", "-", "3.5", "1e3", " 4", "4 ", "2147483648", "99999999999999999999", "x"}) {
    EXPECT_EQ(ParseDecimalInt(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace orvane::test
