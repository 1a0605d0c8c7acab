#include "services/ControlScript.h"

#include <algorithm>
#include <array>
#include <random>
#include <unordered_set>

#include "platform/StringUtil.h"

namespace orvane {
namespace {

std::vector<std::string> SplitList(std::string_view text) {
  std::vector<std::string> items;
  if (text.empty()) return items;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    items.emplace_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return items;
}

std::string JoinList(const std::vector<std::string>& items) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) text += (i == 0 ? "" : ",") + items[i];
  return text;
}

// The items a drop-down offers, as a refusal names them (a long list shortened).
std::string ItemsText(const std::vector<std::string>& items) {
  constexpr size_t kShown = 12;
  std::string text;
  for (size_t i = 0; i < items.size() && i < kShown; ++i) text += (i == 0 ? "" : ", ") + items[i];
  if (items.size() > kShown) text += ", ... (" + std::to_string(items.size()) + " in all)";
  return text.empty() ? "(none)" : text;
}

std::string Refuse(std::string_view control, std::string_view accepts) {
  return std::string(control) + " accepts " + std::string(accepts);
}

std::optional<int> WholeNumber(std::string_view value, int lo, int hi) {
  const std::optional<int> n = ParseDecimalInt(value);
  if (!n || *n < lo || *n > hi) return std::nullopt;
  return n;
}

std::string RangeText(int lo, int hi) {
  return "a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
}

int IndexOf(const std::vector<std::string>& items, std::string_view text) {
  const auto it = std::find(items.begin(), items.end(), text);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

}  // namespace

std::string EscapeLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\\n";
    for (const char c : lines[i]) {
      if (c == '\\') text += '\\';
      text += c;
    }
  }
  return text;
}

std::vector<std::string> UnescapeLines(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  lines.emplace_back();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      ++i;
      if (text[i] == 'n') {
        lines.emplace_back();
        continue;
      }
    }
    lines.back() += text[i];
  }
  return lines;
}

ControlScript::ControlScript(EditorSettings& document) : doc_(document) {}

std::string ControlScript::Unknown(std::string_view control) const {
  const std::string key(doc_.mod().key);
  std::vector<std::string> names;
  for (auto& [name, value] : Show()) names.push_back(std::move(name));
  return "unknown control " + std::string(control) + " for " + key + DidYouMean(control, names) +
         " (orvanectl config " + key + " show lists them)";
}

std::vector<std::pair<std::string, std::string>> ControlScript::Show() const {
  std::vector<std::pair<std::string, std::string>> lines;
  auto add = [&lines](std::string name, std::string value) {
    lines.emplace_back(std::move(name), std::move(value));
  };
  // A radio group as one line per button, 1 for the chosen one.
  auto add_rows = [&add](const OptionValues& table) {
    for (size_t i = 0; i < table.rows().size(); ++i) {
      const OptionInfo& row = table.rows()[i];
      if (row.kind != OptionKind::kRadios) {
        add(row.name, table.Shown(i));
        continue;
      }
      const std::vector<std::string> names = row.Names();
      for (size_t k = 0; k < names.size(); ++k)
        add(names[k], table.value(i) == static_cast<int>(k) ? "1" : "0");
    }
  };
  for (const DocumentPart& part : doc_.parts_) {
    switch (part.kind) {
      case DocumentPart::kGameType:
        if (!doc_.game_types_.empty()) {
          add(doc_.game_type_control_, doc_.game_types_[static_cast<size_t>(doc_.game_type())]);
        } else {
          add(doc_.Control("deathmatch"), doc_.teams.teamplay ? "0" : "1");
          add(doc_.Control("teamplay"), doc_.teams.teamplay ? "1" : "0");
        }
        add(doc_.Control("numteam"), std::to_string(doc_.teams.count));
        break;
      case DocumentPart::kOptions:
        add_rows(*part.options);
        break;
      case DocumentPart::kTeams: {
        const std::array<std::string, 10> texts = doc_.teams.Texts(doc_.models_);
        for (size_t k = 0; k < texts.size(); ++k) add(doc_.TeamControl(k), texts[k]);
        break;
      }
      case DocumentPart::kTextPage:
        add(doc_.text_pages_[part.page].name, EscapeLines(doc_.text_pages_[part.page].lines));
        break;
      case DocumentPart::kRosterProperties: {
        doc_.RefreshBotProperties();
        const BotEntry* entry = doc_.CurrentBot();
        if (entry == nullptr) break;
        add(doc_.Control("botname"), entry->name);
        add(doc_.Control("botmodel"), doc_.bot_model.selected >= 0 ? doc_.bot_model.text : "");
        add_rows(*doc_.bot_properties_);
        break;
      }
    }
  }
  doc_.ShowExtra(lines);
  add(doc_.map_cycle_name_, JoinList(doc_.maps.play.items));
  if (doc_.has_roster_) {
    std::vector<std::string> names;
    for (const BotEntry& entry : doc_.roster.items) names.push_back(entry.name);
    add(doc_.Control("ListBot"), JoinList(names));
  }
  return lines;
}

