// Start-up, the map-list routines and the server files on a large generated
// tree, each beside a baseline that does only the raw I/O of the same files
// in the same run. The table at the end gives each routine as a ratio to its
// baseline.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "core/Startup.h"
#include "editors/BotmanFiles.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "services/Models.h"
#include "services/ServerFiles.h"
#include "support/GameTree.h"
#include "support/Isolation.h"

namespace orvane::bench {
namespace {
namespace fs = std::filesystem;
using test::GameTree;

constexpr int kMaps = 20000;
constexpr int kModels = 2000;
constexpr int kCycle = 5000;
constexpr int kListenLines = 2000;
constexpr int kBots = 2000;

struct NullReporter final : StartupReporter {
  void ReportError(const std::string& message, const std::string& detail) override {
    std::fprintf(stderr, "start-up error: %s %s\n", message.c_str(), detail.c_str());
  }
};

// The large tree, made once per run.
class LargeTree {
 public:
  LargeTree() {
    tree_.StandardRegistry().File("hl.exe").ShippedData();
    for (const ModInfo& mod : Mods()) tree_.Dir(mod.dir);
    tree_.Dir("firebot")
        .File("cstrike/PODBot/podbot_mm.dll")
        .File("tfc/dlls/abot.dll")
        .File("frontline/dlls/agrobot.dll");
    tree_.Dir("valve/maps");
    for (int i = 0; i < kMaps; ++i) Touch(tree_.hl_dir() / "valve/maps" / (MapName(i) + ".bsp"));
    for (int i = 0; i < kModels; ++i) {
      const std::string m = "model" + std::to_string(i);
      fs::create_directories(tree_.hl_dir() / "valve/models/player" / m);
      Touch(tree_.hl_dir() / "valve/models/player" / m / (m + ".mdl"));
    }
    std::string cycle;
    for (int i = 0; i < kCycle; ++i) cycle += MapName(i * 3 % kMaps) + "\r\n";
    tree_.File("bot/mapcycle.txt", cycle);
    std::string listen;
    for (int i = 0; i < kListenLines; ++i) {
      listen += (i % 4 == 0   ? "maxplayers "
                 : i % 4 == 1 ? "sv_cheats "
                 : i % 4 == 2 ? "//mp_timelimit "
                              : "hostname ") +
                std::to_string(i) + "\r\n";
    }
    listen_ = listen;
    tree_.File("bot/listenserver.cfg", listen_);
    for (int i = 0; i < kBots; ++i) {
      roster_.push_back({"Bot" + std::to_string(i), "model" + std::to_string(i % kModels), "", "",
                         std::to_string(i % 6)});
    }
    tree_.File("bot/bot.cfg", JoinCrLf(BotmanBotCfgLines(MapName(7), 3, 4, roster_)));
  }

  static std::string MapName(int i) { return "map_" + std::to_string(i); }

  const GameTree& tree() const { return tree_; }
  const std::string& listen() const { return listen_; }
  const std::vector<BotEntry>& roster() const { return roster_; }

  LauncherState LoadedState() const {
    LauncherState state = tree_.State();
    RegistryStore store = tree_.Store();
    NullReporter reporter;
    InitLauncher(state, store, {}, reporter);
    state.selected_mod = "Botman";
    return state;
  }

 private:
  static void Touch(const fs::path& path) { std::fclose(std::fopen(path.c_str(), "w")); }
  GameTree tree_;
  std::string listen_;
  std::vector<BotEntry> roster_;
};

const LargeTree& Tree() {
  static const LargeTree* tree = new LargeTree();
  return *tree;
}

// Raw I/O helpers for the baselines.
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

// A safe write of the same bytes: temporary file, write, flush to disk, rename.
void RawSafeWrite(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".raw";
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  benchmark::DoNotOptimize(write(fd, bytes.data(), bytes.size()));
  fsync(fd);
  close(fd);
  rename(temp.c_str(), path.c_str());
}

void BM_InitLauncher(benchmark::State& s) {
  const GameTree& tree = Tree().tree();
  for (auto _ : s) {
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    StartupHooks hooks;
    hooks.load_map_catalogue = [&state] { LoadMapCatalogue(state); };
    hooks.load_model_catalogue = [&state] { LoadModelCatalogue(state); };
    NullReporter reporter;
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
    ReadMapCycle(state, "N", dir, state.valve_maps_dir, play);
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
  for (auto _ : s) WriteMapCycle(state, "N", dir, play);
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
    ReadBotmanBotCfg(dir + "\\bot.cfg", MapValidator(maps, "", ""), cfg);
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
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration)
        times_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() const {
    std::printf("\n%-22s %12s %12s %8s\n", "routine", "time (ms)", "raw I/O (ms)", "ratio");
    for (const auto& [name, time] : times_) {
      const auto baseline = times_.find(name + "_Baseline");
      if (baseline == times_.end()) continue;
      std::printf("%-22s %12.3f %12.3f %7.2fx\n", name.substr(3).c_str(), time, baseline->second,
                  time / baseline->second);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace orvane::bench

int main(int argc, char** argv) {
  orvane::test::IsolatedHome home;
  benchmark::Initialize(&argc, argv);
  orvane::bench::Tree();  // build the tree before anything is timed
  orvane::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
