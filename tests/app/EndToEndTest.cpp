// Each of the ten mods as a player meets it on the demo tree: chosen in the
// main window (with a bot where the mod has one), one option changed in its
// window and applied, then launched without starting the game; and the same
// through orvanectl on a second tree. Both trees must end up byte for byte
// the same, which holds the window and the script to one behaviour.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <map>

#include "app/Wiring.h"
#include "core/ModTable.h"
#include "gui/EditorWindows.h"
#include "gui/MainWindow.h"
#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {
namespace {

// Every file of the game directory and of the launcher's data directory,
// keyed by its path below the tree.
std::map<std::string, std::string> Snapshot(const GameTree& tree) {
  std::map<std::string, std::string> files;
  for (const auto& top : {tree.hl_dir(), tree.app_dir()}) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(top)) {
      // The writers' lock file is no game file; orvanectl makes it, a window under test does not.
      if (!entry.is_regular_file() || entry.path().filename() == "orvane.lock") continue;
      files[std::filesystem::relative(entry.path(), tree.root()).string()] =
          ReadHostFile(entry.path());
    }
  }
  return files;
}

// A game file's key in a snapshot, from its path below Half-Life as the game
// writes it ("<app>" before the name of a file of the launcher's data).
QString SnapshotKey(QString relative) {
  if (relative.startsWith(QStringLiteral("<app>"))) return "orvane-data/" + relative.mid(5);
  return QStringLiteral("Half-Life/") + relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

std::string ReadSnapshotFile(const GameTree& tree, const QString& relative) {
  const QString key = SnapshotKey(relative);
  return ReadHostFile(tree.root() / key.toStdString());
}

// The paths whose bytes differ, or that only one side has.
QStringList Differences(const std::map<std::string, std::string>& a,
                        const std::map<std::string, std::string>& b) {
  QStringList differ;
  for (const auto& [path, bytes] : a) {
    const auto other = b.find(path);
    if (other == b.end() || other->second != bytes) differ << QString::fromStdString(path);
  }
  for (const auto& [path, bytes] : b) {
    if (!a.contains(path)) differ << QString::fromStdString(path);
  }
  differ.sort();
  return differ;
}

// Sets a control as the player would, by the value text orvanectl takes.
void SetControl(QWidget& window, const QString& name, const QString& value) {
  QWidget* control = Find<QWidget>(window, name);
  if (auto* spin = qobject_cast<QSpinBox*>(control)) {
    spin->setValue(value.toInt());
  } else if (auto* slider = qobject_cast<QSlider*>(control)) {
    slider->setValue(value.toInt());
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    const int index = combo->findText(value);
    if (index < 0) qFatal("%s has no item %s", qPrintable(name), qPrintable(value));
    combo->setCurrentIndex(index);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setChecked(value == QLatin1String("1"));
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->selectAll();
    QTest::keyClicks(edit, value);
  } else {
    qFatal("%s is no control the test can set", qPrintable(name));
  }
}

}  // namespace

class EndToEndTest final : public QObject {
  Q_OBJECT

