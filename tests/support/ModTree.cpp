#include "support/ModTree.h"

#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <stdexcept>

#include "app/DemoTree.h"
#include "app/Wiring.h"
#include "core/Startup.h"

namespace orvane::test {
namespace {

std::string Quoted(std::string_view text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

struct Strict final : StartupReporter {
  void ReportError(const std::string& message, const std::string& detail) override {
    throw std::runtime_error("start-up: " + message + " " + detail);
  }
};

}  // namespace

GameTree& ValveGame(GameTree& tree) {
  return tree.StandardRegistry()
      .ShippedData()
      .File("hl.exe")
      .File("valve\\maps\\crossfire.bsp")
      .File("valve\\maps\\frenzy.bsp")
      .File("valve\\models\\player\\barney\\barney.mdl");
}

GameTree& BotmanFiles(GameTree& tree, std::string_view bot_cfg, std::string_view game_cfg) {
  return tree.File("bot\\game.cfg", game_cfg)
      .File("bot\\bot.cfg", bot_cfg)
      .File("bot\\mapcycle.txt", "stalkyard\r\nnowhere\r\n")
      .File("bot\\listenserver.cfg", kListenServer);
}

GameTree& PhineasFiles(GameTree& tree, std::string_view bots_ini, std::string_view game_cfg) {
  return tree.File("phineas\\game.cfg", game_cfg)
      .File("phineas\\bots.ini", bots_ini)
      .File("phineas\\mapcycle.txt", "stalkyard\r\nnowhere\r\ndatacore\r\n")
      .AppFile("KRV.ini", "[Phineas]\r\nFirst Map=frenzy\r\n");
}

GameTree& JumbotFiles(GameTree& tree, std::string_view jumbot_cfg, std::string_view roster) {
  return tree.File("jumbot\\game.cfg", kGameCfg)
      .File("jumbot\\jumbot.cfg", jumbot_cfg)
      .File("jumbot\\team.cfg", roster)
      .File("jumbot\\mapcycle.txt", "frenzy\r\nnowhere\r\n")
      .File("jumbot\\exchat.cfg", "Nice shot, %s.\r\n")
      .File("jumbot\\morons.cfg", "Where is everybody?\r\n")
      .File("jumbot\\config.cfg", kConfigCfg)
      .File("jumbot\\wpfiles\\crossfire.jrf")
      .File("jumbot\\mapcfgs\\frenzy.cfg")
      .AppFile("KRV.ini", "[Jumbot]\r\nMakewp=F6\r\nRemwp= Num Keypad 5 \r\nWritewpfile=Shift\r\n");
}

GameTree& ScihuntFiles(GameTree& tree, std::string_view jumbot_cfg) {
  std::string scr;
  for (int i = 1; i <= 10; ++i) scr += "// head " + std::to_string(i) + "\r\n";
  return tree.File("scihunt\\game.cfg", kScihuntGameCfg)
      .File("scihunt\\Shconfig.cfg", kShConfig)
      .File("scihunt\\settings.scr", scr)
      .File("scihunt\\mapcycle.txt", "sh_office\r\ncrossfire\r\n")
      .File("scihunt\\maps\\sh_lab.bsp")
      .File("scihunt\\maps\\sh_lab.cfg")
      .File("scihunt\\maps\\sh_office.bsp")
      .File("scihunt\\wpfiles\\sh_lab.jrf")
      .File("scihunt\\botfiles\\jumbot.cfg", jumbot_cfg)
      .File("scihunt\\botfiles\\hunters.cfg", kJumbotRoster)
      .File("scihunt\\botfiles\\talk.cfg", kScihuntChat)
      .File("scihunt\\arsenals\\kit.txt", "weapon_357\r\nammo_357\r\n");
}

GameTree& DemoGame(GameTree& tree) {
  tree.StandardRegistry().ShippedData().File("hl.exe", "MZ stand-in");
  BuildDemoGameTree(tree.hl_dir(), {});
  BuildDemoAppFiles(tree.app_dir());
  return tree;
}

ModTree::ModTree(std::string_view mod_key, const std::function<void(GameTree&)>& lay_out)
    : store(tree.Store()) {
  lay_out(ValveGame(tree));
  state = tree.State();
  Strict reporter;
  InitLauncher(state, store, LauncherStartupHooks(state, store), reporter);
  state.selected_mod = std::string(mod_key);
}

std::string ModTree::ReadApp(std::string_view name) const {
  return ReadHostFileOr(tree.app_dir() / std::string(name));
}

std::string ShownValue(const std::vector<std::pair<std::string, std::string>>& shown,
                       const std::string& control) {
  for (const auto& [name, value] : shown) {
    if (name == control) return value;
  }
  return "<absent>";
}

namespace {

// A program's command line on the tree, its output and status in files named by `tag`.
std::string TreeCommand(const GameTree& tree, const std::string& program,
                        const std::vector<std::string>& args, const std::string& tag,
                        const std::string& locale = "C.UTF-8") {
  // A terminal of Debian's (UTF-8) unless a test says otherwise, whatever
  // locale the test runner has.
  std::string command = "LC_ALL=" + Quoted(locale) + " HOME=" + Quoted(tree.home().string()) +
                        " XDG_CONFIG_HOME=" + Quoted(tree.config_home().string()) +
                        " XDG_DATA_HOME=" + Quoted((tree.root() / "share").string()) +
                        " WINEPREFIX=" + Quoted(tree.wine_prefix().string()) + " " +
                        Quoted(program);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  return command + " >" + Quoted((tree.root() / (tag + ".out")).string()) + " 2>" +
         Quoted((tree.root() / (tag + ".err")).string()) + " </dev/null";
}

CtlRun Outcome(const GameTree& tree, const std::string& tag, int status) {
  return {status, ReadHostFileOr((tree.root() / (tag + ".out")).string()),
          ReadHostFileOr((tree.root() / (tag + ".err")).string())};
}

}  // namespace

CtlRun RunInTree(const GameTree& tree, const std::string& program,
                 const std::vector<std::string>& args) {
  const int status = std::system(TreeCommand(tree, program, args, "run").c_str());
  return Outcome(tree, "run", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

CtlRun RunCtl(const GameTree& tree, const std::vector<std::string>& args) {
  return RunInTree(tree, ORVANE_CTL_EXE, args);
}

CtlRun RunCtlInLocale(const GameTree& tree, const std::string& locale,
                      const std::vector<std::string>& args) {
  const int status = std::system(TreeCommand(tree, ORVANE_CTL_EXE, args, "run", locale).c_str());
  return Outcome(tree, "run", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

std::vector<CtlRun> RunCtlTogether(const GameTree& tree,
                                   const std::vector<std::vector<std::string>>& runs) {
  std::string script;
  for (size_t i = 0; i < runs.size(); ++i) {
    const std::string tag = "ctl" + std::to_string(i);
    script += "(" + TreeCommand(tree, ORVANE_CTL_EXE, runs[i], tag) + "; echo $? >" +
              Quoted((tree.root() / (tag + ".status")).string()) + ") & ";
  }
  script += "wait";
  std::system(script.c_str());
  std::vector<CtlRun> outcomes;
  for (size_t i = 0; i < runs.size(); ++i) {
    const std::string tag = "ctl" + std::to_string(i);
    const std::string status = ReadHostFileOr((tree.root() / (tag + ".status")).string());
    outcomes.push_back(Outcome(tree, tag, status.empty() ? -1 : std::atoi(status.c_str())));
  }
  return outcomes;
}

FileSizeLimit::FileSizeLimit(unsigned long bytes) {
  std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  before_ = limit.rlim_cur;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = before_;
  setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace orvane::test
