#include "LauncherFixture.h"

#include "links/frmAbout.h"
#include "platform/QtPlatform.h"
#include "shell/frmNagScreen2.h"
#include "widgets/Design.h"
#include "widgets/GraphicalButton.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QtTest>

using namespace vellora;
using namespace vellora::test;

// Every window as a screen reader meets it, through QAccessible, and every task done with the
// keyboard alone. With VELLORA_READ_ORDER=1 in the environment the test prints what a screen
// reader reads of each window, in order, and the order Tab goes in.

namespace {

const QString kMain = QStringLiteral("http://" TEST_MAIN_HOST);

// A user's keys, as words: "Tab", "Space", "Enter", "Esc", "Down", "Right", "End", "Alt+X" press
// that key where the focus is (in an open menu while one is up); "Tab>name" presses Tab until the
// control of that name has the focus; "'text" types the text; "@name" checks that the focus is on
// that control; "?name=text" checks what a shown control of that name reads ("_" for a blank);
// "+name" and "-name" check that such a control is shown, or that none is; "=text" checks that a
// screen reader hears the text as the focus lands: in the name of the focused control or of a
// panel around it, or in the control's description.
using Keys = QString;

QWidget *Shown(const QString &name) {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (QWidget *widget : window->findChildren<QWidget *>(name)) {
            if (widget->isVisible())
                return widget;
        }
    }
    return nullptr;
}

QString Reads(QWidget *widget) {
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return list->currentText();
    return {};
}

void Press(const QString &keys) {
    static const QMap<QString, Qt::Key> kKeys{
        {"Tab", Qt::Key_Tab},    {"Space", Qt::Key_Space}, {"Enter", Qt::Key_Return},
        {"Esc", Qt::Key_Escape}, {"Down", Qt::Key_Down},   {"Right", Qt::Key_Right},
        {"End", Qt::Key_End},
    };
    for (const QString &step : keys.split(' ', Qt::SkipEmptyParts)) {
        QTRY_VERIFY2(QApplication::activePopupWidget() || QApplication::focusWidget(),
                     "the focus is nowhere");
        QWidget *focus = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                           : QApplication::focusWidget();
        const QString name = step.mid(1);
        if (step.startsWith("Tab>")) {
            const QString target = step.mid(4);
            for (int presses = 0; presses < 60 && focus->objectName() != target; ++presses) {
                QTest::keyClick(focus, Qt::Key_Tab);
                focus = QApplication::focusWidget();
            }
            QCOMPARE(focus->objectName(), target);
        } else if (step.startsWith("Alt+")) {
            QTest::keyClick(focus, step.at(4).toLower().toLatin1(), Qt::AltModifier);
        } else if (step.startsWith('\'')) {
            QTest::keyClicks(focus, name);
        } else if (step.startsWith('@')) {
            QCOMPARE(focus->objectName(), name);
        } else if (step.startsWith('?')) {
            QWidget *shown = Shown(name.section('=', 0, 0));
            QVERIFY2(shown, qPrintable(step));
            QCOMPARE(Reads(shown), name.section('=', 1).replace('_', ' '));
        } else if (step.startsWith('=')) {
            QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(focus);
            QString said = heard->text(QAccessible::Description);
            for (; heard && heard->object() != focus->window(); heard = heard->parent())
                said += " | " + heard->text(QAccessible::Name);
            QVERIFY2(said.contains(QString(name).replace('_', ' ')), qPrintable(said));
        } else if (step.startsWith('+') || step.startsWith('-')) {
            QCOMPARE(Shown(name) != nullptr, step.startsWith('+'));
        } else {
            QVERIFY2(kKeys.contains(step), qPrintable(step));
            QTest::keyClick(focus, kKeys[step]);
        }
        if (QTest::currentTestFailed())
            return;
    }
}

QString FocusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

