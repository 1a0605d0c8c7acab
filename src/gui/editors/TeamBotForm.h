// The window shape of Counter-Strike, TFC and Front Line Force: a view of a
// bot-catalogue document, captioned with the chosen bot, whose maps page
// names the bot and marks its maps, whose team buttons wear the teams'
// colours and whose chat page shows the bot's chat file.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editors/TeamBotSettings.h"
#include "gui/BotEditorForm.h"

namespace orvane {

class TeamBotForm : public BotEditorForm {
  Q_OBJECT

 public:
  TeamBotForm(LauncherState& state, std::unique_ptr<TeamBotSettings> settings,
              const std::string& caption, QWidget* parent);

  TeamBotSettings& team_document() { return static_cast<TeamBotSettings&>(settings()); }

 protected:
  // "Available maps for " + the bot, the maps, the legend and, when the bot
  // has map configuration files, "Edit config". Returns the row under the
  // legend for more controls.
  QWidget* BuildTeamMapsPage(QWidget* page);
  // Team radio buttons (by object name) in white on their colour.
  void ColourTeams(const std::vector<std::pair<const char*, const char*>>& colours);
  // The chat page with its note, when the bot has a chat file.
  void BuildChatPage(const std::string& note);
};

}  // namespace orvane
