#include "FakePlatform.h"
#include "WidgetTest.h"

#include "platform/QtPlatform.h"
#include "shell/frmNagScreen2.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>
#include <QtTest>

using namespace vellora;
using namespace vellora::test;

namespace {

const QString kMain = QStringLiteral("http://" TEST_MAIN_HOST);
const QStringList kBoxes{"txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail"};
const QStringList kPlaceholders{"Your Name", "Your Email Address", "Your Message", "Friend's Name",
                                "Friend's Email Address"};

// Reads a query as a web page's form decoder does: "&" between pairs, "=" after the key, a bare
// "+" is a blank, then %XX escapes as UTF-8.
QList<QPair<QString, QString>> FormDecode(const QString &query) {
    QList<QPair<QString, QString>> pairs;
    for (const QString &pair : query.split(QLatin1Char('&'))) {
        const auto decode = [](QString text) {
            return QUrl::fromPercentEncoding(
                text.replace(QLatin1Char('+'), QLatin1Char(' ')).toLatin1());
        };
        pairs.append({decode(pair.section(QLatin1Char('='), 0, 0)),
                      decode(pair.section(QLatin1Char('='), 1))});
    }
    return pairs;
}

// Takes what QDesktopServices hands to the browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

} // namespace

class ExitWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsItsControls();
    void supportMessageFollowsTheRandomNumber_data();
    void supportMessageFollowsTheRandomNumber();
    void placeholdersMakeWayAndComeBack_data();
    void placeholdersMakeWayAndComeBack();
    void emailBoxesRefuseBlanks_data();
    void emailBoxesRefuseBlanks();
    void submitChecksInOrder_data();
    void submitChecksInOrder();
    void addressCarriesExactlyWhatWasTyped_data();
    void addressCarriesExactlyWhatWasTyped();
    void boxesTakeAtMostTheirLength_data();
    void boxesTakeAtMostTheirLength();
    void fullFormStaysWithinWhatBrowsersTake();
    void browserThatCannotStartIsReported();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void bothExitsEndTheProgram_data();
    void bothExitsEndTheProgram();

private:
    QWidget *box(const QString &name) const { return window->findChild<QWidget *>(name); }
    QString text(const QString &name) const {
        if (auto *line = qobject_cast<QLineEdit *>(box(name)))
            return line->text();
        return qobject_cast<QPlainTextEdit *>(box(name))->toPlainText();
    }
    void setText(const QString &name, const QString &value) {
        if (auto *line = qobject_cast<QLineEdit *>(box(name)))
            line->setText(value);
        else
            qobject_cast<QPlainTextEdit *>(box(name))->setPlainText(value);
    }
    void fill(const QStringList &values) {
        for (int index = 0; index < kBoxes.size(); ++index)
            setText(kBoxes[index], values[index]);
    }
    QStringList texts() const {
        QStringList all;
        for (const QString &name : kBoxes)
            all.append(text(name));
        return all;
    }

    FakePlatform platform;
    QPointer<frmNagScreen2> window;
};