QString RoleName(QAccessible::Role role) {
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

// Labels of its own: buddy labels beside it, not the caption of the panel it stands on.
QStringList OwnLabels(QAccessibleInterface *control) {
    QStringList labels;
    for (const auto &[label, relation] : control->relations(QAccessible::Label)) {
        if (qobject_cast<QLabel *>(label->object()))
            labels << label->text(QAccessible::Name);
    }
    return labels;
}

struct Reading {
    QStringList lines;  // what a screen reader reads, in order
    QStringList faults; // controls it could not tell the user about
};

// By Tab, or by the arrow keys, which move between the option buttons of a group.
bool Reachable(const QWidget *widget) {
    return widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
}

void Read(QAccessibleInterface *object, int depth, Reading &reading) {
    if (!object || object->state().invisible)
        return;
    const QString name = object->text(QAccessible::Name);
    const QString value = object->text(QAccessible::Value);
    const QString description = object->text(QAccessible::Description);
    const QStringList labels = OwnLabels(object);
    QString line = QString(depth * 2, ' ') + RoleName(object->role()) + " \"" + name + "\"";
    if (!value.isEmpty())
        line += " value \"" + value + "\"";
    for (const QString &label : labels)
        line += " label \"" + label + "\"";
    if (!description.isEmpty() && description != name)
        line += " description \"" + description + "\"";
    reading.lines << line;

    auto *widget = qobject_cast<QWidget *>(object->object());
    // A box reported as a window frame, or a layered pane, is announced as a window or as noise
    // when the focus moves into it.
    if (widget &&
        (object->role() == QAccessible::Border || object->role() == QAccessible::LayeredPane)) {
        reading.faults << widget->metaObject()->className() + QString(" ") + widget->objectName() +
                              " (" + RoleName(object->role()) + ")";
    }
    if (widget && Reachable(widget)) {
        const QString what = widget->objectName() + " (" + RoleName(object->role()) + ")";
        if (object->role() == QAccessible::NoRole || name.trimmed().isEmpty())
            reading.faults << what + " has no role or no name";
        // A list is read by its current item, a box by what was typed; what either holds must
        // come from a name, a label or a description of its own.
        if (object->role() == QAccessible::ComboBox) {
            const QString own = (labels + QStringList{description}).join(' ').trimmed();
            if (own.isEmpty() || own.compare(value, Qt::CaseInsensitive) == 0)
                reading.faults << what + " is named only by its value \"" + value + "\"";
            // Its current item is its text, which a screen reader speaks after the label.
            QAccessibleTextInterface *text = object->textInterface();
            if (!text || text->text(0, text->characterCount()) != value)
                reading.faults << what + " offers no text \"" + value + "\"";
        } else if (object->role() == QAccessible::RadioButton) {
            // Its group's caption is read once, on the way into the group, not again with it.
            for (const auto &[label, relation] : object->relations(QAccessible::Label)) {
                if (qobject_cast<QGroupBox *>(label->object()))
                    reading.faults << what + " is labelled by its group as well";
            }
        } else if (object->role() == QAccessible::EditableText && labels.isEmpty() &&
                   widget->accessibleName().isEmpty()) {
            reading.faults << what + " is named only by its panel \"" + name + "\"";
        }
    }
    for (int i = 0; i < object->childCount(); ++i)
        Read(object->child(i), depth + 1, reading);
}

// The controls of the window that Tab visits, in its order, starting from the focus.
QStringList TabOrder(QWidget *window) {
    QStringList order;
    QWidget *first = window->focusWidget();
    for (QWidget *at = first; at; at = at->nextInFocusChain()) {
        if (Reachable(at) && (at->focusPolicy() & Qt::TabFocus) && window->isAncestorOf(at)) {
            order << (at->objectName().isEmpty()
                          ? QAccessible::queryAccessibleInterface(at)->text(QAccessible::Name)
                          : at->objectName());
        }
        if (at->nextInFocusChain() == first)
            break;
    }
    return order;
}

// Reads the window and fails on every control it could not tell the user about.
void CheckReads(QWidget *window, const QString &title) {
    Reading reading;
    Read(QAccessible::queryAccessibleInterface(window), 0, reading);
    if (qEnvironmentVariableIntValue("VELLORA_READ_ORDER")) {
        qInfo().noquote() << "\n== " + title + "\n" + reading.lines.join('\n') +
                                 "\nTab order: " + TabOrder(window).join(", ");
    }
    QVERIFY2(reading.faults.isEmpty(), qPrintable(reading.faults.join("; ")));
}

} // namespace

