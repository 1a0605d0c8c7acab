#include "LargeTree.h"

#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "core/ModTable.h"
#include "core/Startup.h"
#include "editors/BotmanFiles.h"
#include "editors/PhineasFiles.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "services/Models.h"
#include "services/ServerFiles.h"

namespace orvane::bench {
namespace {
namespace fs = std::filesystem;

void Touch(const fs::path& path) { std::fclose(std::fopen(path.c_str(), "w")); }

}  // namespace

LargeTree::LargeTree() {
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
  std::string listen;
  for (int i = 0; i < kListenLines; ++i) {
    listen += (i % 4 == 0   ? "maxplayers "
               : i % 4 == 1 ? "sv_cheats "
               : i % 4 == 2 ? "//mp_timelimit "
                            : "hostname ") +
              std::to_string(i) + "\r\n";
  }
  listen_ = listen;
  for (int i = 0; i < kBots; ++i) {
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
  PhineasBotsIni ini;
  ini.roster = roster_;
  tree_.File("phineas/bots.ini", JoinCrLf(PhineasBotsIniLines(ini)));
  tree_.AppFile("KRV.ini", "[Phineas]\r\nFirst Map=" + MapName(11) + "\r\n");
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
  return state;
}

void StderrReporter::ReportError(const std::string& message, const std::string& detail) {
  std::fprintf(stderr, "start-up error: %s %s\n", message.c_str(), detail.c_str());
}

const LargeTree& Tree() {
  static const LargeTree* tree = new LargeTree();
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
