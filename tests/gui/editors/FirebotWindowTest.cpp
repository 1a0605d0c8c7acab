#include "gui/editors/FirebotWindow.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {

class FirebotWindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void BotWeaponTeamAndSkillTable() {
    ModTree t("Firebot", [](GameTree& game) {
      game.File("firearms\\maps\\ctf_x.bsp")
          .File("firebot\\firearms\\waypoint\\ctf_x.fwp")
          .File("firearms\\mapcycle.txt", "ctf_x\r\n")
          .File("firebot\\firearms\\cfg\\default.cfg", "botskill 2\r\n");
    });
    FirebotWindow window(t.state, nullptr);
    ModalAnswerer answerer;
    window.show();
    QTRY_VERIFY(window.loaded());
    QTest::qWait(1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Fire Bot"));
    Find<QToolButton>(window, "FB_SBCreeBot")->click();
    Find<QRadioButton>(window, "FB_TeamRed")->click();
    auto* weapon = Find<QComboBox>(window, "FB_botweapon");
    QCOMPARE(weapon->count(), 25);
    weapon->setCurrentIndex(14);
    emit weapon->activated(14);
    auto* grid = Find<QTableWidget>(window, "FB_Skills");
    grid->setItem(0, 2, new QTableWidgetItem(QStringLiteral("0.2")));
    QVERIFY(window.modified());
    Find<QPushButton>(window, "BApplyConf")->click();
    QCOMPARE(answerer.texts().join(QStringLiteral(" / ")), QString());
    QVERIFY(t.Read("firebot\\firearms\\cfg\\default.cfg").find("addbot 1 14 NewBot 0\r\n") !=
            std::string::npos);
    QVERIFY(t.Read("firebot\\firearms\\botskill.cfg").find("REACT_MIN 3 0.2\r\n") !=
            std::string::npos);
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::FirebotWindowTest)
#include "FirebotWindowTest.moc"
