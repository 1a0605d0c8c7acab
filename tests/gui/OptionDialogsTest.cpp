// The directory, additional-command and restore dialogs, offscreen.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/CommandLine.h"
#include "core/LauncherSettings.h"
#include "core/Startup.h"
#include "gui/CommandLineDialog.h"
#include "gui/GameDirectoryDialog.h"
#include "gui/RestoreDialog.h"
#include "gui/widgets/GameText.h"
#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {

class OptionDialogsTest final : public QObject {
  Q_OBJECT

  static ModTree Botman() {
    return ModTree("Botman", [](GameTree& tree) { BotmanFiles(tree); });
  }

 private slots:
  // An edit whose text goes into a game file takes only what Windows-1252
  // holds, typed or pasted; the rest never becomes "?" in a file.
  void GameTextEditsRefuseWhatTheFilesCannotHold() {
    QLineEdit edit;
    edit.setValidator(new GameTextValidator(&edit));
    for (const QChar ch : QString::fromUtf8("Zo\xC3\xA9\xE2\x82\xAC\xD0\x96!")) {
      QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(&edit, &typed);
    }
    QCOMPARE(edit.text(), QString::fromUtf8("Zo\xC3\xA9\xE2\x82\xAC!"));
    edit.clear();
    edit.insert(QString::fromUtf8("ab\xF0\x9F\x98\x80"));  // as a paste does
    QCOMPARE(edit.text(), QString());
    QCOMPARE(ToGame(QString::fromUtf8("Zo\xC3\xA9\xE2\x82\xAC")), std::string("Zo\xE9\x80"));
    QCOMPARE(FromGame("Zo\xE9\x80"), QString::fromUtf8("Zo\xC3\xA9\xE2\x82\xAC"));
  }

  void OpeningWithoutTheProgramSaysSoAndEmptiesTheField() {
    ModTree t = Botman();
    t.state.hl_path = t.tree.HLPath() + "\\valve";
    GameDirectoryDialog dialog(t.state, t.store, nullptr);
    ModalAnswerer answerer;
    dialog.show();
    QTRY_COMPARE(answerer.boxes(), 1);
    QCOMPARE(answerer.texts()[0],
             QString::fromStdString("hl.exe can't be found in " + t.tree.Shown("valve")));
    QCOMPARE(Find<QLineEdit>(dialog, "HLDir")->text(), QString());
    QVERIFY(t.state.hl_path.empty());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Game Directory"));
  }

  // A path can be typed: it is checked when finished, not at each key.
  void ATypedPathIsCheckedWhenFinished() {
    ModTree t = Botman();
    const std::string good = t.tree.HLPath();
    t.state.hl_path.clear();
    GameDirectoryDialog dialog(t.state, t.store, nullptr);
    ModalAnswerer answerer;
    dialog.show();
    QTest::qWait(20);
    auto* field = Find<QLineEdit>(dialog, "HLDir");
    QTest::keyClicks(field, QString::fromStdString(good));
    QCOMPARE(answerer.boxes(), 0);
    QCOMPARE(t.state.hl_path, good);  // in memory at once
    QTest::keyClicks(field, "x");
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_COMPARE(answerer.boxes(), 1);
    QCOMPARE(field->text(), QString());
    // A whole path chosen in the folder browser is taken and checked.
    dialog.SetFolderBrowser(
        [&good](QWidget*, const QString&) { return QString::fromStdString(good); });
    dialog.OnBrowseClicked();
    QCOMPARE(field->text(), QString::fromStdString(good));
    QCOMPARE(answerer.boxes(), 1);
  }

