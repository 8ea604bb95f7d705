#include "LauncherFixture.h"
#include "MenuDriver.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

using namespace vellora;
using namespace vellora::test;

namespace {

const QString kMain = QStringLiteral("http://" TEST_MAIN_HOST);
const QString kHelp = QStringLiteral("http://" TEST_HELP_HOST);
const QString kCoBrand = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details.%1Click Here for more info on "
    "co-branding.");
const QString kFullBrand =
    QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                   "online. Get this software fully branded for your website. Click here for more "
                   "details.");

// Every kind of window, as a user reaches it from the launcher: each step clicks the button of
// that name in the window in front, "list=text" types the text into that list.
struct WindowKind {
    const char *name;
    QStringList steps;
    const char *makeMoney;  // the bar's Make Money entry
    const char *banner;     // the one-line banner opening the home page
    const char *coBrandGap; // what stands between "details." and "Click Here"
};

const QList<WindowKind> &Kinds() {
    static const QList<WindowKind> kKinds{
        {"bmi input", {"cmdSelectOption_1"}, "mnuMakeMoneyOnline", "Label61", "    "},
        {"bmi result",
         {"cmdSelectOption_1", "optKG", "optMeter", "cmbMeter=1", "cmdCalculate"},
         "mnuMakeMoneyOnline",
         "Label61",
         "    "},
        {"ibw input", {"cmdSelectOption_2"}, "mnuMakeMoneyOnline", "Label61", ""},
        {"ibw result", {"cmdSelectOption_2", "cmdCalculate"}, "mnuMakeMoneyOnline", "Label61", ""},
        {"whr", {"cmdSelectOption_3"}, "mnuMakeMoney", "Label14", "    "},
        {"frame", {"cmdSelectOption_0"}, "mnuMakeMoney", "Label14", "    "},
    };
    return kKinds;
}

// A menu's items as "name:caption", a separator as "-name".
QString Items(QMenuBar *bar, const char *menu) {
    QStringList items;
    for (QAction *action : BarAction(bar, QString::fromLatin1(menu))->menu()->actions())
        items << (action->isSeparator() ? "-" + action->objectName()
                                        : action->objectName() + ":" + action->text());
    return items.join('|');
}

// The bar's own entries as "name:caption", "+" where it drops a menu down, "!" where it is
// switched off, "~" where it is hidden.
QString Entries(QMenuBar *bar) {
    QStringList entries;
    for (QAction *action : bar->actions()) {
        entries << (action->menu() ? action->menu()->objectName() : action->objectName()) + ":" +
                       action->text() + (action->menu() ? "+" : "") +
                       (action->isEnabled() ? "" : "!") + (action->isVisible() ? "" : "~");
    }
    return entries.join('|');
}

QString Help(const char *firstSeparator, const char *secondSeparator, const char *update) {
    return QStringLiteral("mnuOnline:&Online Help|mnuVisit:&Visit Us Online|-%1|mnuUpdate:%3|-%2|"
                          "mnuAbout:&About Software")
        .arg(firstSeparator, secondSeparator, update);
}

} // namespace

// The menu bar and the promotional labels of every kind of window, used as a user does.
class MenusAndLinksTest : public QObject, LauncherFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuBarFollowsItsWindow_data();
    void menuBarFollowsItsWindow();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();

private:
    // The calculator window in front, or the main window while the launcher shows.
    QWidget *front() const {
        if (main->launcherPanel()->isVisible())
            return main.get();
        return main->findChild<QMdiArea *>()->activeSubWindow();
    }
    QMenuBar *bar() const { return qobject_cast<QMenuBar *>(main->currentMenuBar()); }
    void reach(const QString &window);
};

void MenusAndLinksTest::init() {
    openMainWindow();
}

void MenusAndLinksTest::cleanup() {
    closeMainWindow();
}

void MenusAndLinksTest::reach(const QString &window) {
    for (const WindowKind &kind : Kinds()) {
        if (window != kind.name)
            continue;
        for (const QString &step : kind.steps) {
            if (step.contains('=')) {
                auto *list = in<QComboBox>(front(), step.section('=', 0, 0));
                QVERIFY2(list, qPrintable(step));
                list->setFocus();
                QTest::keyClicks(list, step.section('=', 1));
            } else {
                Click(front(), qPrintable(step));
            }
            if (QTest::currentTestFailed())
                return;
        }
    }
    QVERIFY(front() && front()->isVisible());
}

