#include "gui/editors/CstrikeWindow.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include "editors/CstrikeSettings.h"
#include "gui/MapsPage.h"
#include "gui/widgets/GameText.h"

namespace orvane {
namespace {

constexpr const char* kBandTitles[] = {"    0 - 19",  "    20 - 39", "    40 - 59",
                                       "    60 - 79", "    80 - 99", "    100"};
constexpr const char* kParamTitles[] = {" Min Delay",      " Max Delay",    " Min Turn Speed",
                                        " Max Turn Speed", " Aim Offset X", " Aim Offset Y",
                                        " Aim Offset Z",   " Headshot %"};

}  // namespace

CstrikeWindow::CstrikeWindow(LauncherState& state, QWidget* parent)
    : TeamBotForm(state, std::make_unique<CstrikeSettings>(state, state.bot_choice.text),
                  "Counter Strike", parent) {
  CstrikeSettings& doc = document();

  QWidget* game = AddPage("Game", QStringLiteral("Game"));
  const std::vector<QWidget*> game_columns = AddColumns(game, 2);
  BuildOptions(game_columns[0], doc.game);
  BuildOptions(game_columns[1], doc.version);
  BuildOptions(game_columns[1], doc.misc);
  for (QWidget* column : game_columns) qobject_cast<QBoxLayout*>(column->layout())->addStretch();

  QWidget* maps = AddPage("Maps", QStringLiteral("Maps"));
  BuildTeamMapsPage(maps);
  BuildOptions(maps, doc.waypoints);

  QWidget* bots = AddPage("Bots", QStringLiteral("Bots"));
  BuildRoster(bots, &doc.skills);
  ColourTeams({{"CS_BotT", "#b22222"}, {"CS_BotCT", "#1f4e9c"}});
  BuildChatPage(doc.add_on().percent_s_chat ? "%s  can be used to insert the player's name"
                                            : "%n  can be used to insert the player's name.");
  if (doc.HasAiPage()) {
    QWidget* ai = AddPage("AI", QStringLiteral("A.I."));
    AddNote(ai, "Label85",
            "the following parameters are used only\rif the map have no waypoints :");
    BuildOptions(ai, doc.ai);
    qobject_cast<QBoxLayout*>(ai->layout())->addStretch();
  }
  if (doc.HasSkillsPage()) {
    QWidget* page = AddPage("Skill", QStringLiteral("Skills"));
    QStringList bands;
    for (const char* title : kBandTitles) bands << QString::fromLatin1(title);
    QStringList params;
    for (const char* title : kParamTitles) params << QString::fromLatin1(title);
    // The grid shows a band per column; the table keeps a band per row.
    BuildGrid(
        page, QStringLiteral("CS_Skills"), bands, params, 70,
        [this](size_t param, size_t band) -> std::string& { return document().pod[band][param]; });
  }
}

}  // namespace orvane
