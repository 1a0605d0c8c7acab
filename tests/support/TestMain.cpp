// Every test process runs with HOME, the XDG directories and WINEPREFIX in a
// private temporary directory, so no test can touch the player's own files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::string pattern = (fs::temp_directory_path() / "orvane-home-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return 2;
  const fs::path home = pattern;
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
  setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
  setenv("WINEPREFIX", (home / ".wine").c_str(), 1);
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::error_code ec;
  fs::remove_all(home, ec);
  return result;
}
