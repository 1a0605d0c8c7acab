#include "support/Isolation.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace orvane::test {
namespace fs = std::filesystem;

IsolatedHome::IsolatedHome() {
  std::string pattern = (fs::temp_directory_path() / "orvane-home-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  home_ = pattern;
  setenv("HOME", home_.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home_ / ".config").c_str(), 1);
  setenv("XDG_DATA_HOME", (home_ / ".local/share").c_str(), 1);
  setenv("WINEPREFIX", (home_ / ".wine").c_str(), 1);
  // The player's Steam is no test's business.
  unsetenv("STEAM_DIR");
  unsetenv("STEAM");
}

IsolatedHome::~IsolatedHome() {
  std::error_code ec;
  fs::remove_all(home_, ec);
}

}  // namespace orvane::test
