#include "editors/FirebotSettings.h"

#include "core/LauncherSettings.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "services/Roster.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

using C = FirebotCfg;
constexpr const char* kBotFile = "default.cfg";
constexpr const char* kSkillsPrefix = "FB_Skills_";

std::vector<OptionRow<C>> GameRows() {
  const char* g = "Game Settings";
  return {
      {SpinRow("FB_timelimit", "Time Limit", g, 0, 90, 0,
               "Maximum time before changing map (0 = infinite)"),
       &C::timelimit},
      {SpinRow("FB_fraglimit", "Frag Limit", g, 0, 999, 0,
               "Maximum Frag points before changing map (0 = infinite)"),
       &C::fraglimit},
      {RadioRow("FB_fallnorm|FB_fallreal", "Normal|Realistic", "Fall Damages", 0,
                "Type of damages applied when a player falls"),
       &C::fall_realistic},
      {CheckRow("FB_friendlyfire", "Friendly Fire", g, false, "Allows firing to teammates"),
       &C::friendlyfire},
      {CheckRow("FB_weaponstay", "Weapons Stay", g, false,
                "Weapon remains after a player picked it up"),
       &C::weaponstay},
      {CheckRow("FB_forcerespawn", "Force Respawn", g, false,
                "Forces a player to respawn immediatly when killed"),
       &C::forcerespawn},
      {CheckRow("FB_footsteps", "Footsteps", g, true, "Allows footsteps sounds"), &C::footsteps},
      {CheckRow("FB_flashlight", "Flashlight", g, true, "Allows players to use flashlight"),
       &C::flashlight},
      {CheckRow("FB_autocrosshair", "AutoCrossHair", g, true, "Allows auto-aiming crosshair"),
       &C::autocrosshair},
  };
}

std::vector<OptionRow<C>> MiscRows() {
  const char* g = "Misc Options";
  return {
      {ChoiceRow("FB_useskills", "Skills usage", g,
                 {"No skill system", "Use rank advance mode", "Give only 4 skills when game starts",
                  "Give all skills"},
                 1, "How players get their skills"),
       &C::useskills},
      {CheckRow("FB_blood", "Display Blood", g, true), &C::blood},
      {CheckRow("FB_shells", "Display Shells", g, true), &C::shells},
      {CheckRow("FB_bulletholes", "Display Bulletholes", g, true), &C::bulletholes},
      {CheckRow("FB_botstamina", "Bots are affected by stamina", g, false), &C::botstamina},
      {CheckRow("FB_botdontshoot", "Bots don't shoot", g, false), &C::botdontshoot},
      {CheckRow("FB_observer", "Bots ignore human players", g, false), &C::observer},
  };
}

std::vector<OptionRow<C>> MapRows() {
  return {{CheckRow("FB_autoexeccfg", "Execute maps config files", "", false,
                    "This allows you to have your own custom game options depending on the "
                    "level."),
           &C::autoexeccfg}};
}

std::vector<OptionRow<C>> BotRows() {
  return {{SliderRow("FB_Defskill", "Default Skill", "Bots Settings", 1, 5, 1,
                     "The skill of bots that have none of their own", "Good|Medium|Bad"),
           &C::default_skill}};
}

BotProperties FirebotBotProperties() {
  return {
      {RadioRow("FB_TeamAuto|FB_TeamRed|FB_TeamBlue", "Auto|Red|Blue", "", -1, "The bot's team"),
       &BotEntry::model},
      {SliderRow("FB_botskill", "Skill", "", 0, 5, 0,
                 "If skill is set to default, the bot will have the AI skill level",
                 "Random|Good|Medium|Bad"),
       &BotEntry::skill},
      {ChoiceIndexRow("FB_botweapon", "Weapon", "", FbWeaponList(), 0,
                      "Select a default weapon for the bot"),
       &BotEntry::param1},
  };
}

}  // namespace

FirebotSettings::FirebotSettings(LauncherState& state)
    : EditorSettings(state, "Firebot"),
      game(GameRows()),
      misc(MiscRows()),
      maps_options(MapRows()),
      bots(BotRows()) {
  AddOptions(game);
  AddOptions(misc);
  AddOptions(maps_options);
  AddOptions(bots);
  AddRoster(FirebotBotProperties(), " \"", true);
}

FirebotCfg FirebotSettings::Collected() const {
  FirebotCfg cfg;
  for (const BoundOptions<C>* table : {&game, &misc, &maps_options, &bots}) table->Collect(cfg);
  return cfg;
}

void FirebotSettings::Fill(const FirebotCfg& cfg) {
  for (BoundOptions<C>* table : {&game, &misc, &maps_options, &bots}) table->Fill(cfg);
}