class AccessibilityTest : public QObject, LauncherFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void aboutIsNamed();
    void messageBoxReadsAndHandsTheFocusBack_data();
    void messageBoxReadsAndHandsTheFocusBack();
    void tasksByKeysAlone_data();
    void tasksByKeysAlone();
    void focusEndsOnEveryTabStop_data();
    void focusEndsOnEveryTabStop();
    void listsSpeakTheirItem_data();
    void listsSpeakTheirItem();
    void textBoxesReportTheFocusFirst_data();
    void textBoxesReportTheFocusFirst();
    void captionsReadWithoutAccessKeys_data();
    void captionsReadWithoutAccessKeys();
};

void AccessibilityTest::init() {
    openMainWindow();
}

void AccessibilityTest::cleanup() {
    closeMainWindow();
}

void AccessibilityTest::everyControlIsNamed_data() {
    QTest::addColumn<Keys>("keys");
    QTest::newRow("launcher") << "";
    QTest::newRow("bmi, units") << "Space";
    QTest::newRow("bmi, kilograms and meters") << "Space Space Tab>optMeter Space";
    QTest::newRow("bmi, pounds and inches") << "Space Right Space Tab>optMeter Right Space";
    QTest::newRow("bmi result") << "Space Space Tab>optMeter Space '1 Tab>cmdCalculate Space";
    QTest::newRow("ibw") << "Tab>cmdSelectOption_2 Space";
    QTest::newRow("ibw result") << "Tab>cmdSelectOption_2 Space Tab>cmdCalculate Space";
    QTest::newRow("whr") << "Tab>cmdSelectOption_3 Space";
    QTest::newRow("whr result") << "Tab>cmdSelectOption_3 Space Tab '80 Tab '100 Tab Space";
    QTest::newRow("frame") << "Tab>cmdSelectOption_0 Space";
    QTest::newRow("frame result") << "Tab>cmdSelectOption_0 Space Tab Tab '2.5 Tab Space";
    QTest::newRow("exit window") << "Tab>cmdMdiExit Space";
}

void AccessibilityTest::everyControlIsNamed() {
    QFETCH(Keys, keys);
    Press(keys);
    QVERIFY(platform.messages.isEmpty());
    QWidget *window = main->exitWindow();
    if (!window)
        window = main.get();
    CheckReads(window, QTest::currentDataTag());
}

void AccessibilityTest::aboutIsNamed() {
    frmAbout about(platform, main.get());
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    CheckReads(&about, "about");
}

void AccessibilityTest::messageBoxReadsAndHandsTheFocusBack_data() {
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("bmi, nothing chosen") << "Space Tab>cmdCalculate Space"
                                         << "Plese Select Both Your Height And Weight"
                                         << "cmdCalculate";
    QTest::newRow("whr, a letter typed") << "Tab>cmdSelectOption_3 Space Tab 'a"
                                         << "You can enter only number"
                                         << "txtWaist";
}

