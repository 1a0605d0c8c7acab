#include "gui/editors/CstrikeWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include "app/Wiring.h"
#include "core/Launch.h"
#include "core/LauncherSettings.h"
#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {
namespace {

struct CstrikeTree : ModTree {
  CstrikeTree()
      : ModTree("CStrike", [](GameTree& game) {
          game.File("cstrike\\PODBot\\podbot.dll")
              .Metamod("cstrike")
              .File("realbot\\dll\\realbot_mm.dll")
              .File("cstrike\\maps\\cs_assault.bsp")
              .File("cstrike\\maps\\de_dust.bsp")
              .File("cstrike\\PODBot\\wptcs10\\de_dust.pwf")
              .File("realbot\\data\\cstrike\\maps\\cs_assault.rbn")
              .File("realbot\\data\\cstrike\\chat.ini", "[BLOCK]\r\n")
              .File("cstrike\\mapcycle.txt", "de_dust\r\n")
              // YaPB as its instructions lay it out, a graph for one map.
              .File("cstrike\\addons\\yapb\\bin\\yapb.dll")
              .File("cstrike\\addons\\yapb\\conf\\yapb.cfg", "yb_quota \"9\"\r\n")
              .File("cstrike\\addons\\yapb\\conf\\lang\\en_chat.cfg", "[KILLED]\r\n")
              .File("cstrike\\addons\\yapb\\data\\graph\\cs_assault.graph");
        }) {}
};

QStringList Tabs(QWidget& window) {
  auto* pages = Find<QTabWidget>(window, "PC_CStrike");
  QStringList captions;
  for (int i = 0; i < pages->count(); ++i) captions << pages->tabText(i);
  return captions;
}

void Open(CstrikeWindow& window) {
  window.show();
  QTRY_VERIFY(window.loaded());
  QTest::qWait(1);
}

}  // namespace

class CstrikeWindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void YapbsWindow() {
    CstrikeTree t;
    SelectMod(t.state, "CStrike");
    QVERIFY(ChooseBot(t.state, "YaPB"));
    CstrikeWindow yapb(t.state, nullptr);
    ModalAnswerer answerer;
    Open(yapb);
    QCOMPARE(yapb.windowTitle(), QStringLiteral("Counter Strike - YaPB"));
    QCOMPARE(Tabs(yapb), (QStringList{"Game", "Maps", "Bots", "Bots Chat"}));
    // Its options: knife mode, chat, the team the bots join; none of the others.
    for (const char* shown : {"CS_knifeonly", "CS_botchat", "CS_jointeam"})
      QVERIFY2(Find<QWidget>(yapb, shown)->isVisibleTo(&yapb), shown);
    for (const char* hidden : {"CS_pistolonly", "CS_detailnames", "CS_Navigation", "WayDir"})
      QVERIFY2(!Find<QWidget>(yapb, hidden)->isVisibleTo(&yapb), hidden);
    QCOMPARE(Find<QComboBox>(yapb, "CS_jointeam")->itemText(2),
             QStringLiteral("Counter-Terrorists"));
    // Difficulty 0 (newbie) to 4 (godlike); every map playable, a graph marked.
    QCOMPARE(Find<QSlider>(yapb, "CS_Botskill")->maximum(), 4);
    QCOMPARE(Items(Find<QListWidget>(yapb, "CS_MapDispo")),
             (QStringList{"cs_assault *", "de_dust "}));
    Find<QComboBox>(yapb, "CS_jointeam")->setCurrentIndex(1);
    Find<QToolButton>(yapb, "CS_SBCreeBot")->click();
    Find<QPushButton>(yapb, "BApplyConf")->click();
    QCOMPARE(answerer.texts().join(QStringLiteral(" / ")), QString());
    QVERIFY(t.ReadApp("CS_Bots.ini").find("\r\njointeam=1\r\n") != std::string::npos);
    // orvanectl shows what the window wrote, for the same bot.
    const CtlRun run = RunCtl(t.tree, {"config", "CStrike", "--bot", "YaPB", "show"});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.find("\nCS_jointeam=Terrorists\n") != std::string::npos, run.out.c_str());
    QVERIFY(run.out.find("\nCS_ListBot=NewBot\n") != std::string::npos);
  }

  void EachBotItsOwnWindow() {
    CstrikeTree t;
    SelectMod(t.state, "CStrike");
    QVERIFY(ChooseBot(t.state, "P.O.D.Bot"));
    {
      CstrikeWindow pod(t.state, nullptr);
      Open(pod);
      QCOMPARE(pod.windowTitle(), QStringLiteral("Counter Strike - P.O.D.Bot"));
      QCOMPARE(Tabs(pod), (QStringList{"Game", "Maps", "Bots", "Bots Chat", "Skills"}));
      QVERIFY(!Find<QCheckBox>(pod, "CS_detailnames")->isHidden());
      QVERIFY(Find<QCheckBox>(pod, "CS_Navigation")->isHidden());
      QVERIFY(Find<QLabel>(pod, "Lab_Botmenu") != nullptr);
      QCOMPARE(Items(Find<QListWidget>(pod, "CS_MapDispo")), QStringList{"de_dust "});
      auto* grid = Find<QTableWidget>(pod, "CS_Skills");
      QCOMPARE(grid->horizontalHeaderItem(5)->text(), QStringLiteral("    100"));
      // A band per column on screen, a band per row in the table.
      QCOMPARE(grid->item(7, 5)->text().toStdString(), pod.document().pod[5][7]);
      grid->item(7, 5)->setText(QStringLiteral("77"));
      QCOMPARE(pod.document().pod[5][7], std::string("77"));
      QVERIFY(pod.modified());
    }
    QVERIFY(ChooseBot(t.state, "RealBot"));
    CstrikeWindow real(t.state, nullptr);
    ModalAnswerer answerer;
    Open(real);
    QCOMPARE(Tabs(real), (QStringList{"Game", "Maps", "Bots", "Bots Chat"}));
    QVERIFY(Find<QCheckBox>(real, "CS_detailnames")->isHidden());
    QVERIFY(!Find<QSlider>(real, "CS_minskill")->isHidden());
    QCOMPARE(Find<QLabel>(real, "Label86")->text(), QStringLiteral("Max Skill"));
    QCOMPARE(Items(Find<QListWidget>(real, "CS_MapDispo")),
             (QStringList{"cs_assault *", "de_dust "}));
    // A bot, its team and model, then Apply and launch.
    Find<QToolButton>(real, "CS_SBCreeBot")->click();
    Find<QRadioButton>(real, "CS_BotCT")->click();
    auto* model = Find<QComboBox>(real, "CS_botmodel");
    QCOMPARE(model->itemText(1), QStringLiteral("US Seal Team 6"));
    Find<QToolButton>(real, "CS_NextMod")->click();
    QCOMPARE(model->currentText(), QStringLiteral("US Seal Team 6"));
    QVERIFY(real.modified());
    Find<QPushButton>(real, "BApplyConf")->click();
    QCOMPARE(answerer.texts().join(QStringLiteral(" / ")), QString());
    QVERIFY(!real.isVisible());
    const std::string ini = t.ReadApp("CS_Bots.ini");
    QVERIFY(ini.find("[Bot 1]\r\nnom=NewBot\r\nteam=2\r\nmodele=1\r\nskill10=0\r\n") !=
            std::string::npos);
    const LaunchResult launched = LaunchSelectedMod(t.state, LauncherLaunchHooks(), nullptr);
    QCOMPARE(launched.outcome, LaunchResult::kWritten);
    QVERIFY(t.Read("realbot\\bot.cfg").find("realbot add 2 0 1 NewBot") != std::string::npos);
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::CstrikeWindowTest)
#include "CstrikeWindowTest.moc"
