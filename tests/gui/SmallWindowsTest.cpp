#include "gui/SmallWindows.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "gui/widgets/GameText.h"
#include "support/GameTree.h"
#include "support/Isolation.h"
#include "support/WindowTest.h"

namespace orvane::test {

class SmallWindowsTest final : public QObject {
  Q_OBJECT

 private slots:
  void EditorSavesWholeLinesAndCancelWritesNothing() {
    GameTree tree;
    const std::string path = tree.HLPath() + "\\jumbot\\mapcfgs\\crossfire.cfg";
    tree.Dir("jumbot\\mapcfgs");
    {
      TextEditorWindow editor;
      editor.Open(path);  // missing: an empty page named by the path
      QCOMPARE(editor.windowTitle(), QString::fromStdString(path));
      auto* memo = editor.findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
      QVERIFY(memo->toPlainText().isEmpty());
      memo->setPlainText(QStringLiteral("bot_skill 3\ncaf\u00e9 \u20ac\n"));
      editor.findChild<QPushButton*>(QStringLiteral("BEdit_Save"))->click();
      QCOMPARE(editor.result(), int(QDialog::Accepted));
    }
    QCOMPARE(tree.Read("jumbot\\mapcfgs\\crossfire.cfg"),
             std::string("bot_skill 3\r\ncaf\xe9 \x80\r\n"));
    {
      TextEditorWindow editor;
      editor.Open(path);
      auto* memo = editor.findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
      QCOMPARE(memo->toPlainText(), QStringLiteral("bot_skill 3\ncaf\u00e9 \u20ac"));
      memo->setPlainText(QStringLiteral("changed"));
      editor.findChild<QPushButton*>(QStringLiteral("B_Edit_Cancel"))->click();
    }
    QCOMPARE(tree.Read("jumbot\\mapcfgs\\crossfire.cfg"),
             std::string("bot_skill 3\r\ncaf\xe9 \x80\r\n"));
  }

  void EditorKeepsTheTextWhenTheFileCannotBeWritten() {
    GameTree tree;
    TextEditorWindow editor;
    editor.Open(tree.HLPath() + "\\no-such-dir\\x.cfg");
    editor.findChild<QPlainTextEdit*>(QStringLiteral("Memo"))->setPlainText(QStringLiteral("keep"));
    editor.show();
    ModalAnswerer answerer;
    QTimer::singleShot(0, editor.findChild<QPushButton*>(QStringLiteral("BEdit_Save")),
                       &QPushButton::click);
    QTRY_COMPARE(answerer.boxes(), 1);
    QVERIFY(answerer.texts()[0].contains(QStringLiteral("x.cfg")));
    QVERIFY(editor.isVisible());
  }

  void AboutAsSplashAndFromTheMenu() {
    AboutWindow splash(true);
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("VERSION 8.2"));
    QVERIFY(!splash.findChild<QLabel*>(QStringLiteral("Label_loading"))->isHidden());
    splash.show();
    QTest::mouseClick(splash.findChild<QLabel*>(QStringLiteral("Image1")), Qt::LeftButton);
    QVERIFY(splash.isVisible());  // a splash ignores clicks

    AboutWindow about(false);
    QVERIFY(about.findChild<QLabel*>(QStringLiteral("Label_loading"))->isHidden());
    about.show();
    QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("Image1")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QVERIFY(!about.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
  }

  void GameTextRoundTripsEveryByte() {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    QCOMPARE(ToGame(FromGame(all)), all);
    QCOMPARE(FromGame("\x80\x99"), QStringLiteral("\u20ac\u2122"));
    QCOMPARE(ToGame(QStringLiteral("\u4e2d")), std::string("?"));
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::SmallWindowsTest)
#include "SmallWindowsTest.moc"
