#include "services/ServerFiles.h"

#include <map>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/CfgKeyTable.h"
#include "services/Converters.h"

namespace orvane {
namespace {

std::string_view StripOneQuotePair(std::string_view s) {
  if (!s.empty() && s.front() == '"') s.remove_prefix(1);
  if (!s.empty() && s.back() == '"') s.remove_suffix(1);
  return s;
}

bool IsNumber(std::string_view s) {
  size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  size_t digits = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) ++digits;
  if (i < s.size() && s[i] == '.') {
    for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) ++digits;
  }
  return digits > 0 && i == s.size();
}

}  // namespace

CfgPair SplitCfgLine(std::string_view line, bool cut_value_at_dot) {
  if (Contains(line, "/") && !Contains(line, "sh_weapfileloc"))
    line = line.substr(0, line.find('/'));
  line = Trim(line);
  size_t split = line.find('\t');
  if (split == std::string_view::npos) split = line.find(' ');
  if (split == std::string_view::npos) split = 0;
  std::string_view key = Trim(line.substr(0, split));
  std::string_view value = Trim(line.substr(split));
  CfgPair pair{std::string(StripOneQuotePair(key)), std::string(StripOneQuotePair(value))};
  if (cut_value_at_dot) pair.value = pair.value.substr(0, pair.value.find('.'));
  return pair;
}

std::vector<std::string> ReadCfgLines(std::string_view path) {
  std::vector<std::string> lines = ReadLines(path);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() > kMaxCfgLine) {
      throw FileError(std::string(path), static_cast<int>(i + 1),
                      "the line is longer than " + std::to_string(kMaxCfgLine) + " characters");
    }
  }
  return lines;
}

std::string FormatCfgLine(std::string_view name, std::string_view value) {
  return "\"" + std::string(name) + "\"\t\t\"" + std::string(value) + "\"";
}

std::string CfgReal(std::string_view integer_text, int zeros) {
  return std::string(integer_text) + "." + std::string(static_cast<size_t>(zeros), '0');
}

int CfgWholeNumber(std::string_view text, std::string_view file, int line, std::string_view what) {
  const std::string_view trimmed = Trim(text);
  if (const std::optional<int> value = ParseDecimalInt(trimmed)) return *value;
  throw FileError(std::string(file), line,
                  "expected a whole number for " + std::string(what) + ", found \"" +
                      std::string(trimmed) + "\"");
}

std::string CfgLimitText(std::string_view value, std::string_view file, int line,
                         std::string_view key) {
  if (!IsNumber(value)) {
    throw FileError(
        std::string(file), line,
        "expected a number for " + std::string(key) + ", found \"" + std::string(value) + "\"");
  }
  return std::string(value.substr(0, value.find('.')));
}

std::string TeamListText(const std::array<std::string, 10>& teams) {
  std::string text = teams[0];
  for (size_t i = 1; i < teams.size(); ++i) {
    if (!teams[i].empty()) text += ";" + teams[i];
  }
  return text;
}

namespace {

using Standard = StandardGameCfg;

const std::vector<CfgKey<Standard>>& StandardKeys() {
  static const std::vector<CfgKey<Standard>> kKeys = {
      {"mp_teamlist", TeamListRule<Standard>()},
      {"mp_fraglimit", &Standard::fraglimit},
      {"mp_timelimit", &Standard::timelimit},
      {"mp_falldamage", &Standard::fall_realistic, CfgKeyKind::kOnlyOneIsOn},
      {"mp_teamplay", &Standard::teamplay},
      {"mp_friendlyfire", &Standard::friendlyfire},
      {"mp_weaponstay", &Standard::weaponstay},
      {"mp_forcerespawn", &Standard::forcerespawn},
      {"mp_footsteps", &Standard::footsteps},
      {"mp_flashlight", &Standard::flashlight},
      {"mp_autocrosshair", &Standard::autocrosshair},
      {"sv_sendvelocity", "0"},
  };
  return kKeys;
}

}  // namespace

std::vector<std::string> StandardGameCfgLines(const StandardGameCfg& cfg) {
  return CfgKeyLines(StandardKeys(), cfg);
}

void WriteStandardGameCfg(std::string_view path, const StandardGameCfg& cfg) {
  WriteLines(path, StandardGameCfgLines(cfg));
}

bool ReadStandardGameCfg(std::string_view path, StandardGameCfg& cfg) {
  if (!FileExists(path)) return false;
  ParseStandardGameCfg(ReadCfgLines(path), path, cfg);
  return true;
}

