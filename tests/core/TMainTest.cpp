#include "core/TMain.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "support/GameTree.h"
#include "support/Isolation.h"
#include "support/WindowTest.h"

namespace orvane::test {

class TMainTest final : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheInstalledMods() {
    GameTree tree;
    tree.StandardRegistry().Dir("bot").Dir("jumbot").Dir("cstrike").File("hl.exe");
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    ModalAnswerer answerer;
    TMain window(state, store, {});
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvane"));
    auto* mods = window.findChild<QLabel*>(QStringLiteral("LB_InstalledMods"));
    QVERIFY(mods != nullptr);
    // CStrike has no usable bot library, so no button.
    QCOMPARE(mods->text(), QStringLiteral("Botman 10\nJumbot 2.4"));
    QVERIFY(answerer.texts().isEmpty());
  }

  void MalformedStoreGivesAnErrorBoxNamingIt() {
    GameTree tree;
    tree.RegistryText("WINE REGISTRY Version 2\n[Software\\\\Tarrow Inc.\\\\KRV]\nHLPath=x\n");
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    ModalAnswerer answerer;
    TMain window(state, store, {});
    QCOMPARE(answerer.texts().size(), 2);
    QCOMPARE(answerer.texts()[0], QStringLiteral("Can't load default directories."));
    QVERIFY2(answerer.texts()[1].contains(QStringLiteral("registry.reg, line 3")),
             qPrintable(answerer.texts()[1]));
  }
};

}  // namespace orvane::test

ORVANE_WINDOW_TEST_MAIN(orvane::test::TMainTest)
#include "TMainTest.moc"
