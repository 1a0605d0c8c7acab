#include "gui/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "gui/BotEditorForm.h"
#include "gui/EditorWindows.h"
#include "gui/GameDirectoryDialog.h"
#include "platform/FileError.h"
#include "platform/HostPath.h"
#include "support/GameTree.h"
#include "support/Isolation.h"
#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {
namespace {

// What each mod needs below Half-Life for its button to show.
void Install(GameTree& tree, const std::string& mod) {
  const ModInfo* info = FindMod(mod);
  tree.Dir(info->dir);
  if (mod == "Firebot") tree.Dir("firebot");
  if (mod == "CStrike") tree.File("cstrike\\PODBot\\podbot.dll");
  if (mod == "Frontline") tree.File("frontline\\dlls\\agrobot.dll");
  if (mod == "TFC") tree.File("tfc\\foxbot\\foxbot.dll");
}

struct Recorded {
  std::vector<std::string> starts;
  ProgramStarter Starter(StartResult answer) {
    return [this, answer](std::string_view program, std::string_view params, std::string_view) {
      starts.push_back(std::string(program) + "|" + std::string(params));
      return answer;
    };
  }
};

}  // namespace

class MainWindowTest final : public QObject {
  Q_OBJECT

  template <typename T>
  static T* Find(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
  }

 private slots:
  void ButtonGridFollowsTheInstalledMods_data() {
    QTest::addColumn<QStringList>("mods");
    QTest::addColumn<QStringList>("places");  // "SB_x@left,top" for each shown button
    QTest::newRow("two") << QStringList{"Botman", "Scihunt"}
                         << QStringList{"SB_Botman@10,24", "SB_Scihunt@87,24"};
    QTest::newRow("six") << QStringList{"Action", "Botman", "Jumbot", "Phineas", "Rocket", "TFC"}
                         << QStringList{"SB_Action@10,24",   "SB_Botman@87,24",  "SB_Jumbot@164,24",
                                        "SB_Phineas@241,24", "SB_Rocket@318,24", "SB_TFC@10,102"};
    QStringList all;
    QStringList places;
    for (const ModInfo& mod : Mods()) all << QString::fromLatin1(mod.key.data(), mod.key.size());
    const int lefts[] = {10, 87, 164, 241, 318};
    for (int i = 0; i < 10; ++i) {
      places << QStringLiteral("SB_%1@%2,%3").arg(all[i]).arg(lefts[i % 5]).arg(i < 5 ? 24 : 102);
    }
    QTest::newRow("ten") << all << places;
  }

  void ButtonGridFollowsTheInstalledMods() {
    QFETCH(QStringList, mods);
    QFETCH(QStringList, places);
    GameTree tree;
    tree.StandardRegistry().ShippedData().File("hl.exe");
    for (const QString& mod : mods) Install(tree, mod.toStdString());
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    ModalAnswerer answerer;
    MainWindow window(state, store, {}, {});
    // The first layout, then a repeated one (a second activation) must agree.
    for (int pass = 0; pass < 2; ++pass) {
      window.ShowModButtons();
      QStringList shown;
      for (const ModInfo& mod : Mods()) {
        auto* button = Find<QToolButton>(window, mod.button.data());
        if (button->isHidden()) continue;
        shown << QStringLiteral("%1@%2,%3")
                     .arg(button->objectName())
                     .arg(button->x())
                     .arg(button->y());
      }
      QCOMPARE(shown, places);
    }
    QCOMPARE(answerer.boxes(), 0);
  }

