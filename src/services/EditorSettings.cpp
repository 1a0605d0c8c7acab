#include "services/EditorSettings.h"

#include <algorithm>
#include <unordered_set>

#include "core/LauncherSettings.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace {

constexpr const char* kMsgTeams = "You must select at least two teams for a teamplay.";
constexpr const char* kMsgStartMap = "You must select a starting map.";
constexpr const char* kMsgNoBot = "You must have at least one bot to play.";

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

// "BotA|BotT|BotCT" as its names.
std::vector<std::string> SplitBars(std::string_view text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t bar = text.find('|', start);
    parts.emplace_back(text.substr(start, bar - start));
    if (bar == std::string_view::npos) return parts;
    start = bar + 1;
  }
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

EditorSettings::EditorSettings(LauncherState& state, std::string_view mod_key)
    : state_(state),
      mod_(*FindMod(mod_key)),
      map_dispo_name_(Control("MapDispo")),
      map_cycle_name_(Control("MapCycle")),
      picture_name_(Control("BotPic")) {}

EditorSettings::~EditorSettings() = default;

std::string EditorSettings::ModDirectory() const { return DirsOf(state_, mod_.key).dir; }

std::string EditorSettings::File(std::string_view name) const {
  return ModDirectory() + "\\" + std::string(name);
}

std::string EditorSettings::Control(std::string_view suffix) const {
  return std::string(mod_.prefix) + "_" + std::string(suffix);
}

std::string EditorSettings::TeamControl(size_t k) const {
  return Control(team_words_.first + std::to_string(k + 1));
}

std::string EditorSettings::RosterButton(std::string_view suffix) const {
  const bool moves = suffix == "SBUpBot" || suffix == "SBDownBot" || suffix == "SBDelBot";
  if (moves && !move_buttons_prefix_.empty())
    return move_buttons_prefix_ + "_" + std::string(suffix);
  return Control(suffix);
}

void EditorSettings::AddOptions(OptionValues& table) {
  parts_.push_back({DocumentPart::kOptions, &table});
}

size_t EditorSettings::AddTextPage(std::string name) {
  text_pages_.push_back({std::move(name), {}});
  parts_.push_back({DocumentPart::kTextPage, nullptr, text_pages_.size() - 1});
  return text_pages_.size() - 1;
}

void EditorSettings::AddAction(std::string name, Action action, bool writes_now) {
  actions_.push_back({std::move(name), std::move(action), writes_now});
}

void EditorSettings::SetMapListNames(std::string dispo, std::string cycle) {
  map_dispo_name_ = std::move(dispo);
  map_cycle_name_ = std::move(cycle);
}

bool EditorSettings::HasAction(std::string_view control) const {
  return std::any_of(actions_.begin(), actions_.end(),
                     [control](const NamedAction& action) { return action.name == control; });
}

bool EditorSettings::RunAction(std::string_view control, Messages& messages) {
  for (NamedAction& action : actions_) {
    if (action.name == control) return action.run(messages);
  }
  return false;
}

bool EditorSettings::OptionChanged(std::string_view control, Messages& messages) {
  return AfterOptionChange(control, messages);
}

std::string EditorSettings::OptionText(std::string_view control) const {
  for (const DocumentPart& part : parts_) {
    if (part.options == nullptr) continue;
    if (const auto found = part.options->Find(control)) return part.options->Shown(found->row);
  }
  return {};
}

std::vector<std::string> EditorSettings::AvailableMaps() const {
  return FillAvailableMaps(state_, mod_);
}

std::vector<std::string> EditorSettings::ModelList() const { return ModelChoices(state_); }

void EditorSettings::AddTeams() {
  has_teams_ = true;
  parts_.push_back({DocumentPart::kTeams});
}

void EditorSettings::AddRoster(std::vector<RosterProperty> properties, std::string_view name_drops,
                               bool required) {
  has_roster_ = true;
  roster_required_ = required;
  properties_ = std::move(properties);
  name_drops_ = std::string(name_drops);
  parts_.push_back({DocumentPart::kRosterProperties});
}

// ---- the sequences ----

void EditorSettings::AddGameTypes(std::string control, std::vector<std::string> kinds) {
  game_type_control_ = std::move(control);
  game_types_ = std::move(kinds);
  AddGameType();
}

