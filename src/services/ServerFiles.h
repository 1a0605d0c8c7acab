// The game's server files: the key/value rule of every configuration-line
// reader, the standard twelve-line game.cfg, and commenting out the lines of
// listenserver.cfg that would override what an editor chose.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class FileBatch;

struct CfgPair {
  std::string key;
  std::string value;
};

// Rocket Crowbar also cuts a value at its first ".".
CfgPair SplitCfgLine(std::string_view line, bool cut_value_at_dot = false);

// Lines longer than this in a hand-edited file are refused, naming the line.
inline constexpr size_t kMaxCfgLine = 4096;
// The file's lines; FileError naming the file and line for an over-long one.
std::vector<std::string> ReadCfgLines(std::string_view path);

// "name", two TABs, "value".
std::string FormatCfgLine(std::string_view name, std::string_view value);
// The integer text of a limit as stored: "20" gives "20.00000" (or six zeros).
std::string CfgReal(std::string_view integer_text, int zeros = 5);
// A whole number in a hand-edited file (blanks around it allowed); FileError
// (file, line) naming `what` and the text found otherwise.
int CfgWholeNumber(std::string_view text, std::string_view file, int line, std::string_view what);
// A stored limit's text up to its first "."; FileError (file, line) unless it is a number.
std::string CfgLimitText(std::string_view value, std::string_view file, int line,
                         std::string_view key);

// The standard set of Botman, Jumbot and Phineas.
struct StandardGameCfg {
  std::array<std::string, 10> teams;  // the team rows' texts
  std::string team_text;              // as read: applied to the rows by the window
  int fraglimit = 0;
  int timelimit = 0;
  bool fall_realistic = false;
  bool teamplay = false;
  bool friendlyfire = false;
  bool weaponstay = false;
  bool forcerespawn = false;
  bool footsteps = true;
  bool flashlight = true;
  bool autocrosshair = true;
};

// Row 1's text, then ";" and each later non-empty row.
std::string TeamListText(const std::array<std::string, 10>& teams);
std::vector<std::string> StandardGameCfgLines(const StandardGameCfg& cfg);
void WriteStandardGameCfg(std::string_view path, const StandardGameCfg& cfg);
// Applies the lines of the file to cfg; false (cfg unchanged) when it is missing.
bool ReadStandardGameCfg(std::string_view path, StandardGameCfg& cfg);
// The same on lines read; a FileError names path and line, and cfg is then unchanged.
void ParseStandardGameCfg(const std::vector<std::string>& lines, std::string_view path,
                          StandardGameCfg& cfg);

// The names whose lines each mod comments out; empty for mods that leave
// listenserver.cfg alone.
const std::vector<std::string_view>& ListenServerNames(std::string_view mod_key);
// "//" before each line (not already commented) holding a name; every other
// byte stays. Pure form and the file form (missing file: nothing happens).
std::string NeutraliseListenServerText(std::string_view bytes,
                                       const std::vector<std::string_view>& names);
void NeutraliseListenServer(std::string_view path, const std::vector<std::string_view>& names);
void NeutraliseListenServer(FileBatch& batch, std::string_view path,
                            const std::vector<std::string_view>& names);
// Both of mod_dir's server configurations: listenserver.cfg, which a listen
// server runs at each map, and server.cfg, which a dedicated server runs
// once at its start. Either would undo the editor's choices.
void NeutraliseServerConfigs(FileBatch& batch, std::string_view mod_dir,
                             const std::vector<std::string_view>& names);

}  // namespace orvane
