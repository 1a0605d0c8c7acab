// The shared pieces on a small document of the test's own, so that a fault in
// the option table, the document's sequences or orvanectl's control script is
// found here and not only through ten mods: one row of each kind, a text page,
// a button of its own, a rule that disables a control, and a roster whose bot
// properties are a slider, a radio group, a check box and two drop-downs.
#include "services/ControlScript.h"

#include <gtest/gtest.h>

#include <map>

#include "core/LauncherSettings.h"
#include "platform/TextFile.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

struct SmallRecord {
  bool check = false;
  int spin = 0;
  int slider = 0;
  bool radio = false;
  std::string choice;
  std::string text;
};

std::vector<OptionRow<SmallRecord>> SmallRows() {
  return {
      {CheckRow("SM_check", "Check", "Group", true), &SmallRecord::check},
      {SpinRow("SM_spin", "Spin", "Group", 0, 50, 10), &SmallRecord::spin},
      {SliderRow("SM_slider", "Slider", "Group", 1, 5, 3, "", "1|2|3|4|5"), &SmallRecord::slider},
      {RadioRow("SM_left|SM_right", "Left|Right", "Group", 0), &SmallRecord::radio},
      {ChoiceRow("SM_choice", "Choice", "Group", {"red", "green", "blue"}, 1),
       &SmallRecord::choice},
      {TextRow("SM_text", "Text", "Group", "hello", 8), &SmallRecord::text},
  };
}

// Botman's row of the mod table lends its key and prefix; everything else is the test's.
class SmallDocument final : public EditorSettings {
 public:
  explicit SmallDocument(LauncherState& state)
      : EditorSettings(state, "Botman"), options(SmallRows()) {
    AddOptions(options);
    chat = AddTextPage("SM_chat");
    AddAction("SM_clear", [this](Messages&) {
      text_page(chat).lines.clear();
      return true;
    });
    AddRoster({{SliderRow("BM_skill", "Skill", "", 1, 5, 3, "", ""), &BotEntry::skill},
               {RadioRow("BM_teamA|BM_teamB", "A|B", "", -1), &BotEntry::param1},
               {CheckRow("BM_leader", "Leader", "", false), &BotEntry::param2},
               {ChoiceIndexRow("BM_weapon", "Weapon", "", {"knife", "pistol", "rifle"}, 0),
                &BotEntry::model}},
              "", false);
  }

  ControlState OptionState(std::string_view control) const override {
    // The text is for the right-hand choice only.
    if (control == "SM_text") return {options.value(3) == 1, true, false};
    return {};
  }

  BoundOptions<SmallRecord> options;
  size_t chat = 0;
  int writes = 0;

 protected:
  void ReadFiles(Messages& messages) override {
    Step(messages, [&] { text_page(chat).lines = ReadLines(File("chat.txt")); });
    ReadBotFile(messages);
  }
  void ReadBotFile(Messages&) override {
    SetRoster({{"Ann", "1", "0", "0", "2"}, {"Bob", "2", "1", "1", "5"}});
  }
  void WriteFiles(FileBatch& batch) const override {
    const SmallRecord r = options.Collected();
    batch.Put(File("small.cfg"), std::to_string(r.check) + " " + std::to_string(r.spin) + " " +
                                     std::to_string(r.slider) + " " + std::to_string(r.radio) +
                                     " " + r.choice + " " + r.text + "\r\n");
    batch.PutLines(File("chat.txt"), text_page(chat).lines);
  }
};

struct Small {
  Small() {
    tree.StandardRegistry().File("bot\\chat.txt", "one\r\ntwo \\ three\r\n");
    state = tree.State();
    store = std::make_unique<RegistryStore>(tree.Store());
    ReadLauncherSettings(state, *store);
    doc = std::make_unique<SmallDocument>(state);
  }
  GameTree tree;
  LauncherState state;
  std::unique_ptr<RegistryStore> store;
  std::unique_ptr<SmallDocument> doc;
};

