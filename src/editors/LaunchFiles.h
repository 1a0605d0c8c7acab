// What a launch of TFC or Front Line Force writes for the bot chosen in the
// main window, from the bot catalogue and TF_Bots.ini / FL_Bots.ini alone
// (the editor need not have been opened): liblist.gam, listenserver.cfg
// with the lines that would override the editor's commented out, the bot's
// command file and, for TFC, the maps' own bot files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/LauncherState.h"
#include "editors/BotProfile.h"
#include "platform/ProfileFile.h"

namespace orvane {

class FileBatch;

inline constexpr std::string_view kAbot = "Abot";
inline constexpr std::string_view kHpbBot = "HPB Bot";
inline constexpr std::string_view kAgroBot = "AgroBot";

// The bot's command file, written whole; a release's own file of that name
// keeps a one-time copy before the first launch changes it.
void PutBotCommandFile(const LauncherState& state, FileBatch& batch, const std::string& path,
                       const std::vector<std::string>& lines);

// One liblist.gam line: the key, a blank and the value in double quotes,
// for the whole file a mod without one gets.
std::string LiblistLine(std::string_view key, std::string_view value);

std::vector<std::string> TfcLiblistLines(const BotProfile& profile);
std::vector<std::string> FrontlineLiblistLines(const BotProfile& profile);

// The bot command files; ini indexes the settings file's text ("" when
// missing). Abot's skill is the stored one less one: a stored skill that is
// not a whole number is a FileError naming bots_ini_path and the key.
std::vector<std::string> TfcBotFileLines(std::string_view bot, const BotProfile& profile,
                                         const ProfileIndex& ini, std::string_view bots_ini_path);
std::vector<std::string> FrontlineBotFileLines(std::string_view bot, const BotProfile& profile,
                                               const ProfileIndex& ini);

// A map's bot file made to run Abot's configuration: without its addbot,
// pause and botskill lines, then "exec abot.cfg". nullopt when the file
// already holds that line (it is then left as it is). existing is the
// file's lines, nullopt when there is none.
std::optional<std::vector<std::string>> MapBotFileLines(
    const std::optional<std::vector<std::string>>& existing);

// Every launch-time file of the mod for bot, into the batch.
void PutTfcLaunchFiles(const LauncherState& state, const std::string& bot, FileBatch& batch);
void PutFrontlineLaunchFiles(const LauncherState& state, const std::string& bot, FileBatch& batch);
// The same, written all or nothing; FileError names a file that could not
// be written or read.
void WriteTfcLaunchFiles(const LauncherState& state, const std::string& bot);
void WriteFrontlineLaunchFiles(const LauncherState& state, const std::string& bot);

}  // namespace orvane
