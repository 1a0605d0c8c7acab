// Start-up, the map-list routines and the server files on a large generated
// tree, each beside a baseline that does only the raw I/O of the same files
// in the same run. The table at the end gives each routine as a ratio to its
// baseline.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "LargeTree.h"
#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "core/Startup.h"
#include "editors/BotmanFiles.h"
#include "editors/CstrikeLaunch.h"
#include "editors/LaunchFiles.h"
#include "editors/ModRegistry.h"
#include "platform/HostPath.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "services/Models.h"
#include "services/ServerFiles.h"
#include "support/GameTree.h"
#include "support/Isolation.h"
#include "support/ModTree.h"

namespace orvane::bench {
namespace {
namespace fs = std::filesystem;
using test::GameTree;

void BM_InitLauncher(benchmark::State& s) {
  const GameTree& tree = Tree().tree();
  for (auto _ : s) {
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    StartupHooks hooks;
    hooks.load_map_catalogue = [&state] { LoadMapCatalogue(state); };
    hooks.load_model_catalogue = [&state] { LoadModelCatalogue(state); };
    StderrReporter reporter;
    InitLauncher(state, store, hooks, reporter);
    benchmark::DoNotOptimize(state.map_list.data());
  }
}

void BM_InitLauncher_Baseline(benchmark::State& s) {
  const GameTree& tree = Tree().tree();
  const std::string hl = tree.HLPath();
  for (auto _ : s) {
    benchmark::DoNotOptimize(RawRead(tree.registry_file()));
    benchmark::DoNotOptimize(RawRead(tree.AppPath() + "/bot_names.txt"));
    struct stat st {};
    for (const ModInfo& mod : Mods()) stat((hl + "/" + std::string(mod.dir)).c_str(), &st);
    benchmark::DoNotOptimize(RawList(hl + "/valve/maps"));
    const std::string models = hl + "/valve/models/player";
    benchmark::DoNotOptimize(RawList(models));
    for (int i = 0; i < kModels; ++i) {
      const std::string m = "model" + std::to_string(i);
      stat((models + "/" + m + "/" + m + ".mdl").c_str(), &st);
    }
  }
}

void BM_LoadMapCatalogue(benchmark::State& s) {
  LauncherState state = Tree().LoadedState();
  for (auto _ : s) {
    LoadMapCatalogue(state);
    benchmark::DoNotOptimize(state.map_list.data());
  }
}

void BM_LoadMapCatalogue_Baseline(benchmark::State& s) {
  const std::string maps = Tree().tree().HLPath() + "/valve/maps";
  for (auto _ : s) benchmark::DoNotOptimize(RawList(maps));
}

void BM_ReadMapCycle(benchmark::State& s) {
  LauncherState state = Tree().LoadedState();
  const std::string dir = state.hl_path + "\\bot";
  for (auto _ : s) {
    std::vector<std::string> play = {"boot_camp"};
    ReadMapCycle(state, *FindMod("Botman"), dir, state.valve_maps_dir, play);
    if (play.size() != kCycle + 1) s.SkipWithError("maps were dropped");
    benchmark::DoNotOptimize(play.data());
  }
}

void BM_ReadMapCycle_Baseline(benchmark::State& s) {
  const std::string hl = Tree().tree().HLPath();
  for (auto _ : s) {
    benchmark::DoNotOptimize(RawRead(hl + "/bot/mapcycle.txt"));
    benchmark::DoNotOptimize(RawList(hl + "/valve/maps"));
  }
}

std::vector<std::string> CycleList() {
  std::vector<std::string> play = {"boot_camp"};
  for (int i = 0; i < kCycle; ++i) play.push_back(LargeTree::MapName(i * 3 % kMaps));
  return play;
}

void BM_WriteMapCycle(benchmark::State& s) {
  LauncherState state = Tree().LoadedState();
  const std::vector<std::string> play = CycleList();
  const std::string dir = state.hl_path + "\\bot";
  for (auto _ : s) WriteMapCycle(state, *FindMod("Botman"), dir, play);
}

void BM_WriteMapCycle_Baseline(benchmark::State& s) {
  const std::vector<std::string> play = CycleList();
  std::string bytes;
  for (size_t i = 1; i < play.size(); ++i) bytes += play[i] + "\r\n";
  const std::string path = Tree().tree().HLPath() + "/bot/mapcycle.txt";
  for (auto _ : s) RawSafeWrite(path, bytes);
}

void BM_Neutralise(benchmark::State& s) {
  const std::string path = Tree().tree().HLPath() + "\\bot\\listenserver.cfg";
  const auto& names = ListenServerNames("Botman");
  for (auto _ : s) {
    s.PauseTiming();
    RawSafeWrite(Tree().tree().HLPath() + "/bot/listenserver.cfg", Tree().listen());
    s.ResumeTiming();
    NeutraliseListenServer(path, names);
  }
}

void BM_Neutralise_Baseline(benchmark::State& s) {
  const std::string path = Tree().tree().HLPath() + "/bot/listenserver.cfg";
  for (auto _ : s) {
    s.PauseTiming();
    RawSafeWrite(path, Tree().listen());
    s.ResumeTiming();
    RawSafeWrite(path, RawRead(path));
  }
}

// The Botman window's file work on Apply and on opening, without the window:
// bot.cfg with 2,000 bots (its map line checked against valve\maps) and the
// standard game.cfg.
void BM_BotmanLoad(benchmark::State& s) {
  const std::string dir = Tree().tree().HLPath() + "\\bot";
  const std::string maps = Tree().tree().HLPath() + "\\valve\\maps";
  for (auto _ : s) {
    BotmanBotCfg cfg;
    const MapValidator usable(maps, "", "");
    ReadBotmanBotCfg(dir + "\\bot.cfg", std::cref(usable), cfg);
    benchmark::DoNotOptimize(cfg.roster.size());
  }
}

void BM_BotmanLoad_Baseline(benchmark::State& s) {
  const std::string hl = Tree().tree().HLPath();
  for (auto _ : s) {
    benchmark::DoNotOptimize(RawRead(hl + "/bot/bot.cfg").size());
    benchmark::DoNotOptimize(RawList(hl + "/valve/maps"));
  }
}

void BM_BotmanApply(benchmark::State& s) {
  const std::string dir = Tree().tree().HLPath() + "\\bot";
  StandardGameCfg game;
  for (auto _ : s) {
    WriteStandardGameCfg(dir + "\\game.cfg", game);
    WriteLines(dir + "\\bot.cfg", BotmanBotCfgLines("map_7", 3, 4, Tree().roster()));
  }
}

void BM_BotmanApply_Baseline(benchmark::State& s) {
  const std::string dir = Tree().tree().HLPath() + "/bot";
  const std::string game = JoinCrLf(StandardGameCfgLines(StandardGameCfg{}));
  const std::string bots = JoinCrLf(BotmanBotCfgLines("map_7", 3, 4, Tree().roster()));
  for (auto _ : s) {
    RawSafeWrite(dir + "/game.cfg", game);
    RawSafeWrite(dir + "/bot.cfg", bots);
  }
}

// Each mod's settings document loaded and saved as its window does on the
// large tree (2,000 bots where the mod has a roster), beside raw I/O of the
// same files. One row per mod with a document.
struct DocumentRow {
  const char* mod;
  std::vector<std::string> reads;  // what its load reads, below HLPath
  bool krv_ini;                    // it reads KRV.ini (a starting map or keys)
  // The directories its load lists: the maps and what the map marks stand for.
  std::vector<std::string> lists = {"valve/maps"};
  std::vector<std::string> app_reads = {};  // files of AppPath it reads beside KRV.ini
};

const std::vector<DocumentRow>& DocumentRows() {
  static const std::vector<DocumentRow> kRows = {
      {"Botman", {"bot/game.cfg", "bot/bot.cfg", "bot/mapcycle.txt"}, false},
      {"Phineas", {"phineas/game.cfg", "phineas/mapcycle.txt", "phineas/bots.ini"}, true},
      {"Jumbot",
       {"jumbot/game.cfg", "jumbot/jumbot.cfg", "jumbot/mapcycle.txt", "jumbot/bots.cfg",
        "jumbot/exchat.cfg", "jumbot/botorder.cfg", "jumbot/morons.cfg"},
       true,
       {"valve/maps", "jumbot/wpfiles", "jumbot/mapcfgs"}},
      {"Scihunt",
       {"scihunt/game.cfg", "scihunt/Shconfig.cfg", "scihunt/botfiles/jumbot.cfg",
        "scihunt/mapcycle.txt", "scihunt/botfiles/bots.cfg", "scihunt/botfiles/botchat.cfg",
        "scihunt/arsenals/starteqp.txt"},
       true,
       {"scihunt/maps", "scihunt/wpfiles"}},
      {"CStrike",
       {"cstrike/game.cfg", "cstrike/mapcycle.txt", "cstrike/PODBot/botchat.txt",
        "cstrike/PODBot/botskill.cfg"},
       true,
       {"cstrike/maps", "cstrike/PODBot/wptcs10", "cstrike/PODBot"},
       {"CStrike.ini", "CS_Bots.ini"}},
      {"Action",
       {"action/game.cfg", "action/teams.ini", "action/mapcycle.txt", "action/bots.ini"},
       true,
       {"action/maps", "action/models/player"}},
      {"Rocket",
       {"rockcrowbar/game.cfg", "rockcrowbar/mapcycle.txt", "rockcrowbar/botdata.txt"},
       true,
       {"valve/maps", "rockcrowbar/botnodes", "rockcrowbar"}},
      {"TFC",
       {"tfc/game.cfg", "tfc/mapcycle.txt", "tfc/abot_chat.txt"},
       true,
       {"tfc/maps"},
       {"TFC.ini", "TF_Bots.ini"}},
      {"Firebot",
       {"firearms/game.cfg", "firearms/mapcycle.txt", "firebot/firearms/cfg/default.cfg",
        "firebot/firearms/botskill.cfg"},
       true,
       {"firearms/maps", "firebot/firearms/waypoint", "firebot/firearms/cfg"}},
      {"Frontline",
       {"frontline/game.cfg", "frontline/mapcycle.txt", "frontline/agrobot_chat.txt"},
       true,
       {"frontline/maps"},
       {"FLF.ini", "FL_Bots.ini"}},
  };
  return kRows;
}

void LoadDocumentOn(benchmark::State& s, const DocumentRow& row, const LargeTree& on) {
  LauncherState state = on.LoadedState(row.mod);
  for (auto _ : s) {
    std::unique_ptr<EditorSettings> doc = MakeSettings(state, row.mod, state.bot_choice.text);
    if (const Messages problems = doc->Load(); !problems.empty()) {
      s.SkipWithError(("the load reported: " + problems.front().text).c_str());
      break;
    }
    if (doc->roster.size() != on.size().bots) s.SkipWithError("bots were dropped");
    benchmark::DoNotOptimize(doc->maps.play.items.data());
  }
}

void LoadDocument(benchmark::State& s, const DocumentRow& row) { LoadDocumentOn(s, row, Tree()); }

void LoadDocumentBaselineOn(benchmark::State& s, const DocumentRow& row, const LargeTree& on) {
  const std::string hl = on.tree().HLPath();
  const std::string app = on.tree().AppPath();
  for (auto _ : s) {
    for (const std::string& file : row.reads) benchmark::DoNotOptimize(RawRead(hl + "/" + file));
    if (row.krv_ini) benchmark::DoNotOptimize(RawRead(app + "/KRV.ini"));
    for (const std::string& file : row.app_reads)
      benchmark::DoNotOptimize(RawRead(app + "/" + file));
    // The map cycle is checked against the maps; the marks need their files.
    for (const std::string& dir : row.lists) benchmark::DoNotOptimize(RawList(hl + "/" + dir));
  }
}

void LoadDocumentBaseline(benchmark::State& s, const DocumentRow& row) {
  LoadDocumentBaselineOn(s, row, Tree());
}

// The least any load must do beyond the raw I/O, in the plainest code: keep
// the listed names, sort them as the list box does and split each file read
// into lines. Not what a load gives (no marks, no checks, no records), so it
// shows how close to the baseline any load can come.
void LoadDocumentFloor(benchmark::State& s, const DocumentRow& row) {
  const std::string hl = Tree().tree().HLPath();
  const std::string app = Tree().tree().AppPath();
  std::vector<std::string> files;
  for (const std::string& file : row.reads) files.push_back(hl + "/" + file);
  if (row.krv_ini) files.push_back(app + "/KRV.ini");
  for (const std::string& file : row.app_reads) files.push_back(app + "/" + file);
  for (auto _ : s) {
    size_t lines = 0;
    for (const std::string& file : files) {
      const std::string bytes = RawRead(file);
      std::vector<std::string_view> split;
      for (size_t at = 0; at < bytes.size();) {
        const size_t end = std::min(bytes.find('\n', at), bytes.size());
        split.emplace_back(bytes.data() + at, end - at);
        at = end + 1;
      }
      lines += split.size();
    }
    benchmark::DoNotOptimize(lines);
    for (const std::string& dir : row.lists) {
      std::vector<std::string> names;
      if (DIR* d = opendir((hl + "/" + dir).c_str())) {
        while (const dirent* e = readdir(d)) names.emplace_back(e->d_name);
        closedir(d);
      }
      std::sort(names.begin(), names.end(), LessNoCase);
      benchmark::DoNotOptimize(names.data());
    }
  }
}

// The floor of a save or a launch: the least any correct implementation
// must do, in the plainest code, written once and not tuned. Each file the
// row reads or merges into is read when it exists and split into lines, the
// lines go into a std::map of sections and keys, and bytes are made from it
// (the row's changes applied there cost no more); then each file the row
// writes is written safely: temporary, write, fsync, rename, directory fsync.
// The bytes written are the row's own, so the tree stays as the row leaves it.
struct FloorWork {
  std::vector<std::string> reads;                           // host paths
  std::vector<std::pair<std::string, std::string>> writes;  // host path, bytes
};

std::string FloorMerge(const std::string& bytes) {
  std::map<std::string, std::map<std::string, std::string>> sections;
  std::map<std::string, std::string>* section = &sections[""];
  for (size_t at = 0; at < bytes.size();) {
    size_t end = std::min(bytes.find('\n', at), bytes.size());
    std::string line = bytes.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[') {
      section = &sections[line];
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      (*section)[line] = "";
    } else {
      (*section)[line.substr(0, equals)] = line.substr(equals + 1);
    }
  }
  std::string out;
  for (const auto& [name, keys] : sections) {
    if (!name.empty()) out += name + "\r\n";
    for (const auto& [key, value] : keys) out += key + "=" + value + "\r\n";
  }
  return out;
}

void FloorSafeWrite(const std::string& path, const std::string& bytes) {
  RawSafeWrite(path, bytes);
  const int dir = open(fs::path(path).parent_path().c_str(), O_RDONLY | O_DIRECTORY);
  fsync(dir);
  close(dir);
}

void RunFloor(benchmark::State& s, const FloorWork& work) {
  for (auto _ : s) {
    for (const std::string& path : work.reads) {
      if (access(path.c_str(), F_OK) == 0) benchmark::DoNotOptimize(FloorMerge(RawRead(path)));
    }
    for (const auto& [path, bytes] : work.writes) FloorSafeWrite(path, bytes);
  }
}

void SaveDocument(benchmark::State& s, const DocumentRow& row) {
  LauncherState state = Tree().LoadedState(row.mod);
  std::unique_ptr<EditorSettings> doc = MakeSettings(state, row.mod, state.bot_choice.text);
  doc->Load();
  for (auto _ : s) doc->Save();
}

void SaveDocumentBaseline(benchmark::State& s, const DocumentRow& row) {
  LauncherState state = Tree().LoadedState(row.mod);
  std::unique_ptr<EditorSettings> doc = MakeSettings(state, row.mod, state.bot_choice.text);
  doc->Load();
  doc->Save();  // the first save comments out listenserver.cfg; later ones leave it
  std::vector<std::pair<std::string, std::string>> files;
  const FileBatch batch = doc->SaveBatch();
  for (const auto& [path, bytes] : batch.files())
    files.emplace_back(HostPath(path).string(), bytes);
  for (auto _ : s) {
    for (const auto& [path, bytes] : files) RawSafeWrite(path, bytes);
  }
}

void SaveDocumentFloor(benchmark::State& s, const DocumentRow& row) {
  LauncherState state = Tree().LoadedState(row.mod);
  std::unique_ptr<EditorSettings> doc = MakeSettings(state, row.mod, state.bot_choice.text);
  doc->Load();
  doc->Save();
  FloorWork work;
  for (const auto& [path, bytes] : doc->SaveBatch().files()) {
    work.reads.push_back(HostPath(path).string());
    work.writes.emplace_back(HostPath(path).string(), bytes);
  }
  RunFloor(s, work);
}

void RegisterDocumentBenchmarks() {
  for (const DocumentRow& row : DocumentRows()) {
    const std::string mod = row.mod;
    benchmark::RegisterBenchmark(("BM_Load" + mod).c_str(), LoadDocument, row)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_Load" + mod + "_Baseline").c_str(), LoadDocumentBaseline, row)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_Load" + mod + "_Floor").c_str(), LoadDocumentFloor, row)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_Save" + mod).c_str(), SaveDocument, row)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_Save" + mod + "_Baseline").c_str(), SaveDocumentBaseline, row)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BM_Save" + mod + "_Floor").c_str(), SaveDocumentFloor, row)
        ->Unit(benchmark::kMillisecond);
  }
}

