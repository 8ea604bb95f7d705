#include "LauncherFixture.h"
#include "MenuDriver.h"

#include "calculators/StepCalculatorWindow.h"
#include "calculators/frame/frmBodyFrameSizeMain.h"
#include "calculators/whr/frmIdealWaistHipRatioMain.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace vellora;
using namespace vellora::test;

namespace {

const QString kOnlyNumber = QStringLiteral("You can enter only number");

// The two windows, as the tests name them: "whr" and "frame".
struct Design {
    const char *button;
    const QMetaObject *form;
    const char *title;
    const char *firstResult;
};

const Design &DesignOf(const QString &window) {
    static const Design kWhr{"cmdSelectOption_3", &frmIdealWaistHipRatioMain::staticMetaObject,
                             "QV Ideal Waist Hip Ratio", "WHR"};
    static const Design kFrame{"cmdSelectOption_0", &frmBodyFrameSizeMain::staticMetaObject,
                               "QV Body Frame Size", "Body Frame Size"};
    return window == "whr" ? kWhr : kFrame;
}

const QStringList kMaleHeights{"5'2'' - 5'3''", "5'4'' - 5'7''", "5'8'' - 5'11''", "6'0'' - 6'3''",
                               "6'4''"};
const QStringList kFemaleHeights{"4'10'' - 4'11''", "5'0'' - 5'3''", "5'4'' - 5'7''",
                                 "5'8'' - 5'11''", "6'0''"};

// What a user does, in words: "cboSex=Female" picks an item of the list by keyboard,
// "txtWaist:85<Enter>" types into a box ("<Name>" is one key), "=txtHip:abc" puts text in as a
// paste would, "cmdCalculate" clicks a button.
using Steps = QStringList;

// Whether the panel is tall enough for its contents at its width.
bool Fits(const QWidget *panel) {
    const int needed = panel->hasHeightForWidth() ? panel->heightForWidth(panel->width())
                                                  : panel->sizeHint().height();
    return needed <= panel->height();
}

} // namespace

class WhrFrameWindowsTest : public QObject, LauncherFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensFresh_data();
    void opensFresh();
    void showsItsCaptionsAndNames_data();
    void showsItsCaptionsAndNames();
    void calculates_data();
    void calculates();
    void filtersTypedCharacters_data();
    void filtersTypedCharacters();
    void refusesWhatCannotBeRead_data();
    void refusesWhatCannotBeRead();
    void sexChoiceRefillsHeights();
    void backResetsInputsAndKeepsResultBehind_data();
    void backResetsInputsAndKeepsResultBehind();
    void enterAndEscapeCloseNothing_data();
    void enterAndEscapeCloseNothing();
    void exitAndCloseBoxClose_data();
    void exitAndCloseBoxClose();

private:
    StepCalculatorWindow *window() const {
        return qobject_cast<StepCalculatorWindow *>(main->openForm(*form_));
    }
    template <class T> T *in(const QString &name) const {
        T *found = LauncherFixture::in<T>(window(), name);
        if (!found)
            qWarning("no %s", qPrintable(name));
        return found;
    }
    void open(const QString &which);
    void run(const Steps &steps);
    void press(QWidget *target, const QString &keys);
    void checkOnlyRefusals(int count, const QString &box);

    const QMetaObject *form_ = &frmIdealWaistHipRatioMain::staticMetaObject;
};

void WhrFrameWindowsTest::init() {
    openMainWindow();
}

void WhrFrameWindowsTest::cleanup() {
    closeMainWindow();
}

void WhrFrameWindowsTest::open(const QString &which) {
    form_ = DesignOf(which).form;
    Click(main.get(), DesignOf(which).button);
    QVERIFY(window());
    QVERIFY(window()->isVisible());
}

