#include "gui/editors/FrontlineWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "app/Wiring.h"
#include "core/Launch.h"
#include "core/LauncherSettings.h"
#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {

class FrontlineWindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void AgroBotConfiguredAndLaunched() {
    ModTree t("Frontline", [](GameTree& game) {
      game.File("frontline\\dlls\\agrobot.dll")
          .File("frontline\\dlls\\hpb_bot.dll")
          .File("frontline\\maps\\flf_lombardi.bsp")
          .File("frontline\\maps\\flf_lombardi.wpt")
          .File("frontline\\mapcycle.txt", "flf_lombardi\r\n");
    });
    SelectMod(t.state, "Frontline");
    QVERIFY(ChooseBot(t.state, "HPB Bot"));
    {
      FrontlineWindow hpb(t.state, nullptr);
      hpb.show();
      QTRY_VERIFY(hpb.loaded());
      QTest::qWait(1);
      QVERIFY(Find<QCheckBox>(hpb, "FL_dodge_bullets")->isHidden());
    }
    QVERIFY(ChooseBot(t.state, "AgroBot"));
    FrontlineWindow agro(t.state, nullptr);
    ModalAnswerer answerer;
    agro.show();
    QTRY_VERIFY(agro.loaded());
    QTest::qWait(1);
    QCOMPARE(agro.windowTitle(), QStringLiteral("Front Line Force - AgroBot"));
    QVERIFY(Find<QCheckBox>(agro, "FL_friendlyfire")->isChecked());
    QVERIFY(!Find<QCheckBox>(agro, "FL_flashlight")->isChecked());
    Find<QCheckBox>(agro, "FL_dodge_bullets")->click();
    Find<QSpinBox>(agro, "FL_roundlimit")->setValue(25);
    Find<QToolButton>(agro, "FL_SBCreeBot")->click();
    Find<QRadioButton>(agro, "FL_TeamRebel")->click();
    QVERIFY(Find<QWidget>(agro, "FL_BEditCfg")->isHidden());  // AgroBot's maps have no configs
    QVERIFY(Find<QToolButton>(agro, "FL_PrevModel")->parent() ==
            Find<QGroupBox>(agro, "GB_BotProp"));
    Find<QToolButton>(agro, "FL_NextModel")->click();
    Find<QToolButton>(agro, "FL_NextModel")->click();
    QCOMPARE(Find<QComboBox>(agro, "FL_botmodel")->currentText(), QStringLiteral("Support"));
    Find<QPushButton>(agro, "BApplyConf")->click();
    QCOMPARE(answerer.texts().join(QStringLiteral(" / ")), QString());
    QVERIFY(t.ReadApp("FL_Bots.ini")
                .find("dodge_bullets=1\r\n\r\n[Bot 1]\r\nnom=NewBot\r\n"
                      "team=1\r\nmodele=3\r\n") != std::string::npos);
    QCOMPARE(LaunchSelectedMod(t.state, LauncherLaunchHooks(), nullptr).outcome,
             LaunchResult::kWritten);
    QVERIFY(t.Read("frontline\\agrobot.cfg").find("dodge_bullets 1\r\naddbot 1 3 NewBot 0") !=
            std::string::npos);
    QVERIFY(t.Read("frontline\\liblist.gam").rfind("// Front Line Force\r\n", 0) == 0);
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::FrontlineWindowTest)
#include "FrontlineWindowTest.moc"