// One load per mod on trees of 2,000, 20,000 and 200,000 maps (a twentieth
// as many bots), each beside its raw I/O: the cost should follow the input.
void RegisterGrowthBenchmarks() {
  for (const int maps : {2000, 20000, 200000}) {
    for (const DocumentRow& row : DocumentRows()) {
      const std::string name = "BM_Grow" + std::string(row.mod) + "/" + std::to_string(maps);
      benchmark::RegisterBenchmark(name.c_str(), [row, maps](benchmark::State& s) {
        LoadDocumentOn(s, row, TreeOfSize(maps));
      })->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark((name + "_Baseline").c_str(), [row, maps](benchmark::State& s) {
        LoadDocumentBaselineOn(s, row, TreeOfSize(maps));
      })->Unit(benchmark::kMillisecond);
    }
  }
}

// What a launch writes: liblist.gam, listenserver.cfg, the bot's command
// file with 2,000 bots; for Counter-Strike game.cfg, for TFC a bot file for
// each of the 5,000 maps of the cycle (all there and left as they are after
// the first launch, so read each time).
struct LaunchRow {
  const char* mod;
  const char* bot;
  void (*put)(const LauncherState&, const std::string&, FileBatch&);
  void (*write)(const LauncherState&, const std::string&);
  std::vector<std::string> app_reads;   // the catalogue and the bot settings file
  std::vector<std::string> reads;       // below HLPath
  const char* map_bot_files = nullptr;  // the directory whose maps' bot files are read
};

