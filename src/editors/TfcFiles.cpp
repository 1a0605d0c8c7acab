#include "editors/TfcFiles.h"

#include "platform/StringUtil.h"
#include "services/CfgKeyTable.h"

namespace orvane {
namespace {

const std::vector<CfgKey<TfcConfig>>& GameKeys() {
  static const std::vector<CfgKey<TfcConfig>> kKeys = {
      {"mp_fraglimit", &TfcConfig::fraglimit},        {"mp_timelimit", &TfcConfig::timelimit},
      {"tfc_respawndelay", &TfcConfig::respawndelay}, {"mp_footsteps", &TfcConfig::footsteps},
      {"tfc_balance_teams", &TfcConfig::balance},     {"tfc_birthday", &TfcConfig::birthday},
  };
  return kKeys;
}

}  // namespace

int TeamDamageCode(const TfcConfig& cfg) {
  return 1 + 2 * cfg.damage_2 + 8 * cfg.damage_8 + 128 * cfg.damage_128 + 512 * cfg.damage_512;
}

std::vector<std::string> TfcGameCfgLines(const TfcConfig& cfg, bool abot) {
  std::vector<std::string> lines = {
      FormatCfgLine("mp_teamplay", std::to_string(TeamDamageCode(cfg)))};
  for (std::string& line : CfgKeyLines(GameKeys(), cfg)) lines.push_back(std::move(line));
  if (abot) {
    // Abot reads "team_even" the other way round: 0 keeps the teams even.
    lines.push_back(FormatCfgLine("team_even", cfg.team_even ? "0" : "1"));
    lines.push_back(FormatCfgLine("botshoot", BoolToOneZero(cfg.botdontshoot)));
    lines.push_back(FormatCfgLine("bottarget", BoolToOneZero(cfg.bottarget)));
    lines.push_back(FormatCfgLine("skilllevel", std::to_string(cfg.default_skill - 1)));
    lines.push_back(FormatCfgLine("gameplay", std::to_string(cfg.gameplay)));
    lines.push_back(FormatCfgLine("addmap", cfg.addmap ? "2" : "1"));
  }
  lines.push_back(FormatCfgLine("sv_sendvelocity", "0"));
  return lines;
}

void ParseTfcGameCfg(const std::vector<std::string>& lines, std::string_view path, TfcConfig& cfg) {
  TfcConfig read = cfg;
  for (size_t i = 0; i < lines.size(); ++i) {
    const CfgPair pair = SplitCfgLine(lines[i]);
    const int line_no = static_cast<int>(i + 1);
    if (ReadCfgKey(GameKeys(), pair, path, line_no, read)) continue;
    if (pair.key == "team_even") {
      read.team_even = pair.value != "1";
    } else if (pair.key == "bottarget") {
      read.bottarget = YesOrOne(pair.value);
    } else if (pair.key == "gameplay") {
      read.gameplay = CfgWholeNumber(pair.value, path, line_no, pair.key);
    }
  }
  cfg = read;
}

}  // namespace orvane
