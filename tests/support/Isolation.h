// Points HOME, the XDG directories and WINEPREFIX at a private temporary
// directory for the whole test process, so no test can touch the player's files.
#pragma once

#include <filesystem>

namespace orvane::test {

class IsolatedHome {
 public:
  IsolatedHome();
  ~IsolatedHome();
  IsolatedHome(const IsolatedHome&) = delete;
  IsolatedHome& operator=(const IsolatedHome&) = delete;

 private:
  std::filesystem::path home_;
};

}  // namespace orvane::test