void EditorSettings::Reset() {
  models_ = ModelList();
  teams.Reset();
  game_type_ = 0;
  for (const DocumentPart& part : parts_) {
    if (part.options != nullptr) part.options->Reset();
  }
  roster.Clear();
  CurrentBotChanged();
  // The mod's own values first: what "Available Maps" offers may follow them.
  ResetValues();
  std::vector<std::string> available = AvailableMaps();
  SortNoCase(available);  // as a sorted list box keeps them
  maps.available.Clear();
  maps.available.items = std::move(available);
  maps.available.selected.assign(maps.available.items.size(), false);
  maps.play.Clear();
}

Messages EditorSettings::Load() {
  Messages messages;
  team_text_.clear();
  Reset();
  ReadFiles(messages);
  if (has_teams_) teams.ApplyTeamList(TeamListRows(state_, team_text_));
  return messages;
}

Messages EditorSettings::RestoreDefault() {
  Messages messages;
  Reset();
  ReadBotFile(messages);
  return messages;
}

std::vector<std::string> EditorSettings::Checks() const {
  std::vector<std::string> failed;
  const std::string dir = ModDirectory();
  if (dir.empty() || !DirectoryExists(dir)) failed.push_back("Can't find " + dir);
  if (has_teams_ && teams.teamplay && !teams.FirstTwoChosen())
    failed.emplace_back(
        game_types_.empty() ? kMsgTeams : "You must select at least two teams for Teamplay / CTF.");
  if (maps.play.items.empty()) failed.emplace_back(kMsgStartMap);
  if (has_roster_ && roster_required_ && roster.items.empty()) failed.emplace_back(kMsgNoBot);
  ModChecks(failed);
  return failed;
}

FileBatch EditorSettings::SaveBatch() const {
  FileBatch batch;
  WriteFiles(batch);
  return batch;
}

void EditorSettings::Save() const { SaveBatch().Commit(); }

void EditorSettings::Step(Messages& messages, const std::function<void()>& read) {
  try {
    read();
  } catch (const FileError& e) {
    messages.push_back({"Can't read the file " + e.file() + ".", e.what()});
  }
}

Message EditorSettings::MissingFile(std::string_view file, std::string_view dir) {
  return {"Can't find " + std::string(file) + " in " + std::string(dir), ""};
}

void EditorSettings::SetRoster(std::vector<BotEntry> entries) {
  roster.Clear();
  for (BotEntry& entry : entries) roster.Append(std::move(entry));
  if (!roster.items.empty()) roster.SelectOnly(0);
  CurrentBotChanged();
}

void EditorSettings::ReadPlayList(Messages& messages, std::string_view extra_ext,
                                  std::string_view extra_dir) {
  Step(messages, [&] {
    std::vector<std::string> cycle;
    ReadMapCycle(state_, mod_, ModDirectory(), state_.valve_maps_dir, cycle, extra_ext, extra_dir);
    for (std::string& map : cycle) maps.play.Append(std::move(map));
  });
}

void EditorSettings::ReadPlayListFrom(Messages& messages, std::string_view maps_dir,
                                      std::string_view extra_ext, std::string_view extra_dir) {
  Step(messages, [&] {
    std::vector<std::string> cycle;
    ReadMapCycle(state_, mod_, ModDirectory(), maps_dir, cycle, extra_ext, extra_dir);
    for (std::string& map : cycle) maps.play.Append(std::move(map));
  });
}

void EditorSettings::ReadStandardGame(BoundOptions<StandardGameCfg>& options, Messages& messages) {
  Step(messages, [&] {
    StandardGameCfg cfg = options.Collected();
    if (!ReadStandardGameCfg(File("game.cfg"), cfg)) return;
    options.Fill(cfg);
    teams.SetGameType(cfg.teamplay);
    team_text_ = cfg.team_text;
  });
}

void EditorSettings::WriteStandardGame(const BoundOptions<StandardGameCfg>& options,
                                       FileBatch& batch) const {
  StandardGameCfg cfg = options.Collected();
  cfg.teamplay = teams.teamplay;
  cfg.teams = teams.Texts(models_);
  batch.PutLines(File("game.cfg"), StandardGameCfgLines(cfg));
}

// ---- the roster ----

const BotEntry* EditorSettings::CurrentBot() const {
  if (roster.current < 0 || roster.current >= roster.size()) return nullptr;
  return &roster.items[static_cast<size_t>(roster.current)];
}