 private slots:
  void WindowAndOrvanectlConfigureAndLaunchEveryMod_data() {
    QTest::addColumn<QString>("mod");
    QTest::addColumn<QString>("bot");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("file");  // ...where the change shows as this exact line
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("first_map");
    // What the launch writes besides log.txt, and a line each must hold.
    QTest::addColumn<QStringList>("launch_files");
    QTest::addColumn<QStringList>("launch_lines");

    const QString frag = QStringLiteral("\"mp_fraglimit\"\t\t\"40.00000\"\r\n");
    QTest::newRow("Action") << "Action"
                            << ""
                            << "AC_fraglimit"
                            << "40"
                            << "action\\game.cfg" << frag << "ahl_office" << QStringList{}
                            << QStringList{};
    QTest::newRow("Botman") << "Botman"
                            << ""
                            << "BM_fraglimit"
                            << "40"
                            << "bot\\game.cfg" << frag << "boot_camp" << QStringList{}
                            << QStringList{};
    QTest::newRow("CStrike") << "CStrike"
                             << "RealBot"
                             << "CS_maxrounds"
                             << "12"
                             << "cstrike\\game.cfg"
                             << "\"mp_maxrounds\"\t\t\"12.00000\"\r\n"
                             << "cs_assault"
                             // A Metamod plugin: liblist.gam stays, plugins.ini gets its
                             // line (its copy kept first), the command file beside cstrike.
                             << QStringList{"realbot\\bot.cfg",
                                            "cstrike\\addons\\metamod\\plugins.ini",
                                            "cstrike\\addons\\metamod\\plugins.bak",
                                            "cstrike\\listenserver.cfg", "<app>KRV.ini"}
                             << QStringList{"realbot add 2 8 1 Vole\r\n",
                                            "\r\nwin32 ../realbot/dll/realbot_mm.dll\r\n",
                                            "AMX Mod X", "//mp_timelimit 20\r\n",
                                            "realbot\\bot.cfg="};
    QTest::newRow("Firebot") << "Firebot"
                             << ""
                             << "FB_friendlyfire"
                             << "1"
                             << "firearms\\game.cfg"
                             << "\"mp_friendlyfire\"\t\t\"1\"\r\n"
                             << "ps_bridge" << QStringList{} << QStringList{};
    QTest::newRow("Frontline") << "Frontline"
                               << "AgroBot"
                               << "FL_roundlimit"
                               << "6"
                               << "frontline\\game.cfg"
                               << "\"mp_roundlimit\"\t\t\"6.00000\"\r\n"
                               << "flf_lombardi"
                               << QStringList{"frontline\\agrobot.cfg", "frontline\\liblist.gam",
                                              "frontline\\liblist.bak", "<app>KRV.ini"}
                               << QStringList{"addbot 1 3 Kestrel 3\r\n",
                                              "gamedll \"dlls\\agrobot.dll\"\r\n",
                                              "game \"Front Line Force", "frontline\\agrobot.cfg="};
    QTest::newRow("Jumbot") << "Jumbot"
                            << ""
                            << "JB_bot_num"
                            << "8"
                            << "jumbot\\jumbot.cfg"
                            << "bot_num 8\r\n"
                            << "boot_camp" << QStringList{} << QStringList{};
    QTest::newRow("Phineas") << "Phineas"
                             << ""
                             << "PH_quantity"
                             << "3"
                             << "phineas\\bots.ini"
                             << "Quantity\t\t=3\r\n"
                             << "stalkyard" << QStringList{} << QStringList{};
    QTest::newRow("Rocket") << "Rocket"
                            << ""
                            << "RC_fraglimit"
                            << "40"
                            << "rockcrowbar\\game.cfg"
                            << "\"mp_fraglimit\"\t\t\"40.000000\"\r\n"
                            << "crossfire" << QStringList{} << QStringList{};
    QTest::newRow("Scihunt") << "Scihunt"
                             << ""
                             << "SH_realistic"
                             << "Madness"
                             << "scihunt\\game.cfg"
                             << "\"sh_realistic\"\t\t\"4\"\r\n"
                             << "boot_camp" << QStringList{} << QStringList{};
    QTest::newRow("TFC") << "TFC"
                         << "Abot"
                         << "TF_fraglimit"
                         << "40"
                         << "tfc\\game.cfg" << frag << "2fort"
                         << QStringList{"tfc\\abot.cfg",       "tfc\\liblist.gam",
                                        "tfc\\liblist.bak",    "tfc\\maps\\2fort.bot",
                                        "tfc\\maps\\well.bot", "<app>KRV.ini"}
                         << QStringList{
                                "addbot 1 9 Vole 4\r\n", "gamedll \"dlls\\abot.dll\"\r\n",
                                "game \"Team Fortress",  "// Demo 2fort bots\r\nexec abot.cfg\r\n",
                                "exec abot.cfg\r\n",     "tfc\\abot.cfg="};
  }

  void WindowAndOrvanectlConfigureAndLaunchEveryMod() {
    QFETCH(QString, mod);
    QFETCH(QString, bot);
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, file);
    QFETCH(QString, line);
    QFETCH(QString, first_map);
    QFETCH(QStringList, launch_files);
    QFETCH(QStringList, launch_lines);