const std::vector<LaunchRow>& LaunchRows() {
  static const std::vector<LaunchRow> kRows = {
      {"CStrike",
       "P.O.D.Bot",
       PutCsLaunchFiles,
       WriteCsLaunchFiles,
       {"CStrike.ini", "CS_Bots.ini"},
       {"cstrike/listenserver.cfg", "cstrike/game.cfg"}},
      {"TFC",
       "Abot",
       PutTfcLaunchFiles,
       WriteTfcLaunchFiles,
       {"TFC.ini", "TF_Bots.ini"},
       {"tfc/listenserver.cfg", "tfc/mapcycle.txt"},
       "tfc"},
      {"Frontline",
       "AgroBot",
       PutFrontlineLaunchFiles,
       WriteFrontlineLaunchFiles,
       {"FLF.ini", "FL_Bots.ini"},
       {"frontline/listenserver.cfg"}},
  };
  return kRows;
}

void LaunchFiles(benchmark::State& s, const LaunchRow& row) {
  const LauncherState state = Tree().LoadedState(row.mod);
  for (auto _ : s) row.write(state, row.bot);
}

void LaunchFilesBaseline(benchmark::State& s, const LaunchRow& row) {
  const LauncherState state = Tree().LoadedState(row.mod);
  row.write(state, row.bot);  // the maps' bot files exist from then on
  FileBatch batch;
  row.put(state, row.bot, batch);
  std::vector<std::pair<std::string, std::string>> files;
  for (const auto& [path, bytes] : batch.files())
    files.emplace_back(HostPath(path).string(), bytes);
  const std::string app = Tree().tree().AppPath();
  const std::string hl = Tree().tree().HLPath();
  std::vector<std::string> bot_files;
  if (row.map_bot_files != nullptr) {
    for (int i = 0; i < kCycle; ++i) {
      bot_files.push_back(hl + "/" + row.map_bot_files + "/maps/" +
                          LargeTree::MapName(i * 2 % kMaps) + ".bot");
    }
  }
  for (auto _ : s) {
    for (const std::string& file : row.app_reads)
      benchmark::DoNotOptimize(RawRead(app + "/" + file));
    for (const std::string& file : row.reads) benchmark::DoNotOptimize(RawRead(hl + "/" + file));
    for (const std::string& file : bot_files) benchmark::DoNotOptimize(RawRead(file));
    for (const auto& [path, bytes] : files) RawSafeWrite(path, bytes);
  }
}

