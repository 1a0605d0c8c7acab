#include "gui/editors/TFBotman.h"

#include <QApplication>
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
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "app/Wiring.h"
#include "core/Startup.h"
#include "gui/EditorWindows.h"
#include "gui/SmallWindows.h"
#include "gui/TMain.h"
#include "support/GameTree.h"
#include "support/Isolation.h"
#include "support/ModTree.h"
#include "support/WindowTest.h"

namespace orvane::test {
namespace {

// A Botman installation, and the launcher started on it with Botman chosen.
struct BotmanTree : ModTree {
  explicit BotmanTree(const std::string& bot_cfg = kBotCfg, const std::string& game_cfg = kGameCfg)
      : ModTree("Botman", [&](GameTree& game) { BotmanFiles(game, bot_cfg, game_cfg); }) {}
  std::string Read(const char* file) const { return ModTree::Read(std::string("bot\\") + file); }
};

template <typename T>
T* Find(QWidget& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  if (found == nullptr) qFatal("no control %s", qPrintable(name));
  return found;
}

QStringList Items(QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

void SelectRows(QListWidget* list, std::initializer_list<int> rows) {
  list->clearSelection();
  for (int row : rows) list->item(row)->setSelected(true);
  list->setCurrentRow(*rows.begin(), QItemSelectionModel::NoUpdate);
}

// Runs `step` on the modal window once it is up and loaded.
void WhenModal(const std::function<void(TFBotman&)>& step) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, step] {
    auto* editor = qobject_cast<TFBotman*>(QApplication::activeModalWidget());
    if (editor == nullptr || !editor->loaded()) return;
    timer->stop();
    timer->deleteLater();
    step(*editor);
  });
  timer->start(10);
}

}  // namespace

class TFBotmanTest final : public QObject {
  Q_OBJECT

  static void Open(TFBotman& window) {
    window.show();
    QTRY_VERIFY(window.loaded());
    QTest::qWait(1);
  }

 private slots:
  void LoadsEveryFile() {
    BotmanTree t;
    TFBotman window(t.state, nullptr);
    Open(window);
    QCOMPARE(Find<QSpinBox>(window, "BM_fraglimit")->value(), 25);
    QCOMPARE(Find<QSpinBox>(window, "BM_timelimit")->value(), 15);
    QVERIFY(Find<QCheckBox>(window, "BM_weaponstay")->isChecked());
    QVERIFY(Find<QRadioButton>(window, "BM_fallnorm")->isChecked());
    QCOMPARE(Find<QSlider>(window, "BM_defskill")->value(), 2);
    QCOMPARE(Find<QSpinBox>(window, "BM_spawndelay")->value(), 5);
    // The starting map from bot.cfg, then the usable lines of mapcycle.txt.
    QCOMPARE(Items(Find<QListWidget>(window, "BM_MapCycle")),
             (QStringList{"crossfire", "stalkyard"}));
    QVERIFY(Items(Find<QListWidget>(window, "BM_MapDispo")).contains("frenzy"));
    QCOMPARE(Items(Find<QListWidget>(window, "BM_ListBot")), (QStringList{"Iris", "Rex"}));
    QCOMPARE(Find<QLineEdit>(window, "BM_botname")->text(), QStringLiteral("Iris"));
    QCOMPARE(Find<QComboBox>(window, "BM_botmodel")->currentText(), QStringLiteral("gina"));
    QCOMPARE(Find<QSlider>(window, "BM_Botskill")->value(), 2);
    QVERIFY(!window.modified());
    QCOMPARE(window.findChild<QWidget*>(QStringLiteral("TS_BM_Game")) != nullptr, true);
  }

