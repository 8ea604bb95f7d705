#include "LauncherFixture.h"
#include "MenuDriver.h"

#include "calculators/bmi/frmBodyMassIndexMain.h"
#include "calculators/ibw/IdealBodyWeight.h"
#include "calculators/ibw/frmIdealBodyWeightCalculatorDisplay.h"
#include "calculators/ibw/frmIdealBodyWeightCalculatorMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QtTest>

using namespace vellora;
using namespace vellora::test;

namespace {
// What the input window shows, as "Male|4 Feet 6 Inches|lb"; "kg" when optKG is chosen.
const QString kPresets = QStringLiteral("Male|4 Feet 6 Inches|lb");
} // namespace

class IbwWindowsTest : public QObject, LauncherFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithPresets();
    void calculatesIntoResultWindow_data();
    void calculatesIntoResultWindow();
    void backKeepsPicksAndRecalculates_data();
    void backKeepsPicksAndRecalculates();
    void resultExitShowsLauncher_data();
    void resultExitShowsLauncher();
    void inputCloses_data();
    void inputCloses();
    void launcherClosesInputAndResult_data();
    void launcherClosesInputAndResult();

private:
    frmIdealBodyWeightCalculatorMain *input() const {
        return form<frmIdealBodyWeightCalculatorMain>();
    }
    frmIdealBodyWeightCalculatorDisplay *display() const {
        return form<frmIdealBodyWeightCalculatorDisplay>();
    }
    QString resultText() const { return in<QLabel>(display(), "lblResult")->text(); }
    void openIbw();
    // Picks sex and height with the arrow keys and clicks the unit's option.
    void choose(const QString &picks);
    QString picks() const;
};

void IbwWindowsTest::init() {
    openMainWindow();
}

void IbwWindowsTest::cleanup() {
    closeMainWindow();
    QLocale::setDefault(QLocale::c());
}

void IbwWindowsTest::openIbw() {
    Click(main.get(), "cmdSelectOption_2");
    QVERIFY(input() && input()->isVisible());
}

void IbwWindowsTest::choose(const QString &picks) {
    const QStringList parts = picks.split('|');
    for (auto [name, item] : {std::pair{"cmbGender", parts[0]}, std::pair{"cmbFeet", parts[1]}}) {
        auto *list = in<QComboBox>(input(), name);
        const int position = list->findText(item);
        QVERIFY2(position >= 0, qPrintable(item));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < position; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }
    Click(input(), parts[2] == "kg" ? "optKG" : "optPound");
    QCOMPARE(this->picks(), picks);
}

QString IbwWindowsTest::picks() const {
    return in<QComboBox>(input(), "cmbGender")->currentText() + "|" +
           in<QComboBox>(input(), "cmbFeet")->currentText() + "|" +
           (in<QRadioButton>(input(), "optKG")->isChecked() ? "kg" : "") +
           (in<QRadioButton>(input(), "optPound")->isChecked() ? "lb" : "");
}

void IbwWindowsTest::opensWithPresets() {
    openIbw();
    frmIdealBodyWeightCalculatorMain *window = input();
    QCOMPARE(window->windowTitle(), QStringLiteral("QV Ideal Body Weight Calculator"));

    QCOMPARE(picks(), kPresets);
    auto *gender = in<QComboBox>(window, "cmbGender");
    auto *feet = in<QComboBox>(window, "cmbFeet");
    QVERIFY(!gender->isEditable() && !feet->isEditable());
    QCOMPARE(gender->count(), 2);
    QCOMPARE(gender->itemText(1), QStringLiteral("Female"));
    QCOMPARE(feet->count(), int(IdealWeightTable.size()));
    for (int i = 0; i < feet->count(); ++i)
        QCOMPARE(feet->itemText(i), QStringLiteral("%1 Feet %2 Inches")
                                        .arg(IdealWeightTable[i].feet)
                                        .arg(IdealWeightTable[i].inches));
    // What a screen reader says for the lists: the caption labels and the accessible names.
    QCOMPARE(in<QLabel>(window, "Label3")->buddy(), gender);
    QCOMPARE(in<QLabel>(window, "Label1")->buddy(), feet);
    QCOMPARE(gender->accessibleName(), QStringLiteral("Sex"));
    QCOMPARE(feet->accessibleName(), QStringLiteral("Height in feet and inches"));
    QCOMPARE(QApplication::focusWidget(), gender);
}

void IbwWindowsTest::calculatesIntoResultWindow_data() {
    QTest::addColumn<QString>("picks");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("presets, button") << kPresets << "button"
                                     << "C"
                                     << "63 Pounds To 77 Pounds";
    QTest::newRow("presets in kg, File menu") << "Male|4 Feet 6 Inches|kg"
                                              << "menu"
                                              << "C"
                                              << "28.58 Kgs To 34.93 Kgs";
    QTest::newRow("Enter on the button") << "Female|5 Feet 4 Inches|kg"
                                         << "enter"
                                         << "C"
                                         << "48.99 Kgs To 59.87 Kgs";
    QTest::newRow("access key") << "Male|6 Feet 11 Inches|lb"
                                << "alt"
                                << "C"
                                << "220 Pounds To 268 Pounds";
    QTest::newRow("German settings") << "Male|5 Feet 10 Inches|kg"
                                     << "button"
                                     << "de_DE"
                                     << "67,59 Kgs To 83,01 Kgs";
}