// Keys as a user presses them; "<Name>" stands for one key, sent with the text that the X
// server hands over for it (Delete comes as "\x7f", the copy, cut and paste shortcuts as
// control characters, arrows with none). "<Ctrl+v>" is QtTest's own spelling, text "v".
void WhrFrameWindowsTest::press(QWidget *target, const QString &keys) {
    struct Key {
        Qt::Key key;
        const char *text;
        Qt::KeyboardModifiers modifiers;
    };
    static const QMap<QString, Key> kKeys{
        {"Enter", {Qt::Key_Return, "\r", Qt::NoModifier}},
        {"Esc", {Qt::Key_Escape, "\x1b", Qt::NoModifier}},
        {"Del", {Qt::Key_Delete, "\x7f", Qt::NoModifier}},
        {"BS", {Qt::Key_Backspace, "\b", Qt::NoModifier}},
        {"Left", {Qt::Key_Left, "", Qt::NoModifier}},
        {"Home", {Qt::Key_Home, "", Qt::NoModifier}},
        {"End", {Qt::Key_End, "", Qt::NoModifier}},
        {"Shift+Ins", {Qt::Key_Insert, "", Qt::ShiftModifier}},
        {"Ctrl+C", {Qt::Key_C, "\x03", Qt::ControlModifier}},
        {"Ctrl+X", {Qt::Key_X, "\x18", Qt::ControlModifier}},
        {"Ctrl+V", {Qt::Key_V, "\x16", Qt::ControlModifier}},
        {"Ctrl+v", {Qt::Key_V, "v", Qt::ControlModifier}},
    };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys[i] != '<') {
            QTest::keyClick(target, keys[i].toLatin1());
            continue;
        }
        const qsizetype end = keys.indexOf('>', i);
        const QString name = keys.mid(i + 1, end - i - 1);
        i = end;
        QVERIFY2(kKeys.contains(name), qPrintable(name));
        const Key &key = kKeys[name];
        QTest::sendKeyEvent(QTest::Click, target, key.key, QString::fromLatin1(key.text),
                            key.modifiers);
    }
}

void WhrFrameWindowsTest::run(const Steps &steps) {
    for (const QString &step : steps) {
        if (step.startsWith('=')) {
            in<QLineEdit>(step.section(':', 0, 0).mid(1))->setText(step.section(':', 1));
        } else if (step.contains('=')) {
            auto *list = in<QComboBox>(step.section('=', 0, 0));
            QVERIFY2(list && list->isVisible(), qPrintable(step));
            // Home, then Down to the item, as a keyboard user picks it.
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Home);
            for (int i = list->findText(step.section('=', 1)); i > 0; --i)
                QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentText(), step.section('=', 1));
        } else if (step.contains(':')) {
            auto *box = in<QLineEdit>(step.section(':', 0, 0));
            QVERIFY2(box && box->isVisible(), qPrintable(step));
            box->setFocus();
            press(box, step.section(':', 1));
        } else {
            Click(window(), qPrintable(step));
        }
        if (QTest::currentTestFailed())
            return;
    }
}

// Every message so far was the stop message of that text, and the focus is in the box.
void WhrFrameWindowsTest::checkOnlyRefusals(int count, const QString &box) {
    QCOMPARE(platform.messages.size(), count);
    for (const ShownMessage &message : platform.messages) {
        QCOMPARE(message.text, kOnlyNumber);
        QCOMPARE(message.icon, MessageIcon::Stop);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(message.title, QStringLiteral("Vellora"));
    }
    QCOMPARE(QApplication::focusWidget(), in<QWidget>(box));
}

void WhrFrameWindowsTest::opensFresh_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QStringList>("keyboardOrder");
    QTest::newRow("whr") << "whr" << QStringList{"cboSex", "txtWaist", "txtHip", "cmdCalculate"};
    QTest::newRow("frame") << "frame"
                           << QStringList{"cboSex", "cboHeight", "txtElbowInch", "cmdCalculate"};
}