  // Select Botman, open its window, add two maps and a bot, apply, launch.
  void EndToEndFromTheMainWindow() {
    BotmanTree t;
    TMain main(t.state, t.store, {}, {});
    main.SetWindowHooks(LauncherWindowHooks(t.state));
    std::vector<std::string> started;
    main.SetProgramStarter([&started](std::string_view p, std::string_view a, std::string_view) {
      started.push_back(std::string(p) + "|" + std::string(a));
      return StartResult{true, ""};
    });
    main.ShowModButtons();
    Find<QToolButton>(main, "SB_Botman")->click();
    bool applied = false;
    WhenModal([&applied](TFBotman& editor) {
      auto* dispo = Find<QListWidget>(editor, "BM_MapDispo");
      SelectRows(dispo, {dispo->row(dispo->findItems("frenzy", Qt::MatchExactly)[0]),
                         dispo->row(dispo->findItems("datacore", Qt::MatchExactly)[0])});
      Find<QToolButton>(editor, "BM_AddMap")->click();
      Find<QToolButton>(editor, "BM_SBCreeBot")->click();
      auto* name = Find<QLineEdit>(editor, "BM_botname");
      name->selectAll();
      QTest::keyClicks(name, "Big Bob");
      Find<QSlider>(editor, "BM_Botskill")->setValue(4);
      QVERIFY(editor.modified());
      Find<QPushButton>(editor, "BApplyConf")->click();
      applied = true;
    });
    Find<QToolButton>(main, "SB_EditConf")->click();  // returns when the editor closes
    QVERIFY(applied);
    QCOMPARE(t.Read("game.cfg"), std::string(kGameCfg));
    QCOMPARE(t.Read("bot.cfg"),
             std::string("#BOTMAN MAIN BOT FILE\r\n#\r\n# This file was generated by Orvane\r\n"
                         "# don't modify anything unless you know what you're doing !\r\n#\r\n"
                         "map crossfire\r\n#\r\npause 3\r\n#min_bots 2\r\n#max_bots 6\r\n"
                         "botskill 2\r\naddbot gina Iris 2\r\npause 5\r\naddbot barney Rex\r\n"
                         "pause 5\r\naddbot gordon BigBob 4\r\npause 5\r\n"));
    QCOMPARE(t.Read("mapcycle.txt"), std::string("stalkyard\r\ndatacore\r\nfrenzy\r\n"));
    QCOMPARE(t.Read("listenserver.cfg"),
             std::string("hostname \"x\"\r\n//mp_timelimit 30\r\n// mp_teamplay 1\r\n"));

    Find<QToolButton>(main, "SB_HL")->click();
    QCOMPARE(
        ReadHostFile(t.tree.app_dir() / "log.txt"),
        std::string(" -console -game bot +sv_lan 1 +maxplayers 32 +connect +map boot_camp\r\n"));
    QCOMPARE(started.size(), size_t{1});
  }