  void SelectingModsAndBots() {
    GameTree tree;
    tree.StandardRegistry().ShippedData().File("hl.exe");
    for (const char* mod : {"Botman", "CStrike"}) Install(tree, mod);
    tree.Metamod("cstrike").File("realbot\\dll\\realbot_mm.dll");
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    MainWindow window(state, store, {}, {});
    window.ShowModButtons();
    auto* label = Find<QLabel>(window, "Label_SelMod");
    auto* group = Find<QGroupBox>(window, "GB_SelectBot");
    auto* bots = Find<QComboBox>(window, "CB_SelectBot");
    QVERIFY(!Find<QToolButton>(window, "SB_HL")->isEnabled());

    Find<QToolButton>(window, "SB_CStrike")->click();
    QCOMPARE(label->text(), QStringLiteral("Selected Mod : CStrike"));
    QVERIFY(!group->isHidden());
    QCOMPARE(Find<QLabel>(window, "LB_SelectBot")->text(), QStringLiteral("Current Bot for CS"));
    QCOMPARE(bots->count(), 2);
    QCOMPARE(bots->currentIndex(), -1);
    bots->setCurrentIndex(bots->findText(QStringLiteral("RealBot")));
    QVERIFY(ReadHostFile(tree.app_dir() / "KRV.ini").find("Last Bot=RealBot") != std::string::npos);

    Find<QToolButton>(window, "SB_Botman")->click();
    QCOMPARE(label->text(), QStringLiteral("Selected Mod : Botman"));
    QVERIFY(group->isHidden());
    QVERIFY(Find<QToolButton>(window, "SB_HL")->isEnabled());
    QVERIFY(Find<QToolButton>(window, "SB_EditConf")->isEnabled());

    Find<QToolButton>(window, "SB_CStrike")->click();  // refilled, last choice selected again
    QCOMPARE(bots->currentText(), QStringLiteral("RealBot"));
  }

  // Catalogue names are the game's Windows-1252 text, shown and stored unchanged.
  void BotNamesKeepTheirBytes() {
    GameTree tree;
    tree.StandardRegistry()
        .File("hl.exe")
        .File("cstrike\\dlls\\cafe.dll")
        .AppFile("CStrike.ini",
                 "[Default]\r\ndispo=1\r\nBot1=Caf\xe9"
                 "Bot\r\n[Caf\xe9"
                 "Bot]\r\ndll=dlls\\cafe.dll\r\n");
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    MainWindow window(state, store, {}, {});
    window.ShowModButtons();
    Find<QToolButton>(window, "SB_CStrike")->click();
    auto* bots = Find<QComboBox>(window, "CB_SelectBot");
    QCOMPARE(bots->itemText(0), QStringLiteral("Caf\u00e9Bot"));
    bots->setCurrentIndex(0);
    QVERIFY(ReadHostFile(tree.app_dir() / "KRV.ini")
                .find("Last Bot=Caf\xe9"
                      "Bot") != std::string::npos);
    QCOMPARE(state.bot_choice.selected, 0);
  }

  void OptionItemsAreStored() {
    GameTree tree;
    tree.StandardRegistry().File("hl.exe");
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    MainWindow window(state, store, {}, {});
    QAction* item = window.findChild<QAction*>(QStringLiteral("CB_AutoStart"));
    QVERIFY(item->isChecked());  // missing from the store: checked, not written
    QVERIFY(ReadHostFile(tree.registry_file()).find("AutoStart") == std::string::npos);
    item->trigger();
    QVERIFY(ReadHostFile(tree.registry_file()).find("\"AutoStart\"=\"N\"") != std::string::npos);
    item->trigger();
    QVERIFY(ReadHostFile(tree.registry_file()).find("\"AutoStart\"=\"O\"") != std::string::npos);
    window.findChild<QAction*>(QStringLiteral("CB_CloseKRV"))->trigger();
    QVERIFY(ReadHostFile(tree.registry_file()).find("\"CloseKRV\"=\"O\"") != std::string::npos);
  }