std::string FirebotSettings::WaypointDir() const {
  const ModDirs& dirs = DirsOf(state(), "Firebot");
  return dirs.extra.size() > 1 ? dirs.extra[1] : std::string();
}

std::string FirebotSettings::ConfigDir() const {
  const ModDirs& dirs = DirsOf(state(), "Firebot");
  return dirs.extra.size() > 2 ? dirs.extra[2] : std::string();
}

std::string FirebotSettings::SkillsPath() const {
  return state().hl_path + "\\firebot\\firearms\\botskill.cfg";
}

std::vector<std::string> FirebotSettings::AvailableMaps() const {
  // Only maps with Firebot waypoints; "+" for a map's own configuration.
  return MarkedMaps(File("maps"), {WaypointDir(), ".fwp"}, {}, {ConfigDir(), ".cfg"},
                    LoadListings());
}

void FirebotSettings::ReadFiles(Messages& messages) {
  Step(messages, [&] {
    const std::string path = File("game.cfg");
    if (!FileExists(path)) return;
    FirebotCfg cfg = Collected();
    ParseFirebotOptions(ReadCfgLines(path), path, cfg);
    Fill(cfg);
  });
  ReadBotFile(messages);
  ReadPlayListFrom(messages, File("maps"), ".fwp", WaypointDir());
  Step(messages, [&] {
    const std::string path = SkillsPath();
    if (FileExists(path)) skills = ParseFbSkills(ReadLines(path));
  });
}

void FirebotSettings::ReadBotFile(Messages& messages) {
  SetRoster({});
  const std::string path = ConfigDir() + "\\" + kBotFile;
  if (!FileExists(path)) {
    messages.push_back(MissingFile(kBotFile, ConfigDir()));
    return;
  }
  Step(messages, [&] {
    const std::vector<std::string> lines = ReadLines(path);
    FirebotCfg cfg = Collected();
    ParseFirebotOptions(lines, path, cfg);
    Fill(cfg);
    SetRoster(ParseFirebotBots(lines, path, messages));
  });
}

void FirebotSettings::WriteFiles(FileBatch& batch) const {
  const FirebotCfg cfg = Collected();
  batch.PutLines(File("game.cfg"), FirebotGameCfgLines(cfg));
  batch.PutLines(ConfigDir() + "\\" + kBotFile,
                 [this, &cfg] { return FirebotBotLines(cfg, roster.items); });
  WriteMapCycle(state(), mod(), ModDirectory(), maps.play.items, batch);
  batch.PutLines(SkillsPath(), FbSkillLines(skills));
  const std::string scr = File("settings.scr");
  if (FileExists(scr)) batch.PutLines(scr, SettingsScrLines(ReadLines(scr), FirebotScrBlocks(cfg)));
  NeutraliseServerConfigs(batch, ModDirectory(), ListenServerNames("Firebot"));
}

void FirebotSettings::RandomizeEntry(BotEntry& entry, std::mt19937& draw) const {
  entry.model = std::to_string(PickRandom(0, 2, draw));
  entry.skill = std::to_string(PickRandom(1, 5, draw));
  entry.param1 = std::to_string(PickRandom(0, static_cast<int>(FbWeaponList().size()) - 1, draw));
}

void FirebotSettings::ShowExtra(std::vector<std::pair<std::string, std::string>>& lines) const {
  for (size_t row = 0; row < kFbSkillRows; ++row) {
    for (size_t level = 0; level < 5; ++level) {
      lines.emplace_back(
          std::string(kSkillsPrefix) + std::to_string(level + 1) + "_" + std::to_string(row + 1),
          skills[row][level]);
    }
  }
}

std::optional<std::optional<std::string>> FirebotSettings::SetExtra(std::string_view control,
                                                                    std::string_view value) {
  const std::string_view prefix = kSkillsPrefix;
  if (control.substr(0, prefix.size()) != prefix) return std::nullopt;
  const std::string_view cell = control.substr(prefix.size());
  const size_t bar = cell.find('_');
  const std::optional<int> level = ParseDecimalInt(cell.substr(0, bar));
  const std::optional<int> row =
      bar == std::string_view::npos ? std::nullopt : ParseDecimalInt(cell.substr(bar + 1));
  if (!level || !row || *level < 1 || *level > 5 || *row < 1 || *row > 6) {
    return std::optional<std::string>("unknown control " + std::string(control) +
                                      " (the skill table is FB_Skills_<skill 1-5>_<row 1-6>)");
  }
  skills[static_cast<size_t>(*row - 1)][static_cast<size_t>(*level - 1)] = std::string(value);
  return std::optional<std::string>();
}

}  // namespace orvane