  void ExitPromptWithAFailingCheckKeepsTheWindow() {
    BotmanTree t;
    TFBotman window(t.state, nullptr);
    Open(window);
    Find<QToolButton>(window, "BM_DelAllMaps")->click();
    QVERIFY(window.modified());
    {
      ModalAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});
      Find<QPushButton>(window, "BClose")->click();
      QCOMPARE(answerer.texts()[0], QStringLiteral("Do you want to save your settings ?"));
      QCOMPARE(answerer.texts()[2], QStringLiteral("You must select a starting map."));
    }
    QVERIFY(window.isVisible());
    QVERIFY(window.modified());
    {
      ModalAnswerer answerer({QMessageBox::No});
      Find<QPushButton>(window, "BClose")->click();
      QCOMPARE(answerer.boxes(), 1);
    }
    QVERIFY(!window.isVisible());
    QCOMPARE(t.Read("bot.cfg"), std::string(kBotCfg));  // No: nothing written
    QCOMPARE(t.Read("mapcycle.txt"), std::string("stalkyard\r\nnowhere\r\n"));
  }

  void ApplyReportsEveryFailedCheck() {
    BotmanTree t("pause 3\r\n");  // no starting map, no bot
    TFBotman window(t.state, nullptr);
    Open(window);
    Find<QRadioButton>(window, "BM_teamplay")->click();
    Find<QToolButton>(window, "BM_DelAllMaps")->click();
    ModalAnswerer answerer;
    Find<QPushButton>(window, "BApplyConf")->click();
    QCOMPARE(answerer.texts().filter(QStringLiteral("You must")),
             (QStringList{"You must select at least two teams for a teamplay.",
                          "You must select a starting map.",
                          "You must have at least one bot to play."}));
    QVERIFY(window.isVisible());
    QCOMPARE(t.Read("bot.cfg"), std::string("pause 3\r\n"));
  }

  void RestoreDefaultAndRestoreConfig() {
    BotmanTree t;
    TFBotman window(t.state, nullptr);
    Open(window);
    ModalAnswerer answerer;
    Find<QPushButton>(window, "BRestoreDef")->click();
    QCOMPARE(answerer.texts()[0],
             QStringLiteral("Do you really want to reload your default Botman settings ? "));
    QVERIFY(window.modified());
    QCOMPARE(Find<QSpinBox>(window, "BM_fraglimit")->value(), 0);  // game options reset
    QVERIFY(!Find<QCheckBox>(window, "BM_weaponstay")->isChecked());
    QCOMPARE(Items(Find<QListWidget>(window, "BM_MapCycle")), QStringList{"crossfire"});
    QCOMPARE(Items(Find<QListWidget>(window, "BM_ListBot")), (QStringList{"Iris", "Rex"}));
    QCOMPARE(Find<QSpinBox>(window, "BM_spawndelay")->value(), 5);

    Find<QPushButton>(window, "BRestoreConf")->click();
    QCOMPARE(Find<QSpinBox>(window, "BM_fraglimit")->value(), 25);
    QCOMPARE(Items(Find<QListWidget>(window, "BM_MapCycle")),
             (QStringList{"crossfire", "stalkyard"}));
    QVERIFY(!window.modified());
  }

  void RosterReorderDeleteAndNames() {
    BotmanTree t(std::string(kBotCfg) + "addbot gordon Ann 1\r\naddbot helmet Max 5\r\n");
    TFBotman window(t.state, nullptr);
    Open(window);
    auto* list = Find<QListWidget>(window, "BM_ListBot");
    QCOMPARE(Items(list), (QStringList{"Iris", "Rex", "Ann", "Max"}));
    list->setCurrentRow(3);
    Find<QToolButton>(window, "BM_SBUpBot")->click();
    QCOMPARE(Items(list), (QStringList{"Iris", "Rex", "Max", "Ann"}));
    QCOMPARE(Find<QComboBox>(window, "BM_botmodel")->currentText(), QStringLiteral("helmet"));

    SelectRows(list, {0, 2});
    {
      ModalAnswerer answerer({QMessageBox::Yes});
      QTest::keyClick(list, Qt::Key_Delete);
      QCOMPARE(answerer.texts()[0],
               QStringLiteral("Are you sure you want to delete selected bot(s) ?"));
    }
    QCOMPARE(Items(list), (QStringList{"Rex", "Ann"}));
    QCOMPARE(window.roster().items[1].model, std::string("gordon"));

    // Blanks and the characters bot.cfg cannot carry are dropped as typed;
    // an emptied name keeps the entry's name.
    auto* name = Find<QLineEdit>(window, "BM_botname");
    name->selectAll();
    QTest::keyClicks(name, "Big <\"Bob\">");
    QCOMPARE(name->text(), QStringLiteral("BigBob"));
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(window.roster().items[static_cast<size_t>(window.roster().current)].name,
             std::string("BigBob"));

    // Deleting the last entry clears the properties.
    SelectRows(list, {0, 1});
    {
      ModalAnswerer answerer({QMessageBox::Yes});
      Find<QToolButton>(window, "BM_SBDelBot")->click();
    }
    QCOMPARE(list->count(), 0);
    QCOMPARE(name->text(), QString());
    QVERIFY(Find<QWidget>(window, "BM_BotPic")->isHidden());
  }

  void NumberOfTeamsRule() {
    BotmanTree t(kBotCfg, std::string(kGameCfg).replace(std::string(kGameCfg).find("\"\"\r\n"), 2,
                                                        "\"gina\""));
    TFBotman window(t.state, nullptr);
    Open(window);
    auto* numteam = Find<QSpinBox>(window, "BM_numteam");
    QCOMPARE(numteam->value(), 2);  // the single name gina gives two teams
    auto team = [&window](int k) {
      return Find<QComboBox>(window, QStringLiteral("BM_team%1").arg(k));
    };
    QCOMPARE(team(1)->currentText(), QStringLiteral("gina"));
    QVERIFY(!team(1)->isEnabled());  // deathmatch
    Find<QRadioButton>(window, "BM_teamplay")->click();
    QVERIFY(team(1)->isEnabled() && team(2)->isEnabled() && !team(3)->isEnabled());
    numteam->setValue(4);
    QVERIFY(team(3)->isEnabled() && team(4)->isEnabled() && !team(5)->isEnabled());
    team(4)->setCurrentIndex(0);
    QApplication::setActiveWindow(&window);
    numteam->setFocus();
    QTRY_VERIFY(numteam->hasFocus());
    numteam->stepDown();  // inside the spin edit: row 4 goes and loses its team
    QVERIFY(!team(4)->isEnabled());
    QCOMPARE(team(4)->currentIndex(), -1);
  }

  // Each broken file gets its box with file and line; the other file still
  // loads, and nothing is written.
  void ABrokenFileIsNamedAndTheRestLoads_data() {
    QTest::addColumn<QString>("bot_cfg");
    QTest::addColumn<QString>("game_cfg");
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("fraglimit");
    QTest::addColumn<int>("bots");
    QTest::newRow("bot.cfg") << "pause 3\r\naddbot gina Iris hard\r\n"
                             << kGameCfg << "bot.cfg, line 2" << 25 << 0;
    QTest::newRow("game.cfg") << kBotCfg << "\"mp_fraglimit\"\t\t\"lots\"\r\n"
                              << "game.cfg, line 1" << 0 << 2;
  }

  void ABrokenFileIsNamedAndTheRestLoads() {
    QFETCH(QString, bot_cfg);
    QFETCH(QString, game_cfg);
    QFETCH(QString, where);
    QFETCH(int, fraglimit);
    QFETCH(int, bots);
    BotmanTree t(bot_cfg.toStdString(), game_cfg.toStdString());
    TFBotman window(t.state, nullptr);
    ModalAnswerer answerer;
    Open(window);
    QTRY_COMPARE(answerer.boxes(), 1);
    QVERIFY2(answerer.texts()[1].contains(where), qPrintable(answerer.texts()[1]));
    QCOMPARE(Find<QSpinBox>(window, "BM_fraglimit")->value(), fraglimit);
    QCOMPARE(Find<QListWidget>(window, "BM_ListBot")->count(), bots);
    QVERIFY(!window.modified());
    QCOMPARE(t.Read("bot.cfg"), bot_cfg.toStdString());
    QCOMPARE(t.Read("game.cfg"), game_cfg.toStdString());
  }

  void MissingBotFileIsReported() {
    BotmanTree t;
    std::filesystem::remove(t.tree.hl_dir() / "bot" / "bot.cfg");
    TFBotman window(t.state, nullptr);
    ModalAnswerer answerer;
    Open(window);
    QTRY_COMPARE(answerer.boxes(), 1);
    QCOMPARE(answerer.texts()[0],
             QString::fromStdString("Can't find bot.cfg in " + t.tree.HLPath() + "\\bot"));
  }

  // Moving the default skill is a change to save, with or without a bot chosen.
  void DefaultSkillAloneMarksTheWindowModified() {
    BotmanTree t("map crossfire\r\npause 3\r\n");
    TFBotman window(t.state, nullptr);
    Open(window);
    QVERIFY(!window.modified());
    Find<QSlider>(window, "BM_defskill")->setValue(5);
    QVERIFY(window.modified());
  }

  void PreviewDocksBesideTheWindowAndComesBackFresh() {
    BotmanTree t;
    TFBotman window(t.state, nullptr);
    Open(window);
    Find<QRadioButton>(window, "BM_teamplay")->click();
    Find<QComboBox>(window, "BM_team1")
        ->setCurrentIndex(Find<QComboBox>(window, "BM_team1")->findText("barney"));
    Find<QToolButton>(window, "Open_Preview")->click();
    auto* preview = window.findChild<TPreview*>();
    QVERIFY(preview != nullptr && t.state.preview_open);
    QCOMPARE(preview->windowTitle(), QStringLiteral("Team 1 - barney"));
    QCOMPARE(preview->pos(), window.pos() + QPoint(583, 22));
    window.move(window.pos() + QPoint(30, 40));
    QCOMPARE(preview->pos(), window.pos() + QPoint(583, 22));
    preview->close();
    QTRY_VERIFY(window.findChild<TPreview*>() == nullptr);
    QVERIFY(!t.state.preview_open);
    Find<QToolButton>(window, "Open_Preview")->click();
    QVERIFY(window.findChild<TPreview*>() != nullptr);
  }

  void EditMapConfigOpensTheFirstSelectedMapsFile() {
    BotmanTree t;
    t.tree.File("bot\\mapcfgs\\boot_camp.cfg", "bot_skill 2\r\n");
    TFBotman window(t.state, nullptr);
    QString caption;
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (auto* editor = qobject_cast<TEditor*>(QApplication::activeModalWidget())) {
        caption = editor->windowTitle();
        text = editor->findChild<QPlainTextEdit*>(QStringLiteral("Memo"))->toPlainText();
        editor->reject();
      }
    });
    poll.start(10);
    const std::string dir = t.tree.HLPath() + "\\bot\\mapcfgs\\";
    window.EditMapConfig({}, dir, ".cfg");  // no selection: nothing opens
    QVERIFY(caption.isEmpty());
    window.EditMapConfig({"boot_camp *+", "crossfire "}, dir, ".cfg");
    QCOMPARE(caption, QString::fromStdString(dir + "boot_camp.cfg"));
    QCOMPARE(text, QStringLiteral("bot_skill 2"));
  }

  void RandomBotFromTheNamesAndModels() {
    BotmanTree t("map crossfire\r\n");
    t.state.bot_names = {"Zed"};
    TFBotman window(t.state, nullptr);
    Open(window);
    Find<QToolButton>(window, "BM_SBCreeRandomBot")->click();
    const BotEntry& entry = window.roster().items.at(0);
    QCOMPARE(entry.name, std::string("Zed"));
    QVERIFY(Find<QComboBox>(window, "BM_botmodel")->findText(QString::fromStdString(entry.model)) >=
            0);
    const int skill = std::stoi(entry.skill);
    QVERIFY(skill >= 1 && skill <= 5);
    t.state.bot_names.clear();
    ModalAnswerer answerer;
    Find<QToolButton>(window, "BM_SBCreeRandomBot")->click();
    QCOMPARE(answerer.texts()[0], QStringLiteral("Can't create a random bot."));
    QCOMPARE(window.roster().items.size(), size_t{1});
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::TFBotmanTest)
#include "TFBotmanTest.moc"