void ExitWindowTest::init() {
    platform = FakePlatform();
    window = new frmNagScreen2(platform);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void ExitWindowTest::cleanup() {
    delete window.data();
    SettleDeletions();
}

void ExitWindowTest::showsItsControls() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Vellora v1.20"));
    QCOMPARE(window->findChild<QLabel *>("Label1")->text(), QStringLiteral("Vellora v1.20"));
    QVERIFY(!window->findChild<QLabel *>("Picture1")->pixmap().isNull());
    QCOMPARE(window->findChild<QGroupBox *>("Frame6")->title(),
             QStringLiteral("Download Orvantix Softwares"));
    QCOMPARE(window->findChild<QGroupBox *>("Frame2")->title(), QStringLiteral("Refer A Friend"));
    QCOMPARE(window->findChild<QLabel *>("lblGoToHome")->text(),
             QStringLiteral("Click Here To Visit Orvantix Softwares"));
    QCOMPARE(window->findChild<QPushButton *>("cmdSubmit")->text(),
             QStringLiteral("Refer A Friend &Now"));
    QCOMPARE(window->findChild<QPushButton *>("cmdClose")->text(), QStringLiteral("E&xit"));
    auto *check = window->findChild<QCheckBox *>("Check1");
    QVERIFY(!check->isChecked());
    QVERIFY(check->text().contains(TEST_MAIN_HOST));
    QCOMPARE(texts(), kPlaceholders);
    for (int index = 0; index < kBoxes.size(); ++index) {
        const QString name = box(kBoxes[index])->accessibleName();
        QVERIFY2(!name.isEmpty() && name != kPlaceholders[index], qPrintable(kBoxes[index]));
    }
    QCOMPARE(qobject_cast<QPlainTextEdit *>(box("txtMessage"))->verticalScrollBarPolicy(),
             Qt::ScrollBarAlwaysOn);
    QCOMPARE(platform.keptAbove, QList<QWidget *>{window.data()});
}

void ExitWindowTest::supportMessageFollowsTheRandomNumber_data() {
    QTest::addColumn<double>("random");
    QTest::addColumn<int>("message");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just under a quarter") << 0.2499999 << 0;
    QTest::newRow("a quarter") << 0.25 << 1;
    QTest::newRow("three quarters") << 0.75 << 3;
    QTest::newRow("just under 1") << 0.9999999 << 3;
}

void ExitWindowTest::supportMessageFollowsTheRandomNumber() {
    QFETCH(double, random);
    QFETCH(int, message);
    const QStringList messages = frmNagScreen2::SupportMessages();
    QCOMPARE(messages.size(), 4);
    QCOMPARE(QSet<QString>(messages.begin(), messages.end()).size(), 4);
    for (const QString &each : messages)
        QVERIFY2(each.contains("Orvantix") && each.contains("forum"), qPrintable(each));
    platform.random = random;
    frmNagScreen2 chosen(platform);
    QCOMPARE(chosen.findChild<QLabel *>("Label2")->text(), messages[message]);
}

void ExitWindowTest::placeholdersMakeWayAndComeBack_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("onEntering");
    QTest::addColumn<QString>("onLeaving");
    QTest::newRow("placeholder goes, comes back") << "txtName"
                                                  << "Your Name"
                                                  << ""
                                                  << ""
                                                  << "Your Name";
    QTest::newRow("placeholder amid blanks goes") << "txtFriendName"
                                                  << "  Friend's Name "
                                                  << ""
                                                  << ""
                                                  << "Friend's Name";
    QTest::newRow("typed text stays") << "txtEmail"
                                      << "Your Email Address"
                                      << "me@x.org"
                                      << ""
                                      << "me@x.org";
    QTest::newRow("blanks only count as empty") << "txtMessage"
                                                << "Your Message"
                                                << "   "
                                                << ""
                                                << "Your Message";
    QTest::newRow("another box's placeholder stays") << "txtName"
                                                     << "Friend's Name"
                                                     << ""
                                                     << "Friend's Name"
                                                     << "Friend's Name";
}

void ExitWindowTest::placeholdersMakeWayAndComeBack() {
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, onEntering);
    QFETCH(QString, onLeaving);
    setText(name, before);
    QTest::mouseClick(box(name), Qt::LeftButton);
    QVERIFY(box(name)->hasFocus());
    QCOMPARE(text(name), onEntering);
    QTest::keyClicks(box(name), typed);
    // Another program or a message box taking the window's activation is not leaving the box.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(box(name), &away);
    QCOMPARE(text(name), onEntering + typed);
    QTest::keyClick(window, Qt::Key_Tab);
    QVERIFY(!box(name)->hasFocus());
    // The placeholder comes back once the next box's focus has been reported.
    QTRY_COMPARE(text(name), onLeaving);
}