void LaunchFilesFloor(benchmark::State& s, const LaunchRow& row) {
  const LauncherState state = Tree().LoadedState(row.mod);
  row.write(state, row.bot);
  FileBatch batch;
  row.put(state, row.bot, batch);
  const std::string app = Tree().tree().AppPath();
  const std::string hl = Tree().tree().HLPath();
  FloorWork work;
  for (const std::string& file : row.app_reads) work.reads.push_back(app + "/" + file);
  for (const std::string& file : row.reads) work.reads.push_back(hl + "/" + file);
  // The game library's line: liblist.gam is read at every launch.
  work.reads.push_back(hl + "/" + std::string(FindMod(row.mod)->dir) + "/liblist.gam");
  if (row.map_bot_files != nullptr) {
    for (int i = 0; i < kCycle; ++i) {
      work.reads.push_back(hl + "/" + row.map_bot_files + "/maps/" +
                           LargeTree::MapName(i * 2 % kMaps) + ".bot");
    }
  }
  for (const auto& [path, bytes] : batch.files()) {
    work.reads.push_back(HostPath(path).string());
    work.writes.emplace_back(HostPath(path).string(), bytes);
  }
  RunFloor(s, work);
}

void RegisterLaunchBenchmarks() {
  for (const LaunchRow& row : LaunchRows()) {
    const std::string mod = row.mod;
    benchmark::RegisterBenchmark(("BM_LaunchFiles" + mod).c_str(), LaunchFiles, row)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1);
    benchmark::RegisterBenchmark(("BM_LaunchFiles" + mod + "_Baseline").c_str(),
                                 LaunchFilesBaseline, row)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1);
    benchmark::RegisterBenchmark(("BM_LaunchFiles" + mod + "_Floor").c_str(), LaunchFilesFloor, row)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1);
  }
}

