#include "editors/TeamBotSettings.h"

#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "services/Converters.h"
#include "services/MapLists.h"

namespace orvane {

TeamBotSettings::TeamBotSettings(LauncherState& state, TeamBotMod mod, std::string chosen_bot)
    : EditorSettings(state, mod.key),
      team_mod_(std::move(mod)),
      bot_(std::move(chosen_bot)),
      profile_(
          ReadBotProfile(state.app_path + "\\" + team_mod_.catalogue, bot_, profile_messages_)),
      waypoint_dir_(profile_.waypoint_dir) {}

std::string TeamBotSettings::MapLegend() const {
  std::string legend;
  if (!profile_.opt_waypoint_ext.empty()) legend += "* Waypoints\r\n";
  if (!profile_.map_config_ext.empty()) legend += "+ Self config";
  return legend;
}

std::string TeamBotSettings::PictureName() const {
  const BotEntry* entry = CurrentBot();
  return entry != nullptr ? entry->param1 + "_" + entry->model : std::string();
}

std::string TeamBotSettings::ModelCaption() const {
  return team_mod_.classes.empty() ? "Model" : "Class";
}

std::string TeamBotSettings::BotsIniPath() const {
  return state().app_path + "\\" + team_mod_.bots_ini;
}

RosterKeys TeamBotSettings::Keys() const {
  if (team_mod_.classes.empty()) return {profile_.MaxSkill(), 0, 4, 0};
  return {profile_.MaxSkill(), 1, static_cast<int>(team_mod_.classes.size()), 1};
}

void TeamBotSettings::AddTeamRoster() {
  AddRoster(
      {
          {RadioRow(Controls(team_mod_.team_names), team_mod_.team_captions, "", -1,
                    "The bot's team"),
           &BotEntry::param1},
          {SliderRow(Control("Botskill"), "Skill", "", 0, profile_.MaxSkill(), 0,
                     "0 uses the bots' default skill",
                     profile_.skill0_worst ? "Default|Bad|Medium|Good" : "Default|Good|Medium|Bad"),
           &BotEntry::skill},
      },
      " \"", true);
  if (HasChatPage()) chat_page = AddTextPage(Control("chatkill"));
}

void TeamBotSettings::ProfileMessages(Messages& messages) const {
  messages.insert(messages.end(), profile_messages_.begin(), profile_messages_.end());
}

void TeamBotSettings::ReadCycleAndChat(Messages& messages) {
  ReadPlayListFrom(messages, File("maps"), profile_.waypoint_ext,
                   profile_.waypoint_ext.empty() ? "" : File(waypoint_dir_));
  ReadChat(messages);
}

void TeamBotSettings::ReadChat(Messages& messages) {
  if (!HasChatPage()) return;
  Step(messages, [&] {
    ReadTextPage(text_page(chat_page).lines, ModDirectory() + "\\", profile_.chat_file);
  });
}

void TeamBotSettings::PutChat(FileBatch& batch) const {
  if (HasChatPage()) batch.PutLines(File(profile_.chat_file), text_page(chat_page).lines);
}

BotEntry TeamBotSettings::NewEntry() const {
  return BotEntry{"NewBot", team_mod_.classes.empty() ? "0" : "1", "0", "", "0"};
}

void TeamBotSettings::RandomizeEntry(BotEntry& entry, std::mt19937& draw) const {
  const RosterKeys keys = Keys();
  entry.model = std::to_string(PickRandom(keys.model_lo, keys.model_hi, draw));
  entry.skill = std::to_string(PickRandom(1, profile_.MaxSkill(), draw));
  entry.param1 = std::to_string(PickRandom(0, 2, draw));
  entry.param2.clear();
}

std::vector<std::string> TeamBotSettings::AvailableMaps() const {
  const std::string wp = File(waypoint_dir_);
  return MarkedMaps(File("maps"), {wp, profile_.waypoint_ext}, {wp, profile_.opt_waypoint_ext},
                    {wp, profile_.map_config_ext}, LoadListings());
}

std::vector<std::string> TeamBotSettings::ModelItems(const BotEntry* entry) const {
  return entry != nullptr ? team_mod_.classes : std::vector<std::string>();
}

int TeamBotSettings::ModelPosition(const BotEntry& entry, const std::vector<std::string>&) const {
  const int model = ParseDecimalInt(entry.model).value_or(-1);
  return team_mod_.classes.empty() ? model : model - 1;
}

}  // namespace orvane
