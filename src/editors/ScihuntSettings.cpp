#include "editors/ScihuntSettings.h"

#include "core/LauncherSettings.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/Converters.h"
#include "services/SettingsScript.h"

namespace orvane {
namespace {

using Game = ScihuntGameCfg;
using Sh = ShConfig;

std::vector<OptionRow<Game>> ModeRows() {
  OptionInfo row = ChoiceRow(
      "SH_realistic", "Game Type", "Game Type",
      {"Standard Hunting", "Stealth Hunting", "Traditional Slaughter", "Live in Fear", "Madness"},
      0, "Select a game mode");
  // One mode is always chosen; a stored -1 reads as the first.
  // The drop-down's hint describes the selected mode.
  row.item_hints = {
      "The scientists run around and scream\r\nwhile you shoot them to win the round.",
      "Scientists don't run until they see you,\r\nand you get extra points for killing "
      "them\r\nbefore they can see you.",
      "Scientists trust you until you hurt them\r\nor they see you kill another one of "
      "their\r\nkind. This mode is not round-based, and\r\nscientists respawn after they're "
      "killed.",
      "One player is a scientist and the other\r\nplayers try to murder him. The "
      "scientist\r\nplayer gets points for staying alive and\r\ncan use his poison needle to "
      "defend himself.",
      "Scientists are evil and murderous and try\r\nto kill each other and players for no "
      "real\r\nreason at all other than horrible insanity.",
  };
  return {{std::move(row), &Game::realistic}};
}

std::vector<OptionRow<Game>> GameRows() {
  const char* group = "Game Settings";
  return {
      {SpinRow("SH_fraglimit", "Frag Limit", group, 0, 999, 0,
               "Maximum Frag points before changing map (0 = infinite)"),
       &Game::fraglimit},
      {SpinRow("SH_timelimit", "Time Limit", group, 0, 90, 0,
               "Maximum time before changing map (0 = infinite)"),
       &Game::timelimit},
      {SpinRow("sh_gibcount", "Gibs factor", group, 0, 100, 20, "How many gibs a body makes"),
       &Game::gibcount},
      {SpinRow("sh_insanity", "Insanity level", group, 0, 50, 5, "How mad the scientists go"),
       &Game::insanity},
      {CheckRow("SH_friendlyfire", "Friendly Fire", group, false, "Allows firing to teammates"),
       &Game::friendlyfire},
      {CheckRow("SH_weaponstay", "Weapons Stay", group, false,
                "Weapon remains after a player picked it up"),
       &Game::weaponstay},
      {CheckRow("SH_forcerespawn", "Force Respawn", group, false,
                "Forces a player to respawn immediatly when killed"),
       &Game::forcerespawn},
      {CheckRow("SH_footsteps", "Footsteps", group, true, "Allows footsteps sounds"),
       &Game::footsteps},
      {CheckRow("SH_flashlight", "Flashlight", group, true, "Allows players to use flashlight"),
       &Game::flashlight},
      {CheckRow("SH_autocrosshair", "AutoCrossHair", group, true, "Allows auto-aiming crosshair"),
       &Game::autocrosshair},
      {RadioRow("SH_fallnorm|SH_fallreal", "Normal|Realistic", "Fall Damages", 0,
                "Type of damages applied when a player falls"),
       &Game::fall_realistic},
  };
}

std::vector<OptionRow<Game>> PhysicsRows() {
  const char* group = "Physics";
  return {
      {CheckRow("sh_wallclimb", "Allow wall climbing", group, false, "Players can climb the walls"),
       &Game::wallclimb},
      {CheckRow("sh_allmonsfly", "Monsters use Scientists Physics", group, true,
                "Every monster flies as the scientists do"),
       &Game::allmonsfly},
  };
}

std::vector<OptionRow<Sh>> ScientistRows() {
  const char* group = "Sci-hunt options";
  return {
      {SpinRow("SH_scimax", "Scientists", group, 1, 40, 5, "Number of scientists on the map"),
       &Sh::scimax},
      {SpinRow("SH_scispeed", "Speed", group, 1, 100, 40, "How fast the scientists run"),
       &Sh::scispeed},
      {SpinRow("SH_goremultiply", "Gore factor", group, 0, 10, 0, "How much blood flows"),
       &Sh::goremultiply},
      {CheckRow("SH_forcemodel", "Players use Gordon model", group, false), &Sh::forcemodel},
      {CheckRow("SH_allowteamchange", "Allow team change", group, false), &Sh::allowteamchange},
      {CheckRow("SH_scifly", "Scientists fly when killed", group, true), &Sh::scifly},
      {CheckRow("SH_deadsciphys", "Scientists juggling", group, true), &Sh::deadsciphys},
      {CheckRow("SH_announcescideath", "Annouce scientists deaths", group, false),
       &Sh::announcescideath},
      {CheckRow("SH_announcescinum", "Display scientists score", group, true), &Sh::announcescinum},
      {CheckRow("SH_respbreak", "Respawn breakable objects", group, true), &Sh::respbreak},
      {CheckRow("SH_bot_evil", "Bots murder scientists creatively", group, false), &Sh::bot_evil},
      {CheckRow("sh_glassbreak", "Scientists break glass", group, true), &Sh::glassbreak},
      {CheckRow("SH_bloodstream", "Scientists blood bursts", group, false), &Sh::bloodstream},
      {CheckRow("SH_scirand", "Random scientists appearance", group, true), &Sh::scirand},
  };
}

std::vector<OptionRow<Sh>> MapConfigRows() {
  return {{CheckRow("SH_levelexec", "Execute maps config files", "", false,
                    "Each map's own configuration file runs when it starts"),
           &Sh::levelexec}};
}

std::vector<OptionRow<Sh>> OrderRows() {
  return {{CheckRow("SH_bot_order", "Give orders to bots", "Bots orders", true,
                    "You can give orders to the bots"),
           &Sh::bot_order}};
}

std::vector<OptionRow<Game>> ArsenalRows() {
  return {{TextRow("SH_weapfileloc", "Arsenal file", "Arsenal", "starteqp.txt", 64,
                   "The equipment players start each map with")
               .Browse("arsenals", "Arsenal files (*.txt)|*.txt"),
           &Game::weapfileloc}};
}

std::vector<OptionRow<Sh>> MiscRows() {
  const char* group = "Misc options";
  return {
      {SpinRow("sh_mondmg9mm_sci", "Barney's shots", group, 1, 100, 3,
               "Damage of the security guards' shots on scientists"),
       &Sh::mondmg9mm_sci},
      {CheckRow("SH_crowbar", "Crowbar Mode", group, false, "Players fight with the crowbar only"),
       &Sh::crowbar},
      {CheckRow("SH_restorehealth", "Restore health", group, false,
                "Players get their health back each map"),
       &Sh::restorehealth},
      {CheckRow("SH_resarsenal", "Restore arsenal", group, false,
                "Players get their arsenal back each map"),
       &Sh::resarsenal},
  };
}

}  // namespace

// The arsenal page's buttons: what each appends.
const std::vector<std::string>& ArsenalWeapons() {
  static const std::vector<std::string> kWeapons = {
      "hammer", "glock", "357",       "shotgun",     "mp5",     "crossbow", "rpg",
      "egon",   "gauss", "hornetgun", "handgrenade", "satchel", "snark",    "tripmine"};
  return kWeapons;
}

const std::vector<std::string>& ArsenalAmmos() {
  static const std::vector<std::string> kAmmos = {"glockclip", "357",         "buckshot",
                                                  "mp5clip",   "mp5grenades", "crossbow",
                                                  "rpgclip",   "egonclip",    "gaussclip"};
  return kAmmos;
}

ScihuntSettings::ScihuntSettings(LauncherState& state)
    : JumbotBotsDocument(state, "Scihunt", JumbotFlavour::kScihunt,
                         DirsOf(state, "Scihunt").dir + "\\botfiles"),
      mode(ModeRows()),
      game(GameRows()),
      scientists(ScientistRows()),
      physics(PhysicsRows()),
      map_configs(MapConfigRows()),
      orders(OrderRows()),
      arsenal(ArsenalRows()),
      misc(MiscRows()) {
  SetPictureName("SH_botpic");
  AddOptions(mode);
  AddOptions(game);
  AddOptions(jumbot.skill);
  AddOptions(scientists);
  AddOptions(physics);
  AddOptions(map_configs);
  AddOptions(jumbot.bots);
  AddJumbotRoster();
  AddOptions(jumbot.skills);
  AddOptions(jumbot.behaviour);
  AddOptions(jumbot.weapons);
  AddOptions(orders);
  AddOptions(jumbot.chat);
  chat_kill_page = AddTextPage("SH_Chatkill");
  chat_died_page = AddTextPage("SH_Chatdied");
  AddOptions(arsenal);
  AddOptions(misc);
  arsenal_page = AddTextPage("SH_Arsenal");
  AddOptions(jumbot.waypoints);
  AddOptions(jumbot.keys);

  for (const auto& [kind, list] :
       {std::pair{"weapon_", &ArsenalWeapons()}, std::pair{"ammo_", &ArsenalAmmos()}}) {
    for (const std::string& caption : *list) {
      const std::string line = std::string(kind) + caption;
      AddAction("SH_A" + line, [this, line](Messages&) {
        text_page(arsenal_page).lines.push_back(line);
        return true;
      });
    }
  }
  AddAction("SH_AClear", [this](Messages&) {
    text_page(arsenal_page).lines.clear();
    return false;  // emptying the list alone is no change to save
  });
  AddAction(
      "SH_ASave",
      [this](Messages& messages) {
        try {
          SaveArsenal();
        } catch (const FileError& e) {
          messages.push_back({"Can't write the file " + e.host_file() + ".", e.detail()});
        }
        return false;
      },
      true);
}

ScihuntGameCfg ScihuntSettings::GameCfg() const {
  ScihuntGameCfg cfg;
  mode.Collect(cfg);
  game.Collect(cfg);
  physics.Collect(cfg);
  arsenal.Collect(cfg);
  return cfg;
}

ShConfig ScihuntSettings::Sh() const {
  ShConfig cfg;
  for (const BoundOptions<ShConfig>* table : {&scientists, &map_configs, &orders, &misc})
    table->Collect(cfg);
  return cfg;
}

std::vector<std::string> ScihuntSettings::AvailableMaps() const {
  // Sci-hunt's maps are its own, marked by their waypoint and config files.
  const std::string maps_dir = File("maps");
  return MarkedMaps(maps_dir, {}, {File("wpfiles"), ".jrf"}, {maps_dir, ".cfg"}, LoadListings());
}

void ScihuntSettings::ReadFiles(Messages& messages) {
  Step(messages, [&] {
    const std::string path = File("game.cfg");
    if (!FileExists(path)) return;
    ScihuntGameCfg cfg = GameCfg();
    ParseScihuntGameCfg(ReadLines(path), path, cfg);
    mode.Fill(cfg);
    game.Fill(cfg);
    physics.Fill(cfg);
    arsenal.Fill(cfg);
  });
  const std::string sh_path = File("Shconfig.cfg");
  if (!FileExists(sh_path)) {
    messages.push_back({"Can't find Shconfig.cfg in " + ShownPath(ModDirectory()) +
                            ". All params are set to default.",
                        ""});
  } else {
    Step(messages, [&] {
      ShConfig cfg = Sh();
      ParseShConfig(ReadLines(sh_path), sh_path, cfg);
      for (BoundOptions<ShConfig>* table : {&scientists, &map_configs, &orders, &misc})
        table->Fill(cfg);
    });
  }
  const std::string bots_path = BotFilesDir() + "\\jumbot.cfg";
  if (!FileExists(bots_path)) {
    messages.push_back({"Can't find jumbot.cfg in " + ShownPath(BotFilesDir()) +
                            ". All params are set to default.",
                        ""});
  } else {
    Step(messages, [&] {
      JumbotCfg cfg = jumbot.Cfg();
      // The starting map is one of Sci-hunt's own maps.
      const std::string maps_dir = File("maps");
      const auto usable = [&maps_dir](std::string_view map) {
        return IsValidMap(map, maps_dir, "", "");
      };
      ParseJumbotCfg(ReadLines(bots_path), bots_path, usable, JumbotFlavour::kScihunt, cfg);
      jumbot.Fill(cfg);
      for (const std::string& map : cfg.start_maps) maps.play.Append(map);
    });
  }
  Step(messages, [&] { jumbot.ReadKeys(state(), mod().key); });
  ReadPlayListFrom(messages, File("maps"));
  ReadRoster(messages, true);
  ReadChat(messages, true);
  ReadArsenal(messages);
}

void ScihuntSettings::ReadChat(Messages& messages, bool report_missing) {
  const size_t row = jumbot.chat.RowOf("SH_chatfile");
  const std::string name = jumbot.chat.text(row);
  const std::string path = BotFilesDir() + "\\" + name;
  if (name.empty() || !FileExists(path)) {
    if (!report_missing) return;
    text_page(chat_kill_page).lines.clear();
    text_page(chat_died_page).lines.clear();
    messages.push_back({"Can't find chat configuration file " + name + " in " +
                            ShownPath(BotFilesDir()) + ". No chat will be loaded.",
                        ""});
    jumbot.chat.SetText(row, "");
    return;
  }
  Step(messages, [&] {
    ScihuntChat chat = ParseScihuntChat(ReadLines(path));
    text_page(chat_kill_page).lines = std::move(chat.after_killing);
    text_page(chat_died_page).lines = std::move(chat.after_dying);
  });
}

void ScihuntSettings::ReadArsenal(Messages& messages) {
  std::vector<std::string>& lines = text_page(arsenal_page).lines;
  lines.clear();
  const std::string name = GameCfg().weapfileloc;
  const std::string path = File("arsenals") + "\\" + name;
  if (name.empty() || !FileExists(path)) return;
  Step(messages, [&] { lines = ReadLines(path); });
}

void ScihuntSettings::ReadBotFile(Messages& messages) {
  ReadArsenal(messages);
  ReadRoster(messages, true);
  ReadChat(messages, true);
}

void ScihuntSettings::ModChecks(std::vector<std::string>& failed) const {
  RosterChecks(failed);
  const JumbotCfg cfg = jumbot.Cfg();
  if (cfg.botchat && Trim(cfg.chatfile).empty())
    failed.emplace_back("you must select a bots chat file.");
}

void ScihuntSettings::PutArsenal(FileBatch& batch) const {
  const std::string name = GameCfg().weapfileloc;
  if (!name.empty()) batch.PutLines(File("arsenals") + "\\" + name, text_page(arsenal_page).lines);
}

void ScihuntSettings::SaveArsenal() const {
  FileBatch batch;
  PutArsenal(batch);
  batch.Commit();
}

void ScihuntSettings::WriteFiles(FileBatch& batch) const {
  const ScihuntGameCfg game_cfg = GameCfg();
  const ShConfig sh = Sh();
  batch.PutLines(File("game.cfg"), ScihuntGameCfgLines(game_cfg));
  batch.PutLines(File("Shconfig.cfg"), ShConfigLines(sh));
  const std::string scr = File("settings.scr");
  if (FileExists(scr)) {
    batch.PutLines(scr, SettingsScrLines(ReadLines(scr), ScihuntScrBlocks(game_cfg, sh)));
  }
  const JumbotCfg cfg = jumbot.Cfg();
  const std::string start = maps.play.items.empty() ? std::string() : maps.play.items.front();
  batch.PutLines(BotFilesDir() + "\\jumbot.cfg",
                 JumbotCfgLines(cfg, start, JumbotFlavour::kScihunt));
  jumbot.WriteKeys(state(), mod().key, File("config.cfg"), batch);
  WriteMapCycle(state(), mod(), ModDirectory(), maps.play.items, batch);
  if (!cfg.botcfgfile.empty())
    batch.PutLines(BotFilesDir() + "\\" + cfg.botcfgfile,
                   [this] { return JumbotRosterLines(roster.items); });
  if (!cfg.chatfile.empty()) {
    batch.PutLines(
        BotFilesDir() + "\\" + cfg.chatfile,
        ScihuntChatLines({text_page(chat_kill_page).lines, text_page(chat_died_page).lines}));
  }
  PutArsenal(batch);
}

bool ScihuntSettings::OnModOptionChanged(std::string_view control, Messages& messages) {
  if (control == "SH_chatfile") {
    const std::string name = jumbot.Cfg().chatfile;
    if (name.empty() || !FileExists(BotFilesDir() + "\\" + name)) return false;
    ReadChat(messages, false);
    return true;
  }
  if (control == "SH_weapfileloc") {
    ReadArsenal(messages);
    return true;
  }
  return false;
}

}  // namespace orvane
