#include "gui/editors/TeamBotForm.h"

#include <QBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "gui/MapsPage.h"
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
  auto* below = new QWidget(page);
  auto* below_layout = new QHBoxLayout(below);
  below_layout->setContentsMargins(0, 0, 0, 0);
  QLabel* legend = AddNote(below, nullptr, doc.MapLegend());
  legend->setObjectName(ControlName("MapLabel"));
  QFont bold = legend->font();
  bold.setBold(true);
  legend->setFont(bold);
  below_layout->addStretch();
  if (!doc.profile().map_config_ext.empty()) {
    auto* edit_cfg = new QToolButton(below);
    edit_cfg->setObjectName(ControlName("BEditCfg"));
    edit_cfg->setText(QStringLiteral("Edit config"));
    edit_cfg->setToolTip(QStringLiteral("Edit the configuration file for this map"));
    below_layout->addWidget(edit_cfg);
    connect(edit_cfg, &QToolButton::clicked, this, [this] {
      EditMapConfig(maps_->SelectedAvailable(), team_document().ModDirectory() + "\\maps\\",
                    team_document().profile().map_config_ext);
    });
  }
  page->layout()->addWidget(below);
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