std::vector<std::string> EditorSettings::ModelItems(const BotEntry* entry) const {
  (void)entry;
  return models_;
}

int EditorSettings::ModelPosition(const BotEntry& entry,
                                  const std::vector<std::string>& items) const {
  return IndexOf(items, entry.model);
}

void EditorSettings::CurrentBotChanged() {
  const BotEntry* entry = CurrentBot();
  bot_model.items = ModelItems(entry);
  const int position = entry != nullptr ? ModelPosition(*entry, bot_model.items) : -1;
  bot_model.selected =
      position >= 0 && static_cast<size_t>(position) < bot_model.items.size() ? position : -1;
  bot_model.text =
      bot_model.selected >= 0 ? bot_model.items[static_cast<size_t>(bot_model.selected)] : "";
}

bool EditorSettings::CreateBot(bool random, std::mt19937& draw, Message* refusal) {
  if (std::string refused = CreateRefusal(); !refused.empty()) {
    if (refusal != nullptr) *refusal = {std::move(refused), ""};
    return false;
  }
  BotEntry entry = NewEntry();
  if (random) {
    // An empty list has nothing to draw from: refused rather than guessed.
    const bool from_catalogue = RandomModelFromCatalogue();
    if (state_.bot_names.empty() || (from_catalogue && models_.empty())) {
      if (refusal != nullptr) {
        *refusal = {"Can't create a random bot.",
                    state_.bot_names.empty() ? "The list of bot names (bot_names.txt) is empty."
                                             : "No player model is installed."};
      }
      return false;
    }
    const int names = static_cast<int>(state_.bot_names.size());
    entry.name = state_.bot_names[static_cast<size_t>(PickRandom(0, names - 1, draw))];
    if (from_catalogue) {
      const int models = static_cast<int>(models_.size());
      entry.model = models_[static_cast<size_t>(PickRandom(0, models - 1, draw))];
    }
    RandomizeEntry(entry, draw);
  }
  AddRosterEntry(roster, std::move(entry));
  CurrentBotChanged();
  return true;
}

bool EditorSettings::MoveBot(int step) {
  if (!MoveRosterEntry(roster, step)) return false;
  CurrentBotChanged();
  return true;
}

bool EditorSettings::DeleteSelectedBots() {
  if (!DeleteRosterEntries(roster)) return false;
  CurrentBotChanged();
  return true;
}

std::string EditorSettings::SetBotName(std::string_view typed) {
  std::string name = DropCharacters(typed, name_drops_);
  if (name.size() > static_cast<size_t>(name_length())) name.resize(name_length());
  if (!name.empty() && roster.current >= 0 && roster.current < roster.size()) {
    roster.items[static_cast<size_t>(roster.current)].name = name;
  }
  return name;
}

std::optional<std::string> EditorSettings::StepModel(ModelStepAction action) {
  if (roster.current < 0 || roster.current >= roster.size()) return std::nullopt;
  const ModelStep step = StepBotModel(state_, mod_, action, bot_model,
                                      &roster.items[static_cast<size_t>(roster.current)]);
  if (!step.changed) return std::nullopt;
  return step.picture_path;
}

void EditorSettings::SetProperty(size_t property, std::string text) {
  if (roster.current < 0 || roster.current >= roster.size()) return;
  roster.items[static_cast<size_t>(roster.current)].*(properties_[property].field) =
      std::move(text);
  if (properties_[property].kind == RosterProperty::kRadios) CurrentBotChanged();
}

// ---- by control name ----

