#include "gui/editors/ActionWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {

class ActionWindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void TeamTreeMenuAndApply() {
    ModTree t("Action", [](GameTree& game) {
      game.File("action\\maps\\ahl_office.bsp")
          .File("action\\models\\player\\drake\\drake.mdl")
          .File("action\\models\\player\\swat\\swat.mdl")
          .File("action\\mapcycle.txt", "ahl_office\r\n")
          .File("action\\bots.ini", "Ghost drake 3\r\n");
    });
    ActionWindow window(t.state, nullptr);
    window.show();
    QTRY_VERIFY(window.loaded());
    QTest::qWait(1);
    auto* tree = Find<QTreeWidget>(window, "AC_Teams");
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(1)->child(1)->text(0), QStringLiteral("SWAT/swat"));
    const auto command = [&window](const char* name) {
      return window.team_menu()->findChild<QAction*>(QString::fromLatin1(name));
    };

    // Refused: a sub-team under a sub-team, the first main teams.
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    {
      ModalAnswerer answerer;
      command("AddaSubTeam1")->trigger();
      tree->setCurrentItem(tree->topLevelItem(1));
      command("DeleteTeam1")->trigger();
      QCOMPARE(answerer.texts().join(QStringLiteral(" / ")),
               QStringLiteral("You can't add a Subteam to a Subteam. Select a Main team first. / "
                              " / You can't delete the two first main teams. / "));
    }
    QVERIFY(!window.modified());
    // A new sub-team is a change to save: closing must not drop it unasked.
    tree->setCurrentItem(tree->topLevelItem(0));
    command("AddaSubTeam1")->trigger();
    QCOMPARE(tree->topLevelItem(0)->child(2)->text(0), QStringLiteral("New SubTeam/agent99"));
    QVERIFY(window.modified());
    // Asked, and deleted on Yes.
    tree->setCurrentItem(tree->topLevelItem(1)->child(1));
    {
      ModalAnswerer answerer({QMessageBox::Yes});
      command("DeleteTeam1")->trigger();
      QVERIFY(answerer.texts().join(QString()).contains(QStringLiteral("subteam \"SWAT\"")));
    }
    QCOMPARE(tree->topLevelItem(1)->childCount(), 1);
    command("AddaTeam1")->trigger();
    QCOMPARE(tree->topLevelItemCount(), 3);
    tree->setCurrentItem(tree->topLevelItem(2));
    auto* name = Find<QLineEdit>(window, "AC_TeamName");
    QCOMPARE(name->text(), QStringLiteral("New Team"));
    name->setText(QStringLiteral("Feds"));
    emit name->textEdited(name->text());
    // agent99 is no model here: the drop-down kept the model it showed, and the node takes it.
    QCOMPARE(tree->topLevelItem(2)->text(0), QStringLiteral("Feds/swat"));
    QVERIFY(window.modified());

    Find<QSpinBox>(window, "AC_bots")->setValue(4);
    ModalAnswerer answerer;
    Find<QPushButton>(window, "BApplyConf")->click();
    QCOMPARE(answerer.texts().join(QStringLiteral(" / ")), QString());
    QVERIFY(t.Read("action\\teams.ini").find("[Feds/swat]\r\nNew SubTeam/agent99\r\n") !=
            std::string::npos);
    QVERIFY(t.Read("action\\game.cfg").rfind("\"mp_bots\"\t\t\"5.00000\"", 0) == 0);
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::ActionWindowTest)
#include "ActionWindowTest.moc"
