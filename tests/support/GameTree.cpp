#include "support/GameTree.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "platform/Installation.h"
#include "platform/RegistryStore.h"

namespace orvane::test {
namespace fs = std::filesystem;
namespace {

std::string Slashes(std::string_view relative) {
  std::string out(relative);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

}  // namespace

void WriteHostFile(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string ReadHostFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadHostFileOr(const fs::path& path) {
  std::error_code ec;
  return fs::exists(path, ec) ? ReadHostFile(path) : std::string();
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  if (at == std::string::npos || text.find(from, at + 1) != std::string::npos) {
    throw std::logic_error("the expected text does not hold \"" + from + "\" exactly once");
  }
  return text.replace(at, from.size(), to);
}

GameTree::GameTree() {
  std::string pattern = (fs::temp_directory_path() / "orvane-tree-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  hl_dir_ = root_ / "Half-Life";
  fs::create_directories(hl_dir());
  fs::create_directories(app_dir());
}

GameTree::~GameTree() {
  std::error_code ec;
  fs::remove_all(root_, ec);
}

fs::path GameTree::HlFile(std::string_view relative) const { return hl_dir() / Slashes(relative); }

GameTree& GameTree::Dir(std::string_view relative) {
  fs::create_directories(HlFile(relative));
  return *this;
}

GameTree& GameTree::File(std::string_view relative, std::string_view bytes) {
  WriteHostFile(HlFile(relative), bytes);
  return *this;
}

GameTree& GameTree::AppFile(std::string_view relative, std::string_view bytes) {
  WriteHostFile(app_dir() / Slashes(relative), bytes);
  return *this;
}

GameTree& GameTree::ShippedData() {
  SeedDataDirectory(ORVANE_SOURCE_DATA_DIR, app_dir());
  return *this;
}

GameTree& GameTree::Registry(const std::vector<std::pair<std::string, std::string>>& values) {
  std::string text = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
  text += "[Software\\\\Tarrow Inc.\\\\KRV] 1733490000\n#time=1d9c0a0b0c0d0e0\n";
  for (const auto& [name, value] : values) {
    const bool typed =
        value.rfind("dword:", 0) == 0 || value.rfind("hex", 0) == 0 || value.rfind("str(", 0) == 0;
    text += QuoteRegString(name) + "=" + (typed ? value : QuoteRegString(value)) + "\n";
  }
  return RegistryText(text);
}

GameTree& GameTree::StandardRegistry(const std::vector<std::pair<std::string, std::string>>& more) {
  std::vector<std::pair<std::string, std::string>> values = {{"AppPath", AppPath()},
                                                             {"HLPath", HLPath()}};
  values.insert(values.end(), more.begin(), more.end());
  return Registry(values);
}

GameTree& GameTree::RegistryText(std::string_view text) {
  WriteHostFile(registry_file(), text);
  return *this;
}

GameTree& GameTree::WineInstallPath(std::string_view key, std::string_view install_path) {
  std::string escaped_key;
  for (char c : key) escaped_key += (c == '\\') ? std::string("\\\\") : std::string(1, c);
  std::string text =
      "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n";
  text += "[Software\\\\Microsoft\\\\Windows] 1733490000\n\"Other\"=dword:00000001\n\n";
  text += "[" + escaped_key + "] 1733490000\n#time=1d9c0a0b0c0d0e0\n";
  text += "\"InstallPath\"=" + QuoteRegString(install_path) + "\n";
  WriteHostFile(wine_prefix() / "system.reg", text);
  return *this;
}

GameTree& GameTree::SteamManifest(const fs::path& library, std::string_view installdir,
                                  std::string_view state_flags) {
  WriteHostFile(library / "steamapps" / "appmanifest_70.acf",
                "\"AppState\"\n{\n\t\"appid\"\t\t\"70\"\n\t\"Universe\"\t\t\"1\"\n"
                "\t\"name\"\t\t\"Half-Life\"\n\t\"StateFlags\"\t\t\"" +
                    std::string(state_flags) + "\"\n\t\"installdir\"\t\t\"" +
                    std::string(installdir) + "\"\n\t\"buildid\"\t\t\"12655339\"\n}\n");
  return *this;
}

GameTree& GameTree::InSteamLibrary(fs::path library) {
  if (library.empty()) library = SteamRoot();
  const fs::path game = library / "steamapps" / "common" / "Half-Life";
  MoveTo(game);
  std::error_code ec;
  fs::remove(game / "hl.exe", ec);
  WriteHostFile(game / "hl_linux", "ELF");
  WriteHostFile(game / "hl.sh", "#!/bin/sh\n");
  return SteamManifest(library, "Half-Life");
}

fs::path GameTree::ServerRecorder() {
  const fs::path script = root_ / "bin" / "server-standin";
  WriteHostFile(script, "#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > \"" +
                            ServerRecord().string() + "\"\nexit ${ORVANE_TEST_SERVER_EXIT:-0}\n");
  fs::permissions(script, fs::perms::owner_all);
  return script;
}

GameTree& GameTree::DedicatedServer(std::string_view program) {
  std::error_code ec;
  fs::remove(hl_dir_ / "hl.exe", ec);
  const fs::path target = hl_dir_ / std::string(program);
  if (program == "hlds.exe") {
    WriteHostFile(target, "MZ");
  } else {
    fs::copy_file(ServerRecorder(), target, fs::copy_options::overwrite_existing);
  }
  return *this;
}

GameTree& GameTree::MoveTo(const fs::path& dir) {
  fs::create_directories(dir.parent_path());
  fs::rename(hl_dir_, dir);
  hl_dir_ = dir;
  return *this;
}

GameTree& GameTree::ServerManifest(const fs::path& library) {
  WriteHostFile(library / "steamapps" / "appmanifest_90.acf",
                "\"AppState\"\n{\n\t\"appid\"\t\t\"90\"\n"
                "\t\"name\"\t\t\"Half-Life Dedicated Server\"\n\t\"StateFlags\"\t\t\"4\"\n"
                "\t\"installdir\"\t\t\"Half-Life\"\n\t\"UserConfig\"\n\t{\n"
                "\t\t\"mod\"\t\t\"cstrike\"\n\t}\n}\n");
  return *this;
}

GameTree& GameTree::Metamod(std::string_view mod_dir) {
  const std::string dir(mod_dir);
  return File(dir + "\\liblist.gam",
              "game \"Mod\"\r\ngamedll \"addons\\metamod\\dlls\\metamod.dll\"\r\n"
              "gamedll_linux \"addons/metamod/dlls/metamod.so\"\r\n")
      .File(dir + "\\addons\\metamod\\dlls\\metamod.dll", "MZ")
      .File(dir + "\\addons\\metamod\\dlls\\metamod.so", "ELF")
      .File(dir + "\\addons\\metamod\\plugins.ini", "");
}

GameTree& GameTree::ProtonForHalfLife() {
  WriteHostFile(SteamRoot() / "config" / "config.vdf",
                "\"InstallConfigStore\" { \"Software\" { \"Valve\" { \"Steam\" { "
                "\"CompatToolMapping\" { \"70\" { \"name\" \"proton_9\" } } } } } }");
  return *this;
}

std::string GameTree::Read(std::string_view relative) const {
  return ReadHostFile(HlFile(relative));
}

bool GameTree::Exists(std::string_view relative) const { return fs::exists(HlFile(relative)); }

LauncherState GameTree::State() const {
  LauncherState state;
  state.host_data_dir = AppPath();
  state.steam_env.home = home();
  return state;
}

RegistryStore GameTree::Store() const {
  return RegistryStore(registry_file(), wine_prefix() / "system.reg");
}

}  // namespace orvane::test
