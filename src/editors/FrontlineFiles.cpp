#include "editors/FrontlineFiles.h"

#include "services/CfgKeyTable.h"

namespace orvane {
namespace {

const std::vector<CfgKey<FrontlineConfig>>& GameKeys() {
  static const std::vector<CfgKey<FrontlineConfig>> kKeys = {
      {"mp_timelimit", &FrontlineConfig::timelimit},
      {"mp_roundlimit", &FrontlineConfig::roundlimit},
      {"mp_friendlyfire", &FrontlineConfig::friendlyfire},
      {"mp_footsteps", &FrontlineConfig::footsteps},
      {"mp_flashlight", &FrontlineConfig::flashlight},
      {"mp_autoteambalance", &FrontlineConfig::autoteambalance},
      {"mp_forcebalance", &FrontlineConfig::forcebalance},
      {"mp_teamchange", "1"},
      {"sv_sendvelocity", "0"},
  };
  return kKeys;
}

}  // namespace

std::vector<std::string> FrontlineGameCfgLines(const FrontlineConfig& cfg) {
  return CfgKeyLines(GameKeys(), cfg);
}

void ParseFrontlineGameCfg(const std::vector<std::string>& lines, std::string_view path,
                           FrontlineConfig& cfg) {
  ParseCfgKeys(GameKeys(), lines, path, cfg);
}

std::vector<ScrBlock> FrontlineScrBlocks(const FrontlineConfig& cfg) {
  const char* kNoLimit = "-1.000000";
  return {
      NumberBlock("mp_roundlimit", "Round Limit", kNoLimit, std::to_string(cfg.roundlimit)),
      BoolBlock("mp_autoteambalance", "Auto Team Balance", cfg.autoteambalance),
      BoolBlock("mp_forcebalance",
                "Force Team Balance (Players can't change to teams with more players)",
                cfg.forcebalance),
      BoolBlock("mp_teamchange", "Team Changes after Warm Up Time", true),
      NumberBlock("mp_timelimit", "Time Limit (Min.)", kNoLimit, std::to_string(cfg.timelimit)),
      BoolBlock("mp_friendlyfire", "Friendly Fire", cfg.friendlyfire),
      BoolBlock("mp_footsteps", "Footsteps", cfg.footsteps),
      BoolBlock("mp_flashlight", "Flashlight", cfg.flashlight),
      BoolBlock("mp_allowspects", "Allow Spectators", false),
      BoolBlock("mp_spectchat", "Spectators Open Chat", false),
      BoolBlock("sv_sendvelocity", "Low ping server physics", false),
  };
}

}  // namespace orvane