// The real message box: read as an alert with its text and its button, closed by Enter, and
// the focus is back where the window wants it.
void AccessibilityTest::messageBoxReadsAndHandsTheFocusBack() {
    QFETCH(Keys, keys);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    closeMainWindow();
    static QtPlatform real; // outlives the main window, which cleanup() closes
    main = std::make_unique<frmMDI>(real, Calculators());
    main->show();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));

    QString read;
    WhenModalAppears([&](QWidget *box) {
        if (!QTest::qWaitFor([box] { return QApplication::activeWindow() == box; })) {
            read = "a box that never had the focus";
            box->close();
            return;
        }
        QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(box);
        read = RoleName(alert->role()) + " " + alert->text(QAccessible::Name) + ": " +
               Reads(Shown("qt_msgbox_label"));
        CheckReads(box, QString("message box, ") + QTest::currentDataTag());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    Press(keys);
    QCOMPARE(read, "AlertMessage Vellora: " + message);
    QVERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE(FocusName(), focus);
}

void AccessibilityTest::tasksByKeysAlone_data() {
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("bmi: kilograms and meters, Back, then Escape")
        << "@cmdSelectOption_1 Space @optKG Space @cmbKG '70 Tab '.5 Tab @cmdBackWeight "
           "Tab @cmdOkWeight Space @optKG Tab @optMeter Space @cmbMeter '1 Tab '.7 "
           "Tab>cmdCalculate Space @lblYourHeight =Your_Body_Mass_Index_Is_24.39 "
           "=You_weight_is_Normal ?lblYourHeight=1.7_Meters "
           "?lblYourWeight=70.5_Kilograms ?lblYourBodyMassIndex=24.39 "
           "?lblResult=You_weight_is_Normal Tab>cmdBack Space @cmdCalculate Tab>optKG Space "
           "?cmbKG=70 ?cmbPointKG=.5 Tab>cmdCalculate Space Esc -lblYourHeight +picMain "
           "@cmdSelectOption_1"
        << QStringList{};
    QTest::newRow("ibw from its launcher text: kilograms, Back, Exit")
        << "Tab>lblCaption_5 Enter @cmbGender Down Tab @cmbFeet End Tab @optKG Space "
           "Tab>cmdCalculate Space @lblResult "
           "=Your_Ideal_Body_Weight_Should_Be_Between_88_Kgs_To_107.5_Kgs Tab>cmdBack "
           "Space @cmdCalculate Space Tab>cmdExit Space +picMain @lblCaption_5"
        << QStringList{};
    QTest::newRow("whr: waist and hip, Back")
        << "Tab>cmdSelectOption_3 Space @cboSex Down Tab @txtWaist '85 Tab @txtHip '100 Tab "
           "@cmdCalculate Space @lblResult =You_are_in_High_Risk_Zone Tab @cmdBack "
           "Space @cboSex ?cboSex=Male ?txtWaist="
        << QStringList{};
    QTest::newRow("frame from its launcher text: elbow, Back, File Exit")
        << "Tab>lblCaption_3 Space @cboSex Tab @cboHeight Down Tab @txtElbowInch '2.7 Tab "
           "@cmdCalculate Space @lblResult =You_have_a_Medium_Frame Tab @cmdBack "
           "Space @cboSex Alt+F 'x +picMain @lblCaption_3"
        << QStringList{};
    QTest::newRow("refer a friend")
        << "Tab>cmdMdiExit Space @cmdClose Tab>txtName 'Ann Tab @txtEmail 'ann@example.org "
           "Tab @txtFriendName 'Bob Tab @txtFriendEmail 'bob@example.org Tab @txtMessage "
           "'Hello Tab @cmdSubmit Space"
        << QStringList{kMain +
                       "/tolv-refer-a-friend.php?taf1=Ann&taf2=ann%40example.org"
                       "&taf3=Hello&taf4=Bob&taf5=bob%40example.org&taf6=" +
                       QUrl::toPercentEncoding(kMain + "/Vellora/")};
}

void AccessibilityTest::tasksByKeysAlone() {
    QFETCH(Keys, keys);
    QFETCH(QStringList, opened);
    Press(keys);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.openedAddresses, opened);
}

void AccessibilityTest::focusEndsOnEveryTabStop_data() {
    QTest::addColumn<Keys>("keys");
    QTest::newRow("launcher") << "";
    QTest::newRow("bmi") << "Space";
    QTest::newRow("bmi, kilograms and meters") << "Space Space Tab>optMeter Space";
    QTest::newRow("bmi result") << "Space Space Tab>optMeter Space '1 Tab>cmdCalculate Space";
    QTest::newRow("ibw") << "Tab>cmdSelectOption_2 Space";
    QTest::newRow("ibw result") << "Tab>cmdSelectOption_2 Space Tab>cmdCalculate Space";
    QTest::newRow("whr") << "Tab>cmdSelectOption_3 Space";
    QTest::newRow("frame result") << "Tab>cmdSelectOption_0 Space Tab Tab '2.5 Tab Space";
    QTest::newRow("exit window") << "Tab>cmdMdiExit Space @cmdClose";
}

