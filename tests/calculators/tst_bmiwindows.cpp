#include "LauncherFixture.h"
#include "MenuDriver.h"

#include "calculators/bmi/frmBodyMassIndexDisplay.h"
#include "calculators/bmi/frmBodyMassIndexMain.h"
#include "links/SharedMenuBar.h"
#include "links/frmAbout.h"
#include "shell/frmNagScreen2.h"
#include "widgets/Design.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

using namespace vellora;
using namespace vellora::test;

namespace {

// A user's way through the input window, as words: "kg", "lb", "m", "in" choose a unit;
// "okW", "okH", "backW", "backH" press the entry panels' buttons; "cmbKG=70" picks an item.
using Steps = QStringList;

} // namespace

class BmiWindowsTest : public QObject, LauncherFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensFresh();
    void listsHoldTheirItems_data();
    void listsHoldTheirItems();
    void messagesLeaveEverythingAsItWas_data();
    void messagesLeaveEverythingAsItWas();
    void calculatesIntoResultWindow_data();
    void calculatesIntoResultWindow();
    void unitSwitchKeepsEachUnitsPicks();
    void resultBackShowsInputUnchanged_data();
    void resultBackShowsInputUnchanged();
    void resultExitShowsLauncher_data();
    void resultExitShowsLauncher();
    void calculatingAgainShowsOnlyNewValues();
    void inputCloses_data();
    void inputCloses();
    void enterOnAnotherButtonPressesIt();
    void escapeWithListDroppedDownOnlyClosesList();
    void launcherClosesInputAndResult_data();
    void launcherClosesInputAndResult();
    void reopenedWindowStartsFromLoadState();
    void aboutLeavesWindowUnchanged();
    void closingMainWindowClosesBothWithoutQuestion_data();
    void closingMainWindowClosesBothWithoutQuestion();

private:
    frmBodyMassIndexMain *input() const { return form<frmBodyMassIndexMain>(); }
    frmBodyMassIndexDisplay *display() const { return form<frmBodyMassIndexDisplay>(); }
    void run(const Steps &steps);
    void pick(const QString &list, const QString &item);
    void openBmi();
};

void BmiWindowsTest::init() {
    openMainWindow();
}

void BmiWindowsTest::cleanup() {
    closeMainWindow();
}

void BmiWindowsTest::openBmi() {
    Click(main.get(), "cmdSelectOption_1");
    QVERIFY(input());
    QVERIFY(input()->isVisible());
}

void BmiWindowsTest::pick(const QString &list, const QString &item) {
    auto *combo = in<QComboBox>(input(), list);
    QVERIFY2(combo, qPrintable(list));
    QVERIFY2(combo->isVisible(), qPrintable(list));
    // Typing an item's text into a fixed list finds that item, as a user would.
    combo->setFocus();
    QTest::keyClicks(combo, item);
    QCOMPARE(combo->currentText(), item);
}

void BmiWindowsTest::run(const Steps &steps) {
    static const QMap<QString, const char *> kButtons{
        {"kg", "optKG"},
        {"lb", "optPound"},
        {"m", "optMeter"},
        {"in", "optInches"},
        {"okW", "cmdOkWeight"},
        {"okH", "cmdOKHeight"},
        {"backW", "cmdBackWeight"},
        {"backH", "cmdBackHeight"},
    };
    for (const QString &step : steps) {
        if (step.contains('=')) {
            pick(step.section('=', 0, 0), step.section('=', 1));
        } else {
            QVERIFY2(kButtons.contains(step), qPrintable(step));
            Click(input(), kButtons[step]);
        }
        if (QTest::currentTestFailed())
            return;
    }
}

void BmiWindowsTest::opensFresh() {
    openBmi();
    frmBodyMassIndexMain *window = input();
    QCOMPARE(window->windowTitle(), QStringLiteral("QV Body Mass Index"));
    QVERIFY(in<QWidget>(window, "fraSelectWeight")->isVisible());
    QVERIFY(in<QWidget>(window, "fraSelectHeight")->isVisible());
    QVERIFY(!in<QWidget>(window, "fraEnterWeight")->isVisible());
    QVERIFY(!in<QWidget>(window, "fraEnterHeight")->isVisible());
    for (QRadioButton *option : window->findChildren<QRadioButton *>())
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    for (QComboBox *list : window->findChildren<QComboBox *>())
        QCOMPARE(list->currentIndex(), 0);
}

