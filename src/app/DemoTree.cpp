#include "app/DemoTree.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editors/ActionFiles.h"
#include "editors/BotsIni.h"
#include "editors/CstrikeFiles.h"
#include "editors/FirebotFiles.h"
#include "editors/FrontlineFiles.h"
#include "editors/JumbotFiles.h"
#include "editors/RocketFiles.h"
#include "editors/ScihuntFiles.h"
#include "editors/TfcFiles.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace orvane {
namespace fs = std::filesystem;
namespace {

// A file of the demo: its path below Half-Life ("/" separated) and its bytes.
struct DemoFile {
  std::string_view path;
  std::string_view bytes;
};

constexpr std::string_view kGameCfg =
    "// Demo server settings\r\n"
    "mp_teamplay 0\r\n"
    "mp_fraglimit 30\r\n"
    "mp_timelimit 20\r\n"
    "mp_friendlyfire 0\r\n"
    "mp_falldamage 1\r\n"
    "mp_weaponstay 1\r\n"
    "mp_forcerespawn 1\r\n"
    "mp_footsteps 1\r\n"
    "mp_flashlight 1\r\n"
    "mp_autocrosshair 1\r\n"
    "decalfrequency 30\r\n"
    "pausable 0\r\n";

constexpr std::string_view kListenServer =
    "// Demo listen server settings\r\n"
    "hostname \"Orvane demo\"\r\n"
    "sv_maxspeed 270\r\n"
    "mp_timelimit 20\r\n"
    "exec game.cfg\r\n";

constexpr std::string_view kCsLiblist =
    "game \"Counter-Strike\"\r\nurl_info \"www.counter-strike.net\"\r\nurl_dl \"\"\r\n"
    "version \"1.6\"\r\nsize \"184000000\"\r\nsvonly \"0\"\r\nsecure \"1\"\r\n"
    "type \"multiplayer_only\"\r\ncldll \"1\"\r\nhlversion \"1111\"\r\nnomodels \"1\"\r\n"
    "nohimodel \"1\"\r\nmpentity \"info_player_start\"\r\n// gamedll \"dlls\\mp.dll\"\r\n"
    "gamedll \"addons\\metamod\\dlls\\metamod.dll\"\r\n// gamedll_linux \"dlls/cs.so\"\r\n"
    "gamedll_linux \"addons/metamod/dlls/metamod.so\"\r\ntrainmap \"tr_1\"\r\nedicts\t\"1800\"\r\n";

// The add-ons' own settings files as their releases ship them, in short:
// the player's lines that a launch keeps.
constexpr std::string_view kYapbCfg =
    "//\r\n// YaPB main configuration file (demo)\r\n//\r\n"
    "yb_quota \"9\"\r\nyb_quota_mode \"normal\"\r\nyb_difficulty \"3\"\r\n"
    "yb_chat \"1\"\r\nyb_jasonmode \"0\"\r\nyb_join_team \"any\"\r\nyb_language \"en\"\r\n";
constexpr std::string_view kPodbotMmCfg =
    "# This is the Pod-Bot Config File (demo)\r\n#\r\n"
    "pb_wptfolder wptdefault\r\npb_minbots 0\r\npb_maxbots 24\r\n"
    "pb_bot_join_team \"ANY\"\r\npb_minbotskill 95\r\npb_maxbotskill 100\r\n"
    "pb_jasonmode 0\r\npb_detailnames 1\r\npb_chat 1\r\n";

constexpr std::string_view kMapCycle = "stalkyard\r\nfrenzy\r\nboot_camp\r\n";

constexpr DemoFile kFiles[] = {
    {"valve/game.cfg", kGameCfg},
    {"valve/config.cfg", "// Demo key bindings\r\nbind \"w\" \"+forward\"\r\n"},
    {"valve/liblist.gam", "game \"Half-Life\"\r\n"},
    {"action/liblist.gam", "game \"Action Half-Life\"\r\n"},
    {"action/listenserver.cfg", kListenServer},
    {"action/maps/ahl_office.bsp", "demo map"},
    {"action/maps/ahl_warehouse.bsp", "demo map"},
    {"action/maps/ahl_roof.bsp", "demo map"},
    {"action/maps/ahl_office.wps", "demo waypoints"},
    {"action/mapcycle.txt", "ahl_office\r\nahl_roof\r\n"},
    {"action/models/player/markham/markham.mdl", "demo model"},
    {"action/models/player/josaphine/josaphine.mdl", "demo model"},
    {"action/models/player/drake/drake.mdl", "demo model"},
    {"action/models/player/swat/swat.mdl", "demo model"},
    {"action/models/player/agent99/agent99.mdl", "demo model"},
    {"action/settings.scr", "// Action Half-Life server options\r\n"},
    {"action/user.scr", "// Action Half-Life player options\r\n"},
    {"bot/liblist.gam", "game \"Botman's bots\"\r\n"},
    {"bot/listenserver.cfg", kListenServer},
    {"bot/mapcycle.txt", kMapCycle},
    {"bot/bot.cfg",
     "# Demo Botman settings\r\nmap crossfire\r\npause 3\r\nbotskill 3\r\n"
     "addbot barney Rex 3\r\npause 4\r\naddbot gina Iris 2\r\npause 4\r\n"},
    // Counter-Strike as a server has it today: Metamod loaded for both builds
    // in front of the game library, its own line kept as a comment.
    {"cstrike/liblist.gam", kCsLiblist},
    {"cstrike/addons/metamod/dlls/metamod.dll", "demo Metamod library"},
    {"cstrike/addons/metamod/dlls/metamod.so", "demo Metamod library"},
    {"cstrike/addons/metamod/plugins.ini",
     "; Metamod's plugins, one a line: <platform> <path relative to cstrike>\r\n"
     "; AMX Mod X would stand here: linux addons/amxmodx/dlls/amxmodx_mm_i386.so\r\n"},
    {"cstrike/listenserver.cfg", kListenServer},
    {"cstrike/mapcycle.txt", "cs_assault\r\nde_dust\r\n"},
    {"cstrike/PODBot/podbot.dll", "demo bot library"},
    // YaPB as its instructions lay it out, with a graph for one map (the
    // others it analyses itself), and POD-Bot MM behind Metamod.
    {"cstrike/addons/yapb/bin/yapb.dll", "demo bot library"},
    {"cstrike/addons/yapb/bin/yapb.so", "demo bot library"},
    {"cstrike/addons/yapb/conf/yapb.cfg", kYapbCfg},
    {"cstrike/addons/yapb/conf/lang/en_chat.cfg", "[KILLED]\r\nToo slow, %s.\r\n"},
    {"cstrike/addons/yapb/data/graph/de_dust.graph", "demo graph"},
    {"cstrike/addons/podbot/podbot_mm.dll", "demo bot library"},
    {"cstrike/addons/podbot/podbot_mm_i386.so", "demo bot library"},
    {"cstrike/addons/podbot/podbot.cfg", kPodbotMmCfg},
    {"cstrike/addons/podbot/botchat.txt", "[KILLED]\r\nNice try, %s.\r\n"},
    {"cstrike/addons/podbot/wptdefault/cs_assault.pwf", "demo waypoints"},
    {"cstrike/addons/podbot/wptdefault/de_dust.pwf", "demo waypoints"},
    // RealBot, a Metamod plugin with a Windows and a Linux library, beside cstrike.
    {"realbot/dll/realbot_mm.dll", "demo bot library"},
    {"realbot/dll/realbot_mm.so", "demo bot library"},
    {"cstrike/maps/cs_assault.bsp", "demo map"},
    {"cstrike/maps/de_dust.bsp", "demo map"},
    {"cstrike/maps/cs_office.bsp", "demo map"},
    {"cstrike/maps/de_aztec.bsp", "demo map"},
    // Every bot of the catalogue, each with waypoints for some maps only,
    // so its window shows which maps it can play.
    {"cstrike/dlls/nnbot.dll", "demo bot library"},
    {"cstrike/dlls/plbot.dll", "demo bot library"},
    {"cstrike/dlls/swatbot.dll", "demo bot library"},
    {"cstrike/dlls/android.dll", "demo bot library"},
    {"cstrike/PODBot/wptcs10/cs_assault.pwf", "demo waypoints"},
    {"cstrike/PODBot/wptcs10/de_dust.pwf", "demo waypoints"},
    {"cstrike/PODBot/wptcs10/de_dust.cfg", "// Demo P.O.D.Bot de_dust settings\r\n"},
    {"cstrike/PODBot/botchat.txt", "[KILLED]\r\nToo easy, %n.\r\n"},
    {"cstrike/maps/cs_assault.nwp", "demo waypoints"},
    {"cstrike/maps/cs_office.nwp", "demo waypoints"},
    {"cstrike/maps/de_dust.pwp", "demo waypoints"},
    {"cstrike/maps/de_aztec.wpt", "demo waypoints"},
    {"cstrike/maps/cs_assault.wpt", "demo waypoints"},
    {"realbot/data/cstrike/maps/de_dust.rbn", "demo waypoints"},
    {"realbot/data/cstrike/chat.ini", "[BLOCK]\r\nSentence=Nice one, %n.\r\n"},
    {"cstrike/nnbot_chat.txt", "Watch your back, %n.\r\n"},
    {"firearms/liblist.gam", "game \"Firearms\"\r\n"},
    {"firearms/maps/ps_bridge.bsp", "demo map"},
    {"firearms/maps/ctf_forest.bsp", "demo map"},
    {"firebot/firearms/waypoint/ps_bridge.fwp", "demo waypoints"},
    {"firebot/firearms/waypoint/ctf_forest.fwp", "demo waypoints"},
    {"firebot/firearms/cfg/ctf_forest.cfg", "// Demo Firebot ctf_forest settings\r\n"},
    {"firearms/mapcycle.txt", "ps_bridge\r\nctf_forest\r\n"},
    {"frontline/liblist.gam", "game \"Front Line Force\"\r\n"},
    {"frontline/dlls/agrobot.dll", "demo bot library"},
    {"frontline/dlls/hpb_bot.dll", "demo bot library"},
    {"frontline/maps/flf_lombardi.bsp", "demo map"},
    {"frontline/maps/flf_tunnel.bsp", "demo map"},
    {"frontline/maps/flf_village.bsp", "demo map"},
    {"frontline/maps/flf_lombardi.wpt", "demo waypoints"},
    {"frontline/maps/flf_village.wpt", "demo waypoints"},
    {"frontline/mapcycle.txt", "flf_lombardi\r\nflf_village\r\n"},
    {"frontline/agrobot_chat.txt", "[KILLED]\r\nStay down, %n.\r\n"},
    {"frontline/settings.scr", "// Front Line Force server options\r\n"},
    {"jumbot/liblist.gam", "game \"Jumbot\"\r\n"},
    {"jumbot/mapcycle.txt", kMapCycle},
    {"phineas/liblist.gam", "game \"Phineas Bot\"\r\n"},
    {"phineas/mapcycle.txt", kMapCycle},
    {"phineas/bots.ini",
     ";Demo Phineas bots\r\n[DefaultMap]\r\nQuantity\t\t=3\r\nRandom\t\t=No\r\n"
     "InitialDelay\t\t=5\r\nSpawnDelay\t\t=4\r\n \r\n"
     "[Bot]\r\nName\t\t=Kestrel\r\nModel\t\t=helmet\r\nTopColor\t\t=160\r\n"
     "BottomColor\t\t=40\r\n \r\n"
     "[Bot]\r\nName\t\t=Moth\r\nModel\t\t=scientist\r\nTopColor\t\t=90\r\n"
     "BottomColor\t\t=200\r\n \r\n"},
    {"rockcrowbar/liblist.gam", "game \"Rocket Crowbar\"\r\n"},
    {"rockcrowbar/mapcycle.txt", "crossfire\r\nfrenzy\r\n"},
    {"rockcrowbar/botnodes/crossfire.nod", "demo bot nodes"},
    {"rockcrowbar/frenzy.cfg", "// Demo Rocket Crowbar frenzy settings\r\n"},
    {"rockcrowbar/settings.scr", "// Rocket Crowbar server options\r\n"},
    {"scihunt/liblist.gam", "game \"Scientist Hunt\"\r\n"},
    {"jumbot/exchat.cfg", "%s, that was close.\r\nNice shot, %s.\r\n"},
    {"jumbot/botorder.cfg", "Roger that.\r\nOn my way.\r\n"},
    {"jumbot/morons.cfg", "Where is everybody?\r\n"},
    {"jumbot/mapcfgs/default.cfg", "// Demo Jumbot map settings\r\nbot_num 4\r\n"},
    {"jumbot/mapcfgs/crossfire.cfg", "// Demo Jumbot crossfire settings\r\nbot_num 6\r\n"},
    {"jumbot/wpfiles/crossfire.jrf", "demo waypoints"},
    {"scihunt/mapcycle.txt", "sh_lab\r\nsh_office\r\n"},
    {"scihunt/maps/sh_lab.bsp", "demo map"},
    {"scihunt/maps/sh_office.bsp", "demo map"},
    {"scihunt/arsenals/starteqp.txt", "weapon_hammer\r\nweapon_glock\r\nammo_glockclip\r\n"},
    {"tfc/liblist.gam", "game \"Team Fortress Classic\"\r\n"},
    {"tfc/dlls/abot.dll", "demo bot library"},
    {"tfc/dlls/hpb_bot.dll", "demo bot library"},
    {"tfc/foxbot/foxbot.dll", "demo bot library"},
    {"tfc/maps/2fort.bsp", "demo map"},
    {"tfc/maps/well.bsp", "demo map"},
    {"tfc/maps/rock2.bsp", "demo map"},
    {"tfc/maps/2fort.abw", "demo waypoints"},
    {"tfc/maps/well.wpt", "demo waypoints"},
    {"tfc/maps/2fort.bot", "// Demo 2fort bots\r\naddbot 1 3 Old 2\r\npause 2\r\n"},
    {"tfc/foxbot/waypoints/2fort.fwp", "demo waypoints"},
    {"tfc/mapcycle.txt", "2fort\r\nwell\r\n"},
    {"tfc/abot_chat.txt", "[KILLED]\r\nGG, %n.\r\n"},
    {"tfc/HPB_bot_chat.txt", "[KILLED]\r\nToo slow, %n.\r\n"},
};

// The standard maps live in the game's packed data, so only the others are files.
constexpr std::string_view kValveMaps[] = {"crossfire", "doublecross", "frenzy", "gasworks",
                                           "rapidcore"};
constexpr std::string_view kModels[] = {"barney", "gina",  "gman", "gordon",    "helmet",
                                        "hgrunt", "recon", "robo", "scientist", "zombie"};

// P.O.D.Bot's skill bands, from slow and wide of the mark to quick and sure.
PodSkills PodSkillTable() {
  PodSkills skills;
  for (size_t band = 0; band < kPodBands; ++band) {
    const int b = static_cast<int>(band);
    const int worse = static_cast<int>(kPodBands) - 1 - b;
    skills[band] = {"0." + std::to_string(worse + 1),
                    "0." + std::to_string(worse + 3),
                    std::to_string(1 + b),
                    std::to_string(2 + b * 2),
                    std::to_string(40 - b * 6),
                    std::to_string(40 - b * 6),
                    std::to_string(30 - b * 5),
                    std::to_string(10 + b * 15)};
  }
  return skills;
}

// Firebot's skill table: slower and wider of the mark at the higher levels.
FbSkills FirebotDemoSkills() {
  FbSkills skills;
  for (size_t level = 0; level < 5; ++level) {
    const int l = static_cast<int>(level);
    skills[0][level] = "0." + std::to_string(l + 1);
    skills[1][level] = "0." + std::to_string(l + 3);
    for (size_t row = 2; row < 5; ++row) skills[row][level] = std::to_string(5 + l * 10);
    skills[5][level] = std::to_string(60 - l * 10);
  }
  return skills;
}

// Rocket Crowbar's bots, each with a personality of its own.
std::vector<BotEntry> RocketDemoBots() {
  BotEntry hunter = NewRocketBot();
  hunter.name = "Moth";
  hunter.model = "scientist";
  hunter.skill = "3";
  hunter.yaw_speed = "360";
  hunter.sight = "4096";
  hunter.reaction = "45";
  hunter.weapon = "rpg";
  BotEntry wanderer = NewRocketBot();
  wanderer.name = "Old_Tom";
  wanderer.model = "barney";
  wanderer.skill = "2";
  wanderer.wander = "200";
  wanderer.hunter = "0";
  wanderer.reaction = "150";
  wanderer.weapon = "crowbar";
  return {hunter, wanderer};
}

// The bot files of Jumbot, Sci-hunt, Counter-Strike and Rocket Crowbar, in the formats their
// windows write.
std::vector<std::pair<std::string, std::string>> BotFiles() {
  const std::vector<BotEntry> roster = {{"Vole", "gina", "30", "200", "0"},
                                        {"Old Tom", "barney", "160", "90", "3"}};
  JumbotCfg jumbot;
  JumbotCfg scihunt = DefaultJumbotCfg(JumbotFlavour::kScihunt);
  ScihuntChat chat;
  chat.after_killing = {"Sorry, %.", "Science wins."};
  chat.after_dying = {"Not again, %!"};
  return {
      {"jumbot/jumbot.cfg", JoinCrLf(JumbotCfgLines(jumbot, "crossfire", JumbotFlavour::kJumbot))},
      {"jumbot/bots.cfg", JoinCrLf(JumbotRosterLines(roster))},
      {"scihunt/game.cfg", JoinCrLf(ScihuntGameCfgLines(ScihuntGameCfg{}))},
      {"scihunt/Shconfig.cfg", JoinCrLf(ShConfigLines(ShConfig{}))},
      {"scihunt/botfiles/jumbot.cfg",
       JoinCrLf(JumbotCfgLines(scihunt, "sh_lab", JumbotFlavour::kScihunt))},
      {"scihunt/botfiles/bots.cfg", JoinCrLf(JumbotRosterLines(roster))},
      {"scihunt/botfiles/botchat.cfg", JoinCrLf(ScihuntChatLines(chat))},
      {"cstrike/game.cfg", JoinCrLf(CsGameCfgLines(CsGameCfg{}))},
      {"tfc/game.cfg", JoinCrLf(TfcGameCfgLines(TfcConfig{}, false))},
      {"rockcrowbar/game.cfg", JoinCrLf(RocketGameCfgLines(RocketGameCfg{}))},
      {"action/game.cfg", JoinCrLf(ActionGameCfgLines(ActionGameCfg{}))},
      {"firearms/game.cfg", JoinCrLf(FirebotGameCfgLines(FirebotCfg{}))},
      {"firebot/firearms/cfg/default.cfg",
       JoinCrLf(FirebotBotLines(FirebotCfg{},
                                {{"Sarge", "2", "14", "", "3"}, {"Ghost", "1", "20", "", "4"}}))},
      {"firebot/firearms/botskill.cfg", JoinCrLf(FbSkillLines(FirebotDemoSkills()))},
      {"action/teams.ini", JoinCrLf(TeamsIniLines(DefaultActionTeams()))},
      {"action/bots.ini", JoinCrLf(ActionBotsLines({{"Kestrel", "drake", "", "", "3"},
                                                    {"Moth", "josaphine", "", "", "5"}}))},
      {"rockcrowbar/botdata.txt", JoinCrLf(RocketBotLines(RocketDemoBots()))},
      {"frontline/game.cfg", JoinCrLf(FrontlineGameCfgLines(FrontlineConfig{}))},
      {"cstrike/PODBot/botskill.cfg", JoinCrLf(PodSkillLines(PodSkillTable()))},
      {"cstrike/addons/podbot/botskill.cfg", JoinCrLf(PodSkillLines(PodSkillTable()))},
  };
}

void WriteIfMissing(const fs::path& path, std::string_view bytes) {
  std::error_code ec;
  if (fs::exists(path, ec)) return;
  fs::create_directories(path.parent_path(), ec);
  if (ec) throw FileError(path.parent_path().string(), 0, "cannot create the directory");
  WriteFileBytes(path.string(), bytes);
}

}  // namespace