void ExitWindowTest::emailBoxesRefuseBlanks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("refusals");
    QTest::newRow("friend's e-mail") << "txtFriendEmail"
                                     << "ab@c.d" << 3;
    QTest::newRow("your e-mail") << "txtEmail"
                                 << "ab@c.d" << 3;
    QTest::newRow("name keeps blanks") << "txtName"
                                       << " a b@c.d " << 0;
}

void ExitWindowTest::emailBoxesRefuseBlanks() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(int, refusals);
    QTest::mouseClick(box(name), Qt::LeftButton);
    QTest::keyClicks(box(name), " a b@c.d");
    QTest::keyClick(box(name), Qt::Key_Space);
    QCOMPARE(text(name), expected);
    QCOMPARE(platform.messages.size(), refusals);
    for (const ShownMessage &message : platform.messages) {
        QCOMPARE(message.text, QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(message.icon, MessageIcon::Stop);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(message.title, QStringLiteral("Vellora"));
    }
    QVERIFY(box(name)->hasFocus());
}

void ExitWindowTest::submitChecksInOrder_data() {
    QTest::addColumn<QStringList>(
        "values");                        // name, e-mail, message, friend's name, friend's e-mail
    QTest::addColumn<QString>("message"); // empty: the referral goes out
    const QString ok;
    QTest::newRow("both e-mails emptied")
        << QStringList{"Ann", "", "Hi", "Bob", ""} << "Please Enter Distinct Email Addresses";
    QTest::newRow("both e-mails the same") << QStringList{"Ann", "a@b.c", "Hi", "Bob", "a@b.c"}
                                           << "Please Enter Distinct Email Addresses";
    QTest::newRow("every placeholder") << kPlaceholders << "Please Enter Proper Email Address";
    QTest::newRow("mine without @")
        << QStringList{"Ann", "ab.c", "Hi", "Bob", "b@c.d"} << "Please Enter Proper Email Address";
    QTest::newRow("friend's without .")
        << QStringList{"Ann", "a@b.c", "Hi", "Bob", "b@cd"} << "Please Enter Proper Email Address";
    QTest::newRow("name placeholder, e-mails fine")
        << QStringList{"Your Name", "a@b.c", "Your Message", "Friend's Name", "b@c.d"}
        << "Please Enter Your Name";
    QTest::newRow("name of blanks")
        << QStringList{"   ", "a@b.c", "Hi", "Bob", "b@c.d"} << "Please Enter Your Name";
    QTest::newRow("message before friend's name")
        << QStringList{"Ann", "a@b.c", "Your Message", "", "b@c.d"} << "Please Enter Your Message";
    QTest::newRow("friend's name empty")
        << QStringList{"Ann", "a@b.c", "Hi", "", "b@c.d"} << "Please Enter Your Friend's Name";
    QTest::newRow("capitals make e-mails distinct")
        << QStringList{"Ann", "A@b.c", "Hi", "Bob", "a@b.c"} << ok;
    QTest::newRow("shortest e-mails pass") << QStringList{"Ann", "@.", "Hi", "Bob", ".@"} << ok;
}

void ExitWindowTest::submitChecksInOrder() {
    QFETCH(QStringList, values);
    QFETCH(QString, message);
    fill(values);
    const QStringList before = texts();
    Click(window, "cmdSubmit");
    if (message.isEmpty()) {
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.openedAddresses.size(), 1);
    } else {
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text, message);
        QCOMPARE(platform.messages[0].icon, MessageIcon::Stop);
        QCOMPARE(platform.messages[0].buttons, MessageButtons::Ok);
        QCOMPARE(platform.messages[0].title, QStringLiteral("Vellora"));
        QVERIFY(platform.openedAddresses.isEmpty());
    }
    QCOMPARE(texts(), before);
    QVERIFY(window->isVisible());
}