void BmiWindowsTest::listsHoldTheirItems_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("cmbKG") << "cmbKG" << 501 << "500"
                           << "Weight in kilograms, whole part";
    QTest::newRow("cmbPointKG") << "cmbPointKG" << 10 << ".9"
                                << "Weight in kilograms, tenths";
    QTest::newRow("cmbPound") << "cmbPound" << 1001 << "1000"
                              << "Weight in pounds, whole part";
    QTest::newRow("cmbPointPound") << "cmbPointPound" << 10 << ".9"
                                   << "Weight in pounds, tenths";
    QTest::newRow("cmbMeter") << "cmbMeter" << 11 << "10"
                              << "Height in meters, whole part";
    QTest::newRow("cmbPointMeter") << "cmbPointMeter" << 10 << ".9"
                                   << "Height in meters, tenths";
    QTest::newRow("cmbInches") << "cmbInches" << 501 << "500"
                               << "Height in inches, whole part";
    QTest::newRow("cmbPointInches") << "cmbPointInches" << 10 << ".9"
                                    << "Height in inches, tenths";
}

void BmiWindowsTest::listsHoldTheirItems() {
    QFETCH(QString, list);
    QFETCH(int, count);
    QFETCH(QString, last);
    QFETCH(QString, accessibleName);
    openBmi();
    auto *combo = in<QComboBox>(input(), list);
    QVERIFY(combo);
    QVERIFY(!combo->isEditable());
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->accessibleName(), accessibleName);
    QCOMPARE(combo->itemText(0), count == 10 ? QStringLiteral(".0") : QStringLiteral("0"));
    QCOMPARE(combo->itemText(count - 1), last);
    for (int i = 0; i < count; ++i) {
        const QString expected = count == 10 ? QStringLiteral(".%1").arg(i) : QString::number(i);
        QCOMPARE(combo->itemText(i), expected);
    }
}

void BmiWindowsTest::messagesLeaveEverythingAsItWas_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("message");
    const QString both = QStringLiteral("Plese Select Both Your Height And Weight");
    const QString height = QStringLiteral("Please Enter Your Correct Height");
    QTest::newRow("neither unit") << Steps{} << both;
    QTest::newRow("weight only") << Steps{"kg", "cmbKG=70", "okW"} << both;
    QTest::newRow("height only") << Steps{"m", "cmbMeter=1", "okH"} << both;
    QTest::newRow("weight cleared by Back") << Steps{"kg", "backW", "m", "cmbMeter=1"} << both;
    QTest::newRow("height cleared by Back") << Steps{"kg", "in", "backH"} << both;
    QTest::newRow("zero meters") << Steps{"kg", "cmbKG=70", "m"} << height;
    QTest::newRow("zero inches, pounds") << Steps{"lb", "in", "okH"} << height;
}

void BmiWindowsTest::messagesLeaveEverythingAsItWas() {
    QFETCH(Steps, steps);
    QFETCH(QString, message);
    openBmi();
    run(steps);
    const QString before = WhatShows(input());
    Click(input(), "cmdCalculate");
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, message);
    QCOMPARE(platform.messages[0].title, QStringLiteral("Vellora"));
    QCOMPARE(platform.messages[0].icon, MessageIcon::Information);
    QCOMPARE(platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(WhatShows(input()), before);
    QVERIFY(input()->isVisible());
    QVERIFY(!display());
}

