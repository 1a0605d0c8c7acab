// Every file a mod's document writes (and so reads back), damaged the ways a
// player's disk or editor damages files, then loaded as the window loads it:
// the load ends (ctest's time bound stands guard), writes nothing, and each
// message it gives beyond a clean load's names the damaged file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <regex>

#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "editors/ModRegistry.h"
#include "platform/HostPath.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

enum class Damage {
  kRandomBytes,
  kCutMidLine,
  kHugeLine,
  kLfEnds,
  kBom,
  kEmpty,
  kDirectory,
  kHugeNumbers
};

constexpr std::pair<Damage, const char*> kDamages[] = {
    {Damage::kRandomBytes, "random bytes with NULs"},
    {Damage::kCutMidLine, "cut in the middle of a line"},
    {Damage::kHugeLine, "one 2 MB line"},
    {Damage::kLfEnds, "LF line ends"},
    {Damage::kBom, "a UTF-8 BOM"},
    {Damage::kEmpty, "empty"},
    {Damage::kDirectory, "a directory in its place"},
    {Damage::kHugeNumbers, "every number twenty digits long"},
};

std::string Damaged(const std::string& bytes, Damage damage) {
  switch (damage) {
    case Damage::kRandomBytes: {
      std::mt19937 draw(static_cast<unsigned>(bytes.size()));
      std::string noise(4096, '\0');
      for (char& c : noise) c = static_cast<char>(draw() % 256);
      return noise;
    }
    case Damage::kCutMidLine: {
      const size_t half = bytes.size() / 2;
      const size_t line_end = bytes.find('\n', half);
      return bytes.substr(0, line_end == std::string::npos ? half : line_end - 1);
    }
    case Damage::kHugeLine:
      return std::string(2 * 1024 * 1024, 'x') + "\r\n" + bytes;
    case Damage::kLfEnds:
      return std::regex_replace(bytes, std::regex("\r\n"), "\n");
    case Damage::kBom:
      return "\xEF\xBB\xBF" + bytes;
    case Damage::kEmpty:
      return "";
    case Damage::kDirectory:
      return bytes;  // laid out apart
    case Damage::kHugeNumbers:
      return std::regex_replace(bytes, std::regex("[0-9]+"), "98765432109876543210");
  }
  return bytes;
}

// Every file of the tree, bytes and all, to see that a load wrote nothing.
std::map<std::string, std::string> Snapshot(const GameTree& tree) {
  std::map<std::string, std::string> files;
  for (const fs::path& top : {tree.hl_dir(), tree.app_dir(), tree.config_home()}) {
    std::error_code ec;
    for (fs::recursive_directory_iterator it(top, ec), end; !ec && it != end; it.increment(ec)) {
      if (!it->is_regular_file()) continue;
      files[it->path().string()] = ReadHostFile(it->path());
    }
  }
  return files;
}

struct Loaded {
  std::unique_ptr<ModTree> tree;
  std::unique_ptr<EditorSettings> doc;
};

Loaded LoadDemo(const ModInfo& mod, const std::function<void(GameTree&)>& damage) {
  Loaded loaded;
  loaded.tree = std::make_unique<ModTree>(mod.key, [](GameTree& tree) { DemoGame(tree); });
  // Damaged after start-up (which seeds some files), as a player's editor would.
  damage(loaded.tree->tree);
  LauncherState& state = loaded.tree->state;
  // A mod of bots needs one chosen, as the EDIT button does.
  if (!mod.bot_caption.empty() && !state.bot_choice.names.empty())
    ChooseBot(state, state.bot_choice.names.front());
  loaded.doc = MakeSettings(state, mod.key, state.bot_choice.text);
  return loaded;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

class CorruptionSweep : public testing::TestWithParam<std::string> {};

TEST_P(CorruptionSweep, EachDamagedFileLoadsWritesNothingAndIsNamed) {
  const ModInfo& mod = *FindMod(GetParam());
  // The files the document reads and writes, and what a clean load says.
  Loaded clean = LoadDemo(mod, [](GameTree&) {});
  ASSERT_NE(clean.doc, nullptr);
  Messages baseline_messages = clean.doc->Load();
  std::vector<std::string> baseline;
  for (const Message& m : baseline_messages) baseline.push_back(m.text + " " + m.detail);
  std::vector<fs::path> files;
  const fs::path root = clean.tree->tree.root();
  for (const auto& [path, bytes] : clean.doc->SaveBatch().files()) {
    const fs::path host = HostPath(path);
    if (fs::is_regular_file(host)) files.push_back(fs::relative(host, root));
  }
  ASSERT_FALSE(files.empty()) << mod.key;

  for (const fs::path& relative : files) {
    for (const auto& [damage, how] : kDamages) {
      SCOPED_TRACE(std::string(mod.key) + ": " + relative.string() + ", " + how);
      Loaded damaged = LoadDemo(mod, [&, damage = damage](GameTree& tree) {
        const fs::path file = tree.root() / relative;
        const std::string bytes = ReadHostFile(file);
        if (damage == Damage::kDirectory) {
          fs::remove(file);
          fs::create_directories(file);
          return;
        }
        WriteHostFile(file, Damaged(bytes, damage));
      });
      const auto before = Snapshot(damaged.tree->tree);
      const Messages messages = damaged.doc->Load();
      damaged.doc->Show();
      EXPECT_TRUE(Snapshot(damaged.tree->tree) == before) << "the load wrote";
      const std::string name = Lower(relative.filename().string());
      bool named = false;
      for (const Message& m : messages) {
        const std::string said = m.text + " " + m.detail;
        if (std::find(baseline.begin(), baseline.end(), said) != baseline.end()) continue;
        // The host path names the file once, as this system has it.
        EXPECT_NE(Lower(said).find(name), std::string::npos) << said;
        EXPECT_EQ(said.find("Half-Life\\"), std::string::npos)
            << "a path in the launcher's form: " << said;
        named = true;
      }
      // A directory where a file belongs that Apply would write is never
      // taken silently (a file only edited where it is, Apply passes by).
      if (damage == Damage::kDirectory) {
        bool written = false;
        for (const auto& [path, bytes] : damaged.doc->SaveBatch().files())
          written = written || HostPath(path) == damaged.tree->tree.root() / relative;
        EXPECT_TRUE(named || !written) << "nothing said";
      }
    }
  }
}

std::vector<std::string> ModKeys() {
  std::vector<std::string> keys;
  for (const ModInfo& mod : Mods()) keys.emplace_back(mod.key);
  return keys;
}

INSTANTIATE_TEST_SUITE_P(EveryMod, CorruptionSweep, testing::ValuesIn(ModKeys()),
                         [](const testing::TestParamInfo<std::string>& mod) { return mod.param; });

}  // namespace
}  // namespace orvane::test