// One TAB of orvanectl's bash completion on the large tree: the shell, then
// orvanectl once (start-up, and for controls and items the mod's document
// loaded). Baseline: the same shell starting an orvanectl that does no work
// (--version), the fixed cost of any TAB.
struct CompletionRow {
  const char* name;
  const char* line;
};
const CompletionRow kCompletionRows[] = {
    {"Mods", "orvanectl launch "},
    {"BotsCStrike", "orvanectl launch CStrike --bot "},
    {"ControlsCStrike", "orvanectl config CStrike --bot P.O.D.Bot set CS_"},
    {"ItemsCStrike", "orvanectl config CStrike --bot P.O.D.Bot set CS_botmenu="},
    {"ControlsFrontline", "orvanectl config Frontline --bot AgroBot set FL_"},
};

void Completion(benchmark::State& s, const CompletionRow& row) {
  const std::vector<std::string> args = {ORVANE_TEST_SUPPORT_DIR "/complete.bash",
                                         ORVANE_DIST_DIR "/completion/orvanectl.bash",
                                         ORVANE_CTL_EXE, row.line};
  if (test::RunInTree(Tree().tree(), "bash", args).out.empty()) s.SkipWithError("no offers");
  for (auto _ : s) benchmark::DoNotOptimize(test::RunInTree(Tree().tree(), "bash", args));
}

