#include "FakePlatform.h"
#include "WidgetTest.h"

#include "calculators/Calculators.h"
#include "calculators/bmi/frmBodyMassIndexMain.h"
#include "shell/Startup.h"
#include "shell/frmMDI.h"
#include "shell/frmNagScreen2.h"

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
    void endOfSessionLeavesThroughBothUnloads();
    void endProgramClosesEveryOpenWindow();
};

void StartupTest::secondCopyIsRefused() {
    FakePlatform platform;
    platform.otherCopyRunning = true;
    const auto main = RunStartup(platform, Calculators());
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
    const auto main = RunStartup(platform, Calculators());
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
    QTest::addColumn<QString>("mainBy");
    QTest::addColumn<QString>("exitBy");
    QTest::newRow("close box, then close box") << "close"
                                               << "close";
    QTest::newRow("Exit button, then Exit button") << "cmdMdiExit"
                                                   << "cmdClose";
    QTest::newRow("close box, then Exit button") << "close"
                                                 << "cmdClose";
}

// The main window's close only brings up the exit window; closing that one ends the program.
void StartupTest::closingTheMainWindowEndsTheProgram() {
    QFETCH(QString, mainBy);
    QFETCH(QString, exitBy);
    FakePlatform platform;
    const auto main = RunStartup(platform, Calculators());
    QVERIFY(main);
    if (mainBy == "close")
        main->close();
    else
        Click(main.get(), qPrintable(mainBy));
    QVERIFY(!main->isVisible());
    QPointer<frmNagScreen2> exitWindow = main->exitWindow();
    QVERIFY(exitWindow && exitWindow->isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(platform.endProcessCalls, 0);

    if (exitBy == "close")
        exitWindow->close();
    else
        Click(exitWindow, qPrintable(exitBy));
    QCOMPARE(platform.endProcessCalls, 1);
    QTRY_VERIFY(!exitWindow);
    QVERIFY(platform.messages.isEmpty());
}

// The session manager's last word arrives as the application's Quit event.
void StartupTest::endOfSessionLeavesThroughBothUnloads() {
    FakePlatform platform;
    const auto main = RunStartup(platform, Calculators());
    Click(main.get(), "cmdSelectOption_1");
    QPointer<QWidget> calculator = main->openForm<frmBodyMassIndexMain>();
    QVERIFY(calculator);
    QSignalSpy unloaded(main.get(), &frmMDI::unloaded);
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(platform.endProcessCalls, 1);
    QVERIFY(!main->isVisible());
    QTRY_VERIFY(!calculator && !main->exitWindow());
    QVERIFY(platform.messages.isEmpty());
}

void StartupTest::endProgramClosesEveryOpenWindow() {
    FakePlatform platform;
    const auto main = RunStartup(platform, Calculators());
    QWidget other;
    other.show();
    EndProgram(platform);
    QVERIFY(!main->isVisible());
    QVERIFY(!other.isVisible());
    QCOMPARE(platform.endProcessCalls, 1);
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
