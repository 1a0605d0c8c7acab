#include "gui/editors/TfcWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "app/Wiring.h"
#include "core/Launch.h"
#include "core/LauncherSettings.h"
#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {
namespace {

struct TfcTree : ModTree {
  TfcTree()
      : ModTree("TFC", [](GameTree& game) {
          game.File("tfc\\dlls\\abot.dll")
              .File("tfc\\dlls\\hpb_bot.dll")
              .File("tfc\\maps\\2fort.bsp")
              .File("tfc\\maps\\2fort.abw")
              .File("tfc\\abot_chat.txt", "[KILLED]\r\n")
              .File("tfc\\mapcycle.txt", "2fort\r\n");
        }) {}
};

void Open(TfcWindow& window) {
  window.show();
  QTRY_VERIFY(window.loaded());
  QTest::qWait(1);
}

}  // namespace

class TfcWindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void AbotThenHpbBot() {
    TfcTree t;
    SelectMod(t.state, "TFC");
    QVERIFY(ChooseBot(t.state, "HPB Bot"));
    {
      TfcWindow hpb(t.state, nullptr);
      Open(hpb);
      QCOMPARE(hpb.windowTitle(), QStringLiteral("Team Fortress Classic - HPB Bot"));
      QVERIFY(Find<QCheckBox>(hpb, "TF_team_even")->isHidden());
      QVERIFY(Find<QGroupBox>(hpb, "GB_Abot")->isHidden());
      QVERIFY(Find<QCheckBox>(hpb, "TF_addmap")->isHidden());
      QCOMPARE(Find<QTabWidget>(hpb, "PC_TFC")->count(), 4);
    }
    QVERIFY(ChooseBot(t.state, "Abot"));
    TfcWindow abot(t.state, nullptr);
    ModalAnswerer answerer;
    Open(abot);
    QVERIFY(!Find<QCheckBox>(abot, "TF_team_even")->isHidden());
    QVERIFY(!Find<QGroupBox>(abot, "GB_Abot")->isHidden());
    // The default skill alone is a change to save, as every other option.
    QVERIFY(!abot.modified());
    Find<QSlider>(abot, "TF_defskill")->setValue(3);
    QVERIFY(abot.modified());
    QVERIFY(!Find<QCheckBox>(abot, "TF_addmap")->isHidden());
    QCOMPARE(Items(Find<QListWidget>(abot, "TF_MapDispo")), QStringList{"2fort *"});
    QCOMPARE(Find<QLabel>(abot, "Label84")->text(), QStringLiteral("Available maps for Abot"));
    auto* damage = Find<QComboBox>(abot, "TeamPlay_2");
    damage->setCurrentIndex(2);  // None, as the player picks it
    emit damage->activated(2);
    Find<QCheckBox>(abot, "TF_addmap")->click();
    Find<QToolButton>(abot, "TF_SBCreeBot")->click();
    Find<QToolButton>(abot, "TF_SBCreeBot")->click();
    QVERIFY(Find<QToolButton>(abot, "BM_SBUpBot") != nullptr);
    Find<QRadioButton>(abot, "TF_TeamBlue")->click();
    auto* model = Find<QComboBox>(abot, "TF_botmodel");
    QCOMPARE(model->count(), 10);
    for (int i = 0; i < 9; ++i) Find<QToolButton>(abot, "TF_NextMod")->click();
    QCOMPARE(model->currentText(), QStringLiteral("<Random Class>"));
    Find<QPushButton>(abot, "BApplyConf")->click();
    QCOMPARE(answerer.texts().join(QStringLiteral(" / ")), QString());
    QVERIFY(!abot.isVisible());
    QCOMPARE(t.Read("tfc\\game.cfg").substr(0, 20), std::string("\"mp_teamplay\"\t\t\"5\"\r\n"));
    QVERIFY(t.ReadApp("TF_Bots.ini").find("[Bot 2]\r\nnom=NewBot\r\nteam=1\r\nmodele=10\r\n") !=
            std::string::npos);
    const LaunchResult launched = LaunchSelectedMod(t.state, LauncherLaunchHooks(), nullptr);
    QCOMPARE(launched.outcome, LaunchResult::kWritten);
    QVERIFY(t.Read("tfc\\abot.cfg").find("addbot 1 10 NewBot 0") != std::string::npos);
    QCOMPARE(t.Read("tfc\\maps\\2fort.bot"), std::string("exec abot.cfg\r\n"));
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::TfcWindowTest)
#include "TfcWindowTest.moc"