// Each Tab round the window moves the focus once, straight to the next control. Passing through
// the frame of a calculator window on the way, which hands the focus on to the control inside,
// a screen reader hears the frame take the focus last and announces the window, not the control.
void AccessibilityTest::focusEndsOnEveryTabStop() {
    QFETCH(Keys, keys);
    Press(keys);
    QWidget *first = QApplication::focusWidget();
    QVERIFY(first);
    QStringList stops;
    for (int presses = 0; presses < 40; ++presses) {
        QList<QWidget *> tookFocus;
        const QMetaObject::Connection watch =
            connect(qApp, &QApplication::focusChanged, this,
                    [&tookFocus](QWidget *, QWidget *now) { tookFocus << now; });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        disconnect(watch);
        QWidget *now = QApplication::focusWidget();
        QVERIFY(now);
        stops << now->objectName();
        QVERIFY2(tookFocus == QList<QWidget *>{now}, qPrintable(stops.join(", ")));
        if (now == first)
            break;
    }
    QCOMPARE(QApplication::focusWidget(), first);
}

void AccessibilityTest::listsSpeakTheirItem_data() {
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("ibw, sex") << "Tab>cmdSelectOption_2 Space @cmbGender"
                              << "Male"
                              << "Female";
    QTest::newRow("ibw, height") << "Tab>cmdSelectOption_2 Space Tab @cmbFeet"
                                 << "4 Feet 6 Inches"
                                 << "4 Feet 7 Inches";
    QTest::newRow("bmi, kilograms") << "Space Space @cmbKG '69"
                                    << "69"
                                    << "70";
    QTest::newRow("whr, sex") << "Tab>cmdSelectOption_3 Space @cboSex"
                              << "Male"
                              << "Female";
    QTest::newRow("frame, height") << "Tab>cmdSelectOption_0 Space Tab @cboHeight"
                                   << "5'2'' - 5'3''"
                                   << "5'4'' - 5'7''";
}

// A list offers its current item as its text, which a screen reader speaks after its label, and
// the new item as the user moves through the list. (That Qt reports each new item, and that it is
// spoken, the test with the screen reader shows: Qt sends no such reports in this test.)
void AccessibilityTest::listsSpeakTheirItem() {
    QFETCH(Keys, keys);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Press(keys);
    QWidget *list = QApplication::focusWidget();
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(list);
    QCOMPARE(read->role(), QAccessible::ComboBox);
    QAccessibleTextInterface *text = read->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), before);
    QCOMPARE(read->text(QAccessible::Value), before);

    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(text->text(0, text->characterCount()), after);
    QCOMPARE(read->text(QAccessible::Value), after);
    // The list's name is what it holds, not its item.
    QVERIFY(!read->text(QAccessible::Name).isEmpty());
    QVERIFY(read->text(QAccessible::Name) != after);
}

void AccessibilityTest::textBoxesReportTheFocusFirst_data() {
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::newRow("whr, waist") << "Tab>cmdSelectOption_3 Space @cboSex"
                                << "txtWaist"
                                << "85";
    QTest::newRow("frame, elbow") << "Tab>cmdSelectOption_0 Space Tab @cboHeight"
                                  << "txtElbowInch"
                                  << "2.5";
    QTest::newRow("exit window, e-mail over its placeholder") << "Tab>cmdMdiExit Space Tab>txtName"
                                                              << "txtEmail"
                                                              << "ann@example.org";
    QTest::newRow("exit window, the message") << "Tab>cmdMdiExit Space Tab>txtFriendEmail"
                                              << "txtMessage"
                                              << "Hello";
}