  void CounterStrikeRetailIsStoredAndLeavesTheModelsAlone() {
    ModTree t = Botman();
    t.tree.File("retail\\cstrike.exe");
    GameDirectoryDialog dialog(t.state, t.store, nullptr);
    dialog.show();
    QTest::qWait(20);
    Find<QRadioButton>(dialog, "RB_CS")->click();
    QCOMPARE(Find<QLabel>(dialog, "Lab_exe")->text(), QStringLiteral("cstrike.exe"));
    QCOMPARE(Find<QLabel>(dialog, "Lab_location")->text(),
             QStringLiteral("Enter the location of your Counter-Strike program :"));
    auto* field = Find<QLineEdit>(dialog, "HLDir");
    field->setText(QString::fromStdString(t.tree.HLPath() + "\\retail"));
    Find<QPushButton>(dialog, "BApply")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    LauncherState state = t.tree.State();
    struct Quiet final : StartupReporter {
      void ReportError(const std::string&, const std::string&) override {}
    } quiet;
    InitLauncher(state, t.store, {}, quiet);
    QCOMPARE(state.hl_exe, std::string("cstrike.exe"));
    QCOMPARE(state.hl_path, t.tree.HLPath() + "\\retail");
    QVERIFY(state.model_list.empty());
  }

  void CancelPutsBackTheProgramAndTheDirectory() {
    ModTree t = Botman();
    const std::string before = t.state.hl_path;
    GameDirectoryDialog dialog(t.state, t.store, nullptr);
    dialog.show();
    QTest::qWait(20);
    Find<QRadioButton>(dialog, "RB_CS")->click();
    QCOMPARE(t.state.hl_exe, std::string("cstrike.exe"));
    Find<QLineEdit>(dialog, "HLDir")->setText(QStringLiteral("/nowhere"));
    Find<QPushButton>(dialog, "BCancel")->click();
    QCOMPARE(t.state.hl_exe, std::string("hl.exe"));
    QCOMPARE(t.state.hl_path, before);
    GameDirectoryDialog again(t.state, t.store, nullptr);
    QVERIFY(Find<QRadioButton>(again, "RB_HL")->isChecked());
  }

  void AdditionalCommandsRefuseTheLauncherWords() {
    ModTree t = Botman();
    CommandLineDialog dialog(t.state, nullptr);
    dialog.show();
    auto* line = Find<QLineEdit>(dialog, "TextLine");
    for (const char* refused : {"+map crossfire", "-game x +map y"}) {
      line->setText(QString::fromLatin1(refused));
      ModalAnswerer answerer;
      dialog.OnApplyClicked();
      QCOMPARE(answerer.texts().value(0),
               QStringLiteral("The command 'map' is already used by KRV. Please remove it from "
                              "your command line."));
      QVERIFY(dialog.isVisible());
    }
    line->setText(QStringLiteral(" +MAP crossfire "));
    Find<QPushButton>(dialog, "BApply")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(StoredCommand(t.state), std::string(" +MAP crossfire "));
    CommandLineDialog again(t.state, nullptr);
    again.show();
    QCOMPARE(Find<QLineEdit>(again, "TextLine")->text(), QStringLiteral(" +MAP crossfire "));
  }

  void RestoreListsTheModsAndPutsTheirFilesBack() {
    ModTree t = Botman();
    const std::string original = t.Read("bot\\bot.cfg");
    t.tree.File("bot\\bot.cfg", "changed");
    RestoreDialog dialog(t.state, nullptr);
    dialog.show();
    QCOMPARE(Items(Find<QListWidget>(dialog, "LB_Mods")), QStringList{"Botman"});
    QVERIFY(Find<QPlainTextEdit>(dialog, "M_Files")->toPlainText().contains("bot.cfg"));
    {
      ModalAnswerer answerer({QMessageBox::No});
      dialog.OnRestoreClicked();
      QVERIFY(answerer.texts().value(0).contains("Botman"));
    }
    QCOMPARE(t.Read("bot\\bot.cfg"), std::string("changed"));
    {
      ModalAnswerer answerer({QMessageBox::Yes});
      dialog.OnRestoreClicked();
    }
    QCOMPARE(t.Read("bot\\bot.cfg"), original);
    QVERIFY(!dialog.isVisible());
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::OptionDialogsTest)
#include "OptionDialogsTest.moc"
