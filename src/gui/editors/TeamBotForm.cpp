#include "gui/editors/TeamBotForm.h"

#include <QBoxLayout>
#include <QRadioButton>

#include "gui/widgets/GameText.h"

namespace orvane {

TeamBotForm::TeamBotForm(LauncherState& state, std::unique_ptr<TeamBotSettings> settings,
                         const std::string& caption, QWidget* parent)
    : BotEditorForm(state, std::move(settings), parent) {
  setWindowTitle(FromGame(caption + " - " + team_document().bot()));
}

QWidget* TeamBotForm::BuildTeamMapsPage(QWidget* page) {
  TeamBotSettings& doc = team_document();
  AddNote(page, "Label84", "Available maps for " + doc.bot());
  BuildMapsPage(page);
  QWidget* below = AddMapLegend(page, doc.MapLegend(), doc.ModDirectory() + "\\maps\\",
                                doc.profile().map_config_ext);
  return below;
}

void TeamBotForm::ColourTeams(const std::vector<std::pair<const char*, const char*>>& colours) {
  for (const auto& [name, colour] : colours) {
    if (auto* radio = findChild<QRadioButton*>(QString::fromLatin1(name))) {
      radio->setStyleSheet(QStringLiteral("QRadioButton { background: %1; color: white; }")
                               .arg(QString::fromLatin1(colour)));
    }
  }
}

void TeamBotForm::BuildChatPage(const std::string& note) {
  if (!team_document().HasChatPage()) return;
  QWidget* chat = AddPage("Chat", QStringLiteral("Bots Chat"));
  BuildTextPage(chat, team_document().chat_page);
  AddNote(chat, "Label75", note);
}

}  // namespace orvane
