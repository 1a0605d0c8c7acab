// The launcher's persistent settings: the registry key and KRV.ini, the
// directories derived from HLPath, and the bot catalogues of the three mods
// whose bot add-on is chosen in the main window.
#pragma once

#include <string>
#include <string_view>

#include "core/LauncherState.h"
#include "core/ModTable.h"
#include "platform/RegistryStore.h"

namespace orvane {

inline constexpr std::string_view kLauncherKey = "Software\\Tarrow Inc.\\KRV";
inline constexpr std::string_view kValveKey = "Software\\Valve\\Half-Life";

// Reads the registry values in their fixed order. A value of a non-string
// type stops the reading there (throws FileError); so does a store that
// cannot be read, after the defaults for an unopenable key are applied.
void ReadLauncherSettings(LauncherState& state, RegistryStore& registry);
void SetModDirectories(LauncherState& state);

const ModDirs& DirsOf(const LauncherState& state, std::string_view mod_key);
std::string KrvIniPath(const LauncherState& state);

// One key of a mod's section of KRV.ini ("" when missing); writing with no
// mod (an empty key) does nothing.
std::string ReadModSetting(const LauncherState& state, std::string_view mod_key,
                           std::string_view key);
void WriteModSetting(const LauncherState& state, std::string_view mod_key, std::string_view key,
                     std::string_view value);
// The map the mod's listen server starts on: "First Map", else the mod's default.
std::string GetFirstMap(const LauncherState& state, std::string_view mod_key);

// A key of a bot's section in the mod's bot catalogue; "" when absent.
std::string BotCatalogueValue(const LauncherState& state, std::string_view mod_key,
                              std::string_view bot, std::string_view key);

// Refills state.bot_choice for mod_key from its catalogue, read once: the
// add-ons that can run with the build of Half-Life that will run, and those
// that cannot with why; true when a usable bot was found.
bool LoadBotChoice(LauncherState& state, std::string_view mod_key);

// The mod table's "button shown when" rule; for the catalogue mods this
// refills the bot choice.
bool ModButtonShown(LauncherState& state, const ModInfo& mod);

// Selects a mod as its button does: SelectedMod, and for the mods whose bot
// is chosen in the main window the bot choice refilled.
void SelectMod(LauncherState& state, std::string_view mod_key);

// Chooses a bot as the bot combo box does: an entry of the choice whose name
// matches (exactly, else ignoring case) becomes selected and is stored as
// "Last Bot". False when no entry matches.
bool ChooseBot(LauncherState& state, std::string_view name);

// HLPath\HLExe exists.
bool GameProgramFound(const LauncherState& state);

}  // namespace orvane