TEST(ControlScript, ShowsEveryKindOfControlInTheWindowsOrder) {
  Small s;
  EXPECT_TRUE(s.doc->Load().empty());
  ASSERT_EQ(s.doc->Set("BM_ListBot", "Bob"), std::nullopt);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"SM_check", "1"},         {"SM_spin", "10"},
      {"SM_slider", "3"},        {"SM_left", "1"},
      {"SM_right", "0"},         {"SM_choice", "green"},
      {"SM_text", "hello"},      {"SM_chat", "one\\ntwo \\\\ three"},
      {"BM_botname", "Bob"},     {"BM_botmodel", ""},
      {"BM_skill", "5"},         {"BM_teamA", "0"},
      {"BM_teamB", "1"},         {"BM_leader", "1"},
      {"BM_weapon", "rifle"},    {"BM_MapCycle", ""},
      {"BM_ListBot", "Ann,Bob"},
  };
  std::vector<std::pair<std::string, std::string>> shown = s.doc->Show();
  // The roster's properties follow the parts; the play list and roster come last.
  EXPECT_EQ(shown, expected);
}

TEST(ControlScript, SetsAsTheWindowWouldAndRefusesWhatItWouldNot) {
  Small s;
  s.doc->Load();
  const struct {
    const char* control;
    const char* value;
    const char* shown;    // the value Show gives afterwards (for the same control), or
    const char* refusal;  // the start of the refusal
  } kCases[] = {
      {"SM_check", "0", "0", nullptr},
      {"SM_check", "2", nullptr, "SM_check accepts 1 or 0"},
      {"SM_spin", "50", "50", nullptr},
      {"SM_spin", "51", nullptr, "SM_spin accepts a whole number from 0 to 50"},
      {"SM_spin", "1e1", nullptr, "SM_spin accepts a whole number from 0 to 50"},
      {"SM_slider", "0", nullptr, "SM_slider accepts a whole number from 1 to 5"},
      {"SM_text", "x", nullptr, "SM_text is disabled now"},  // the left-hand choice is on
      {"SM_right", "1", "1", nullptr},
      {"SM_text", "a long text", "a long t", nullptr},  // an edit keeps 8 characters
      {"SM_choice", "blue", "blue", nullptr},
      {"SM_choice", "Blue", nullptr, "SM_choice accepts one of its items: red, green, blue"},
      {"SM_chat", "a\\\\b\\nc", "a\\\\b\\nc", nullptr},
      {"SM_clear", "1", nullptr, nullptr},
      {"SM_clear", "0", nullptr, "SM_clear accepts 1 (press the button)"},
      {"BM_ListBot", "", "Ann,Bob", nullptr},  // none selected
      {"BM_skill", "4", nullptr, "BM_skill is empty while no bot is selected"},
      {"BM_ListBot", "Ann", "Ann,Bob", nullptr},
      {"BM_skill", "4", "4", nullptr},
      {"BM_teamB", "1", "1", nullptr},
      {"BM_teamB", "0", nullptr, "BM_teamB accepts 1 (choose this button)"},
      {"BM_weapon", "rifle", "rifle", nullptr},
      {"BM_weapon", "axe", nullptr, "BM_weapon accepts one of its items: knife, pistol, rifle"},
      {"BM_ListBot", "Zed", nullptr, "BM_ListBot accepts names of bots in the list"},
      {"SM_spinn", "3", nullptr,
       "unknown control SM_spinn for Botman; did you mean SM_spin? (orvanectl config Botman "
       "show lists them)"},
  };
  for (const auto& c : kCases) {
    const std::optional<std::string> refusal = ControlScript(*s.doc).Set(c.control, c.value);
    if (c.refusal != nullptr) {
      ASSERT_TRUE(refusal.has_value()) << c.control << "=" << c.value;
      EXPECT_EQ(refusal->rfind(c.refusal, 0), 0u) << *refusal;
      continue;
    }
    ASSERT_EQ(refusal, std::nullopt) << c.control << "=" << c.value;
    if (c.shown == nullptr) continue;
    for (const auto& [name, value] : ControlScript(*s.doc).Show()) {
      if (name == c.control) {
        EXPECT_EQ(value, c.shown) << c.control;
      }
    }
  }
  EXPECT_TRUE(s.doc->text_page(s.doc->chat).lines.empty()) << "SM_clear ran";
  EXPECT_EQ(s.doc->roster.items[0].param1, "1");
  EXPECT_EQ(s.doc->roster.items[0].model, "2");  // a drop-down that keeps the item's index
  EXPECT_EQ(s.doc->roster.items[0].skill, "4");
}