    // By the window.
    GameTree by_window;
    DemoGame(by_window);
    LauncherState state = by_window.State();
    RegistryStore store = by_window.Store();
    MainWindow main(state, store, LauncherStartupHooks(state, store), LauncherLaunchHooks());
    main.SetWindowHooks(LauncherWindowHooks(state));
    std::vector<std::string> starts;
    main.SetProgramStarter([&starts](std::string_view, std::string_view params, std::string_view) {
      starts.emplace_back(params);
      return StartResult{true, ""};
    });
    ModalAnswerer answerer;  // any box is a failure, recorded here
    main.show();
    auto* mod_button = Find<QToolButton>(main, "SB_" + mod);
    QTRY_VERIFY(mod_button->isVisible());
    mod_button->click();
    if (!bot.isEmpty()) {
      auto* bots = Find<QComboBox>(main, QStringLiteral("CB_SelectBot"));
      bots->setCurrentIndex(bots->findText(bot));
      QCOMPARE(bots->currentText(), bot);
    }

    bool applied = false;
    QTimer editor_poll;
    QObject::connect(&editor_poll, &QTimer::timeout, [&] {
      auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (editor == nullptr || applied ||
          editor->findChild<QPushButton*>("BApplyConf") == nullptr) {
        return;
      }
      applied = true;
      SetControl(*editor, control, value);
      Find<QPushButton>(*editor, QStringLiteral("BApplyConf"))->click();
    });
    editor_poll.start(10);
    const auto before_apply = Snapshot(by_window);
    Find<QToolButton>(main, QStringLiteral("SB_EditConf"))->click();  // returns once applied
    QVERIFY(applied);
    QCOMPARE(answerer.texts(), QStringList{});
    const std::string written = by_window.Read(file.toStdString());
    QVERIFY2(written.find(line.toStdString()) != std::string::npos, written.c_str());
    QVERIFY(Differences(before_apply, Snapshot(by_window)).contains(SnapshotKey(file)));

    const auto before_launch = Snapshot(by_window);
    Find<QToolButton>(main, QStringLiteral("SB_HL"))->click();
    QCOMPARE(answerer.texts(), QStringList{});
    const std::string game_dir(FindMod(mod.toStdString())->game_dir_name);
    const std::string command = " -console -game " + game_dir +
                                " +sv_lan 1 +maxplayers 32 +connect +map " +
                                first_map.toStdString();
    QCOMPARE(starts, std::vector<std::string>{command});
    QCOMPARE(ReadHostFile(by_window.app_dir() / "log.txt"), command + "\r\n");
    QStringList expected_launch{QStringLiteral("orvane-data/log.txt")};
    for (const QString& launch_file : launch_files) expected_launch << SnapshotKey(launch_file);
    expected_launch.sort();
    QCOMPARE(Differences(before_launch, Snapshot(by_window)), expected_launch);
    for (qsizetype i = 0; i < launch_files.size(); ++i) {
      const std::string bytes = ReadSnapshotFile(by_window, launch_files[i]);
      QVERIFY2(bytes.find(launch_lines[i].toStdString()) != std::string::npos, bytes.c_str());
    }

    // By orvanectl, on a tree of its own: the same files, byte for byte.
    GameTree by_ctl;
    DemoGame(by_ctl);
    std::vector<std::string> bot_args;
    if (!bot.isEmpty()) bot_args = {"--bot", bot.toStdString()};
    std::vector<std::string> config{"config", mod.toStdString()};
    config.insert(config.end(), bot_args.begin(), bot_args.end());
    config.insert(config.end(), {"set", (control + "=" + value).toStdString()});
    const CtlRun configured = RunCtl(by_ctl, config);
    QVERIFY2(configured.status == 0, configured.err.c_str());
    std::vector<std::string> launch{"launch", mod.toStdString()};
    launch.insert(launch.end(), bot_args.begin(), bot_args.end());
    launch.emplace_back("--no-start");
    const CtlRun launched = RunCtl(by_ctl, launch);
    QVERIFY2(launched.status == 0, launched.err.c_str());
    QCOMPARE(Differences(Snapshot(by_window), Snapshot(by_ctl)), QStringList{});
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::EndToEndTest)
#include "EndToEndTest.moc"