void BuildDemoAppFiles(const fs::path& data_dir) {
  std::error_code ec;
  // TFC's and Front Line Force's rosters: Model the class's position + 1.
  const fs::path tfc = data_dir / "TF_Bots.ini";
  if (!fs::exists(tfc, ec)) {
    TeamBotOptions options;
    options.default_skill = 3;
    options.addmap = true;
    FileBatch batch;
    PutTeamBotsIni(batch, tfc.string(), options,
                   {{"Vole", "9", "1", "", "4"}, {"Old Tom", "2", "2", "", "2"}}, "5", "addmap");
    batch.Commit();
  }
  const fs::path flf = data_dir / "FL_Bots.ini";
  if (!fs::exists(flf, ec)) {
    TeamBotOptions options;
    options.default_skill = 2;
    FileBatch batch;
    PutTeamBotsIni(batch, flf.string(), options,
                   {{"Kestrel", "3", "1", "", "3"}, {"Moth", "1", "2", "", "0"}}, "5",
                   "dodge_bullets");
    batch.Commit();
  }
  const fs::path ini = data_dir / "CS_Bots.ini";
  if (fs::exists(ini, ec)) return;
  // Model position, team code and skill in percent: one bot of each kind of team.
  const std::vector<BotEntry> bots = {{"Vole", "1", "2", "", "80"},
                                      {"Old Tom", "3", "1", "", "40"},
                                      {"Kestrel", "0", "0", "", "60"}};
  // Each bot of the catalogue reads the skill key of its own scale: each in turn.
  for (const int scale : {4, 5, 10, 100}) {
    std::vector<BotEntry> roster = bots;
    for (BotEntry& bot : roster) bot.skill = std::to_string(std::stoi(bot.skill) * scale / 100);
    FileBatch batch;
    PutCsBotsIni(batch, ini.string(), CsBotOptions{}, roster,
                 {std::to_string(scale), "", "", false});
    batch.Commit();
  }
}