void ParseStandardGameCfg(const std::vector<std::string>& lines, std::string_view path,
                          StandardGameCfg& cfg) {
  ParseCfgKeys(StandardKeys(), lines, path, cfg);
}

const std::vector<std::string_view>& ListenServerNames(std::string_view mod_key) {
  static const std::map<std::string_view, std::vector<std::string_view>> kNames = {
      {"Botman",
       {"maxplayers", "mp_teamlist", "mp_timelimit", "mp_fraglimit", "mp_teamplay", "mp_footsteps",
        "mp_falldamage", "mp_friendlyfire", "mp_weaponstay", "mp_forcerespawn", "mp_flashlight",
        "mp_autocrosshair", "sv_sendvelocity"}},
      {"Action",
       {"maxplayers", "mp_bots", "mp_gametype", "mp_lives", "mp_timelimit", "mp_fraglimit",
        "mp_roundtimelimit", "mp_footsteps", "mp_falldamage", "mp_friendlyfire", "mp_weaponstay",
        "mp_forcerespawn", "mp_flashlight", "mp_autocrosshair", "mp_teamkills", "mp_tkdeal",
        "sv_sendvelocity"}},
      {"Firebot",
       {"maxplayers", "mp_teamlist", "mp_timelimit", "mp_fraglimit", "mp_teamplay", "mp_footsteps",
        "mp_falldamage", "mp_friendlyfire", "mp_weaponstay", "mp_forcerespawn", "mp_flashlight",
        "mp_autocrosshair", "mp_blood", "mp_shells", "mp_bulletholes", "sv_useskills",
        "sv_sendvelocity"}},
      {"CStrike",
       {"maxplayers", "mp_timelimit", "mp_roundtime", "mp_freezetime", "mp_maxrounds",
        "mp_hostagepenalty", "mp_limitteams", "mp_autokick", "mp_friendlyfire", "mp_chasecam",
        "mp_footsteps", "mp_flashlight", "mp_c4timer", "mp_friendly_grenade_damage",
        "mp_autoteambalance", "sv_sendvelocity"}},
      {"TFC",
       {"maxplayers", "mp_timelimit", "mp_fraglimit", "mp_teamplay", "mp_footsteps",
        "sv_sendvelocity", "tfc_balance_teams", "tfc_birthday"}},
      {"Frontline",
       {"maxplayers", "mp_timelimit", "mp_roundlimit", "mp_friendlyfire", "mp_footsteps",
        "sv_sendvelocity", "mp_flashlight", "mp_teamchange", "mp_autoteambalance",
        "mp_forcebalance"}},
  };
  static const std::vector<std::string_view> kNone;
  const auto it = kNames.find(mod_key);
  return it == kNames.end() ? kNone : it->second;
}

std::string NeutraliseListenServerText(std::string_view bytes,
                                       const std::vector<std::string_view>& names) {
  std::string out;
  out.reserve(bytes.size() + 64);
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(start, end - start);
    // Each line keeps its own ending: CR LF, LF or a lone CR.
    size_t next = end;
    if (next < bytes.size()) {
      if (bytes[next++] == '\r' && next < bytes.size() && bytes[next] == '\n') ++next;
    }
    if (line.substr(0, 2) != "//") {
      for (std::string_view name : names) {
        if (Contains(line, name)) {
          out += "//";
          break;
        }
      }
    }
    out.append(bytes.substr(start, next - start));
    start = next;
  }
  return out;
}

void NeutraliseListenServer(std::string_view path, const std::vector<std::string_view>& names) {
  FileBatch batch;
  NeutraliseListenServer(batch, path, names);
  batch.Commit();
}

void NeutraliseListenServer(FileBatch& batch, std::string_view path,
                            const std::vector<std::string_view>& names) {
  // The lines are commented out of whatever the file holds when written, so
  // nothing anyone else put there is lost: a plan need not watch it.
  if (batch.paths_only() || !FileExists(path)) return;
  const std::string before = ReadFileBytes(path);
  std::string after = NeutraliseListenServerText(before, names);
  if (after != before) batch.Put(std::string(path), std::move(after));
}

void NeutraliseServerConfigs(FileBatch& batch, std::string_view mod_dir,
                             const std::vector<std::string_view>& names) {
  for (const char* file : {"\\listenserver.cfg", "\\server.cfg"}) {
    NeutraliseListenServer(batch, std::string(mod_dir) + file, names);
  }
}

}  // namespace orvane