ControlScript::Choices ControlScript::Items(std::string_view control) const {
  const auto is = [this, control](std::string_view suffix) {
    return control == doc_.Control(suffix);
  };
  const auto row_items = [](const OptionInfo& row) {
    switch (row.kind) {
      case OptionKind::kChoice:
        return row.items;
      case OptionKind::kCheck:
        return std::vector<std::string>{"0", "1"};
      case OptionKind::kRadios:
        // Buttons of a pair unchoose each other; any other button is only chosen.
        if (row.lo >= 0 && row.hi <= 1) return std::vector<std::string>{"0", "1"};
        return std::vector<std::string>{"1"};
      default:
        return std::vector<std::string>{};
    }
  };
  const bool game_type = std::any_of(doc_.parts_.begin(), doc_.parts_.end(), [](const auto& p) {
    return p.kind == DocumentPart::kGameType;
  });
  if (game_type && !doc_.game_types_.empty() && control == doc_.game_type_control_) {
    return {doc_.game_types_, std::nullopt};
  }
  if (game_type && doc_.game_types_.empty() && (is("deathmatch") || is("teamplay"))) {
    return {{"0", "1"}, std::nullopt};
  }
  if (doc_.has_roster_ && is("botmodel")) return {doc_.bot_model.items, std::nullopt};
  for (const DocumentPart& part : doc_.parts_) {
    if (part.options == nullptr) continue;
    if (const auto found = part.options->Find(control)) {
      return {row_items(part.options->rows()[found->row]), std::nullopt};
    }
  }
  doc_.RefreshBotProperties();
  if (const auto found = doc_.bot_properties_->Find(control)) {
    return {row_items(doc_.bot_properties_->rows()[found->row]), std::nullopt};
  }
  for (const auto& [name, value] : Show()) {
    if (name == control) return {};
  }
  return {{}, Unknown(control)};
}

std::optional<std::string> ControlScript::SetOption(OptionValues& table,
                                                    const OptionValues::Found& found,
                                                    std::string_view control,
                                                    std::string_view value) {
  const OptionInfo& row = table.rows()[found.row];
  if (row.kind == OptionKind::kText) {
    // Typed character by character: an edit keeps at most its longest text.
    table.SetText(found.row, std::string(value));
    return std::nullopt;
  }
  if (row.kind == OptionKind::kChoice) {
    if (value.empty() && row.lo < 0) {
      table.Set(found.row, -1);
      return std::nullopt;
    }
    const auto it = std::find(row.items.begin(), row.items.end(), value);
    if (it == row.items.end()) return Refuse(control, "one of its items: " + ItemsText(row.items));
    table.Set(found.row, static_cast<int>(it - row.items.begin()));
    return std::nullopt;
  }
  if (row.kind == OptionKind::kRadios && (row.lo < 0 || row.hi > 1)) {
    // A button of a group that may have none chosen, or of three and more,
    // is chosen, never unchosen.
    if (value != "1") return Refuse(control, "1 (choose this button)");
    table.Set(found.row, found.button);
    return std::nullopt;
  }
  if (row.kind == OptionKind::kCheck || row.kind == OptionKind::kRadios) {
    if (value != "0" && value != "1") return Refuse(control, "1 or 0");
    const bool on = value == "1";
    // Unchoosing one button of a pair chooses the other.
    table.Set(found.row, row.kind == OptionKind::kCheck ? on : (on == (found.button == 1)));
    return std::nullopt;
  }
  const std::optional<int> n = WholeNumber(value, row.lo, row.hi);
  if (!n) return Refuse(control, RangeText(row.lo, row.hi));
  table.Set(found.row, *n);
  return std::nullopt;
}

