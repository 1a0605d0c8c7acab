// The bot settings file of Counter-Strike, TFC and Front Line Force
// (CS_Bots.ini, TF_Bots.ini, FL_Bots.ini): one [Default] section of options
// and the roster as sections "Bot 1" .. "Bot N", shared by every bot add-on
// of the mod. Each bot reads and writes the skill keys of its own scale
// ("skill5", "skill100"), so bots of other scales keep theirs.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/BotProfile.h"
#include "platform/ProfileFile.h"
#include "services/BotEntry.h"
#include "services/EditorSettings.h"

namespace orvane {

// What a roster entry may hold: a model from model_lo to model_hi, the
// skill on the bot's scale 0..max_skill.
struct RosterKeys {
  int max_skill = 5;
  int model_lo = 0;
  int model_hi = 4;
  int model_default = 0;
};

// [Default] "numbot", at most kMaxRosterBots (a message says when cut).
int BotsIniCount(const ProfileIndex& ini, std::string_view path, Messages& messages);
// The roster sections. A team, model or skill that is not a whole number in
// its range is a message naming the file, section and key, and that field
// keeps its default; a skill above the top is the top.
std::vector<BotEntry> ReadBotsIniRoster(const ProfileIndex& ini, std::string_view path,
                                        const RosterKeys& keys, Messages& messages);
// The roster sections, as profile writes.
void AddBotsIniRoster(std::vector<ProfileWrite>& writes, const std::vector<BotEntry>& roster,
                      std::string_view max_skill);
// A [Default] number stored by hand: the number, or def with a message
// naming the file and key.
int BotsIniNumber(const ProfileIndex& ini, std::string_view path, std::string_view key, int def,
                  Messages& messages);

// The bot command file written at launch: its head ("# " + the add-bot
// template, the pause line, an empty line) and one add-bot command per
// roster entry of the settings file's text.
std::vector<std::string> BotFileHead(const BotProfile& profile, std::string_view pause);
// How an add-on spells a roster entry's fields in its command; an empty
// function leaves the stored text as it is.
struct RosterWords {
  std::function<std::string(std::string)> team, model, name, skill;
};
void AddBotCommandLines(std::vector<std::string>& lines, const ProfileIndex& ini,
                        const BotProfile& profile, const RosterWords& words = {});

// TF_Bots.ini's and FL_Bots.ini's [Default] options.
struct TeamBotOptions {
  int default_skill = 1;  // "skill" + the bot's top skill
  bool botdontshoot = false;
  bool addmap = false;         // TFC: execute the maps' config files
  bool dodge_bullets = false;  // Front Line Force's AgroBot
};
struct TeamBotsIni {
  TeamBotOptions options;
  std::vector<BotEntry> roster;  // Param1 the team, Model the class's position + 1
};
// A missing key reads as its check box off; the default skill as the
// options' own (the reader is given them).
TeamBotsIni ReadTeamBotsIni(std::string_view text, std::string_view path, const RosterKeys& keys,
                            const TeamBotOptions& before, Messages& messages);
// [Default] in order: numbot, the skill, botdontshoot, then own_key
// ("addmap" for TFC, "dodge_bullets" for Front Line Force); then the roster.
void PutTeamBotsIni(FileBatch& batch, const std::string& path, const TeamBotOptions& options,
                    const std::vector<BotEntry>& roster, std::string_view max_skill,
                    std::string_view own_key);

}  // namespace orvane
