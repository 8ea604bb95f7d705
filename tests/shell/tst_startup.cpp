#include "FakePlatform.h"
#include "WidgetTest.h"

#include "shell/Startup.h"
#include "shell/frmMDI.h"

#include <QMdiArea>
#include <QtTest>

using namespace vellora;
using namespace vellora::test;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SettleDeletions(); }

    void secondCopyIsRefused();
    void firstCopyShowsMaximisedLauncher();
    void closingTheMainWindowEndsTheProgram_data();
    void closingTheMainWindowEndsTheProgram();
    void endProgramClosesEveryOpenWindow();
};

void StartupTest::secondCopyIsRefused() {
    FakePlatform platform;
    platform.otherCopyRunning = true;
    const auto main = RunStartup(platform);
    QVERIFY(!main);
    QCOMPARE(platform.instanceChecks, 1);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(platform.messages[0].title, QStringLiteral("Vellora"));
    QCOMPARE(platform.messages[0].icon, MessageIcon::Information);
    QCOMPARE(platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(platform.endProcessCalls, 1);
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    QVERIFY(platform.settings.isEmpty());
    QVERIFY(platform.openedAddresses.isEmpty());
}

void StartupTest::firstCopyShowsMaximisedLauncher() {
    FakePlatform platform;
    const auto main = RunStartup(platform);
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QVERIFY(main->windowState() & Qt::WindowMaximized);
    QVERIFY(main->launcherPanel()->isVisible());
    QVERIFY(main->findChild<QMdiArea *>()->subWindowList().isEmpty());
    QCOMPARE(platform.instanceChecks, 1);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.endProcessCalls, 0);
}

void StartupTest::closingTheMainWindowEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close";
    QTest::newRow("Exit button") << "button";
}

void StartupTest::closingTheMainWindowEndsTheProgram() {
    QFETCH(QString, how);
    FakePlatform platform;
    const auto main = RunStartup(platform);
    QVERIFY(main);
    if (how == "close")
        main->close();
    else
        Click(main.get(), "cmdMdiExit");
    QTRY_COMPARE(platform.endProcessCalls, 1);
    QVERIFY(!main->isVisible());
    QVERIFY(platform.messages.isEmpty());
}

void StartupTest::endProgramClosesEveryOpenWindow() {
    FakePlatform platform;
    const auto main = RunStartup(platform);
    QWidget other;
    other.show();
    EndProgram(platform);
    QVERIFY(!main->isVisible());
    QVERIFY(!other.isVisible());
    QCOMPARE(platform.endProcessCalls, 1);
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
