#include "gui/editors/ScihuntWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {
namespace {

struct ScihuntTree : ModTree {
  ScihuntTree() : ModTree("Scihunt", [](GameTree& game) { ScihuntFiles(game); }) {}
  std::string Read(const char* file) const {
    return ModTree::Read(std::string("scihunt\\") + file);
  }
};

void Open(ScihuntWindow& window) {
  window.show();
  QTRY_VERIFY(window.loaded());
  QTest::qWait(1);
}

}  // namespace

class ScihuntWindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void SevenPagesAndTheGameModeHint() {
    ScihuntTree t;
    ScihuntWindow window(t.state, nullptr);
    Open(window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Scientist Hunt"));
    auto* pages = Find<QTabWidget>(window, "PC_Scihunt");
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i) captions << pages->tabText(i);
    QCOMPARE(captions,
             (QStringList{"Game", "Maps", "Bots", "A.I.", "Bots Chat", "Arsenals", "Waypoints"}));
    QCOMPARE(Find<QPushButton>(window, "BClose")->text(), QStringLiteral("Exit Scihunt"));
    auto* mode = Find<QComboBox>(window, "SH_realistic");
    QCOMPARE(mode->currentText(), QStringLiteral("Traditional Slaughter"));
    QVERIFY(mode->toolTip().startsWith(QStringLiteral("Scientists trust you until you hurt them")));
    mode->setCurrentIndex(4);
    QVERIFY(mode->toolTip().startsWith(QStringLiteral("Scientists are evil")));
    QVERIFY(window.modified());
    QCOMPARE(Items(Find<QListWidget>(window, "SH_MapDispo")),
             (QStringList{"sh_lab *+", "sh_office "}));
    QCOMPARE(Find<QPlainTextEdit>(window, "SH_Chatkill")->toPlainText(),
             QStringLiteral("Got you, %."));
  }

  void ArsenalButtons() {
    ScihuntTree t;
    ScihuntWindow window(t.state, nullptr);
    Open(window);
    auto* arsenal = Find<QPlainTextEdit>(window, "SH_Arsenal");
    Find<QToolButton>(window, "SH_AClear")->click();
    QCOMPARE(arsenal->toPlainText(), QString());
    QVERIFY(!window.modified());  // emptying the list is not a change to save
    Find<QToolButton>(window, "SH_Aweapon_egon")->click();
    Find<QToolButton>(window, "SH_Aammo_egonclip")->click();
    QCOMPARE(arsenal->toPlainText(), QStringLiteral("weapon_egon\nammo_egonclip"));
    QVERIFY(window.modified());
    Find<QToolButton>(window, "SH_ASave")->click();
    QCOMPARE(t.Read("arsenals\\kit.txt"), std::string("weapon_egon\r\nammo_egonclip\r\n"));
  }

  void EditAndApplyWritesTheFiles() {
    ScihuntTree t;
    ScihuntWindow window(t.state, nullptr);
    ModalAnswerer answerer;
    Open(window);
    Find<QComboBox>(window, "SH_realistic")->setCurrentIndex(4);
    Find<QCheckBox>(window, "SH_levelexec")->click();  // off
    auto* chat = Find<QLineEdit>(window, "SH_chatfile");
    chat->selectAll();
    QTest::keyClick(chat, Qt::Key_Backspace);
    Find<QPushButton>(window, "BApplyConf")->click();
    QTRY_COMPARE(answerer.boxes(), 1);
    QCOMPARE(answerer.texts()[0], QStringLiteral("you must select a bots chat file."));
    QVERIFY(window.isVisible());
    QTest::keyClicks(chat, "talk.cfg");
    Find<QPushButton>(window, "BApplyConf")->click();
    QVERIFY(!window.isVisible());
    QVERIFY(t.Read("game.cfg").rfind("\"sh_realistic\"\t\t\"4\"\r\n", 0) == 0);
    QVERIFY(t.Read("Shconfig.cfg").find("\r\nsh_levelexec 0\r\n") != std::string::npos);
    QVERIFY(t.Read("settings.scr").find("\t\t{ \"4.000000\" }\r\n") != std::string::npos);
    QVERIFY(t.Read("botfiles\\jumbot.cfg").find("\r\nchatfile \"botfiles\\talk.cfg\"\r\n") !=
            std::string::npos);
    QVERIFY(t.Read("botfiles\\talk.cfg")
                .find("*Bot says these lines after killing.\r\nGot you, "
                      "%.\r\n\r\n") != std::string::npos);
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::ScihuntWindowTest)
#include "ScihuntWindowTest.moc"