void BmiWindowsTest::calculatesIntoResultWindow_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("bmi");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("70 kg 1.7 m, no OK pressed")
        << Steps{"kg", "m", "cmbKG=70", "cmbMeter=1", "cmbPointMeter=.7"} << "70 Kilograms"
        << "1.7 Meters"
        << "24.22"
        << "You weight is Normal";
    QTest::newRow("154 lb 67 in, both OK")
        << Steps{"lb", "cmbPound=154", "okW", "in", "cmbInches=67", "okH"} << "154 Pounds"
        << "67 Inches"
        << "24.12"
        << "You weight is Normal";
    QTest::newRow("100 kg at 2 m") << Steps{"kg", "cmbKG=100", "m", "cmbMeter=2"} << "100 Kilograms"
                                   << "2 Meters"
                                   << "25.00"
                                   << "You are Overweight";
    QTest::newRow("64 kg at 1.6 m, class from the unrounded value")
        << Steps{"kg", "cmbKG=64", "m", "cmbMeter=1", "cmbPointMeter=.6"} << "64 Kilograms"
        << "1.6 Meters"
        << "25.00"
        << "You weight is Normal";
    QTest::newRow("1000.9 lb at 0.1 in")
        << Steps{"lb", "cmbPound=1000", "cmbPointPound=.9", "in", "cmbPointInches=.1"}
        << "1000.9 Pounds"
        << "0.1 Inches"
        << "70,370,234.23"
        << "You are Obese";
    QTest::newRow("0 kg, mixed units") << Steps{"kg", "in", "cmbInches=60"} << "0 Kilograms"
                                       << "60 Inches"
                                       << "0.00"
                                       << "You are Underweight";
    QTest::newRow("pounds with meters")
        << Steps{"lb", "cmbPound=0", "cmbPointPound=.5", "m", "cmbMeter=1"} << "0.5 Pounds"
        << "1 Meters"
        << "0.23"
        << "You are Underweight";
}

void BmiWindowsTest::calculatesIntoResultWindow() {
    QFETCH(Steps, steps);
    QFETCH(QString, weight);
    QFETCH(QString, height);
    QFETCH(QString, bmi);
    QFETCH(QString, verdict);
    openBmi();
    run(steps);
    QPointer<frmBodyMassIndexMain> inputWindow = input();
    Click(inputWindow, "cmdCalculate");
    QVERIFY(platform.messages.isEmpty());
    frmBodyMassIndexDisplay *result = display();
    QVERIFY(result);
    QVERIFY(result->isVisible());
    QVERIFY(inputWindow && !inputWindow->isVisible()); // hidden, not closed
    QVERIFY(!main->launcherPanel()->isVisible());
    QCOMPARE(main->currentMenuBar(), static_cast<QWidget *>(result->menu()));
    QCOMPARE(in<QLabel>(result, "lblYourWeight")->text(), weight);
    QCOMPARE(in<QLabel>(result, "lblYourHeight")->text(), height);
    QCOMPARE(in<QLabel>(result, "lblYourBodyMassIndex")->text(), bmi);
    QCOMPARE(in<QLabel>(result, "lblResult")->text(), verdict);
    QCOMPARE(in<QLabel>(result, "Label8")->text(), QStringLiteral("Your Height Is"));
    QCOMPARE(in<QLabel>(result, "Label7")->text(), QStringLiteral("Your Weight Is"));
    QCOMPARE(in<QLabel>(result, "Label6")->text(), QStringLiteral("Your Body Mass Index Is"));
    QCOMPARE(result->y(), 0);
}

void BmiWindowsTest::unitSwitchKeepsEachUnitsPicks() {
    openBmi();
    run({"kg", "cmbKG=70", "cmbPointKG=.5", "okW", "lb"});
    QVERIFY(in<QWidget>(input(), "fraInPound")->isVisible());
    QVERIFY(!in<QWidget>(input(), "fraInKilogram")->isVisible());
    QCOMPARE(in<QComboBox>(input(), "cmbPound")->currentText(), QStringLiteral("0"));
    QCOMPARE(in<QComboBox>(input(), "cmbPointPound")->currentText(), QStringLiteral(".0"));
    run({"okW", "kg"});
    QVERIFY(in<QWidget>(input(), "fraInKilogram")->isVisible());
    QCOMPARE(in<QComboBox>(input(), "cmbKG")->currentText(), QStringLiteral("70"));
    QCOMPARE(in<QComboBox>(input(), "cmbPointKG")->currentText(), QStringLiteral(".5"));
    // Back clears the unit but keeps the picks for the next time it is chosen.
    run({"backW"});
    QVERIFY(!in<QRadioButton>(input(), "optKG")->isChecked());
    QVERIFY(in<QWidget>(input(), "fraSelectWeight")->isVisible());
    run({"kg"});
    QCOMPARE(in<QComboBox>(input(), "cmbKG")->currentText(), QStringLiteral("70"));
}