fs::path BuildDemoSteamLibrary(const fs::path& steam_root, const fs::path& bin_dir,
                               const fs::path& steam_program) {
  const fs::path game = steam_root / "steamapps" / "common" / "Half-Life";
  BuildDemoGameTree(game, {});
  WriteIfMissing(game / "hl_linux", "Orvane demo: Steam starts the game, never this file.\n");
  WriteIfMissing(game / "hl.sh", "#!/bin/sh\n# Orvane demo: Steam starts the game.\n");
  WriteIfMissing(steam_root / "steamapps" / "appmanifest_70.acf",
                 "\"AppState\"\n{\n\t\"appid\"\t\t\"70\"\n\t\"name\"\t\t\"Half-Life\"\n"
                 "\t\"StateFlags\"\t\t\"4\"\n\t\"installdir\"\t\t\"Half-Life\"\n}\n");
  WriteIfMissing(steam_root / "steamapps" / "libraryfolders.vdf",
                 "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + steam_root.string() +
                     "\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"0\"\n"
                     "\t\t}\n\t}\n}\n");
  const fs::path steam = bin_dir / "steam";
  std::error_code ec;
  fs::create_directories(bin_dir, ec);
  fs::copy_file(steam_program, steam, fs::copy_options::overwrite_existing, ec);
  if (!ec)
    fs::permissions(steam,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    ec);
  if (ec)
    throw FileError(steam.string(), 0, "cannot copy the stand-in Steam client: " + ec.message());
  return game;
}