std::vector<std::pair<std::string, std::string>> EditorSettings::Show() const {
  std::vector<std::pair<std::string, std::string>> lines;
  auto add = [&lines](std::string name, std::string value) {
    lines.emplace_back(std::move(name), std::move(value));
  };
  for (const DocumentPart& part : parts_) {
    switch (part.kind) {
      case DocumentPart::kGameType:
        if (!game_types_.empty()) {
          add(game_type_control_, game_types_[static_cast<size_t>(game_type())]);
        } else {
          add(Control("deathmatch"), teams.teamplay ? "0" : "1");
          add(Control("teamplay"), teams.teamplay ? "1" : "0");
        }
        add(Control("numteam"), std::to_string(teams.count));
        break;
      case DocumentPart::kOptions:
        for (size_t i = 0; i < part.options->rows().size(); ++i) {
          const OptionInfo& row = part.options->rows()[i];
          const int value = part.options->value(i);
          if (row.kind == OptionKind::kRadioPair) {
            const std::vector<std::string> names = row.Names();
            add(names[0], value == 0 ? "1" : "0");
            add(names[1], value == 1 ? "1" : "0");
          } else {
            add(row.name, part.options->Shown(i));
          }
        }
        break;
      case DocumentPart::kTeams: {
        const std::array<std::string, 10> texts = teams.Texts(models_);
        for (size_t k = 0; k < texts.size(); ++k) add(TeamControl(k), texts[k]);
        break;
      }
      case DocumentPart::kTextPage:
        add(text_pages_[part.page].name, EscapeLines(text_pages_[part.page].lines));
        break;
      case DocumentPart::kRosterProperties: {
        const BotEntry* entry = CurrentBot();
        if (entry == nullptr) break;
        add(Control("botname"), entry->name);
        add(Control("botmodel"), bot_model.selected >= 0 ? bot_model.text : "");
        for (const RosterProperty& p : properties_) {
          const std::string& text = (*entry).*(p.field);
          if (p.kind == RosterProperty::kRadios) {
            const std::vector<std::string> names = SplitBars(p.suffix);
            for (size_t k = 0; k < names.size(); ++k)
              add(Control(names[k]), text == std::to_string(k) ? "1" : "0");
            continue;
          }
          if (p.kind == RosterProperty::kChoiceIndex) {
            const std::vector<std::string> items = SplitBars(p.marks);
            const int at = ParseDecimalInt(text).value_or(-1);
            add(Control(p.suffix), at >= 0 && at < static_cast<int>(items.size())
                                       ? items[static_cast<size_t>(at)]
                                       : std::string());
            continue;
          }
          const bool number = p.kind == RosterProperty::kSlider ||
                              p.kind == RosterProperty::kSpin || p.kind == RosterProperty::kCheck;
          add(Control(p.suffix),
              number ? std::to_string(ParseDecimalInt(text).value_or(p.reset)) : text);
        }
        break;
      }
    }
  }
  ShowExtra(lines);
  add(map_cycle_name_, JoinList(maps.play.items));
  if (has_roster_) {
    std::vector<std::string> names;
    for (const BotEntry& entry : roster.items) names.push_back(entry.name);
    add(Control("ListBot"), JoinList(names));
  }
  return lines;
}

std::optional<std::string> EditorSettings::SetOption(OptionValues& table,
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
  if (row.kind == OptionKind::kCheck || row.kind == OptionKind::kRadioPair) {
    if (value != "0" && value != "1") return Refuse(control, "1 or 0");
    const bool on = value == "1";
    // A radio pair's value is 1 when its second button is selected.
    table.Set(found.row, row.kind == OptionKind::kCheck ? on : (on == (found.button == 1)));
    return std::nullopt;
  }
  const std::optional<int> n = WholeNumber(value, row.lo, row.hi);
  if (!n) return Refuse(control, RangeText(row.lo, row.hi));
  table.Set(found.row, *n);
  return std::nullopt;
}

std::optional<std::string> EditorSettings::SetPlayList(std::string_view control,
                                                       std::string_view value) {
  std::unordered_set<std::string> offered;
  for (const std::string& entry : maps.available.items) offered.insert(MapEntryName(entry));
  std::vector<std::string> play = SplitList(value);
  for (const std::string& map : play) {
    if (offered.count(map) == 0) {
      return Refuse(control, "maps that \"Available Maps\" offers, separated by commas; \"" + map +
                                 "\" is not among them");
    }
  }
  maps.play.Clear();
  for (std::string& map : play) maps.play.Append(std::move(map));
  return std::nullopt;
}

std::optional<std::string> EditorSettings::SelectBots(std::string_view control,
                                                      std::string_view value) {
  std::vector<bool> selected(roster.items.size(), false);
  int current = -1;
  for (const std::string& name : SplitList(value)) {
    int found = -1;
    for (size_t i = 0; i < roster.items.size() && found < 0; ++i) {
      if (roster.items[i].name == name && !selected[i]) found = static_cast<int>(i);
    }
    if (found < 0) {
      return Refuse(
          control, "names of bots in the list, separated by commas; \"" + name + "\" is not in it");
    }
    selected[static_cast<size_t>(found)] = true;
    if (current < 0) current = found;
  }
  roster.selected = std::move(selected);
  roster.current = current;
  CurrentBotChanged();
  return std::nullopt;
}