void ExitWindowTest::addressCarriesExactlyWhatWasTyped_data() {
    QTest::addColumn<QStringList>("values");
    QTest::newRow("query delimiters")
        << QStringList{"Ann & Co=1", "a+tag@x.org", "50% off #1 & more=yes", "B&B", "b=b@y.org"};
    QTest::newRow("blanks and plus")
        << QStringList{"  Ann  Lee ", "ann@x.org", "1 + 1 = 2", "Bob+Jo", "bob@y.org"};
    QTest::newRow("line breaks") << QStringList{"Ann", "ann@x.org", "Line one\nLine two\n\nLast",
                                                "Bob", "bob@y.org"};
    QTest::newRow("letters outside ASCII")
        << QStringList{"Zoë Müller", "zoë@exämple.de", "Grüße, €5 — 日本", "Łukasz", "ł@x.pl"};
    QTest::newRow("escapes typed literally")
        << QStringList{"%41%", "a%40b@x.org", "%2B%26%3D", "%", "c@d.e%"};
}

void ExitWindowTest::addressCarriesExactlyWhatWasTyped() {
    QFETCH(QStringList, values);
    fill(values);
    Click(window, "cmdSubmit");
    Click(window, "cmdSubmit"); // the form stays, ready to go again
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.openedAddresses.size(), 2);
    QCOMPARE(platform.openedAddresses[0], platform.openedAddresses[1]);
    QCOMPARE(texts(), values);

    const QString address = platform.openedAddresses[0];
    const QString page = kMain + "/tolv-refer-a-friend.php?";
    QVERIFY2(address.startsWith(page), qPrintable(address));
    for (const QChar c : address)
        QVERIFY2(c.unicode() > 32 && c.unicode() < 127, qPrintable(address));
    const auto pairs = FormDecode(address.mid(page.size()));
    QCOMPARE(pairs.size(), 6);
    QStringList expected;
    for (const QString &value : values)
        expected.append(value.trimmed());
    expected.append(kMain + "/Vellora/");
    for (int index = 0; index < 6; ++index) {
        QCOMPARE(pairs[index].first, QStringLiteral("taf%1").arg(index + 1));
        QCOMPARE(pairs[index].second, expected[index]);
    }

    // The real platform hands the browser the address exactly as built.
    QVERIFY(QUrl(address, QUrl::StrictMode).isValid());
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("http", &recorder, "open");
    QVERIFY(QtPlatform().openAddress(address));
    QDesktopServices::unsetUrlHandler("http");
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(QString::fromLatin1(recorder.urls[0].toEncoded()), address);
}

void ExitWindowTest::boxesTakeAtMostTheirLength_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("pasted");
    const QString chinese(15000, QChar(0x4E2D));
    // One character before the pairs puts the cut between the halves of a pair.
    const QString emoji = QChar(0x4E2D) + QString::fromUcs4(U"\U0001F600").repeated(7500);
    QTest::newRow("name") << "txtName" << 100 << chinese;
    QTest::newRow("e-mail") << "txtEmail" << 254 << chinese;
    QTest::newRow("message") << "txtMessage" << 2000 << chinese;
    QTest::newRow("message, a pair of surrogates at the cut") << "txtMessage" << 2000 << emoji;
    QTest::newRow("friend's name") << "txtFriendName" << 100 << chinese;
    QTest::newRow("friend's e-mail") << "txtFriendEmail" << 254 << chinese;
}

// Pasted between two letters, an over-long text is cut at the box's length from its end, the
// letter after it stays, and a key typed into the full box is refused.
void ExitWindowTest::boxesTakeAtMostTheirLength() {
    QFETCH(QString, name);
    QFETCH(int, limit);
    QFETCH(QString, pasted);
    box(name)->setFocus();
    setText(name, "ab");
    QString kept = pasted.left(limit - 2);
    if (kept.back().isHighSurrogate())
        kept.chop(1);
    if (auto *line = qobject_cast<QLineEdit *>(box(name))) {
        line->setCursorPosition(1);
        line->insert(pasted);
    } else {
        auto *message = qobject_cast<QPlainTextEdit *>(box(name));
        QTextCursor cursor = message->textCursor();
        cursor.setPosition(1);
        message->setTextCursor(cursor);
        message->insertPlainText(pasted);
    }
    QCOMPARE(text(name), "a" + kept + "b");
    QTest::keyClick(box(name), Qt::Key_X); // a box one short of full, after a pair, takes it
    QCOMPARE(text(name), "a" + kept + (kept.size() + 2 < limit ? "x" : "") + "b");
}