void BuildDemoServer(const fs::path& server_dir) {
  BuildDemoGameTree(server_dir, {});
  WriteIfMissing(server_dir / "steamapps" / "appmanifest_90.acf",
                 "\"AppState\"\n{\n\t\"appid\"\t\t\"90\"\n"
                 "\t\"name\"\t\t\"Half-Life Dedicated Server\"\n\t\"StateFlags\"\t\t\"4\"\n"
                 "\t\"installdir\"\t\t\"Half-Life\"\n}\n");
  // A server's own settings, some of which Orvane's window sets.
  WriteIfMissing(server_dir / "cstrike" / "server.cfg",
                 "// server.cfg\nhostname \"Orvane demo server\"\nmp_timelimit 20\n"
                 "mp_friendlyfire 0\nsv_aim 0\nexec banned.cfg\n");
  const fs::path program = server_dir / "hlds_run";
  WriteIfMissing(program,
                 std::string("#!/bin/sh\n"
                             "# Orvane demo: stands in for Valve's hlds_run. It records where and\n"
                             "# with which arguments it was started, says so, and stops.\n"
                             "record=\"$(dirname \"$0\")/") +
                     kDemoServerRecord +
                     "\"\n"
                     "{ echo \"directory: $(pwd)\"; for a in \"$@\"; do echo \"argument: $a\"; "
                     "done; } > \"$record\"\n"
                     "echo \"Orvane demo server (a stand-in for hlds_run) started in $(pwd) "
                     "with:\"\nfor a in \"$@\"; do printf ' %s' \"$a\"; done\necho\n");
  std::error_code ec;
  fs::permissions(program, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, ec);
  if (ec) throw FileError(program.string(), 0, "cannot make it executable: " + ec.message());
}

void BuildDemoGameTree(const fs::path& hl_dir, const fs::path& game_program) {
  WriteIfMissing(hl_dir / "ORVANE-DEMO.txt", kDemoNotice);
  for (const DemoFile& file : kFiles) WriteIfMissing(hl_dir / file.path, file.bytes);
  for (const auto& [path, bytes] : BotFiles()) WriteIfMissing(hl_dir / path, bytes);
  for (std::string_view map : kValveMaps) {
    WriteIfMissing(hl_dir / "valve" / "maps" / (std::string(map) + ".bsp"), "demo map");
  }
  for (std::string_view model : kModels) {
    const std::string name(model);
    WriteIfMissing(hl_dir / "valve" / "models" / "player" / name / (name + ".mdl"), "demo model");
  }
  if (!game_program.empty()) {
    const fs::path target = hl_dir / "hl.exe";
    std::error_code ec;
    // The stand-in may have been rebuilt; the copy follows it.
    fs::copy_file(game_program, target, fs::copy_options::overwrite_existing, ec);
    if (ec)
      throw FileError(target.string(), 0, "cannot copy the stand-in game program: " + ec.message());
  }
}

}  // namespace orvane
