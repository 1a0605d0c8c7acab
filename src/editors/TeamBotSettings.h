// The shape Counter-Strike, TFC and Front Line Force share: the settings of
// the bot add-on chosen in the main window. The bot's section of the mod's
// catalogue decides its skill scale, waypoint files (and so the maps it can
// play), chat file and map configuration files; the roster lives in the
// mod's <prefix>_Bots.ini with a team and a model or class per bot.
#pragma once

#include <string>
#include <vector>

#include "editors/BotProfile.h"
#include "editors/BotsIni.h"
#include "services/EditorSettings.h"

namespace orvane {

// What differs between the three mods, as data.
struct TeamBotMod {
  const char* key;            // "TFC"
  const char* catalogue;      // "TFC.ini", in AppPath
  const char* bots_ini;       // "TF_Bots.ini", in AppPath
  const char* team_names;     // the team radio buttons, "TeamAuto|TeamBlue|TeamRed"
  const char* team_captions;  // "Auto|Blue|Red"
  // The class drop-down's fixed items, Model their position + 1; empty when
  // the models depend on the team (Counter-Strike: Model the position).
  std::vector<std::string> classes;
};

class TeamBotSettings : public EditorSettings {
  // First: the tables of the derived documents are built from the profile.
  TeamBotMod team_mod_;
  std::string bot_;
  Messages profile_messages_;
  BotProfile profile_;

 public:
  TeamBotSettings(LauncherState& state, TeamBotMod mod, std::string chosen_bot);

  const std::string& bot() const { return bot_; }
  const BotProfile& profile() const { return profile_; }
  bool HasChatPage() const { return !profile_.chat_file.empty(); }
  // "* Waypoints" and "+ Self config" when the bot's maps are marked so.
  std::string MapLegend() const;
  std::string WaypointDir() const { return waypoint_dir_; }
  size_t chat_page = 0;

  std::string PictureName() const override;   // team code + "_" + Model
  std::string ModelCaption() const override;  // "Class" for a class table

 protected:
  std::string BotsIniPath() const;
  RosterKeys Keys() const;
  // The team radio buttons and the skill slider of the bot's scale; the chat
  // page when the bot has a chat file.
  void AddTeamRoster();
  // What reading the bot's catalogue section found wrong.
  void ProfileMessages(Messages& messages) const;
  // The map cycle (a map without the bot's waypoint file is dropped), then
  // the chat file.
  void ReadCycleAndChat(Messages& messages);
  void ReadChat(Messages& messages);
  void PutChat(FileBatch& batch) const;

  BotEntry NewEntry() const override;
  void RandomizeEntry(BotEntry& entry, std::mt19937& draw) const override;
  std::vector<std::string> AvailableMaps() const override;
  std::vector<std::string> ModelItems(const BotEntry* entry) const override;
  int ModelPosition(const BotEntry& entry, const std::vector<std::string>& items) const override;
  bool RandomModelFromCatalogue() const override { return false; }

  std::string waypoint_dir_;  // relative to ModDir
};

}  // namespace orvane