// A screen reader announces a box reached by Tab only if the focus is the first thing reported
// of it: a selection, cursor or text change before that is taken for the focus arriving, and the
// focus report then passed over. Leaving, a box reports no change of selection, which would be
// spoken on the control the focus went to. Coming back by Tab selects what the box holds, so that
// typing replaces it, and the box reads whole by runs of text attributes; a box left shows no
// selection. (Qt reports to screen readers only when one listens, so the test watches the
// changes that Qt reports, and the focus arriving: Qt reports the focus to screen readers right
// after it has told the application.)
void AccessibilityTest::textBoxesReportTheFocusFirst() {
    QFETCH(Keys, keys);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    Press(keys);
    QWidget *entered = Shown(box);
    QVERIFY(entered);
    QStringList changes;
    QObject watch;
    connect(qApp, &QApplication::focusChanged, &watch, [&](QWidget *, QWidget *now) {
        if (now == entered)
            changes << "focus";
    });
    const auto note = [&changes](const char *change) {
        return [&changes, change] {
            changes << change;
        };
    };
    auto *line = qobject_cast<QLineEdit *>(entered);
    auto *message = qobject_cast<QPlainTextEdit *>(entered);
    if (line) {
        connect(line, &QLineEdit::textChanged, &watch, note("text"));
        connect(line, &QLineEdit::selectionChanged, &watch, note("selection"));
        connect(line, &QLineEdit::cursorPositionChanged, &watch, note("cursor"));
    } else {
        connect(message, &QPlainTextEdit::textChanged, &watch, note("text"));
        connect(message, &QPlainTextEdit::selectionChanged, &watch, note("selection"));
        connect(message, &QPlainTextEdit::cursorPositionChanged, &watch, note("cursor"));
    }
    const auto held = [&] {
        return line ? line->text() : message->toPlainText();
    };

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), entered);
    QVERIFY2(changes.value(0) == "focus", qPrintable(changes.join(", ")));
    QTRY_COMPARE(held(), QString()); // empty, or its placeholder gone

    QTest::keyClicks(entered, typed);
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Tab}) {
        changes.clear();
        QTest::keyClick(QApplication::focusWidget(), key);
        QCoreApplication::processEvents();
        QCOMPARE(held(), typed);
        if (key == Qt::Key_Backtab) {
            QCOMPARE(QApplication::focusWidget(), entered);
            QVERIFY2(changes.value(0) == "focus", qPrintable(changes.join(", ")));
            if (line)
                QTRY_COMPARE(line->selectedText(), typed);
            // Read as a screen reader reads the line at the cursor, by runs of attributes.
            QAccessibleTextInterface *read =
                QAccessible::queryAccessibleInterface(entered)->textInterface();
            QVERIFY(read);
            int start = -1;
            int end = -1;
            QCOMPARE(
                read->textAtOffset(read->cursorPosition(), QAccessible::LineBoundary, &start, &end),
                typed);
            QString byRuns;
            for (int offset = 0; offset < read->characterCount();
                 offset = std::max(end, offset + 1)) {
                read->attributes(offset, &start, &end);
                byRuns += read->text(std::max(start, offset), end);
            }
            QCOMPARE(byRuns, typed);
            continue;
        }
        QVERIFY(QApplication::focusWidget() != entered);
        QVERIFY2(!changes.contains("selection"), qPrintable(changes.join(", ")));
        if (line) {
            const QPalette shown = line->palette();
            QCOMPARE(shown.color(QPalette::Highlight), shown.color(QPalette::Base));
            QCOMPARE(shown.color(QPalette::HighlightedText), shown.color(QPalette::Text));
        }
    }
}

// What a screen reader reads of a caption: the access-key markers go, a doubled "&" is one "&".
void AccessibilityTest::captionsReadWithoutAccessKeys_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("read");
    QTest::newRow("access key") << "&Kilograms"
                                << "Kilograms";
    QTest::newRow("inside") << "E&xit"
                            << "Exit";
    QTest::newRow("literal") << "name &&  link"
                             << "name &  link";
    QTest::newRow("literal, then a key") << "&&&Go"
                                         << "&Go";
    QTest::newRow("last") << "Tom &"
                          << "Tom &";
    QTest::newRow("none") << "Sex"
                          << "Sex";
}

void AccessibilityTest::captionsReadWithoutAccessKeys() {
    QFETCH(QString, caption);
    QFETCH(QString, read);
    QCOMPARE(WithoutAccessKeys(caption), read);
    GraphicalButton button(caption, kButtonGrey, nullptr);
    QCOMPARE(QAccessible::queryAccessibleInterface(&button)->text(QAccessible::Name), read);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