void WhrFrameWindowsTest::opensFresh() {
    QFETCH(QString, which);
    QFETCH(QStringList, keyboardOrder);
    open(which);
    StepCalculatorWindow *opened = window();
    QCOMPARE(opened->windowTitle(), QString::fromLatin1(DesignOf(which).title));

    // Two panels in one place, the input one in front, with room for all it holds.
    QGroupBox *input = opened->step(StepCalculatorWindow::InputStep);
    QGroupBox *result = opened->step(StepCalculatorWindow::ResultStep);
    QCOMPARE(input->objectName(), QStringLiteral("fraStep_0"));
    QCOMPARE(result->objectName(), QStringLiteral("fraStep_1"));
    QVERIFY(input->isVisible());
    QVERIFY(!result->isVisible());
    QCOMPARE(result->parentWidget(), input->parentWidget());
    QVERIFY(Fits(input));
    QCOMPARE(in<QLabel>("lblResult")->text(), QString::fromLatin1(DesignOf(which).firstResult));

    auto *sex = in<QComboBox>("cboSex");
    QCOMPARE(sex->count(), 2);
    QCOMPARE(sex->itemText(0), QStringLiteral("Male"));
    QCOMPARE(sex->itemText(1), QStringLiteral("Female"));
    QCOMPARE(sex->currentIndex(), 0);
    if (which == "frame") {
        auto *heights = in<QComboBox>("cboHeight");
        QStringList items;
        for (int i = 0; i < heights->count(); ++i)
            items << heights->itemText(i);
        QCOMPARE(items, kMaleHeights);
        QCOMPARE(heights->currentIndex(), 0);
    }
    for (QLineEdit *box : opened->findChildren<QLineEdit *>())
        QVERIFY(box->text().isEmpty());

    // The keyboard order starts at the sex list.
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int step = 1; step < keyboardOrder.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, keyboardOrder);
    QVERIFY(platform.messages.isEmpty());
}

void WhrFrameWindowsTest::showsItsCaptionsAndNames_data() {
    // Labels and panels by caption, buttons by text, lists and boxes by accessible name.
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    auto row = [](const char *which, const char *control, const QString &text) {
        QTest::addRow("%s %s", which, control) << which << control << text;
    };
    row("whr", "fraStep_0", "Personal Information");
    row("whr", "fraStep_1", "Ideal Waist Hip Ratio");
    row("whr", "cmdCalculate", "&Calculate My Ideal Waist Hip Ratio");
    row("whr", "cmdBack", "&Back");
    row("whr", "cboSex", "Sex");
    row("whr", "txtWaist", "Waist in centimetres");
    row("whr", "txtHip", "Hip in centimetres");
    row("frame", "fraStep_0", "");
    row("frame", "fraStep_1", "");
    row("frame", "lblLabel_3",
        "3. With your other hand place your thumb and index finger on the two most prominent"
        "      bones of your elbow (on either side).");
    row("frame", "cmdCalculate", "&Get My Body Frame Size");
    row("frame", "cmdBack", "&Back");
    row("frame", "cboSex", "Sex");
    row("frame", "cboHeight", "Height band");
    row("frame", "txtElbowInch", "Elbow breadth in inches");
}

void WhrFrameWindowsTest::showsItsCaptionsAndNames() {
    QFETCH(QString, which);
    QFETCH(QString, control);
    QFETCH(QString, text);
    open(which);
    QWidget *widget = in<QWidget>(control);
    QVERIFY(widget);
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    else if (auto *panel = qobject_cast<QGroupBox *>(widget))
        shown = panel->title();
    else
        shown = widget->accessibleName();
    QCOMPARE(shown, text);
}