void CompletionBaseline(benchmark::State& s, const CompletionRow&) {
  const std::vector<std::string> args = {"-c", "\"$0\" --version >/dev/null", ORVANE_CTL_EXE};
  for (auto _ : s) benchmark::DoNotOptimize(test::RunInTree(Tree().tree(), "bash", args));
}

void RegisterCompletionBenchmarks() {
  for (const CompletionRow& row : kCompletionRows) {
    const std::string name = std::string("BM_Complete") + row.name;
    benchmark::RegisterBenchmark(name.c_str(), Completion, row)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1);
    benchmark::RegisterBenchmark((name + "_Baseline").c_str(), CompletionBaseline, row)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1);
  }
}

ListView Available(int n) {
  ListView list;
  for (int i = 0; i < n; ++i) list.Append(LargeTree::MapName(i) + " *");
  return list;
}

void BM_AddAllMaps(benchmark::State& s) {
  ListView available = Available(static_cast<int>(s.range(0)));
  for (auto _ : s) {
    ListView play;
    AddAllMaps(available, play);
    benchmark::DoNotOptimize(play.items.data());
  }
  s.SetComplexityN(s.range(0));
}

void BM_RemoveSelectedMaps(benchmark::State& s) {
  for (auto _ : s) {
    s.PauseTiming();
    ListView play = Available(static_cast<int>(s.range(0)));
    for (size_t i = 0; i < play.selected.size(); i += 2) play.selected[i] = true;
    s.ResumeTiming();
    RemoveSelectedMaps(play);
    benchmark::DoNotOptimize(play.items.data());
  }
  s.SetComplexityN(s.range(0));
}