void BmiWindowsTest::resultBackShowsInputUnchanged_data() {
    resultWindowBackRows();
}

void BmiWindowsTest::resultBackShowsInputUnchanged() {
    QFETCH(QString, how);
    openBmi();
    run({"kg", "cmbKG=70", "okW", "m", "cmbMeter=1", "cmbPointMeter=.7"});
    const QString before = WhatShows(input());
    QPointer<frmBodyMassIndexMain> inputWindow = input();
    Click(input(), "cmdCalculate");
    backToInputWindow(display(), inputWindow.data(), how);
    QCOMPARE(WhatShows(input()), before);
}

void BmiWindowsTest::resultExitShowsLauncher_data() {
    resultWindowExitRows();
}

void BmiWindowsTest::resultExitShowsLauncher() {
    QFETCH(QString, how);
    openBmi();
    run({"kg", "cmbKG=70", "m", "cmbMeter=1"});
    Click(input(), "cmdCalculate");
    leaveResultWindow(display(), input(), how, "lblYourHeight");
}

void BmiWindowsTest::calculatingAgainShowsOnlyNewValues() {
    openBmi();
    run({"kg", "cmbKG=70", "m", "cmbMeter=1", "cmbPointMeter=.7"});
    Click(input(), "cmdCalculate");
    QPointer<frmBodyMassIndexDisplay> first = display();
    Click(first, "cmdBack");
    run({"backW", "lb", "cmbPound=160", "backH", "in", "cmbInches=70"});
    Click(input(), "cmdCalculate");
    frmBodyMassIndexDisplay *second = display();
    QVERIFY(second);
    QVERIFY(second != first.data());
    QCOMPARE(in<QLabel>(second, "lblYourWeight")->text(), QStringLiteral("160 Pounds"));
    QCOMPARE(in<QLabel>(second, "lblYourHeight")->text(), QStringLiteral("70 Inches"));
    QCOMPARE(in<QLabel>(second, "lblYourBodyMassIndex")->text(), QStringLiteral("22.96"));
    QCOMPARE(in<QLabel>(second, "lblResult")->text(), QStringLiteral("You weight is Normal"));
}

void BmiWindowsTest::inputCloses_data() {
    inputWindowCloseRows();
    QTest::newRow("Enter on an option") << "Enter"
                                        << "optMeter";
    QTest::newRow("keypad Enter on an option") << "keypad Enter"
                                               << "optKG";
    QTest::newRow("Enter on a closed list") << "Enter"
                                            << "cmbKG";
    QTest::newRow("Escape on an option") << "Escape"
                                         << "optPound";
    QTest::newRow("Escape on a closed list") << "Escape"
                                             << "cmbKG";
}

void BmiWindowsTest::inputCloses() {
    QFETCH(QString, how);
    QFETCH(QString, focus);
    openBmi();
    if (focus == "cmbKG")
        run({"kg"});
    closeInputWindow(input(), how, focus);
    QVERIFY(platform.messages.isEmpty());
}

void BmiWindowsTest::enterOnAnotherButtonPressesIt() {
    openBmi();
    QTest::keyClick(in<QWidget>(input(), "cmdCalculate"), Qt::Key_Return);
    QCOMPARE(platform.messages.size(), 1); // Calculate ran, the window stays
    QVERIFY(input() && input()->isVisible());
    run({"kg"});
    QTest::keyClick(in<QWidget>(input(), "cmdOkWeight"), Qt::Key_Return);
    QVERIFY(in<QWidget>(input(), "fraSelectWeight")->isVisible());
    QVERIFY(in<QRadioButton>(input(), "optKG")->isChecked());
    QVERIFY(input()->isVisible());
}

void BmiWindowsTest::escapeWithListDroppedDownOnlyClosesList() {
    openBmi();
    run({"kg"});
    auto *list = in<QComboBox>(input(), "cmbKG");
    list->setFocus();
    list->showPopup();
    QTRY_VERIFY(list->view()->isVisible());
    QTest::keyClick(list->view(), Qt::Key_Escape);
    QTRY_VERIFY(!list->view()->isVisible());
    QVERIFY(input() && input()->isVisible());
}