void WhrFrameWindowsTest::calculates_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("sentence");
    auto whr = [](const char *tag, const char *sex, const char *waist, const char *hip,
                  const char *zone) {
        QTest::newRow(tag) << "whr"
                           << Steps{QStringLiteral("cboSex=") + sex,
                                    QStringLiteral("txtWaist:") + waist,
                                    QStringLiteral("txtHip:") + hip}
                           << QStringLiteral("You are in %1 Risk Zone").arg(zone);
    };
    whr("male 84/100", "Male", "84", "100", "Very Low");
    whr("male 85/100", "Male", "85", "100", "Low");
    whr("male 90/100", "Male", "90", "100", "Moderate");
    whr("male 95/100", "Male", "95", "100", "High");
    whr("male 169/200 rounds up", "Male", "169", "200", "Low");
    whr("male 100/100", "Male", "100", "100", "Very High");
    whr("female 75/100", "Female", "75", "100", "Low");
    whr("female 89/100", "Female", "89", "100", "High");
    whr("female 90/100", "Female", "90", "100", "Very High");
    whr("waist 0", "Female", "0", "120", "Very Low");
    whr("leading zeros, waist above hip", "Male", "0120", "0100", "Very High");
    auto frame = [](const char *tag, const char *sex, const QString &height, const char *elbow,
                    const char *size) {
        QTest::newRow(tag) << "frame"
                           << Steps{QStringLiteral("cboSex=") + sex, "cboHeight=" + height,
                                    QStringLiteral("txtElbowInch:") + elbow}
                           << QStringLiteral("You have a %1 Frame").arg(size);
    };
    frame("male 0, 2.5", "Male", kMaleHeights[0], "2.5", "Medium");
    frame("male 0, 2.875", "Male", kMaleHeights[0], "2.875", "Medium");
    frame("male 0, 2.49", "Male", kMaleHeights[0], "2.49", "Small");
    frame("male 0, 2.88", "Male", kMaleHeights[0], "2.88", "Large");
    frame("male 6'4'', 3.25", "Male", kMaleHeights[4], "3.25", "Medium");
    frame("male 6'4'', 3.26", "Male", kMaleHeights[4], "3.26", "Large");
    frame("female 5'0'', 2.2", "Female", kFemaleHeights[1], "2.2", "Small");
    frame("female 5'0'', 2.6", "Female", kFemaleHeights[1], "2.6", "Large");
    frame("female 5'4'', 2.4", "Female", kFemaleHeights[2], "2.4", "Medium");
    frame("male 5'4'', 2.4", "Male", kMaleHeights[1], "2.4", "Small");
    frame("elbow 3 without a point", "Male", kMaleHeights[2], "3", "Medium");
    frame("elbow 0", "Female", kFemaleHeights[4], "0", "Small");
}

void WhrFrameWindowsTest::calculates() {
    QFETCH(QString, which);
    QFETCH(Steps, steps);
    QFETCH(QString, sentence);
    open(which);
    run(steps);
    const QRect place = window()->step(StepCalculatorWindow::InputStep)->geometry();
    QTest::keyClick(in<QWidget>("cmdCalculate"), Qt::Key_Space);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(window()->currentStep(), StepCalculatorWindow::ResultStep);
    QVERIFY(window()->step(StepCalculatorWindow::ResultStep)->isVisible());
    QVERIFY(!window()->step(StepCalculatorWindow::InputStep)->isVisible());
    QCOMPARE(window()->step(StepCalculatorWindow::ResultStep)->geometry(), place);
    QVERIFY(Fits(window()->step(StepCalculatorWindow::ResultStep)));
    QCOMPARE(in<QLabel>("lblResult")->text(), sentence);
    QVERIFY(in<QLabel>("lblResult")->isVisible());
}

void WhrFrameWindowsTest::filtersTypedCharacters_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refused");
    auto row = [](const char *tag, const char *which, const char *box, const char *keys,
                  const char *text, int refused) {
        QTest::newRow(tag) << which << box << keys << text << refused;
    };
    row("waist point", "whr", "txtWaist", "85.", "85", 1);
    row("waist comma", "whr", "txtWaist", "8,5", "85", 1);
    row("hip blank", "whr", "txtHip", "1 00", "100", 1);
    row("hip minus and letter", "whr", "txtHip", "-9x", "9", 2);
    row("waist Enter", "whr", "txtWaist", "85<Enter>", "85", 1);
    row("hip Escape", "whr", "txtHip", "7<Esc>", "7", 1);
    row("waist copy, cut, paste", "whr", "txtWaist", "85<Ctrl+C><Ctrl+X><Ctrl+V>", "85", 3);
    row("hip Ctrl+V as a letter", "whr", "txtHip", "1<Ctrl+v>", "1", 1);
    row("editing keys pass", "whr", "txtWaist", "851<Left><BS><Home><Del><End>2", "12", 0);
    row("elbow point", "frame", "txtElbowInch", "2.75", "2.75", 0);
    row("elbow comma", "frame", "txtElbowInch", "2,5", "25", 1);
    row("elbow two points", "frame", "txtElbowInch", "2.5.1", "2.5.1", 0);
    row("elbow blank", "frame", "txtElbowInch", " 3", "3", 1);
    row("elbow Enter, Escape", "frame", "txtElbowInch", "3<Enter><Esc>", "3", 2);
    row("elbow paste shortcut", "frame", "txtElbowInch", "<Ctrl+V>2", "2", 1);
}