std::optional<std::string> EditorSettings::Set(std::string_view control, std::string_view value,
                                               Messages* messages) {
  Messages dropped;
  Messages& notes = messages != nullptr ? *messages : dropped;
  const auto is = [this, control](std::string_view suffix) { return control == Control(suffix); };
  const auto has_part = [this](DocumentPart::Kind kind) {
    return std::any_of(parts_.begin(), parts_.end(),
                       [kind](const DocumentPart& p) { return p.kind == kind; });
  };
  const auto unknown = [&] {
    return "unknown control " + std::string(control) + " for " + std::string(mod_.key);
  };
  // A button "holds" 1: pressing it.
  const auto press = [&]() -> std::optional<std::string> {
    if (value != "1") return Refuse(control, "1 (press the button)");
    return std::nullopt;
  };

  if (has_part(DocumentPart::kGameType)) {
    if (!game_types_.empty() && control == game_type_control_) {
      const int kind = IndexOf(game_types_, value);
      if (kind < 0) return Refuse(control, "one of its kinds: " + ItemsText(game_types_));
      SetGameType(kind);
      return std::nullopt;
    }
    if (game_types_.empty() && (is("deathmatch") || is("teamplay"))) {
      if (value != "0" && value != "1") return Refuse(control, "1 or 0");
      teams.SetGameType(is("teamplay") == (value == "1"));
      return std::nullopt;
    }
    if (is("numteam")) {
      if (!teams.CountEnabled()) return std::string(control) + " is disabled under DeathMatch";
      const std::optional<int> n = WholeNumber(value, kMinTeams, kMaxTeams);
      if (!n) return Refuse(control, RangeText(kMinTeams, kMaxTeams));
      // The player changes it in the spin edit, which has the focus.
      SetTeamCount(*n, true);
      return std::nullopt;
    }
  }
  for (const DocumentPart& part : parts_) {
    if (part.kind == DocumentPart::kTextPage && text_pages_[part.page].name == control) {
      if (!OptionState(control).visible) return std::string(control) + " is hidden now";
      text_pages_[part.page].lines = UnescapeLines(value);
      return std::nullopt;
    }
    if (part.options == nullptr) continue;
    if (const auto found = part.options->Find(control)) {
      const ControlState now = OptionState(control);
      if (!now.visible) return std::string(control) + " is hidden now";
      if (!now.enabled) return std::string(control) + " is disabled now";
      if (auto refused = SetOption(*part.options, *found, control, value)) return refused;
      OptionChanged(control, notes);
      return std::nullopt;
    }
  }
  for (const NamedAction& action : actions_) {
    if (action.name != control) continue;
    if (auto refused = press()) return refused;
    if (!action.writes_now) RunAction(control, notes);
    return std::nullopt;
  }
  if (has_teams_) {
    for (size_t k = 0; k < teams.selected.size(); ++k) {
      if (control != TeamControl(k)) continue;
      if (!teams.row_enabled[k]) return std::string(control) + " is disabled now";
      const int index = IndexOf(models_, value);
      if (index < 0) return Refuse(control, "one of its models: " + ItemsText(models_));
      teams.selected[k] = index;
      return std::nullopt;
    }
  }
  if (control == map_cycle_name_) return SetPlayList(control, value);
  if (auto extra = SetExtra(control, value)) return *extra;
  if (!has_roster_) return unknown();

  if (is("ListBot")) return SelectBots(control, value);
  const auto button = [this, control](std::string_view suffix) {
    return control == RosterButton(suffix);
  };
  if (button("SBCreeBot") || button("SBCreeRandomBot")) {
    if (auto refused = press()) return refused;
    Message refusal;
    std::mt19937 draw(std::random_device{}());
    if (!CreateBot(button("SBCreeRandomBot"), draw, &refusal)) {
      return refusal.detail.empty() ? refusal.text : refusal.text + " " + refusal.detail;
    }
    return std::nullopt;
  }
  if (button("SBDelBot")) {
    if (auto refused = press()) return refused;
    DeleteSelectedBots();
    return std::nullopt;
  }
  if (button("SBUpBot") || button("SBDownBot")) {
    if (auto refused = press()) return refused;
    MoveBot(button("SBUpBot") ? -1 : +1);
    return std::nullopt;
  }
  // The property of that control, and for a radio group which button.
  size_t property_index = properties_.size();
  size_t radio = 0;
  for (size_t i = 0; i < properties_.size() && property_index == properties_.size(); ++i) {
    const std::vector<std::string> names = SplitBars(properties_[i].suffix);
    for (size_t k = 0; k < names.size(); ++k) {
      if (is(names[k])) {
        property_index = i;
        radio = k;
      }
    }
  }
  const bool property = is("botname") || is("botmodel") || property_index < properties_.size();
  if (!property) return unknown();
  if (CurrentBot() == nullptr) {
    return std::string(control) + " is empty while no bot is selected (select one with " +
           Control("ListBot") + "=NAME)";
  }
  if (is("botname")) {
    SetBotName(value);
    return std::nullopt;
  }
  if (is("botmodel")) {
    const int index = IndexOf(bot_model.items, value);
    if (index < 0) return Refuse(control, "one of its models: " + ItemsText(bot_model.items));
    bot_model.selected = index;
    bot_model.text = bot_model.items[static_cast<size_t>(index)];
    StepModel(ModelStepAction::kChosen);
    return std::nullopt;
  }
  for (size_t i = property_index; i < properties_.size(); ++i) {
    const RosterProperty& p = properties_[i];
    if (p.kind == RosterProperty::kRadios) {
      // A radio button is chosen, never unchosen.
      if (value != "1") return Refuse(control, "1 (choose this button)");
      SetProperty(i, std::to_string(radio));
      return std::nullopt;
    }
    if (p.kind == RosterProperty::kChoice || p.kind == RosterProperty::kChoiceIndex) {
      const std::vector<std::string> items = SplitBars(p.marks);
      const int at = IndexOf(items, value);
      if (at < 0) return Refuse(control, "one of its items: " + ItemsText(items));
      SetProperty(i, p.kind == RosterProperty::kChoice ? std::string(value) : std::to_string(at));
    } else if (p.kind != RosterProperty::kEdit) {
      const std::optional<int> n = WholeNumber(value, p.lo, p.hi);
      if (!n) return Refuse(control, RangeText(p.lo, p.hi));
      SetProperty(i, std::to_string(*n));
    } else {
      // Typed into an edit that holds at most hi characters.
      SetProperty(i, std::string(value.substr(0, static_cast<size_t>(p.hi))));
    }
    return std::nullopt;
  }
  return unknown();
}

