// Our profile reader against Windows' own profile functions, run through
// Wine: the same table of cases must read the same values.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/ProfileCases.h"
#include "platform/ProfileFile.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {
namespace fs = std::filesystem;

std::string WinePath(const fs::path& host) {
  std::string out = "Z:" + host.string();
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

std::string Unhex(const std::string& hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return out;
}

bool HaveWine() { return std::system("command -v wine >/dev/null 2>&1") == 0; }

// Runs the probe on the commands; one output line per command.
std::vector<std::string> RunProbe(const fs::path& dir, const std::string& commands) {
  WriteHostFile(dir / "commands.txt", commands);
  const std::string cmd =
      "WINEPREFIX='" ORVANE_WINE_PREFIX
      "' WINEDEBUG=-all "
      "WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d' wine '" ORVANE_PROFILE_PROBE "' '" +
      WinePath(dir / "commands.txt") + "' 2>/dev/null";
  std::vector<std::string> lines;
  // ctest runs the cases in parallel; two Wines starting on one new prefix at
  // once race in creating it, so one probe runs at a time.
  const int lock = open(ORVANE_WINE_PREFIX ".lock", O_CREAT | O_RDWR | O_CLOEXEC, 0644);
  if (lock >= 0) flock(lock, LOCK_EX);
  FILE* pipe = popen(cmd.c_str(), "r");
  if (pipe == nullptr) {
    if (lock >= 0) close(lock);
    return lines;
  }
  std::string out;
  std::array<char, 4096> buffer{};
  for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    out.append(buffer.data(), n);
  pclose(pipe);
  if (lock >= 0) close(lock);
  std::istringstream stream(out);
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

class ProfileAgainstWindows : public testing::Test {
 protected:
  void SetUp() override {
    if (!HaveWine() || !fs::exists(ORVANE_PROFILE_PROBE)) {
      // CI installs both; there a missing one is a failure, not a skip.
      if (std::getenv("CI") != nullptr) FAIL() << "wine or the mingw-w64 probe is missing in CI";
      GTEST_SKIP() << "wine or the mingw-w64 probe is missing: comparison with Windows skipped";
    }
  }
};

TEST_F(ProfileAgainstWindows, ReadsTheSameValues) {
  GameTree tree;
  std::string commands;
  const auto& cases = ProfileReadCases();
  for (size_t i = 0; i < cases.size(); ++i) {
    const fs::path file = tree.root() / ("read" + std::to_string(i) + ".ini");
    if (cases[i].file) WriteHostFile(file, *cases[i].file);
    const std::string common =
        WinePath(file) + "\t" + cases[i].section + "\t" + cases[i].key + "\t";
    commands += "S\t" + common + "dflt\n" + "I\t" + common + "7\n";
  }
  const std::vector<std::string> out = RunProbe(tree.root(), commands);
  ASSERT_EQ(out.size(), cases.size() * 2) << "the probe did not answer every command";
  for (size_t i = 0; i < cases.size(); ++i) {
    const std::string file = (tree.root() / ("read" + std::to_string(i) + ".ini")).string();
    EXPECT_EQ(Unhex(out[2 * i]), GetProfileString(file, cases[i].section, cases[i].key, "dflt"))
        << cases[i].name;
    EXPECT_EQ(std::stoi(out[2 * i + 1]), GetProfileInt(file, cases[i].section, cases[i].key, 7))
        << cases[i].name;
  }
}

// Each case's key is written with our writer into one copy of the file and
// with WritePrivateProfileString into another; then Windows' own reader reads
// every key of both files back, and the two must agree key for key.
TEST_F(ProfileAgainstWindows, WritesReadBackTheSame) {
  GameTree tree;
  std::string commands;
  const auto& cases = ProfileWriteCases();
  auto file = [&tree](const char* who, size_t i) {
    return tree.root() / (who + std::to_string(i) + ".ini");
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    if (cases[i].before) {
      WriteHostFile(file("win", i), *cases[i].before);
      WriteHostFile(file("ours", i), *cases[i].before);
    }
    commands += "W\t" + WinePath(file("win", i)) + "\t" + cases[i].section + "\t" + cases[i].key +
                "\t" + cases[i].value + "\n";
    WriteProfileString(file("ours", i).string(), cases[i].section, cases[i].key, cases[i].value);
  }
  for (size_t i = 0; i < cases.size(); ++i) {
    commands += "A\t" + WinePath(file("win", i)) + "\t-\t-\t-\n";
    commands += "A\t" + WinePath(file("ours", i)) + "\t-\t-\t-\n";
  }
  const std::vector<std::string> out = RunProbe(tree.root(), commands);
  ASSERT_GE(out.size(), cases.size()) << "the probe did not answer every command";
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(out[i], "1") << cases[i].name;
  // The dumps: lines up to each ".", two per case (Windows' file, then ours).
  std::vector<std::vector<std::string>> dumps(1);
  for (size_t i = cases.size(); i < out.size(); ++i) {
    if (out[i] == ".") {
      dumps.emplace_back();
    } else {
      dumps.back().push_back(out[i]);
    }
  }
  ASSERT_EQ(dumps.size(), cases.size() * 2 + 1) << "the probe did not dump every file";
  for (size_t i = 0; i < cases.size(); ++i) {
    const std::vector<std::string>& theirs = dumps[2 * i];
    const std::vector<std::string>& ours = dumps[2 * i + 1];
    EXPECT_FALSE(theirs.empty()) << cases[i].name;
    EXPECT_EQ(ours, theirs) << cases[i].name;
    // Our reader reads the written key of both files as Windows does.
    const std::string theirs_file = file("win", i).string();
    EXPECT_EQ(GetProfileString(file("ours", i).string(), cases[i].section, cases[i].key, "dflt"),
              GetProfileString(theirs_file, cases[i].section, cases[i].key, "dflt"))
        << cases[i].name;
  }
}

}  // namespace
}  // namespace orvane::test