// Every box full of characters that take the most room once escaped: the address still reaches
// the browser whole, far below the 32,767 characters of a Windows command line.
void ExitWindowTest::fullFormStaysWithinWhatBrowsersTake() {
    const QChar wide(0x4E2D); // three bytes of UTF-8, nine characters escaped
    const QStringList values{QString(100, wide), QString(250, wide) + "@x.y", QString(2000, wide),
                             QString(100, wide), QString(250, wide) + "@y.z"};
    for (int index = 0; index < kBoxes.size(); ++index) {
        setText(kBoxes[index], values[index] + values[index]);
        QCOMPARE(text(kBoxes[index]).size(), values[index].size());
    }
    fill(values);
    Click(window, "cmdSubmit");
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.openedAddresses.size(), 1);
    const QString address = platform.openedAddresses[0];
    QVERIFY2(address.size() < 25000, qPrintable(QString::number(address.size())));
    const auto pairs = FormDecode(address.section('?', 1));
    for (int index = 0; index < kBoxes.size(); ++index)
        QCOMPARE(pairs[index].second, values[index]);
}

void ExitWindowTest::browserThatCannotStartIsReported() {
    platform.browserStarts = false;
    const QStringList values{"Ann", "ann@x.org", "Hi", "Bob", "bob@y.org"};
    fill(values);
    Click(window, "cmdSubmit");
    QCOMPARE(platform.openedAddresses.size(), 1);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text,
             "The refer-a-friend page could not be opened in your web browser");
    QCOMPARE(platform.messages[0].icon, MessageIcon::Stop);
    QCOMPARE(platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(platform.messages[0].title, QStringLiteral("Vellora"));
    QVERIFY(window->isVisible());
    QCOMPARE(texts(), values);
}

void ExitWindowTest::linksOpenTheirPages_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("address");
    QTest::newRow("ticking the check box") << "Check1"
                                           << "click" << kMain;
    QTest::newRow("Space on the check box") << "Check1"
                                            << "space" << kMain;
    QTest::newRow("catalogue link") << "lblGoToHome"
                                    << "click" << kMain + "/orvantixsoftwares";
}

void ExitWindowTest::linksOpenTheirPages() {
    QFETCH(QString, control);
    QFETCH(QString, how);
    QFETCH(QString, address);
    auto *widget = window->findChild<QWidget *>(control);
    for (int time = 0; time < 2; ++time) {
        if (how == "click") {
            QTest::mouseClick(widget, Qt::LeftButton);
        } else {
            widget->setFocus(Qt::TabFocusReason);
            QTest::keyClick(widget, Qt::Key_Space);
        }
    }
    QCOMPARE(platform.openedAddresses, (QStringList{address, address}));
    if (auto *check = qobject_cast<QCheckBox *>(widget))
        QVERIFY(!check->isChecked());
    QVERIFY(window->isVisible());
}

void ExitWindowTest::bothExitsEndTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("E&xit button") << "button";
    QTest::newRow("Enter on the focused E&xit") << "enter";
    QTest::newRow("Alt+X") << "key";
    QTest::newRow("close box") << "close";
}

void ExitWindowTest::bothExitsEndTheProgram() {
    QFETCH(QString, how);
    QWidget other;
    other.show();
    if (how == "button")
        Click(window, "cmdClose");
    else if (how == "enter")
        QTest::keyClick(window->focusWidget(), Qt::Key_Return); // the window opens on E&xit
    else if (how == "key")
        QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
    else
        window->close();
    QTRY_COMPARE(platform.endProcessCalls, 1);
    QVERIFY(!other.isVisible());
    QTRY_VERIFY(!window);
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.openedAddresses.isEmpty());
}

QTEST_MAIN(ExitWindowTest)
#include "tst_exitwindow.moc"