std::optional<std::string> ControlScript::SetPlayList(std::string_view control,
                                                      std::string_view value) {
  std::unordered_set<std::string> offered;
  for (const std::string& entry : doc_.maps.available.items) offered.insert(MapEntryName(entry));
  std::vector<std::string> play = SplitList(value);
  for (const std::string& map : play) {
    if (offered.count(map) == 0) {
      return Refuse(control, "maps that \"Available Maps\" offers, separated by commas; \"" + map +
                                 "\" is not among them");
    }
  }
  doc_.maps.play.Clear();
  for (std::string& map : play) doc_.maps.play.Append(std::move(map));
  return std::nullopt;
}

std::optional<std::string> ControlScript::SelectBots(std::string_view control,
                                                     std::string_view value) {
  std::vector<bool> selected(doc_.roster.items.size(), false);
  int current = -1;
  for (const std::string& name : SplitList(value)) {
    int found = -1;
    for (size_t i = 0; i < doc_.roster.items.size() && found < 0; ++i) {
      if (doc_.roster.items[i].name == name && !selected[i]) found = static_cast<int>(i);
    }
    if (found < 0) {
      return Refuse(
          control, "names of bots in the list, separated by commas; \"" + name + "\" is not in it");
    }
    selected[static_cast<size_t>(found)] = true;
    if (current < 0) current = found;
  }
  doc_.roster.selected = std::move(selected);
  doc_.roster.current = current;
  doc_.CurrentBotChanged();
  return std::nullopt;
}