void WhrFrameWindowsTest::filtersTypedCharacters() {
    QFETCH(QString, which);
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, refused);
    open(which);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    run({box + ":" + keys});
    QCOMPARE(in<QLineEdit>(box)->text(), text);
    checkOnlyRefusals(refused, box);
    QCOMPARE(window()->currentStep(), StepCalculatorWindow::InputStep);
    QVERIFY(window()->isVisible());
}

void WhrFrameWindowsTest::refusesWhatCannotBeRead_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<Steps>("steps"); // after a first calculation and Back
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    const QString waistNumber =
        QStringLiteral("Please enter size of your waist as a number of cms, such as 85");
    const QString hipNumber =
        QStringLiteral("Please enter size of your hip as a number of cms, such as 100");
    const QString elbowNumber =
        QStringLiteral("Please enter the size of elbow in inches as a number, such as 2.75");
    auto whr = [](const char *tag, const QString &waist, const QString &hip, const char *box,
                  const QString &message) {
        QTest::newRow(tag) << "whr" << Steps{"=txtWaist:" + waist, "=txtHip:" + hip} << box
                           << message;
    };
    whr("both empty", "", "", "txtWaist", "Please enter size of your waist");
    whr("hip empty", "85", "", "txtHip", "Please enter size of your hip");
    whr("waist blanks", "   ", "100", "txtWaist", "Please enter size of your waist");
    whr("hip blanks", "85", "  ", "txtHip", "Please enter size of your hip");
    whr("waist letters", "abc", "100", "txtWaist", waistNumber);
    whr("waist point", ".", "100", "txtWaist", waistNumber);
    whr("waist two points", "2.5.1", "100", "txtWaist", waistNumber);
    whr("hip exponent", "85", "1e3", "txtHip", hipNumber);
    whr("hip hexadecimal", "85", "0x10", "txtHip", hipNumber);
    whr("waist comma decimal", "85,5", "100", "txtWaist", waistNumber);
    whr("hip 10000 characters", "85", QString(10000, '7') + "x", "txtHip", hipNumber);
    whr("hip 0", "85", "0", "txtHip", "The size of your hip must be more than 0");
    whr("hip 0.4", "0", "0.4", "txtHip", "The size of your hip must be more than 0");
    whr("waist negative", "-85", "100", "txtWaist", "The size of your waist cannot be less than 0");
    whr("hip negative", "85", "-100", "txtHip", "The size of your hip cannot be less than 0");
    whr("waist past 32767", "32768", "100", "txtWaist",
        "The size of your waist cannot be more than 32767 cms");
    whr("hip 10000 nines", "85", QString(10000, '9'), "txtHip",
        "The size of your hip cannot be more than 32767 cms");
    QTest::newRow("waist by the context menu's Paste")
        << "whr" << Steps{"=txtHip:100", "clipboard:abc", "paste:txtWaist"} << "txtWaist"
        << waistNumber;
    QTest::newRow("hip by Shift+Insert")
        << "whr" << Steps{"txtWaist:85", "clipboard:-3", "txtHip:<Shift+Ins>"} << "txtHip"
        << "The size of your hip cannot be less than 0";
    auto frame = [](const char *tag, const QString &elbow, const QString &message) {
        QTest::newRow(tag) << "frame" << Steps{"=txtElbowInch:" + elbow} << "txtElbowInch"
                           << message;
    };
    frame("elbow empty", "", "Please enter the size of elbow in inches");
    frame("elbow blanks", "    ", "Please enter the size of elbow in inches");
    frame("elbow point", ".", elbowNumber);
    frame("elbow two points", "2.5.1", elbowNumber);
    frame("elbow letters", "two", elbowNumber);
    frame("elbow exponent", "1e3", elbowNumber);
    frame("elbow hexadecimal", "0x10", elbowNumber);
    frame("elbow comma decimal", "2,75", elbowNumber);
    frame("elbow infinity", "inf", elbowNumber);
    frame("elbow 10000 characters", QString(10000, '.'), elbowNumber);
    frame("elbow negative", "-2.5", "The size of elbow cannot be less than 0");
    frame("elbow past a double", QString(400, '9'),
          "The size of elbow is too large to be read as a number");
    QTest::newRow("elbow by Shift+Insert")
        << "frame" << Steps{"clipboard: -1 ", "txtElbowInch:<Shift+Ins>"} << "txtElbowInch"
        << "The size of elbow cannot be less than 0";
}