  void AGameThatCannotStartIsAnErrorAndTheWindowStays() {
    GameTree tree;
    tree.StandardRegistry().File("hl.exe");
    Install(tree, "Botman");
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    MainWindow window(state, store, {}, {});
    Recorded recorded;
    window.SetProgramStarter(recorded.Starter({false, "The program hl.exe does not exist."}));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Find<QToolButton>(window, "SB_Botman")->click();
    ModalAnswerer answerer;
    Find<QToolButton>(window, "SB_HL")->click();
    QCOMPARE(answerer.texts(),
             (QStringList{"Can't start hl.exe.", "The program hl.exe does not exist."}));
    QVERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());
    QCOMPARE(recorded.starts.size(), size_t{1});
  }

  // The launch button and orvanectl share one launch: same log.txt.
  void LaunchButtonAndCompanionCommandWriteTheSameLog() {
    GameTree tree;
    tree.StandardRegistry({{"AutoStart", "N"}})
        .File("hl.exe")
        .AppFile("KRV.ini", "[KRV]\r\nCommand=+mp_timelimit 30\r\n");
    Install(tree, "Botman");
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    MainWindow window(state, store, {}, {});
    Recorded recorded;
    window.SetProgramStarter(recorded.Starter({true, ""}));
    window.ShowModButtons();
    Find<QToolButton>(window, "SB_Botman")->click();
    Find<QToolButton>(window, "SB_HL")->click();
    const std::string expected = " -nointro -console -game bot +maxplayers 32 +mp_timelimit 30\r\n";
    QCOMPARE(ReadHostFile(tree.app_dir() / "log.txt"), expected);
    QCOMPARE(recorded.starts, std::vector<std::string>{tree.HLPath() + "\\hl.exe|" +
                                                       expected.substr(0, expected.size() - 2)});
    std::filesystem::remove(tree.app_dir() / "log.txt");

    QProcess ctl;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"),
               QString::fromStdString(tree.config_home().string()));
    env.insert(QStringLiteral("XDG_DATA_HOME"),
               QString::fromStdString((tree.root() / "share").string()));
    ctl.setProcessEnvironment(env);
    ctl.start(QStringLiteral(ORVANE_CTL_EXE), {"launch", "Botman", "--no-start"});
    QVERIFY(ctl.waitForFinished(30000));
    QCOMPARE(ctl.exitCode(), 0);
    QCOMPARE(ReadHostFile(tree.app_dir() / "log.txt"), expected);

    ctl.start(QStringLiteral(ORVANE_CTL_EXE), {"launch", "Botmna"});
    QVERIFY(ctl.waitForFinished(30000));
    QCOMPARE(ctl.exitCode(), 2);  // a name the command does not know
    QVERIFY(ctl.readAllStandardError().contains("unknown mod \"Botmna\""));
  }

  // An error escaping a handler is shown, and the launcher goes on.
  void EscapedErrorsGoToTheDefaultErrorReport() {
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&ticks, &timer] {
      if (++ticks == 2) timer.stop();
      throw FileError("C:\\Games\\bot\\bot.cfg", 4, "a number was expected after \"pause\"");
    });
    ModalAnswerer answerer;
    timer.start(1);
    QTRY_COMPARE(ticks, 2);
    QTRY_COMPARE(answerer.boxes(), 2);
    // Named as this system has it (through the Wine prefix), once; the line in the detail.
    QCOMPARE(
        answerer.texts()[0],
        QString::fromStdString("Can't use the file " + ShownPath("C:\\Games\\bot\\bot.cfg") + "."));
    QVERIFY2(answerer.texts()[1].startsWith(QStringLiteral("Line 4: ")),
             qPrintable(answerer.texts()[1]));
  }

  // Without the game program where the settings say, the directory dialog
  // opens by itself; a folder chosen there lays out the mod buttons at once.
  void ActivationWithoutTheGameOpensTheDirectoryDialog() {
    GameTree tree;
    tree.File("hl.exe").Dir("bot");
    tree.Registry({{"AppPath", tree.AppPath()}, {"HLPath", tree.HLPath() + "\\nothing"}});
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    MainWindow main(state, store, {}, {});
    const QString good = QString::fromStdString(tree.HLPath());
    main.SetDirectoryBrowser([good](QWidget*, const QString&) { return good; });
    ModalAnswerer answerer;  // "hl.exe can't be found in ...\nothing"
    bool applied = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* rep = qobject_cast<GameDirectoryDialog*>(QApplication::activeModalWidget());
      if (rep == nullptr || answerer.boxes() < 1 || applied) return;
      applied = true;
      rep->OnBrowseClicked();
      Find<QPushButton>(*rep, "BApply")->click();
    });
    poll.start(10);
    main.show();
    QTRY_VERIFY(applied);
    QTRY_VERIFY(Find<QToolButton>(main, "SB_Botman")->isVisible());
    QVERIFY(answerer.texts()[0].startsWith(QStringLiteral("hl.exe can't be found in ")));
    QCOMPARE(state.hl_path, tree.HLPath());
    QVERIFY(ReadHostFile(tree.registry_file()).find("\"HLExe\"=\"hl.exe\"") != std::string::npos);
  }

  // Half-Life from Steam, nothing set up: the buttons at once, no directory
  // dialog; a Windows-only mod on the native build is asked about first.
  void SteamInstallLaysOutTheButtonsAndAsksBeforeAWindowsOnlyMod() {
    GameTree tree;
    tree.Dir("bot").InSteamLibrary().Registry({{"AppPath", tree.AppPath()}});
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    MainWindow window(state, store, {}, {});
    Recorded recorded;
    window.SetProgramStarter(recorded.Starter({true, ""}));
    ModalAnswerer answerer({QMessageBox::No});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(Find<QToolButton>(window, "SB_Botman")->isVisible());
    QTest::qWait(50);
    QCOMPARE(answerer.boxes(), 0);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(state.hl_path, tree.HLPath());

    Find<QToolButton>(window, "SB_Botman")->click();
    Find<QToolButton>(window, "SB_HL")->click();  // No: nothing written, nothing started
    QCOMPARE(answerer.boxes(), 1);
    QVERIFY2(answerer.texts()[0].contains(QStringLiteral("Turn on Proton for Half-Life")),
             qPrintable(answerer.texts()[0]));
    QVERIFY(answerer.texts()[0].endsWith(QStringLiteral("Start anyway?")));
    QVERIFY(recorded.starts.empty());
    QVERIFY(!std::filesystem::exists(tree.app_dir() / "log.txt"));
    QVERIFY(!window.isMinimized());

    Find<QToolButton>(window, "SB_HL")->click();  // Yes
    QCOMPARE(answerer.boxes(), 2);
    QCOMPARE(recorded.starts.size(), size_t{1});
    QVERIFY(std::filesystem::exists(tree.app_dir() / "log.txt"));
  }

  // One window maker per mod of the mod table, each making the mod's window.
  void EveryModHasItsWindow() {
    GameTree tree;
    DemoGame(tree);
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    ReadLauncherSettings(state, store);
    QCOMPARE(EditorWindowMakers().size(), Mods().size());
    for (size_t i = 0; i < Mods().size(); ++i) {
      QCOMPARE(EditorWindowMakers()[i].key, Mods()[i].key);
      SelectMod(state, Mods()[i].key);
      const std::unique_ptr<QDialog> window = EditorWindowMakers()[i].make(state, nullptr);
      QCOMPARE(window->objectName(), QString::fromLatin1(Mods()[i].window_name));
    }
  }

  // Each editor window, opened on the demo game and closed, leaves no widget
  // behind (the sanitizer build checks the same run for leaked memory).
  void EveryEditorWindowLeavesNothingWhenClosed() {
    GameTree tree;
    DemoGame(tree);
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    ReadLauncherSettings(state, store);
    ModalAnswerer answerer;  // a load's error box, if any, is answered
    QWidget parent;
    const qsizetype widgets_before = QApplication::allWidgets().size();
    for (const EditorWindowMaker& maker : EditorWindowMakers()) {
      SelectMod(state, maker.key);
      {
        const std::unique_ptr<QDialog> window = maker.make(state, &parent);
        auto* form = qobject_cast<BotEditorForm*>(window.get());
        QVERIFY(form != nullptr);
        window->show();
        QTRY_VERIFY(form->loaded());
        QVERIFY(QApplication::allWidgets().size() > widgets_before);
        window->close();
      }
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCOMPARE(QApplication::allWidgets().size(), widgets_before);
      QVERIFY2(parent.children().isEmpty(), maker.key.data());
    }
  }

  // A catalogue whose count is absurd does not freeze the start: the buttons
  // come, and a box names the file.
  void AnAbsurdCatalogueCountIsReportedNotObeyed() {
    GameTree tree;
    tree.StandardRegistry().File("hl.exe").ShippedData();
    Install(tree, "CStrike");
    tree.AppFile("CStrike.ini",
                 "[Default]\r\ndispo=2000000000\r\nBot1=P.O.D.Bot\r\n"
                 "[P.O.D.Bot]\r\ndll=PODBot\\podbot.dll\r\n");
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    MainWindow window(state, store, {}, {});
    ModalAnswerer answerer;
    window.ShowModButtons();
    QVERIFY(Find<QToolButton>(window, "SB_CStrike")->isVisibleTo(&window));
    QCOMPARE(answerer.boxes(), 1);
    QCOMPARE(answerer.texts()[0], QStringLiteral("Can't read a bot catalogue."));
    QVERIFY2(
        answerer.texts()[1].contains(QStringLiteral("CStrike.ini: [Default] dispo=2000000000")),
        qPrintable(answerer.texts()[1]));
  }

  // A dedicated server's directory: the mods its build can serve, and the
  // launch button runs the server in a terminal window of its own.
  void ServerDirectoryServesInATerminal() {
    GameTree tree;
    DemoGame(tree).DedicatedServer("hlds_run");
    const std::filesystem::path terminal = tree.root() / "terminal";
    WriteHostFile(terminal, "#!/bin/sh\n[ \"$1\" = -e ] && shift && exec \"$@\" < /dev/null\n");
    std::filesystem::permissions(terminal, std::filesystem::perms::owner_all);
    qputenv("TERMINAL", QByteArray::fromStdString(terminal.string()));
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    MainWindow window(state, store, {}, {});
    window.ShowModButtons();
    QStringList hidden;
    for (const ModInfo& mod : Mods()) {
      if (Find<QToolButton>(window, mod.button.data())->isHidden()) hidden << mod.button.data();
    }
    QCOMPARE(hidden, (QStringList{"SB_Frontline", "SB_TFC"}));  // their bots are Windows-only
    Find<QToolButton>(window, "SB_Botman")->click();
    ModalAnswerer answerer({QMessageBox::Yes});  // this Botman is Windows-only: start anyway
    Find<QToolButton>(window, "SB_HL")->click();
    qunsetenv("TERMINAL");
    QCOMPARE(answerer.boxes(), 1);
    QVERIFY(answerer.texts()[0].contains(QStringLiteral("Linux dedicated server (hlds_run)")));
    QTRY_VERIFY(ReadHostFileOr(tree.ServerRecord()).find("boot_camp\n") != std::string::npos);
    QCOMPARE(ReadHostFile(tree.ServerRecord()),
             tree.HLPath() + "\n-game\nbot\n+sv_lan\n1\n+maxplayers\n32\n+map\nboot_camp\n");
  }

  void MalformedStoreGivesAnErrorBoxNamingIt() {
    GameTree tree;
    tree.RegistryText("WINE REGISTRY Version 2\n[Software\\\\Tarrow Inc.\\\\KRV]\nHLPath=x\n");
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    ModalAnswerer answerer;
    MainWindow window(state, store, {}, {});
    QCOMPARE(answerer.boxes(), 1);
    QCOMPARE(answerer.texts()[0], QStringLiteral("Can't load default directories."));
    QVERIFY2(answerer.texts()[1].contains(QStringLiteral("registry.reg, line 3")),
             qPrintable(answerer.texts()[1]));
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::MainWindowTest)
#include "MainWindowTest.moc"