// ---- the standard game page ----

std::vector<OptionRow<StandardGameCfg>> StandardGameRows(std::string_view prefix) {
  using Game = StandardGameCfg;
  const std::string p = std::string(prefix) + "_";
  return {
      {{OptionKind::kSpin, p + "fraglimit", "Frag Limit", "Game Settings", 0, 999, 0,
        "Maximum Frag points before changing map (0 = infinite)"},
       &Game::fraglimit},
      {{OptionKind::kSpin, p + "timelimit", "Time Limit", "Game Settings", 0, 90, 0,
        "Maximum time before changing map (0 = infinite)"},
       &Game::timelimit},
      {{OptionKind::kCheck, p + "friendlyfire", "Friendly Fire", "Game Settings", 0, 1, 0,
        "Allows firing to teammates"},
       &Game::friendlyfire},
      {{OptionKind::kCheck, p + "weaponstay", "Weapons Stay", "Game Settings", 0, 1, 0,
        "Weapon remains after a player picked it up"},
       &Game::weaponstay},
      {{OptionKind::kCheck, p + "forcerespawn", "Force Respawn", "Game Settings", 0, 1, 0,
        "Forces a player to respawn immediatly when killed"},
       &Game::forcerespawn},
      {{OptionKind::kCheck, p + "footsteps", "Footsteps", "Game Settings", 0, 1, 1,
        "Allows footsteps sounds"},
       &Game::footsteps},
      {{OptionKind::kCheck, p + "flashlight", "Flashlight", "Game Settings", 0, 1, 1,
        "Allows players to use flashlight"},
       &Game::flashlight},
      {{OptionKind::kCheck, p + "autocrosshair", "AutoCrossHair", "Game Settings", 0, 1, 1,
        "Allows auto-aiming crosshair"},
       &Game::autocrosshair},
      {{OptionKind::kRadioPair, p + "fallnorm|" + p + "fallreal", "Normal|Realistic",
        "Fall Damages", 0, 1, 0, "Type of damages applied when a player falls"},
       &Game::fall_realistic},
  };
}

}  // namespace orvane