void BmiWindowsTest::launcherClosesInputAndResult_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("the same calculator") << "cmdSelectOption_1";
    QTest::newRow("another calculator") << "cmdSelectOption_3";
}

void BmiWindowsTest::launcherClosesInputAndResult() {
    QFETCH(QString, button);
    openBmi();
    run({"kg", "cmbKG=70", "m", "cmbMeter=1"});
    QPointer<frmBodyMassIndexMain> oldInput = input();
    Click(input(), "cmdCalculate");
    QPointer<frmBodyMassIndexDisplay> oldResult = display();
    Click(main.get(), qPrintable(button));
    QTRY_VERIFY(!oldInput && !oldResult);
    QVERIFY(!display());
    QVERIFY(!main->launcherPanel()->isVisible());
    if (button == "cmdSelectOption_1") {
        QVERIFY(input());
        QVERIFY(!in<QRadioButton>(input(), "optKG")->isChecked());
        QCOMPARE(in<QComboBox>(input(), "cmbKG")->currentText(), QStringLiteral("0"));
    } else {
        QVERIFY(!input());
    }
}

void BmiWindowsTest::reopenedWindowStartsFromLoadState() {
    openBmi();
    run({"kg", "cmbKG=70", "in"});
    Click(input(), "cmdExit");
    SettleDeletions();
    openBmi();
    QVERIFY(in<QWidget>(input(), "fraSelectWeight")->isVisible());
    QVERIFY(in<QWidget>(input(), "fraSelectHeight")->isVisible());
    QVERIFY(!in<QRadioButton>(input(), "optKG")->isChecked());
    QVERIFY(!in<QRadioButton>(input(), "optInches")->isChecked());
    QCOMPARE(in<QComboBox>(input(), "cmbKG")->currentText(), QStringLiteral("0"));
}

void BmiWindowsTest::aboutLeavesWindowUnchanged() {
    openBmi();
    run({"kg", "cmbKG=70"});
    const QString before = WhatShows(input());
    bool shown = false;
    WhenModalAppears([&](QWidget *modal) {
        shown = qobject_cast<frmAbout *>(modal) != nullptr;
        QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    ChooseMenuItem(input()->menu(), QStringLiteral("mnuHelp"), QStringLiteral("mnuAbout"));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(shown);
    QVERIFY(input()->isVisible());
    QCOMPARE(WhatShows(input()), before);
}

void BmiWindowsTest::closingMainWindowClosesBothWithoutQuestion_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "button";
    QTest::newRow("File > Exit") << "menu";
    QTest::newRow("close box") << "close";
}

void BmiWindowsTest::closingMainWindowClosesBothWithoutQuestion() {
    QFETCH(QString, how);
    openBmi();
    run({"kg", "m", "cmbMeter=1"});
    QPointer<frmBodyMassIndexMain> inputWindow = input();
    Click(input(), "cmdCalculate");
    QPointer<frmBodyMassIndexDisplay> result = display();
    QVERIFY(result && result->isVisible());
    QSignalSpy unloaded(main.get(), &frmMDI::unloaded);
    if (how == "button")
        Click(main.get(), "cmdMdiExit");
    else if (how == "menu") // the frame's own File menu, behind the result window's
        qobject_cast<SharedMenuBar *>(main->findChild<QStackedWidget *>("menuBars")->widget(0))
            ->fileItem("mnuExit")
            ->trigger();
    else
        main->close();
    QTRY_COMPARE(unloaded.count(), 1);
    QTRY_VERIFY(!inputWindow && !result);
    QVERIFY(!main->isVisible());
    QVERIFY(platform.messages.isEmpty());
    // The exit window takes over, and the program goes on until it closes.
    const auto shown = [] {
        int count = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            count += window->isVisible() && window->objectName() == "frmNagScreen2";
        return count;
    };
    QCOMPARE(shown(), 1);
    QVERIFY(main->exitWindow() && main->exitWindow()->isVisible());
    QCOMPARE(platform.endProcessCalls, 0);
}

QTEST_MAIN(BmiWindowsTest)
#include "tst_bmiwindows.moc"