std::optional<std::string> ControlScript::Set(std::string_view control, std::string_view value,
                                              Messages* messages) {
  Messages dropped;
  Messages& notes = messages != nullptr ? *messages : dropped;
  const auto is = [this, control](std::string_view suffix) {
    return control == doc_.Control(suffix);
  };
  const auto has_part = [this](DocumentPart::Kind kind) {
    return std::any_of(doc_.parts_.begin(), doc_.parts_.end(),
                       [kind](const DocumentPart& p) { return p.kind == kind; });
  };
  const auto unknown = [&] { return Unknown(control); };
  // A button "holds" 1: pressing it.
  const auto press = [&]() -> std::optional<std::string> {
    if (value != "1") return Refuse(control, "1 (press the button)");
    return std::nullopt;
  };

  if (has_part(DocumentPart::kGameType)) {
    if (!doc_.game_types_.empty() && control == doc_.game_type_control_) {
      const int kind = IndexOf(doc_.game_types_, value);
      if (kind < 0) return Refuse(control, "one of its kinds: " + ItemsText(doc_.game_types_));
      doc_.SetGameType(kind);
      return std::nullopt;
    }
    if (doc_.game_types_.empty() && (is("deathmatch") || is("teamplay"))) {
      if (value != "0" && value != "1") return Refuse(control, "1 or 0");
      doc_.teams.SetGameType(is("teamplay") == (value == "1"));
      return std::nullopt;
    }
    if (is("numteam")) {
      if (!doc_.teams.CountEnabled()) return std::string(control) + " is disabled under DeathMatch";
      const std::optional<int> n = WholeNumber(value, kMinTeams, kMaxTeams);
      if (!n) return Refuse(control, RangeText(kMinTeams, kMaxTeams));
      // The player changes it in the spin edit, which has the focus.
      doc_.SetTeamCount(*n, true);
      return std::nullopt;
    }
  }
  for (const DocumentPart& part : doc_.parts_) {
    if (part.kind == DocumentPart::kTextPage && doc_.text_pages_[part.page].name == control) {
      if (!doc_.OptionState(control).visible) return std::string(control) + " is hidden now";
      doc_.text_pages_[part.page].lines = UnescapeLines(value);
      return std::nullopt;
    }
    if (part.options == nullptr) continue;
    if (const auto found = part.options->Find(control)) {
      const ControlState now = doc_.OptionState(control);
      if (!now.visible) return std::string(control) + " is hidden now";
      if (!now.enabled) return std::string(control) + " is disabled now";
      if (auto refused = SetOption(*part.options, *found, control, value)) return refused;
      doc_.OptionChanged(control, notes);
      return std::nullopt;
    }
  }
  for (const EditorSettings::NamedAction& action : doc_.actions_) {
    if (action.name != control) continue;
    if (auto refused = press()) return refused;
    if (!action.writes_now) doc_.RunAction(control, notes);
    return std::nullopt;
  }
  if (doc_.has_teams_) {
    for (size_t k = 0; k < doc_.teams.selected.size(); ++k) {
      if (control != doc_.TeamControl(k)) continue;
      if (!doc_.teams.row_enabled[k]) return std::string(control) + " is disabled now";
      const int index = IndexOf(doc_.models_, value);
      if (index < 0) return Refuse(control, "one of its models: " + ItemsText(doc_.models_));
      doc_.teams.selected[k] = index;
      return std::nullopt;
    }
  }
  if (control == doc_.map_cycle_name_) return SetPlayList(control, value);
  if (auto extra = doc_.SetExtra(control, value)) return *extra;
  if (!doc_.has_roster_) return unknown();

  if (is("ListBot")) return SelectBots(control, value);
  const auto button = [this, control](std::string_view suffix) {
    return control == doc_.RosterButton(suffix);
  };
  if (button("SBCreeBot") || button("SBCreeRandomBot")) {
    if (auto refused = press()) return refused;
    Message refusal;
    std::mt19937 draw(std::random_device{}());
    if (!doc_.CreateBot(button("SBCreeRandomBot"), draw, &refusal)) {
      return refusal.detail.empty() ? refusal.text : refusal.text + " " + refusal.detail;
    }
    return std::nullopt;
  }
  if (button("SBDelBot")) {
    if (auto refused = press()) return refused;
    doc_.DeleteSelectedBots();
    return std::nullopt;
  }
  if (button("SBUpBot") || button("SBDownBot")) {
    if (auto refused = press()) return refused;
    doc_.MoveBot(button("SBUpBot") ? -1 : +1);
    return std::nullopt;
  }
  const std::optional<OptionValues::Found> property = doc_.bot_properties_->Find(control);
  if (!is("botname") && !is("botmodel") && !property) return unknown();
  if (doc_.CurrentBot() == nullptr) {
    return std::string(control) + " is empty while no bot is selected (select one with " +
           doc_.Control("ListBot") + "=NAME)";
  }
  if (is("botname")) {
    doc_.SetBotName(value);
    return std::nullopt;
  }
  if (is("botmodel")) {
    const int index = IndexOf(doc_.bot_model.items, value);
    if (index < 0) return Refuse(control, "one of its models: " + ItemsText(doc_.bot_model.items));
    doc_.bot_model.selected = index;
    doc_.bot_model.text = doc_.bot_model.items[static_cast<size_t>(index)];
    doc_.StepModel(ModelStepAction::kChosen);
    return std::nullopt;
  }
  doc_.RefreshBotProperties();
  if (auto refused = SetOption(*doc_.bot_properties_, *property, control, value)) return refused;
  doc_.BotPropertyChanged(property->row);
  return std::nullopt;
}

}  // namespace orvane
