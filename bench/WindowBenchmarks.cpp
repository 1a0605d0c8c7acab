// The time to open each editor window on the large tree (20,000 maps, 2,000
// models, 2,000 bots), offscreen: from creating the window to its first
// load done, as the player waits for it after "Edit Mod Config". Then the
// main window, from creation (its start-up on the tree included) to its mod
// buttons laid out, beside a bare Qt main window of the same size shown on
// the same machine in the same run.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <QApplication>
#include <QToolButton>
#include <QWindow>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "LargeTree.h"
#include "gui/BotEditorForm.h"
#include "gui/MainWindow.h"
#include "gui/editors/ActionWindow.h"
#include "gui/editors/BotmanWindow.h"
#include "gui/editors/CstrikeWindow.h"
#include "gui/editors/FirebotWindow.h"
#include "gui/editors/FrontlineWindow.h"
#include "gui/editors/JumbotWindow.h"
#include "gui/editors/PhineasWindow.h"
#include "gui/editors/RocketWindow.h"
#include "gui/editors/ScihuntWindow.h"
#include "gui/editors/TfcWindow.h"
#include "services/MapLists.h"
#include "services/Models.h"
#include "support/Isolation.h"

namespace orvane::bench {
namespace {

template <typename Window>
void OpenWindow(benchmark::State& s, const char* mod, const LargeTree& on = Tree()) {
  LauncherState state = on.LoadedState(mod);
  const int bots = on.size().bots;
  for (auto _ : s) {
    auto window = std::make_unique<Window>(state, nullptr);
    window->show();
    while (!window->loaded() || window->settings().roster.size() != bots) {
      QApplication::processEvents();
    }
    benchmark::DoNotOptimize(window.get());
    s.PauseTiming();
    window.reset();
    QApplication::processEvents();
    s.ResumeTiming();
  }
}

void BM_OpenBotman(benchmark::State& s) { OpenWindow<BotmanWindow>(s, "Botman"); }
void BM_OpenPhineas(benchmark::State& s) { OpenWindow<PhineasWindow>(s, "Phineas"); }
void BM_OpenJumbot(benchmark::State& s) { OpenWindow<JumbotWindow>(s, "Jumbot"); }
void BM_OpenScihunt(benchmark::State& s) { OpenWindow<ScihuntWindow>(s, "Scihunt"); }
void BM_OpenCstrike(benchmark::State& s) { OpenWindow<CstrikeWindow>(s, "CStrike"); }
void BM_OpenAction(benchmark::State& s) { OpenWindow<ActionWindow>(s, "Action"); }
void BM_OpenRocket(benchmark::State& s) { OpenWindow<RocketWindow>(s, "Rocket"); }
void BM_OpenTfc(benchmark::State& s) { OpenWindow<TfcWindow>(s, "TFC"); }
void BM_OpenFrontline(benchmark::State& s) { OpenWindow<FrontlineWindow>(s, "Frontline"); }
void BM_OpenFirebot(benchmark::State& s) { OpenWindow<FirebotWindow>(s, "Firebot"); }

// Each window on the tree of 200,000 maps and 10,000 bots (--growth).
template <typename Window>
void RegisterLargest(const char* name, const char* mod) {
  benchmark::RegisterBenchmark(name, [mod](benchmark::State& s) {
    OpenWindow<Window>(s, mod, TreeOfSize(200000));
  })->Unit(benchmark::kMillisecond);
}

void RegisterGrowthBenchmarks() {
  RegisterLargest<BotmanWindow>("BM_OpenLargestBotman", "Botman");
  RegisterLargest<PhineasWindow>("BM_OpenLargestPhineas", "Phineas");
  RegisterLargest<JumbotWindow>("BM_OpenLargestJumbot", "Jumbot");
  RegisterLargest<ScihuntWindow>("BM_OpenLargestScihunt", "Scihunt");
  RegisterLargest<CstrikeWindow>("BM_OpenLargestCstrike", "CStrike");
  RegisterLargest<ActionWindow>("BM_OpenLargestAction", "Action");
  RegisterLargest<RocketWindow>("BM_OpenLargestRocket", "Rocket");
  RegisterLargest<TfcWindow>("BM_OpenLargestTfc", "TFC");
  RegisterLargest<FrontlineWindow>("BM_OpenLargestFrontline", "Frontline");
  RegisterLargest<FirebotWindow>("BM_OpenLargestFirebot", "Firebot");
}

// Until the window system has the window on screen.
void WaitExposed(QWidget& window) {
  window.show();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
    QApplication::processEvents();
  QApplication::processEvents();  // its first paint
}

// The main window shown, with (the player's wait at start) or without (the
// window's own cost) the start-up's map and model catalogues of the tree.
void ShowMainWindow(benchmark::State& s, bool catalogues) {
  for (auto _ : s) {
    LauncherState state = Tree().tree().State();
    RegistryStore store = Tree().tree().Store();
    StartupHooks hooks;
    if (catalogues) {
      hooks.load_map_catalogue = [&state] { LoadMapCatalogue(state); };
      hooks.load_model_catalogue = [&state] { LoadModelCatalogue(state); };
    }
    MainWindow window(state, store, hooks, LaunchHooks{});
    WaitExposed(window);
    const auto* botman = window.findChild<QToolButton*>(QStringLiteral("SB_Botman"));
    while (!botman->isVisible()) QApplication::processEvents();
    benchmark::DoNotOptimize(&window);
    s.PauseTiming();
    window.close();
    QApplication::processEvents();
    s.ResumeTiming();
  }
}

void BM_ShowMainWindow(benchmark::State& s) { ShowMainWindow(s, false); }
void BM_StartMainWindow(benchmark::State& s) { ShowMainWindow(s, true); }

// A bare main window of the main window's size: the least any window costs.
void BM_ShowMainWindow_Baseline(benchmark::State& s) {
  for (auto _ : s) {
    QMainWindow window;
    auto* client = new QWidget(&window);
    client->setFixedSize(586, 224);
    window.setCentralWidget(client);
    WaitExposed(window);
    benchmark::DoNotOptimize(&window);
    s.PauseTiming();
    window.close();
    QApplication::processEvents();
    s.ResumeTiming();
  }
}

BENCHMARK(BM_OpenBotman)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_OpenPhineas)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_OpenJumbot)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_OpenScihunt)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_OpenCstrike)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_OpenAction)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_OpenRocket)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_OpenTfc)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_OpenFrontline)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_OpenFirebot)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ShowMainWindow)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_StartMainWindow)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ShowMainWindow_Baseline)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace
}  // namespace orvane::bench

int main(int argc, char** argv) {
  orvane::test::IsolatedHome home;
  // Offscreen unless told otherwise (QT_QPA_PLATFORM=xcb under a display
  // gives the window system's own share of showing a window).
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // --growth: only each window on the largest tree, not the usual rows.
  if (orvane::bench::InitializeBenchmarks(argc, argv, "^BM_OpenLargest")) {
    orvane::bench::RegisterGrowthBenchmarks();
  } else {
    orvane::bench::Tree();  // build the tree before anything is timed
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // The most this process held at once: the large tree's catalogues and each
  // window opened on them in turn (an upper bound for a player's launcher).
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident size: %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  return 0;
}
