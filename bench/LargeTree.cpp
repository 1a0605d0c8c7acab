#include "LargeTree.h"

#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string_view>

#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "core/Startup.h"
#include "editors/ActionFiles.h"
#include "editors/BotmanFiles.h"
#include "editors/CstrikeFiles.h"
#include "editors/FirebotFiles.h"
#include "editors/FrontlineFiles.h"
#include "editors/JumbotFiles.h"
#include "editors/PhineasFiles.h"
#include "editors/RocketFiles.h"
#include "editors/ScihuntFiles.h"
#include "editors/TfcFiles.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "services/Models.h"
#include "services/ServerFiles.h"

namespace orvane::bench {
namespace {
namespace fs = std::filesystem;

void Touch(const fs::path& path) { std::fclose(std::fopen(path.c_str(), "w")); }

}  // namespace

LargeTree::LargeTree(TreeSize scale) : size_(scale) {
  // Sizes that follow the number of maps: the cycles, and the mods' own maps.
  const int n_maps = scale.maps;
  const int n_bots = scale.bots;
  const int n_cycle = scale.maps / 4;
  const int n_own = scale.maps / 10;
  tree_.StandardRegistry().File("hl.exe").ShippedData();
  for (const ModInfo& mod : Mods()) tree_.Dir(mod.dir);
  tree_.Dir("firebot")
      .File("cstrike/PODBot/podbot.dll")
      .File("tfc/dlls/abot.dll")
      .File("frontline/dlls/agrobot.dll");
  tree_.Dir("valve/maps");
  for (int i = 0; i < n_maps; ++i) Touch(tree_.hl_dir() / "valve/maps" / (MapName(i) + ".bsp"));
  for (int i = 0; i < kModels; ++i) {
    const std::string m = "model" + std::to_string(i);
    fs::create_directories(tree_.hl_dir() / "valve/models/player" / m);
    Touch(tree_.hl_dir() / "valve/models/player" / m / (m + ".mdl"));
  }
  std::string cycle;
  for (int i = 0; i < n_cycle; ++i) cycle += MapName(i * 3 % n_maps) + "\r\n";
  std::string listen;
  for (int i = 0; i < kListenLines; ++i) {
    listen += (i % 4 == 0   ? "maxplayers "
               : i % 4 == 1 ? "sv_cheats "
               : i % 4 == 2 ? "//mp_timelimit "
                            : "hostname ") +
              std::to_string(i) + "\r\n";
  }
  listen_ = listen;
  for (int i = 0; i < n_bots; ++i) {
    roster_.push_back({"Bot" + std::to_string(i), "model" + std::to_string(i % kModels),
                       std::to_string(i % 256), std::to_string(i % 200), std::to_string(i % 6)});
  }
  const std::string game = JoinCrLf(StandardGameCfgLines(StandardGameCfg{}));
  for (const char* dir : {"bot", "phineas"}) {
    tree_.File(std::string(dir) + "/mapcycle.txt", cycle)
        .File(std::string(dir) + "/listenserver.cfg", listen_)
        .File(std::string(dir) + "/game.cfg", game);
  }
  tree_.File("bot/bot.cfg", JoinCrLf(BotmanBotCfgLines(MapName(7), 3, 4, roster_)));
  // Action HL: 2,000 maps of its own (waypoints for half), 200 models, a
  // 2,000-node team tree and 2,000 bots.
  tree_.Dir("action/maps");
  std::string action_cycle;
  for (int i = 0; i < n_own; ++i) {
    Touch(tree_.hl_dir() / "action/maps" / ("ahl_" + MapName(i) + ".bsp"));
    if (i % 2 == 0) Touch(tree_.hl_dir() / "action/maps" / ("ahl_" + MapName(i) + ".wps"));
    action_cycle += "ahl_" + MapName(i * 7 % n_own) + "\r\n";
  }
  for (int i = 0; i < 200; ++i) {
    const std::string m = "agent" + std::to_string(i);
    fs::create_directories(tree_.hl_dir() / "action/models/player" / m);
    Touch(tree_.hl_dir() / "action/models/player" / m / (m + ".mdl"));
  }
  ActionTeams action_teams;
  for (int i = 0; i < 400; ++i) {
    ActionTeam team{"Team" + std::to_string(i) + "/agent" + std::to_string(i % 200), {}};
    for (int k = 0; k < 4; ++k) team.subs.push_back("Sub" + std::to_string(k) + "/agent1");
    action_teams.push_back(std::move(team));
  }
  std::vector<BotEntry> action_bots;
  for (int i = 0; i < n_bots; ++i) {
    action_bots.push_back({"Bot" + std::to_string(i), "agent" + std::to_string(i % 200), "", "",
                           std::to_string(i % 5 + 1)});
  }
  tree_.File("action/mapcycle.txt", action_cycle)
      .File("action/game.cfg", JoinCrLf(ActionGameCfgLines(ActionGameCfg{})))
      .File("action/teams.ini", JoinCrLf(TeamsIniLines(action_teams)))
      .File("action/bots.ini", JoinCrLf(ActionBotsLines(action_bots)))
      .File("action/listenserver.cfg", listen_);

  // Rocket Crowbar: the same cycle, a bot node or a config for every tenth
  // map, 2,000 bots with their personalities.
  std::vector<BotEntry> rocket_bots;
  for (int i = 0; i < n_bots; ++i) {
    BotEntry bot = NewRocketBot();
    bot.name = "Bot" + std::to_string(i);
    bot.model = "model" + std::to_string(i % kModels);
    bot.reaction = std::to_string(i % 500 + 1);
    rocket_bots.push_back(std::move(bot));
  }
  tree_.Dir("rockcrowbar/botnodes")
      .File("rockcrowbar/mapcycle.txt", cycle)
      .File("rockcrowbar/listenserver.cfg", listen_)
      .File("rockcrowbar/game.cfg", JoinCrLf(RocketGameCfgLines(RocketGameCfg{})))
      .File("rockcrowbar/botdata.txt", JoinCrLf(RocketBotLines(rocket_bots)));
  for (int i = 0; i < n_maps; i += 10) {
    Touch(tree_.hl_dir() / "rockcrowbar/botnodes" / (MapName(i) + ".nod"));
    Touch(tree_.hl_dir() / "rockcrowbar" / (MapName(i + 5) + ".cfg"));
  }
  // Firebot: 2,000 Firearms maps, waypoints for half, a config for every
  // third, 2,000 bots in default.cfg and a full skill table.
  tree_.Dir("firearms/maps").Dir("firebot/firearms/waypoint").Dir("firebot/firearms/cfg");
  std::string fire_cycle;
  for (int i = 0; i < n_own; ++i) {
    const std::string map = "ff_" + MapName(i);
    Touch(tree_.hl_dir() / "firearms/maps" / (map + ".bsp"));
    if (i % 2 == 0) Touch(tree_.hl_dir() / "firebot/firearms/waypoint" / (map + ".fwp"));
    if (i % 3 == 0) Touch(tree_.hl_dir() / "firebot/firearms/cfg" / (map + ".cfg"));
    fire_cycle += "ff_" + MapName(i * 14 % n_own) + "\r\n";  // waypointed maps only
  }
  std::vector<BotEntry> fire_bots;
  for (int i = 0; i < n_bots; ++i) {
    fire_bots.push_back({"Bot" + std::to_string(i), std::to_string(i % 3), std::to_string(i % 25),
                         "", std::to_string(i % 6)});
  }
  FbSkills fire_skills;
  for (auto& row : fire_skills) {
    for (size_t level = 0; level < row.size(); ++level) row[level] = std::to_string(level * 10 + 5);
  }
  tree_.File("firearms/mapcycle.txt", fire_cycle)
      .File("firearms/listenserver.cfg", listen_)
      .File("firearms/game.cfg", JoinCrLf(FirebotGameCfgLines(FirebotCfg{})))
      .File("firebot/firearms/cfg/default.cfg", JoinCrLf(FirebotBotLines(FirebotCfg{}, fire_bots)))
      .File("firebot/firearms/botskill.cfg", JoinCrLf(FbSkillLines(fire_skills)));

  PhineasBotsIni ini;
  ini.roster = roster_;
  tree_.File("phineas/bots.ini", JoinCrLf(PhineasBotsIniLines(ini)));
  tree_.AppFile("KRV.ini", "[Phineas]\r\nFirst Map=" + MapName(11) +
                               "\r\n[Jumbot]\r\n"
                               "Makewp=F5\r\nRemwp=F6\r\n[Scihunt]\r\nMakewpj=F7\r\n");

  // Jumbot and Sci-hunt: settings, the roster, full chat pages, key bindings.
  std::vector<std::string> chat;
  for (int i = 0; i < static_cast<int>(kChatLines); ++i)
    chat.push_back("Line " + std::to_string(i));
  const std::string roster = JoinCrLf(JumbotRosterLines(roster_));
  const std::string config = "bind \"w\" \"+forward\"\r\nbind \"F5\" \"makewp\"\r\n";
  tree_.File("jumbot/game.cfg", game)
      .File("jumbot/mapcycle.txt", cycle)
      .File("jumbot/jumbot.cfg",
            JoinCrLf(JumbotCfgLines(JumbotCfg{}, MapName(7), JumbotFlavour::kJumbot)))
      .File("jumbot/bots.cfg", roster)
      .File("jumbot/exchat.cfg", JoinCrLf(chat))
      .File("jumbot/botorder.cfg", JoinCrLf(chat))
      .File("jumbot/morons.cfg", JoinCrLf(chat))
      .File("jumbot/config.cfg", config);
  tree_.Dir("jumbot/wpfiles").Dir("jumbot/mapcfgs").Dir("scihunt/maps").Dir("scihunt/wpfiles");
  for (int i = 0; i < n_maps; i += 10) {
    Touch(tree_.hl_dir() / "jumbot/wpfiles" / (MapName(i) + ".jrf"));
    Touch(tree_.hl_dir() / "jumbot/mapcfgs" / (MapName(i + 5) + ".cfg"));
  }
  std::string sci_cycle;
  for (int i = 0; i < n_own; ++i) {
    Touch(tree_.hl_dir() / "scihunt/maps" / ("sh_" + MapName(i) + ".bsp"));
    if (i % 3 == 0) Touch(tree_.hl_dir() / "scihunt/maps" / ("sh_" + MapName(i) + ".cfg"));
    if (i % 2 == 0) Touch(tree_.hl_dir() / "scihunt/wpfiles" / ("sh_" + MapName(i) + ".jrf"));
    sci_cycle += "sh_" + MapName(i * 7 % n_own) + "\r\n";
  }
  JumbotCfg sci_bots;
  sci_bots.chatfile = "botchat.cfg";
  tree_.File("scihunt/game.cfg", JoinCrLf(ScihuntGameCfgLines(ScihuntGameCfg{})))
      .File("scihunt/Shconfig.cfg", JoinCrLf(ShConfigLines(ShConfig{})))
      .File("scihunt/mapcycle.txt", sci_cycle)
      .File("scihunt/config.cfg", config)
      .File("scihunt/botfiles/jumbot.cfg",
            JoinCrLf(JumbotCfgLines(sci_bots, "sh_" + MapName(3), JumbotFlavour::kScihunt)))
      .File("scihunt/botfiles/bots.cfg", roster)
      .File("scihunt/botfiles/botchat.cfg", JoinCrLf(ScihuntChatLines({chat, chat})))
      .File("scihunt/arsenals/starteqp.txt", "weapon_glock\r\nammo_glockclip\r\n");

  // Counter-Strike with P.O.D.Bot: its own 20,000 maps, waypoints for half
  // of them, and 2,000 bots in the shared CS_Bots.ini.
  tree_.Dir("cstrike/maps").Dir("cstrike/PODBot/wptcs10");
  for (int i = 0; i < n_maps; ++i) {
    Touch(tree_.hl_dir() / "cstrike/maps" / (MapName(i) + ".bsp"));
    if (i % 2 == 0) Touch(tree_.hl_dir() / "cstrike/PODBot/wptcs10" / (MapName(i) + ".pwf"));
  }
  std::string bots_ini = "[Default]\r\nnumbot=" + std::to_string(n_bots) + "\r\nskill100=40\r\n";
  for (int i = 0; i < n_bots; ++i) {
    bots_ini += "[Bot " + std::to_string(i + 1) + "]\r\nnom=Bot" + std::to_string(i) +
                "\r\nteam=" + std::to_string(i % 3) + "\r\nmodele=" + std::to_string(i % 5) +
                "\r\nskill100=" + std::to_string(i % 101) + "\r\n";
  }
  tree_.AppFile("CS_Bots.ini", bots_ini);
  std::string cs_cycle;
  for (int i = 0; i < n_cycle; ++i) cs_cycle += MapName(i * 3 % n_maps) + "\r\n";
  tree_.File("cstrike/mapcycle.txt", cs_cycle)
      .File("cstrike/listenserver.cfg", listen_)
      .File("cstrike/game.cfg", JoinCrLf(CsGameCfgLines(CsGameCfg{})))
      .File("cstrike/PODBot/botchat.txt", JoinCrLf(chat))
      .File("cstrike/PODBot/botskill.cfg", JoinCrLf(PodSkillLines(PodSkills{})));

  // TFC with Abot and Front Line Force with AgroBot: 20,000 maps of their
  // own, the bot's waypoints for half of them (AgroBot needs them), a
  // 5,000-map cycle, 2,000 bots; TFC executes the maps' config files.
  for (const auto& [dir, wp, settings, dll, own] :
       {std::tuple{"tfc", ".abw", "TF_Bots.ini", "tfc/dlls/abot.dll", "addmap"},
        std::tuple{"frontline", ".wpt", "FL_Bots.ini", "frontline/dlls/agrobot.dll",
                   "dodge_bullets"}}) {
    const std::string mod = dir;
    tree_.Dir(mod + "/maps").File(dll, "bot library");
    std::string team_cycle;
    for (int i = 0; i < n_maps; ++i) {
      Touch(tree_.hl_dir() / (mod + "/maps") / (MapName(i) + ".bsp"));
      if (i % 2 == 0) Touch(tree_.hl_dir() / (mod + "/maps") / (MapName(i) + wp));
    }
    for (int i = 0; i < n_cycle; ++i) team_cycle += MapName(i * 2 % n_maps) + "\r\n";
    std::string team_ini = "[Default]\r\nnumbot=" + std::to_string(n_bots) +
                           "\r\nskill5=3\r\nbotdontshoot=0\r\n" + own + "=1\r\n";
    for (int i = 0; i < n_bots; ++i) {
      team_ini += "[Bot " + std::to_string(i + 1) + "]\r\nnom=Bot" + std::to_string(i) +
                  "\r\nteam=" + std::to_string(i % 3) + "\r\nmodele=" + std::to_string(i % 3 + 1) +
                  "\r\nskill5=" + std::to_string(i % 6) + "\r\n";
    }
    tree_.AppFile(settings, team_ini)
        .File(mod + "/mapcycle.txt", team_cycle)
        .File(mod + "/listenserver.cfg", listen_)
        .File(mod + "/" + (mod == "tfc" ? "abot" : "agrobot") + "_chat.txt", JoinCrLf(chat));
  }
  tree_.File("tfc/game.cfg", JoinCrLf(TfcGameCfgLines(TfcConfig{}, true)))
      .File("frontline/game.cfg", JoinCrLf(FrontlineGameCfgLines(FrontlineConfig{})));
}

LauncherState LargeTree::LoadedState(const std::string& mod) const {
  LauncherState state = tree_.State();
  RegistryStore store = tree_.Store();
  StderrReporter reporter;
  StartupHooks hooks;
  hooks.load_map_catalogue = [&state] { LoadMapCatalogue(state); };
  hooks.load_model_catalogue = [&state] { LoadModelCatalogue(state); };
  InitLauncher(state, store, hooks, reporter);
  state.selected_mod = mod;
  // Counter-Strike's document is made for the bot chosen in the main window.
  const std::pair<const char*, const char*> kChosen[] = {
      {"CStrike", "P.O.D.Bot"}, {"TFC", "Abot"}, {"Frontline", "AgroBot"}};
  for (const auto& [key, bot] : kChosen) {
    if (mod != key) continue;
    SelectMod(state, mod);
    ChooseBot(state, bot);
  }
  return state;
}

void StderrReporter::ReportError(const std::string& message, const std::string& detail) {
  std::fprintf(stderr, "start-up error: %s %s\n", message.c_str(), detail.c_str());
}

const LargeTree& Tree() {
  static const LargeTree* tree = new LargeTree();
  return *tree;
}

bool InitializeBenchmarks(int argc, char** argv, const char* growth_filter) {
  std::vector<char*> args(argv, argv + argc);
  const bool growth = argc > 1 && std::string_view(argv[1]) == "--growth";
  std::string only_growth = std::string("--benchmark_filter=") + growth_filter;
  if (growth) args[1] = only_growth.data();
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  return growth;
}

const LargeTree& TreeOfSize(int maps) {
  static std::map<int, std::unique_ptr<LargeTree>> trees;
  std::unique_ptr<LargeTree>& tree = trees[maps];
  if (!tree) tree = std::make_unique<LargeTree>(TreeSize{maps, maps / 20});
  return *tree;
}

size_t RawList(const std::string& dir) {
  size_t n = 0;
  if (DIR* d = opendir(dir.c_str())) {
    while (readdir(d) != nullptr) ++n;
    closedir(d);
  }
  return n;
}

std::string RawRead(const std::string& path) {
  std::string bytes;
  const int fd = open(path.c_str(), O_RDONLY);
  char buffer[65536];
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
    bytes.append(buffer, static_cast<size_t>(n));
  close(fd);
  return bytes;
}

void RawSafeWrite(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".raw";
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  benchmark::DoNotOptimize(write(fd, bytes.data(), bytes.size()));
  fsync(fd);
  close(fd);
  rename(temp.c_str(), path.c_str());
}

}  // namespace orvane::bench