void IbwWindowsTest::calculatesIntoResultWindow() {
    QFETCH(QString, picks);
    QFETCH(QString, how);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    openIbw();
    choose(picks);
    QPointer<frmIdealBodyWeightCalculatorMain> inputWindow = input();
    if (how == "button")
        Click(inputWindow, "cmdCalculate");
    else if (how == "menu")
        ChooseMenuItem(inputWindow->menu(), QStringLiteral("mnuFile"),
                       QStringLiteral("mnuGetIdealBodyWeight"));
    else if (how == "enter")
        QTest::keyClick(in<QWidget>(inputWindow, "cmdCalculate"), Qt::Key_Return);
    else // the access key presses the button after a short flash
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);

    QTRY_VERIFY(display() && display()->isVisible());
    QVERIFY(inputWindow && !inputWindow->isVisible()); // hidden, not closed
    QVERIFY(!main->launcherPanel()->isVisible());
    QCOMPARE(main->currentMenuBar(), static_cast<QWidget *>(display()->menu()));
    QCOMPARE(display()->y(), 0);
    QCOMPARE(resultText(), text);
    for (const char *advice : {"Label4", "Label5"})
        QVERIFY(!in<QLabel>(display(), advice)->text().endsWith('.'));
    QVERIFY(platform.messages.isEmpty());
}

void IbwWindowsTest::backKeepsPicksAndRecalculates_data() {
    resultWindowBackRows();
}

void IbwWindowsTest::backKeepsPicksAndRecalculates() {
    QFETCH(QString, how);
    openIbw();
    choose("Female|6 Feet 2 Inches|kg");
    Click(input(), "cmdCalculate");
    QCOMPARE(resultText(), QStringLiteral("69.4 Kgs To 84.82 Kgs"));
    backToInputWindow(display(), input(), how);
    QCOMPARE(picks(), QStringLiteral("Female|6 Feet 2 Inches|kg"));

    // The same selection again: the same text, in a freshly loaded result window.
    Click(input(), "cmdCalculate");
    QVERIFY(display() && display()->isVisible());
    QCOMPARE(resultText(), QStringLiteral("69.4 Kgs To 84.82 Kgs"));
}

void IbwWindowsTest::resultExitShowsLauncher_data() {
    resultWindowExitRows();
}

void IbwWindowsTest::resultExitShowsLauncher() {
    QFETCH(QString, how);
    openIbw();
    choose("Female|5 Feet 0 Inches|kg");
    QPointer<frmIdealBodyWeightCalculatorMain> inputWindow = input();
    Click(inputWindow, "cmdCalculate");
    leaveResultWindow(display(), inputWindow.data(), how, "lblResult");

    // Opening the calculator again starts from the presets, not the earlier picks.
    openIbw();
    QTRY_VERIFY(!inputWindow);
    QCOMPARE(picks(), kPresets);
}

void IbwWindowsTest::inputCloses_data() {
    inputWindowCloseRows();
    QTest::newRow("Enter on the height list") << "Enter"
                                              << "cmbFeet";
    QTest::newRow("keypad Enter on an option") << "keypad Enter"
                                               << "optKG";
    QTest::newRow("Escape on the sex list") << "Escape"
                                            << "cmbGender";
}

void IbwWindowsTest::inputCloses() {
    QFETCH(QString, how);
    QFETCH(QString, focus);
    openIbw();
    closeInputWindow(input(), how, focus);
}

void IbwWindowsTest::launcherClosesInputAndResult_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("the same calculator") << "cmdSelectOption_2";
    QTest::newRow("another calculator") << "cmdSelectOption_1";
}

void IbwWindowsTest::launcherClosesInputAndResult() {
    QFETCH(QString, button);
    openIbw();
    choose("Female|5 Feet 9 Inches|kg");
    QPointer<frmIdealBodyWeightCalculatorMain> oldInput = input();
    Click(oldInput, "cmdCalculate");
    QPointer<frmIdealBodyWeightCalculatorDisplay> oldResult = display();
    Click(main.get(), qPrintable(button));
    QTRY_VERIFY(!oldInput && !oldResult);
    QVERIFY(!display());
    QVERIFY(!main->launcherPanel()->isVisible());
    if (button == "cmdSelectOption_2")
        QCOMPARE(picks(), kPresets);
    else
        QVERIFY(!input() && main->openForm<frmBodyMassIndexMain>());
}

QTEST_MAIN(IbwWindowsTest)
#include "tst_ibwwindows.moc"
