// The large generated game tree that the benchmarks run on, made once per
// run, and the raw-I/O helpers their baselines use.
#pragma once

#include <string>
#include <vector>

#include "core/LauncherState.h"
#include "core/Startup.h"
#include "services/BotEntry.h"
#include "support/GameTree.h"

namespace orvane::bench {

inline constexpr int kMaps = 20000;
inline constexpr int kModels = 2000;
inline constexpr int kCycle = 5000;
inline constexpr int kListenLines = 2000;
inline constexpr int kBots = 2000;
inline constexpr int kScihuntMaps = 2000;  // Sci-hunt keeps maps of its own

// How large a tree is: its maps (the cycles are a quarter of them, the mods
// with maps of their own have a tenth) and the bots of each roster.
struct TreeSize {
  int maps = kMaps;
  int bots = kBots;
};

// Ten mods, 20,000 maps, 2,000 player models, a 5,000-map cycle, 2,000-line
// listenserver.cfg, 2,000-bot rosters for Botman, Phineas, Jumbot and
// Sci-hunt, and Sci-hunt's own 2,000 maps with waypoint and config files.
class LargeTree {
 public:
  explicit LargeTree(TreeSize size = {});
  static std::string MapName(int i) { return "map_" + std::to_string(i); }

  const test::GameTree& tree() const { return tree_; }
  const TreeSize& size() const { return size_; }
  const std::string& listen() const { return listen_; }
  const std::vector<BotEntry>& roster() const { return roster_; }
  // Start-up run on the tree, with the map and model catalogues.
  LauncherState LoadedState(const std::string& mod = "Botman") const;

 private:
  TreeSize size_;
  test::GameTree tree_;
  std::string listen_;
  std::vector<BotEntry> roster_;
};

const LargeTree& Tree();
// A tree of the given number of maps and a twentieth as many bots, made on
// first use and kept (for the growth of the loads with the input).
const LargeTree& TreeOfSize(int maps);

// Initialises Google Benchmark; a first argument "--growth" instead limits
// the run to the rows that growth_filter matches (the trees of other sizes
// take minutes to make; a later --benchmark_filter still wins). True then.
bool InitializeBenchmarks(int argc, char** argv, const char* growth_filter);

// Start-up's error boxes as lines on stderr.
struct StderrReporter final : StartupReporter {
  void ReportError(const std::string& message, const std::string& detail) override;
};

// Raw I/O for the baselines.
size_t RawList(const std::string& dir);
std::string RawRead(const std::string& path);
// A safe write of the same bytes: temporary file, write, flush to disk, rename.
void RawSafeWrite(const std::string& path, const std::string& bytes);

}  // namespace orvane::bench
