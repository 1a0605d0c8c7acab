#include "services/EditorSettings.h"

#include "services/ControlScript.h"

#include <algorithm>
#include <unordered_set>

#include "core/LauncherSettings.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace {

constexpr const char* kMsgTeams = "You must select at least two teams for a teamplay.";
constexpr const char* kMsgStartMap = "You must select a starting map.";
constexpr const char* kMsgNoBot = "You must have at least one bot to play.";

}  // namespace

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

std::string EditorSettings::Controls(std::string_view suffixes) const {
  std::string names;
  size_t start = 0;
  while (true) {
    const size_t bar = suffixes.find('|', start);
    names += Control(suffixes.substr(start, bar - start));
    if (bar == std::string_view::npos) return names;
    names += '|';
    start = bar + 1;
  }
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
  return FillAvailableMaps(state_, mod_, listings_);
}

std::vector<std::string> EditorSettings::ModelList() const { return ModelChoices(state_); }

void EditorSettings::AddTeams() {
  has_teams_ = true;
  parts_.push_back({DocumentPart::kTeams});
}

void EditorSettings::AddRoster(const BotProperties& properties, std::string_view name_drops,
                               bool required) {
  has_roster_ = true;
  roster_required_ = required;
  bot_properties_ = std::make_unique<BoundOptions<BotEntry>>(properties);
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
  maps.available.Assign(std::move(available));
  maps.play.Clear();
}

Messages EditorSettings::Load() {
  Messages messages;
  team_text_.clear();
  // Each directory the load's parts ask about is listed once.
  DirectoryListings listings;
  listings_ = &listings;
  struct Forget {
    DirectoryListings*& listings;
    ~Forget() { listings = nullptr; }
  } forget{listings_};
  Reset();
  ReadFiles(messages);
  if (has_teams_) teams.ApplyTeamList(TeamListRows(state_, team_text_));
  try {
    // Only which files a save would touch: their bytes are made when saved.
    FileBatch plan = FileBatch::PathsOnly();
    WriteFiles(plan);
    RememberFiles(plan, &messages);
  } catch (const FileError& e) {
    // A file that cannot even be read to plan the write: said now, as Save would.
    loaded_.clear();
    messages.push_back(CantReadFile(e.file(), e.detail()));
  }
  return messages;
}

void EditorSettings::RememberFiles(const FileBatch& plan, Messages* messages) {
  loaded_.clear();
  // A settings file the save merges into but would leave as it is counts too:
  // a change made to it elsewhere is overwritten as soon as the window's
  // values differ from it.
  std::vector<std::string_view> paths;
  paths.reserve(plan.files().size() + plan.consulted().size());
  for (const auto& [path, bytes] : plan.files()) paths.push_back(path);
  for (const std::string& path : plan.consulted()) {
    if (!plan.Holds(path)) paths.push_back(path);
  }
  for (const std::string_view path : paths) {
    loaded_.emplace_back(std::string(path), StampOf(path));
    // A reader takes a directory where its file belongs for an absent file
    // (the defaults); said here once, since Apply could not write it.
    if (messages == nullptr || !DirectoryExists(path)) continue;
    const Message said = CantReadFile(path, "It is a directory, not a file.");
    const bool told = std::any_of(messages->begin(), messages->end(),
                                  [&said](const Message& m) { return m.text == said.text; });
    if (!told) messages->push_back(said);
  }
}

std::vector<std::string> EditorSettings::ChangedOnDisk() const {
  std::vector<std::string> changed;
  for (const auto& [path, stamp] : loaded_) {
    if (StampOf(path) != stamp) changed.push_back(path);
  }
  return changed;
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
  if (dir.empty() || !DirectoryExists(dir)) failed.push_back("Can't find " + ShownPath(dir));
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

void EditorSettings::Save() {
  const FileBatch batch = SaveBatch();
  batch.Commit();
  RememberFiles(batch);  // what is on disk now is this document's own
}

void EditorSettings::Step(Messages& messages, const std::function<void()>& read) {
  try {
    read();
  } catch (const FileError& e) {
    messages.push_back({"Can't read the file " + e.host_file() + ".", e.detail()});
  }
}

Message CantReadFile(std::string_view path, std::string detail) {
  return {"Can't read the file " + ShownPath(path) + ".", std::move(detail)};
}

Message EditorSettings::MissingFile(std::string_view file, std::string_view dir) {
  return {"Can't find " + std::string(file) + " in " + ShownPath(dir), ""};
}

void EditorSettings::SetRoster(std::vector<BotEntry> entries) {
  roster.Assign(std::move(entries));
  if (!roster.items.empty()) roster.SelectOnly(0);
  CurrentBotChanged();
}

void EditorSettings::ReadPlayList(Messages& messages, std::string_view extra_ext,
                                  std::string_view extra_dir) {
  Step(messages, [&] {
    std::vector<std::string> cycle;
    ReadMapCycle(state_, mod_, ModDirectory(), state_.valve_maps_dir, cycle, extra_ext, extra_dir,
                 listings_);
    for (std::string& map : cycle) maps.play.Append(std::move(map));
  });
}

void EditorSettings::ReadPlayListFrom(Messages& messages, std::string_view maps_dir,
                                      std::string_view extra_ext, std::string_view extra_dir) {
  Step(messages, [&] {
    std::vector<std::string> cycle;
    ReadMapCycle(state_, mod_, ModDirectory(), maps_dir, cycle, extra_ext, extra_dir, listings_);
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
  const auto it = std::find(items.begin(), items.end(), entry.model);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void EditorSettings::CurrentBotChanged() {
  const BotEntry* entry = CurrentBot();
  bot_model.items = ModelItems(entry);
  const int position = entry != nullptr ? ModelPosition(*entry, bot_model.items) : -1;
  bot_model.selected =
      position >= 0 && static_cast<size_t>(position) < bot_model.items.size() ? position : -1;
  bot_model.text =
      bot_model.selected >= 0 ? bot_model.items[static_cast<size_t>(bot_model.selected)] : "";
  RefreshBotProperties();
}

void EditorSettings::RefreshBotProperties() {
  if (bot_properties_ == nullptr) return;
  // No bot: each control at its reset, drop-downs and radio groups at none.
  const BotEntry* entry = CurrentBot();
  bot_properties_->Fill(entry != nullptr ? *entry : BotEntry{});
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

void EditorSettings::BotPropertyChanged(size_t row) {
  if (roster.current < 0 || roster.current >= roster.size()) return;
  bot_properties_->CollectRow(row, roster.items[static_cast<size_t>(roster.current)]);
  if (bot_properties_->rows()[row].kind == OptionKind::kRadios) CurrentBotChanged();
}

// ---- by control name ----

std::vector<std::pair<std::string, std::string>> EditorSettings::Show() const {
  return ControlScript(const_cast<EditorSettings&>(*this)).Show();
}

std::optional<std::string> EditorSettings::Set(std::string_view control, std::string_view value,
                                               Messages* messages) {
  return ControlScript(*this).Set(control, value, messages);
}

std::vector<std::string> EditorSettings::Items(std::string_view control,
                                               std::string* refusal) const {
  ControlScript::Choices choices = ControlScript(const_cast<EditorSettings&>(*this)).Items(control);
  if (choices.refusal && refusal != nullptr) *refusal = *choices.refusal;
  return std::move(choices.values);
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
      {{OptionKind::kRadios, p + "fallnorm|" + p + "fallreal", "Normal|Realistic", "Fall Damages",
        0, 1, 0, "Type of damages applied when a player falls"},
       &Game::fall_realistic},
  };
}

}  // namespace orvane
