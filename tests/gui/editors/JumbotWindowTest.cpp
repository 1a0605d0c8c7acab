#include "gui/editors/JumbotWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {
namespace {

struct JumbotTree : ModTree {
  JumbotTree() : ModTree("Jumbot", [](GameTree& game) { JumbotFiles(game); }) {}
  std::string Read(const char* file) const { return ModTree::Read(std::string("jumbot\\") + file); }
};

void Open(JumbotWindow& window) {
  window.show();
  QTRY_VERIFY(window.loaded());
  QTest::qWait(1);
}

}  // namespace

class JumbotWindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void SevenPagesAndTheLoadedValues() {
    JumbotTree t;
    JumbotWindow window(t.state, nullptr);
    Open(window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Jumbot"));
    auto* pages = Find<QTabWidget>(window, "PC_Jumbot");
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i) captions << pages->tabText(i);
    QCOMPARE(captions,
             (QStringList{"Game", "Maps", "Bots", "A.I.", "Bots Chat", "Waypoints", "Moron Bots"}));
    QCOMPARE(pages->widget(5)->objectName(), QStringLiteral("TabSheet5"));
    QCOMPARE(Find<QPushButton>(window, "BClose")->text(), QStringLiteral("Exit Jumbot"));
    QCOMPARE(Find<QSpinBox>(window, "JB_bot_thinkspeed")->value(), 3);
    QCOMPARE(Find<QSpinBox>(window, "JB_bot_viewdelay")->value(), 10);
    QCOMPARE(Find<QLineEdit>(window, "JB_botfile")->text(), QStringLiteral("team.cfg"));
    QCOMPARE(Find<QComboBox>(window, "JB_makewp")->currentText(), QStringLiteral("F6"));
    QCOMPARE(Find<QComboBox>(window, "JB_makewp")->count(), 25);  // none, then the 24 keys
    QCOMPARE(Find<QPlainTextEdit>(window, "JB_Moron")->toPlainText(),
             QStringLiteral("Where is everybody?"));
    QCOMPARE(Items(Find<QListWidget>(window, "JB_Mapdispo")).mid(0, 3),
             (QStringList{"boot_camp ", "bounce ", "crossfire *"}));
    QCOMPARE(Find<QLabel>(window, "JB_MapLabel")->text(),
             QStringLiteral("* Waypoints\n+ Self config"));
    QCOMPARE(Find<QSpinBox>(window, "JB_botParam1")->value(), 30);
    QCOMPARE(Find<QSlider>(window, "JB_Botskill")->value(), 3);
    QVERIFY(!Find<QWidget>(window, "JB_Botpic")->isHidden());  // a bot is selected
    QVERIFY(!window.modified());
  }

  void DependentControlsFollowTheirBoxes() {
    JumbotTree t;
    JumbotWindow window(t.state, nullptr);
    Open(window);
    auto* fov = Find<QSpinBox>(window, "JB_Botfov");
    QVERIFY(!fov->isEnabled());  // "Limited FOV" is off in the file
    QVERIFY(!Find<QLabel>(window, "JB_LabelFov")->isEnabled());
    Find<QCheckBox>(window, "JB_botusefov")->click();
    QVERIFY(fov->isEnabled());
    QVERIFY(window.modified());
    pages(window)->setCurrentIndex(3);
    auto* trip = Find<QSlider>(window, "JB_bweap_tripmine");
    QVERIFY(trip->isVisible());
    Find<QCheckBox>(window, "JB_bot_tripmines")->click();
    QVERIFY(!trip->isVisible());
    QVERIFY(!Find<QLabel>(window, "JB_LabelTrip")->isEnabled());
    auto* leaders = Find<QCheckBox>(window, "JB_leadsys");
    QVERIFY(!leaders->isEnabled());
    Find<QRadioButton>(window, "JB_teamplay")->click();
    QVERIFY(leaders->isEnabled());
    // Edit mode: no bots, the waypoint files.
    Find<QCheckBox>(window, "JB_WayMode")->click();
    QCOMPARE(Find<QSpinBox>(window, "JB_bot_num")->value(), 0);
    QVERIFY(Find<QRadioButton>(window, "JB_waypoints")->isChecked());
  }

  void TypingAnExistingRosterFileReloadsTheRoster() {
    JumbotTree t;
    t.tree.File("jumbot\\other.cfg", "bot1 Zed gina 1 2\r\n");
    JumbotWindow window(t.state, nullptr);
    ModalAnswerer answerer;
    Open(window);
    auto* file = Find<QLineEdit>(window, "JB_botfile");
    file->selectAll();
    QTest::keyClicks(file, "other.cfg");
    QCOMPARE(Items(Find<QListWidget>(window, "JB_ListBot")), QStringList{"Zed"});
    file->selectAll();
    QTest::keyClicks(file, "x");  // no such file: nothing changes
    QCOMPARE(Items(Find<QListWidget>(window, "JB_ListBot")), QStringList{"Zed"});
    file->selectAll();
    QTest::keyClick(file, Qt::Key_Backspace);  // as typed: the document follows
    Find<QToolButton>(window, "JB_SBCreeBot")->click();
    QTRY_COMPARE(answerer.boxes(), 1);
    QCOMPARE(answerer.texts()[0], QStringLiteral("You must enter a bot configuration file first."));
  }

  void EditAndApplyWritesTheFiles() {
    JumbotTree t;
    JumbotWindow window(t.state, nullptr);
    Open(window);
    Find<QComboBox>(window, "JB_makewpj")->setCurrentIndex(2);  // F2
    auto* orders = Find<QPlainTextEdit>(window, "JB_orders");
    orders->setFocus();
    QTest::keyClicks(orders, "Roger.");
    QVERIFY(window.modified());
    Find<QPushButton>(window, "BApplyConf")->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(t.Read("botorder.cfg"), std::string("Roger.\r\n"));
    QCOMPARE(t.Read("config.cfg"),
             std::string("bind \"w\" \"+forward\"\r\nname \"Player\"\r\nbind \"F6\" \"makewp\"\r\n"
                         "bind \"F2\" \"makewpj\"\r\nbind \"KP_5\" \"remwp\"\r\n"));
    const std::string cfg = t.Read("jumbot.cfg");
    QVERIFY(cfg.find("\r\nmap crossfire\r\n") != std::string::npos);
    QVERIFY(cfg.find("\r\nbot_thinkspeed 0.3\r\n") != std::string::npos);
    QVERIFY(cfg.find("\r\nbot_viewdelay 0.10\r\n") != std::string::npos);
    QVERIFY(cfg.find("\r\nbweap_tripmine 7\r\n") != std::string::npos);
    QCOMPARE(t.Read("mapcycle.txt"), std::string("frenzy\r\n"));
  }

 private:
  static QTabWidget* pages(JumbotWindow& window) { return Find<QTabWidget>(window, "PC_Jumbot"); }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::JumbotWindowTest)
#include "JumbotWindowTest.moc"