void MenusAndLinksTest::menuBarFollowsItsWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("entries");
    const QString exit = QStringLiteral("mnuExit:E&xit");
    const QString back = QStringLiteral("mnuFileBack:&Back|") + exit;
    const QString input = Help("mnuHelp1", "mnuHelp2", "Check for Software &Update");
    const QString result = Help("mnuFileSep1", "mnuFileSep2", "&Check for Software Update");
    const QString step = Help("mnuSep1", "mnuSep2", "Check for Software &Update");
    auto entries = [](const char *makeMoney, const char *state = "") {
        return QStringLiteral("mnuFile:&File+|mnuHelp:&Help+|mnuDonate:&Donate|%1:Make Money "
                              "&Online%2")
            .arg(makeMoney, state);
    };
    // The main window's Make Money entry is switched off.
    QTest::newRow("main") << "main" << exit << step << entries("mkmoney", "!");
    QTest::newRow("bmi input") << "bmi input" << exit << input << entries("mnuMakeMoneyOnline");
    QTest::newRow("bmi result") << "bmi result" << back << result << entries("mnuMakeMoneyOnline");
    QTest::newRow("ibw input") << "ibw input"
                               << "mnuGetIdealBodyWeight:Get My &Ideal Body Weight|" + exit << input
                               << entries("mnuMakeMoneyOnline");
    QTest::newRow("ibw result") << "ibw result" << back << result << entries("mnuMakeMoneyOnline");
    QTest::newRow("whr") << "whr" << exit << step << entries("mnuMakeMoney");
    QTest::newRow("frame") << "frame" << exit << step << entries("mnuMakeMoney");
}

void MenusAndLinksTest::menuBarFollowsItsWindow() {
    QFETCH(QString, window);
    QFETCH(QString, file);
    QFETCH(QString, help);
    QFETCH(QString, entries);
    reach(window);
    QCOMPARE(Items(bar(), "mnuFile"), file);
    QCOMPARE(Items(bar(), "mnuHelp"), help);
    QCOMPARE(Entries(bar()), entries);
}

void MenusAndLinksTest::linksOpenTheirPages_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("how"); // "help", "bar", "label" (as UseWebLink) or "strip"
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address"); // empty: nothing opens
    QTest::addColumn<QString>("caption"); // a label's text, where the row gives one
    QTest::addColumn<QString>("within");  // the panel holding the label, where the row gives one
    auto row = [](const char *window, const char *how, const char *control, const QString &address,
                  const QString &caption = {}, const QString &within = {}) {
        QTest::addRow("%s %s", window, control)
            << window << how << control << address << caption << within;
    };
    auto menus = [](auto &row, const char *window, const char *makeMoney,
                    const QString &makeMoneyAddress) {
        row(window, "help", "mnuOnline", kMain + "/Vellora/Vellora-help.html");
        row(window, "help", "mnuVisit", kMain);
        row(window, "help", "mnuUpdate", kMain + "/Vellora/download-Vellora.html");
        row(window, "bar", "mnuDonate", kHelp + "/donate.html");
        row(window, "bar", makeMoney, makeMoneyAddress);
    };
    // The main window's Make Money entry is switched off: a click opens nothing.
    menus(row, "main", "mkmoney", QString());
    row("main", "label", "lblOrvantixBanner", kMain);
    row("main", "strip", "Picture6", kMain);
    row("main", "label", "Label7", kHelp + "/fully-branded.html");
    for (const WindowKind &kind : Kinds()) {
        const bool step = QByteArray(kind.banner) == "Label14";
        menus(row, kind.name, kind.makeMoney, kHelp + "/fully-branded.html");
        row(kind.name, "label", kind.banner, kMain);
        row(kind.name, "label", "lblCobrand", kHelp + "/co-brand.html",
            kCoBrand.arg(QString::fromLatin1(kind.coBrandGap)));
        row(kind.name, "label", "lblFullBrand", kHelp + "/fully-branded.html", kFullBrand,
            step ? QStringLiteral("fraFullBrand") : QString());
    }
}

// Each link opens its page on every use, the window stays in front as it was, and nothing is
// asked.
void MenusAndLinksTest::linksOpenTheirPages() {
    QFETCH(QString, window);
    QFETCH(QString, how);
    QFETCH(QString, control);
    QFETCH(QString, address);
    QFETCH(QString, caption);
    QFETCH(QString, within);
    reach(window);
    QWidget *shown = front();
    QWidget *menuBar = main->currentMenuBar();
    if (!caption.isEmpty())
        QCOMPARE(in<QLabel>(shown, control)->text(), caption);
    if (!within.isEmpty())
        QCOMPARE(in<QWidget>(shown, control)->parentWidget()->objectName(), within);
    const QString before = WhatShows(shown);
    for (int use = 1; use <= 2; ++use) {
        if (how == "strip") {
            auto *strip = in<QWidget>(shown, control);
            QVERIFY2(strip, qPrintable(control));
            QCOMPARE(strip->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(4, 4)); // beside the banner
        } else {
            UseWebLink(bar(), shown, how, control);
        }
        QCOMPARE(platform.openedAddresses,
                 address.isEmpty() ? QStringList() : QStringList(use, address));
    }
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(front(), shown);
    QVERIFY(shown->isVisible());
    QCOMPARE(main->currentMenuBar(), menuBar);
    QCOMPARE(WhatShows(shown), before);
}

QTEST_MAIN(MenusAndLinksTest)
#include "tst_menusandlinks.moc"
