// What a launch of Counter-Strike writes for the bot chosen in the main
// window, from the bot catalogue and CS_Bots.ini alone (the editor need not
// have been opened): liblist.gam for the game version, listenserver.cfg with
// the lines that would override the editor's commented out, the bot's
// command file, and Android's lines of game.cfg.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/LauncherState.h"
#include "editors/BotProfile.h"
#include "platform/ProfileFile.h"

namespace orvane {

class FileBatch;

// version: CS_Bots.ini's "version" ("1" for 1.0, else Beta 7.1).
std::vector<std::string> CsLiblistLines(std::string_view version, const BotProfile& profile);

// The bot's command file: the common head, the add-on's own lines (its row
// of CsBotAddOns) and the roster. ini indexes CS_Bots.ini's text ("" when
// missing); dir_exists answers for a directory relative to the cstrike
// directory.
std::vector<std::string> CsBotFileLines(std::string_view bot, const BotProfile& profile,
                                        const ProfileIndex& ini,
                                        const std::function<bool(std::string_view)>& dir_exists);

// game.cfg without its sv_startbots / sv_bot lines, and Android's own when
// Android is the bot.
std::vector<std::string> AndroidGameCfgLines(const std::vector<std::string>& game_cfg, bool android,
                                             const ProfileIndex& ini);

// Every launch-time file of Counter-Strike for bot, into the batch: the
// line that loads it, listenserver.cfg, its command file (or, for an add-on
// whose settings file is its own, that file merged) and game.cfg.
void PutCsLaunchFiles(const LauncherState& state, const std::string& bot, FileBatch& batch);
// The same, written all or nothing; FileError names a file that could not be written.
void WriteCsLaunchFiles(const LauncherState& state, const std::string& bot);

}  // namespace orvane