// A bot file written by hand may hold anything: each property shows what the
// window would, and a change writes that property alone.
TEST(ControlScript, BotPropertiesShowWhatAHandWrittenEntryHolds) {
  Small s;
  s.doc->Load();
  const struct {
    BotEntry entry;  // name, model (the weapon's index), param1 (team), param2 (leader), skill
    const char* skill;
    const char* team_a;
    const char* team_b;
    const char* leader;
    const char* weapon;
  } kCases[] = {
      {{"Ann", "2", "1", "1", "4"}, "4", "0", "1", "1", "rifle"},
      {{"Ann", "", "", "", ""}, "3", "0", "0", "0", ""},         // empty: resets, none chosen
      {{"Ann", "x", "x", "x", "x"}, "3", "0", "0", "0", ""},     // malformed: the same
      {{"Ann", "7", "5", "Yes", "9"}, "5", "0", "0", "1", ""},   // out of range; "Yes" is on
      {{"Ann", "-1", "-1", "2", "-4"}, "1", "0", "0", "0", ""},  // only "1" or "Yes" is on
  };
  for (const auto& c : kCases) {
    s.doc->roster.items[0] = c.entry;
    ASSERT_EQ(s.doc->Set("BM_ListBot", "Ann"), std::nullopt);
    std::map<std::string, std::string> shown;
    for (auto& [name, value] : s.doc->Show()) shown[name] = value;
    EXPECT_EQ(shown["BM_skill"], c.skill) << c.entry.skill;
    EXPECT_EQ(shown["BM_teamA"], c.team_a) << c.entry.param1;
    EXPECT_EQ(shown["BM_teamB"], c.team_b) << c.entry.param1;
    EXPECT_EQ(shown["BM_leader"], c.leader) << c.entry.param2;
    EXPECT_EQ(shown["BM_weapon"], c.weapon) << c.entry.model;
  }
  // The last entry: choosing the leader box writes it, the other texts stay as written.
  ASSERT_EQ(s.doc->Set("BM_leader", "1"), std::nullopt);
  const BotEntry expected{"Ann", "-1", "-1", "1", "-4"};
  EXPECT_EQ(s.doc->roster.items[0], expected);
}

TEST(EditorSettings, ResetLoadAndSaveRoundTrip) {
  Small s;
  s.doc->Load();
  for (const auto& [control, value] : std::vector<std::pair<const char*, const char*>>{
           {"SM_check", "0"}, {"SM_spin", "7"}, {"SM_right", "1"}, {"SM_text", "bye"}}) {
    ASSERT_EQ(s.doc->Set(control, value), std::nullopt) << control;
  }
  s.doc->Save();
  EXPECT_EQ(s.tree.Read("bot\\small.cfg"), "0 7 3 1 green bye\r\n");
  EXPECT_EQ(s.tree.Read("bot\\chat.txt"), "one\r\ntwo \\ three\r\n");
  EXPECT_TRUE(s.doc->RestoreDefault().empty());
  EXPECT_EQ(s.doc->options.Collected().spin, 10);
  EXPECT_EQ(s.doc->options.Collected().text, "hello");
  // Every row's reset is a value its control can hold.
  for (const OptionInfo& row : s.doc->options.rows()) {
    if (row.kind == OptionKind::kText) continue;
    EXPECT_GE(row.reset, row.lo) << row.name;
    EXPECT_LE(row.reset, row.hi) << row.name;
  }
}

}  // namespace
}  // namespace orvane::test
