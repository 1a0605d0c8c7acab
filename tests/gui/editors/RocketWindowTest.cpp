#include "gui/editors/RocketWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {

class RocketWindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void CaptureTheFlagAndAPersonality() {
    ModTree t("Rocket", [](GameTree& game) {
      game.File("rockcrowbar\\botdata.txt", "").File("rockcrowbar\\mapcycle.txt", "crossfire\r\n");
    });
    RocketWindow window(t.state, nullptr);
    ModalAnswerer answerer;
    window.show();
    QTRY_VERIFY(window.loaded());
    QTest::qWait(1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Rocket & Crowbar"));
    QVERIFY(!Find<QComboBox>(window, "RC_team1")->isEnabled());
    Find<QRadioButton>(window, "RC_Teamplay2")->click();  // Capture the Flag
    QVERIFY(Find<QComboBox>(window, "RC_team1")->isEnabled());
    Find<QComboBox>(window, "RC_team1")->setCurrentIndex(0);
    Find<QComboBox>(window, "RC_team2")->setCurrentIndex(1);

    // With no bot the properties show their resting values.
    QCOMPARE(Find<QSpinBox>(window, "RC_botsight")->value(), 128);
    QVERIFY(Find<QCheckBox>(window, "RC_botphysco")->isChecked());
    Find<QToolButton>(window, "RC_SBCreeBot")->click();
    QVERIFY(!Find<QCheckBox>(window, "RC_botphysco")->isChecked());
    QCOMPARE(Find<QComboBox>(window, "RC_botweapon")->currentText(), QStringLiteral("NONE"));
    auto* reaction = Find<QSpinBox>(window, "RC_botreaction");
    reaction->setValue(45);
    auto* weapon = Find<QComboBox>(window, "RC_botweapon");
    weapon->setCurrentIndex(weapon->findText(QStringLiteral("rpg")));
    emit weapon->activated(weapon->currentIndex());
    // The personality on its two sub-pages.
    QVERIFY(Find<QWidget>(window, "TabSheet1")->isAncestorOf(weapon));
    QVERIFY(Find<QWidget>(window, "TabSheet2")->isAncestorOf(reaction));
    Find<QPushButton>(window, "BApplyConf")->click();
    QCOMPARE(answerer.texts().join(QStringLiteral(" / ")), QString());
    const std::string bots = t.Read("rockcrowbar\\botdata.txt");
    QVERIFY(bots.find("REACTION TIME:0.450000\r\n") != std::string::npos);
    QVERIFY(bots.find("FAVORITE WEAPON:weapon_rpg\r\n") != std::string::npos);
    QVERIFY(t.Read("rockcrowbar\\game.cfg").find("\"mp_ctf\"\t\t\"1\"") != std::string::npos);
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::RocketWindowTest)
#include "RocketWindowTest.moc"