// Each refusal: its message with the stop icon, the focus in the box, every box as it was, and
// the last result left hidden behind the input panel.
void WhrFrameWindowsTest::refusesWhatCannotBeRead() {
    QFETCH(QString, which);
    QFETCH(Steps, steps);
    QFETCH(QString, box);
    QFETCH(QString, message);
    open(which);
    run(which == "whr" ? Steps{"txtWaist:100", "txtHip:100", "cmdCalculate", "cmdBack"}
                       : Steps{"txtElbowInch:9", "cmdCalculate", "cmdBack"});
    const QString lastResult = in<QLabel>("lblResult")->text();
    for (const QString &step : steps) {
        if (step.startsWith("clipboard:"))
            QApplication::clipboard()->setText(step.section(':', 1));
        else if (step.startsWith("paste:"))
            in<QLineEdit>(step.section(':', 1))->paste();
        else
            run({step});
    }
    QMap<QString, QString> before;
    for (QLineEdit *edit : window()->findChildren<QLineEdit *>())
        before[edit->objectName()] = edit->text();
    Click(window(), "cmdCalculate");

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, message);
    QCOMPARE(platform.messages[0].icon, MessageIcon::Stop);
    QCOMPARE(platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(platform.messages[0].title, QStringLiteral("Vellora"));
    QCOMPARE(QApplication::focusWidget(), in<QWidget>(box));
    for (QLineEdit *edit : window()->findChildren<QLineEdit *>())
        QCOMPARE(edit->text(), before[edit->objectName()]);
    QCOMPARE(window()->currentStep(), StepCalculatorWindow::InputStep);
    QVERIFY(!in<QLabel>("lblResult")->isVisible());
    QCOMPARE(in<QLabel>("lblResult")->text(), lastResult);
}

void WhrFrameWindowsTest::sexChoiceRefillsHeights() {
    open("frame");
    auto *heights = in<QComboBox>("cboHeight");
    auto items = [heights] {
        QStringList texts;
        for (int i = 0; i < heights->count(); ++i)
            texts << heights->itemText(i);
        return texts;
    };
    run({"cboHeight=" + kMaleHeights[3], "cboSex=Female"});
    QCOMPARE(items(), kFemaleHeights);
    QCOMPARE(heights->currentIndex(), 0);
    run({"cboHeight=" + kFemaleHeights[2], "cboSex=Male"});
    QCOMPARE(items(), kMaleHeights);
    QCOMPARE(heights->currentText(), kMaleHeights[0]);
}

void WhrFrameWindowsTest::backResetsInputsAndKeepsResultBehind_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("whr") << "whr"
                         << Steps{"cboSex=Female", "txtWaist:90", "txtHip:100", "cmdCalculate"}
                         << "You are in Very High Risk Zone";
    QTest::newRow("frame") << "frame"
                           << Steps{"cboSex=Female", "cboHeight=" + kFemaleHeights[4],
                                    "txtElbowInch:2.6", "cmdCalculate"}
                           << "You have a Medium Frame";
}