void BM_RemoveAllMaps(benchmark::State& s) {
  for (auto _ : s) {
    s.PauseTiming();
    ListView play = Available(static_cast<int>(s.range(0)));
    s.ResumeTiming();
    RemoveAllMaps(play);
  }
  s.SetComplexityN(s.range(0));
}

void BM_ShuffleMaps(benchmark::State& s) {
  ListView play = Available(static_cast<int>(s.range(0)));
  std::mt19937 random(1);
  for (auto _ : s) ShuffleMaps(play, random);
  s.SetComplexityN(s.range(0));
}

BENCHMARK(BM_InitLauncher)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_InitLauncher_Baseline)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_LoadMapCatalogue)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_LoadMapCatalogue_Baseline)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_ReadMapCycle)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_ReadMapCycle_Baseline)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_WriteMapCycle)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_WriteMapCycle_Baseline)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_Neutralise)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_Neutralise_Baseline)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_BotmanLoad)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_BotmanLoad_Baseline)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_BotmanApply)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_BotmanApply_Baseline)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_AddAllMaps)
    ->RangeMultiplier(2)
    ->Range(5000, 20000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveSelectedMaps)
    ->RangeMultiplier(2)
    ->Range(5000, 20000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveAllMaps)
    ->RangeMultiplier(2)
    ->Range(5000, 20000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShuffleMaps)
    ->RangeMultiplier(2)
    ->Range(5000, 20000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// Keeps each run's time so the ratios can be printed at the end.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    // With --benchmark_repetitions the median stands for the row: the
    // machine's noise moves single runs by a third.
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration || median)
        times_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // Each row: its time, the raw I/O of the same files, its floor (the
  // plainest code for the least any implementation must do), its ratio to
  // the raw I/O and, last, its ratio to the floor, the row's limit.
  void PrintRatios() const {
    std::printf("\n%-22s %10s %12s %10s %8s %9s\n", "routine", "time (ms)", "raw I/O (ms)",
                "floor (ms)", "raw I/O", "vs floor");
    for (const auto& [name, time] : times_) {
      const auto baseline = times_.find(name + "_Baseline");
      if (baseline == times_.end()) continue;
      const auto floor = times_.find(name + "_Floor");
      std::printf("%-22s %10.3f %12.3f ", name.substr(3).c_str(), time, baseline->second);
      if (floor != times_.end()) {
        std::printf("%10.3f %7.2fx %8.2fx\n", floor->second, time / baseline->second,
                    time / floor->second);
      } else {
        std::printf("%10s %7.2fx %9s\n", "-", time / baseline->second, "-");
      }
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace orvane::bench

int main(int argc, char** argv) {
  orvane::test::IsolatedHome home;
  // --growth: only the loads on trees of three sizes, not the usual rows.
  if (orvane::bench::InitializeBenchmarks(argc, argv, "^BM_Grow")) {
    orvane::bench::RegisterGrowthBenchmarks();
  } else {
    orvane::bench::Tree();  // build the tree before anything is timed
    orvane::bench::RegisterDocumentBenchmarks();
    orvane::bench::RegisterLaunchBenchmarks();
    orvane::bench::RegisterCompletionBenchmarks();
  }
  orvane::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
