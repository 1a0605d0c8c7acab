// orvanectl's shell completion, called as bash and zsh call it, on the demo
// tree: what a player gets on TAB for each place of the command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ModTree.h"

namespace orvane::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 1;
  }
  return lines;
}

// What bash shows of an offer: only the part after the "=" of the word being
// completed (bash breaks words there), blanks escaped.
std::string AsBashOffers(const std::string& line, std::string offer) {
  const std::string word = line.substr(line.rfind(' ') + 1);
  if (word.find('=') != std::string::npos) offer = offer.substr(offer.find('=') + 1);
  std::string escaped;
  for (const char c : offer) escaped += c == ' ' ? std::string("\\ ") : std::string(1, c);
  return escaped;
}

struct Completion {
  const char* line;                 // typed up to the cursor, after the program's name
  std::vector<std::string> offers;  // whole words, in orvanectl's order
};

class Completes : public ::testing::Test {
 protected:
  void SetUp() override {
    DemoGame(tree);
    // The bots of CStrike are only usable with their add-on's library present.
    ASSERT_EQ(RunCtl(tree, {"mods"}).status, 0);
  }
  std::vector<std::string> Offers(const std::string& shell, const std::string& line) {
    const std::string driver = std::string(ORVANE_TEST_SUPPORT_DIR "/complete.") + shell;
    const std::string script = shell == "bash" ? ORVANE_DIST_DIR "/completion/orvanectl.bash"
                                               : ORVANE_DIST_DIR "/completion/_orvanectl";
    std::vector<std::string> args = {driver, script, ORVANE_CTL_EXE, line};
    if (shell == "zsh") args.insert(args.begin(), "-f");  // no start-up files of the user's
    const CtlRun run = RunInTree(tree, shell, args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << line;
    return Lines(run.out);
  }
  GameTree tree;
};

const std::vector<Completion> kCompletions = {
    {"orvanectl co", {"config", "command"}},
    {"orvanectl ",
     {"mods", "launch", "config", "directory", "command", "restore", "--help", "--version"}},
    {"orvanectl config ",
     {"Action", "Botman", "CStrike", "Firebot", "Frontline", "Jumbot", "Phineas", "Rocket",
      "Scihunt", "TFC"}},
    {"orvanectl launch F", {"Firebot", "Frontline"}},
    {"orvanectl launch CStrike --bot ",
     {"Android", "NN Bot", "P.O.D.Bot", "PlBot", "POD-Bot MM", "RealBot", "Swat Bot", "YaPB"}},
    {"orvanectl launch CStrike --bot P.O.D.Bot --", {"--bot", "--no-start", "--detach"}},
    {"orvanectl config TFC --bot F", {"Foxbot"}},
    {"orvanectl config Botman ", {"show", "set", "items", "--bot"}},
    {"orvanectl config Botman set BM_fr", {"BM_fraglimit=", "BM_friendlyfire="}},
    {"orvanectl config Botman set BM_fraglimit=30 BM_dea", {"BM_deathmatch="}},
    {"orvanectl config Botman set BM_teamplay=", {"BM_teamplay=0", "BM_teamplay=1"}},
    {"orvanectl config Rocket set RC_Teamplay=",
     {"RC_Teamplay=DeathMatch", "RC_Teamplay=Teamplay", "RC_Teamplay=Capture the Flag"}},
    {"orvanectl config Rocket set RC_falldamage=R", {"RC_falldamage=Realistic"}},
    {"orvanectl config CStrike --bot P.O.D.Bot set CS_botmenu=F1",
     {"CS_botmenu=F1", "CS_botmenu=F10"}},
    {"orvanectl config Rocket items RC_fa", {"RC_falldamage"}},
    {"orvanectl config Botman set BM_fraglimit=", {}},  // a number: nothing to offer
    {"orvanectl config Nothing set BM_", {}},           // no such mod: no controls
    {"orvanectl restore Botman ", {"--dry-run"}},
    {"orvanectl directory --program ", {"hl.exe", "cstrike.exe"}},
};

TEST_F(Completes, BashOffersWhatEachPlaceTakes) {
  for (const Completion& c : kCompletions) {
    std::vector<std::string> expected;
    for (const std::string& offer : c.offers) expected.push_back(AsBashOffers(c.line, offer));
    EXPECT_EQ(Offers("bash", c.line), expected) << c.line;
  }
}

TEST_F(Completes, ZshOffersTheSameWords) {
  for (const Completion& c : kCompletions) EXPECT_EQ(Offers("zsh", c.line), c.offers) << c.line;
}

}  // namespace
}  // namespace orvane::test