void WhrFrameWindowsTest::backResetsInputsAndKeepsResultBehind() {
    QFETCH(QString, which);
    QFETCH(Steps, steps);
    QFETCH(QString, sentence);
    open(which);
    run(steps);
    QCOMPARE(in<QLabel>("lblResult")->text(), sentence);
    run({"cmdBack"});
    QCOMPARE(window()->currentStep(), StepCalculatorWindow::InputStep);
    QVERIFY(window()->step(StepCalculatorWindow::InputStep)->isVisible());
    QCOMPARE(in<QComboBox>("cboSex")->currentText(), QStringLiteral("Male"));
    if (which == "frame") {
        QCOMPARE(in<QComboBox>("cboHeight")->count(), 5);
        QCOMPARE(in<QComboBox>("cboHeight")->currentText(), kMaleHeights[0]);
    }
    for (QLineEdit *box : window()->findChildren<QLineEdit *>())
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(in<QLabel>("lblResult")->text(), sentence);
    QVERIFY(!in<QLabel>("lblResult")->isVisible());
    // The focus was on Back, now hidden; it lands on the input panel, not outside the window.
    QVERIFY(
        window()->step(StepCalculatorWindow::InputStep)->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(platform.messages.isEmpty());
}

void WhrFrameWindowsTest::enterAndEscapeCloseNothing_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("message");
    for (const char *which : {"whr", "frame"}) {
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
            const char *keyName = key == Qt::Key_Return ? "Enter" : "Escape";
            QTest::addRow("%s %s on the sex list", which, keyName)
                << which << "cboSex" << key << QString();
            // Enter presses the button it is on, which asks for the first box.
            QTest::addRow("%s %s on Calculate", which, keyName)
                << which << "cmdCalculate" << key
                << (key == Qt::Key_Escape ? QString()
                    : QString(which) == "whr"
                        ? QStringLiteral("Please enter size of your waist")
                        : QStringLiteral("Please enter the size of elbow in inches"));
        }
    }
    QTest::newRow("frame Escape on the height list")
        << "frame"
        << "cboHeight" << int(Qt::Key_Escape) << QString();
}

void WhrFrameWindowsTest::enterAndEscapeCloseNothing() {
    QFETCH(QString, which);
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, message);
    open(which);
    QPointer<StepCalculatorWindow> opened = window();
    QWidget *target = in<QWidget>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    SettleDeletions();
    QVERIFY(opened && opened->isVisible());
    QCOMPARE(window(), opened.data());
    QCOMPARE(opened->currentStep(), StepCalculatorWindow::InputStep);
    QCOMPARE(platform.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(platform.messages[0].text, message);
}

void WhrFrameWindowsTest::exitAndCloseBoxClose_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("fromResult");
    QTest::addColumn<bool>("fromMenu");
    for (const char *which : {"whr", "frame"}) {
        QTest::addRow("%s input, File > Exit", which) << which << false << true;
        QTest::addRow("%s result, File > Exit", which) << which << true << true;
        QTest::addRow("%s result, close box", which) << which << true << false;
    }
}

// Closing by any means gives the launcher panel back; the next opening starts afresh.
void WhrFrameWindowsTest::exitAndCloseBoxClose() {
    QFETCH(QString, which);
    QFETCH(bool, fromResult);
    QFETCH(bool, fromMenu);
    open(which);
    run({"cboSex=Female"});
    if (fromResult)
        run(which == "whr" ? Steps{"txtWaist:80", "txtHip:100", "cmdCalculate"}
                           : Steps{"txtElbowInch:2", "cmdCalculate"});
    closeInputWindow(window(), fromMenu ? "File > Exit" : "close box", {});

    open(which);
    QCOMPARE(window()->currentStep(), StepCalculatorWindow::InputStep);
    QCOMPARE(in<QComboBox>("cboSex")->currentIndex(), 0);
    QCOMPARE(in<QLabel>("lblResult")->text(), QString::fromLatin1(DesignOf(which).firstResult));
    for (QLineEdit *box : window()->findChildren<QLineEdit *>())
        QVERIFY(box->text().isEmpty());
}

QTEST_MAIN(WhrFrameWindowsTest)
#include "tst_whrframewindows.moc"
