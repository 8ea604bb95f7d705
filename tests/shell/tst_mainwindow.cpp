#include "FakePlatform.h"
#include "MenuDriver.h"
#include "WidgetTest.h"

#include "calculators/Calculators.h"
#include "links/SharedMenuBar.h"
#include "links/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/frmNagScreen2.h"
#include "widgets/Design.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace vellora;
using namespace vellora::test;

namespace {
const QString kMain = QStringLiteral("http://" TEST_MAIN_HOST);
const QString kHelp = QStringLiteral("http://" TEST_HELP_HOST);
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsMaximisedWithLauncherPanel();
    void centresOnItsOwnWidth_data();
    void centresOnItsOwnWidth();
    void fitsShortWindows_data();
    void fitsShortWindows();
    void opensItsWebLink_data();
    void opensItsWebLink();
    void makeMoneyIsGreyedOutButOpensFullyBranded();
    void hoverUnderlinesOnlyCalculatorTexts();
    void welcomeTextsChangeNothing_data();
    void welcomeTextsChangeNothing();
    void buttonOfMissingCalculatorShowsNothing();
    void calculatorTableHasNoClashes();
    void everyCalculatorOpensFromButtonAndText_data();
    void everyCalculatorOpensFromButtonAndText();
    void aboutIsModalAndCloses_data();
    void aboutIsModalAndCloses();
    void aboutLinksKeepItOpen();
    void exitButtonAndFileExitClose_data();
    void exitButtonAndFileExitClose();

private:
    QLabel *caption(int index) const {
        return main->findChild<QLabel *>(QStringLiteral("lblCaption_%1").arg(index));
    }
    QMenuBar *bar() const { return qobject_cast<QMenuBar *>(main->currentMenuBar()); }

    FakePlatform platform;
    std::unique_ptr<frmMDI> main;
};

void MainWindowTest::init() {
    platform = FakePlatform();
    main = std::make_unique<frmMDI>(platform, Calculators());
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
}

void MainWindowTest::cleanup() {
    main.reset();
    SettleDeletions();
}

void MainWindowTest::showsMaximisedWithLauncherPanel() {
    QCOMPARE(main->windowTitle(), QStringLiteral("Vellora v1.20"));
    QVERIFY(main->windowState() & Qt::WindowMaximized);
    QVERIFY(main->launcherPanel()->isVisible());
    QVERIFY(main->findChild<QMdiArea *>()->subWindowList().isEmpty());
    for (int index = 0; index < 7; ++index)
        QVERIFY(caption(index)->isVisible());
}

// The window restored to a given width: everything is centred on that width, and follows it.
void MainWindowTest::centresOnItsOwnWidth_data() {
    QTest::addColumn<int>("windowPixels");
    QTest::newRow("1920") << 1920;
    QTest::newRow("1366") << 1366;
    QTest::newRow("1023 (odd)") << 1023;
    QTest::newRow("1100 on a wider screen") << 1100;
    QTest::newRow("640 (narrower than the buttons)") << 640;
}

void MainWindowTest::centresOnItsOwnWidth() {
    QFETCH(int, windowPixels);
    platform.screenWidthPixels = 1920;
    main->showNormal();
    main->resize(windowPixels, 900);
    QCoreApplication::processEvents();
    // No narrower than the launcher buttons, which stay whole inside it.
    const int width = std::max(windowPixels, 777);
    QCOMPARE(main->width(), width);
    const double screen = width * 15.0;

    struct Expected {
        const char *name;
        double width;
    };
    const Expected centred[] = {
        {"lblOrvantixBanner", 9480}, {"picButtonContainer", 11655}, {"lblCaption_0", 4005},
        {"lblCaption_1", 8055},      {"lblCaption_2", 6630},        {"lblCaption_3", 2190},
        {"lblCaption_4", 2250},      {"lblCaption_5", 3810},        {"lblCaption_6", 2745},
    };
    for (const Expected &expected : centred) {
        auto *widget = main->findChild<QWidget *>(QString::fromLatin1(expected.name));
        QVERIFY2(widget, expected.name);
        const double left = (screen - expected.width) / 2;
        QCOMPARE(widget->x(), qRound(left / 15));
        QCOMPARE(widget->width(), qRound(expected.width / 15));
    }
    // "Welcome to Vellora" is 4005 twips wide: on an even number of pixels its edge falls on
    // a half twip, and the half is kept, as its x above shows (dropped, x would be a pixel less).

    auto *exit = main->findChild<QPushButton *>(QStringLiteral("cmdMdiExit"));
    QCOMPARE(exit->x(), qRound((screen - (1335 + 120)) / 15));
    auto *buttons = main->findChild<QWidget *>(QStringLiteral("picButtonContainer"));
    QVERIFY(main->rect().contains(QRect(buttons->mapTo(main.get(), QPoint()), buttons->size())));
}

// Heights of the window's client area: 1080 and 768 screens under a title bar, with and
// without a desktop panel. The strips keep their heights; the launcher panel gives way down to
// its texts, and the bottom strip with Exit stays inside the window.
void MainWindowTest::fitsShortWindows_data() {
    QTest::addColumn<int>("windowHeight");
    QTest::newRow("1080 screen") << 1049;
    QTest::newRow("768 screen") << 730;
    QTest::newRow("768 screen with a panel") << 690;
    QTest::newRow("shorter than the texts") << 400;
}

void MainWindowTest::fitsShortWindows() {
    QFETCH(int, windowHeight);
    main->showNormal();
    main->resize(1024, windowHeight);
    QCoreApplication::processEvents();
    // Below the menu bar, the strips of 37, 60 and 49 pixels and the launcher panel: 560 high
    // where there is room, never lower than its texts (5430 twips) and their top margin.
    const int strips = main->menuWidget()->height() + 37 + 60 + 49;
    QCOMPARE(main->height(), std::max(windowHeight, strips + 378));
    QCOMPARE(main->launcherPanel()->height(), std::clamp(windowHeight - strips, 378, 560));
    QCOMPARE(main->findChild<QWidget *>(QStringLiteral("Picture6"))->height(), 37);
    QCOMPARE(main->findChild<QWidget *>(QStringLiteral("Picture1"))->height(), 60);
    auto *bottom = main->findChild<QWidget *>(QStringLiteral("PicCoBrand"));
    QCOMPARE(bottom->height(), 49);
    auto *exit = main->findChild<QPushButton *>(QStringLiteral("cmdMdiExit"));
    QVERIFY(exit->isVisible());
    QCOMPARE(bottom->mapTo(main.get(), QPoint()).y() + bottom->height(), main->height());
    // The last text of the launcher panel stays whole.
    QVERIFY(caption(6)->geometry().bottom() < main->launcherPanel()->height());
}

void MainWindowTest::opensItsWebLink_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::newRow("banner label") << "label"
                                  << "lblOrvantixBanner" << kMain;
    QTest::newRow("banner strip") << "strip"
                                  << "Picture6" << kMain;
    QTest::newRow("Label7") << "label"
                            << "Label7" << kHelp + "/fully-branded.html";
    QTest::newRow("Online Help") << "help"
                                 << "mnuOnline" << kMain + "/Vellora/Vellora-help.html";
    QTest::newRow("Visit Us Online") << "help"
                                     << "mnuVisit" << kMain;
    QTest::newRow("Check for Update") << "help"
                                      << "mnuUpdate" << kMain + "/Vellora/download-Vellora.html";
    QTest::newRow("Donate") << "bar"
                            << "mnuDonate" << kHelp + "/donate.html";
}

void MainWindowTest::opensItsWebLink() {
    QFETCH(QString, kind);
    QFETCH(QString, control);
    QFETCH(QString, address);
    for (int click = 1; click <= 2; ++click) {
        if (kind == "label") {
            auto *label = main->findChild<QWidget *>(control);
            QVERIFY(label);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        } else if (kind == "strip") {
            auto *strip = main->findChild<QWidget *>(control);
            QCOMPARE(strip->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(4, 4)); // beside the banner
        } else if (kind == "help") {
            ChooseMenuItem(bar(), QStringLiteral("mnuHelp"), control);
        } else {
            ClickBarEntry(bar(), control);
        }
        QCOMPARE(platform.openedAddresses.size(), click);
        QCOMPARE(platform.openedAddresses.last(), address);
    }
    QVERIFY(platform.messages.isEmpty());
}

void MainWindowTest::makeMoneyIsGreyedOutButOpensFullyBranded() {
    QAction *makeMoney = BarAction(bar(), QStringLiteral("mkmoney"));
    QVERIFY(makeMoney);
    QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(makeMoney->isVisible());
    QVERIFY(!makeMoney->isEnabled());
    ClickBarEntry(bar(), QStringLiteral("mkmoney"));
    QVERIFY(platform.openedAddresses.isEmpty());
    makeMoney->setEnabled(true);
    makeMoney->trigger();
    QCOMPARE(platform.openedAddresses, QStringList{kHelp + "/fully-branded.html"});
}

void MainWindowTest::hoverUnderlinesOnlyCalculatorTexts() {
    QLabel *bmi = caption(4);
    const QFont designed = bmi->font();
    const QColor colour = bmi->palette().color(QPalette::WindowText);

    QTest::mouseMove(bmi, bmi->rect().center());
    QTRY_VERIFY(bmi->font().underline());
    QCOMPARE(bmi->font().pointSizeF(), designed.pointSizeF());
    QCOMPARE(bmi->font().bold(), designed.bold());
    QCOMPARE(bmi->font().families(), designed.families());
    QCOMPARE(bmi->palette().color(QPalette::WindowText), colour);
    for (int other : {0, 1, 2, 3, 5, 6})
        QVERIFY(!caption(other)->font().underline());

    // A welcome text neither underlines itself nor clears the others.
    QTest::mouseMove(caption(0), caption(0)->rect().center());
    QCoreApplication::processEvents();
    QVERIFY(!caption(0)->font().underline());
    QVERIFY(bmi->font().underline());

    // Off the text onto a launcher button, not over the panel: stays underlined.
    auto *button = main->findChild<QWidget *>(QStringLiteral("cmdSelectOption_1"));
    QTest::mouseMove(button, button->rect().center());
    QCoreApplication::processEvents();
    QVERIFY(bmi->font().underline());

    QLabel *frame = caption(3);
    QTest::mouseMove(frame, frame->rect().center());
    QTRY_VERIFY(frame->font().underline());

    QTest::mouseMove(main->launcherPanel(), QPoint(5, 5));
    QTRY_VERIFY(!bmi->font().underline());
    for (int index = 0; index < 7; ++index)
        QVERIFY(!caption(index)->font().underline());
    QCOMPARE(bmi->font().families(), designed.families());
}

void MainWindowTest::welcomeTextsChangeNothing_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("Welcome to Vellora") << 0;
    QTest::newRow("second edition") << 1;
    QTest::newRow("following programs") << 2;
}

void MainWindowTest::welcomeTextsChangeNothing() {
    QFETCH(int, index);
    QTest::mouseClick(caption(index), Qt::LeftButton);
    QVERIFY(main->launcherPanel()->isVisible());
    QVERIFY(main->findChild<QMdiArea *>()->subWindowList().isEmpty());
    QVERIFY(platform.openedAddresses.isEmpty());
    QVERIFY(platform.messages.isEmpty());
}

void MainWindowTest::buttonOfMissingCalculatorShowsNothing() {
    // A calculator whose input window cannot be made, and an index that no calculator has.
    CalculatorTable calculators = Calculators();
    for (CalculatorRow &calculator : calculators) {
        if (calculator.index == 3)
            calculator.open = nullptr;
    }
    main = std::make_unique<frmMDI>(platform, calculators);
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    Click(main.get(), "cmdSelectOption_3");
    QVERIFY(!main->launcherPanel()->isVisible());
    QVERIFY(main->findChild<QMdiArea *>()->subWindowList().isEmpty());
    main->OpenCalculator(7);
    QVERIFY(main->findChild<QMdiArea *>()->subWindowList().isEmpty());
}

// A new row must not take an index, a text or a place in the close order that another row has,
// nor a text of the welcome texts (0 to 2).
void MainWindowTest::calculatorTableHasNoClashes() {
    QList<int> buttons;
    QList<int> texts{0, 1, 2};
    QList<int> places;
    for (const CalculatorRow &calculator : Calculators()) {
        QVERIFY2(!buttons.contains(calculator.index), calculator.caption);
        QVERIFY2(!texts.contains(calculator.captionIndex), calculator.caption);
        buttons.append(calculator.index);
        texts.append(calculator.captionIndex);
        QVERIFY2(calculator.open, calculator.caption);
        for (const CalculatorFormRow &form : calculator.forms) {
            QVERIFY2(!places.contains(form.closePlace), calculator.caption);
            places.append(form.closePlace);
        }
    }
}

void MainWindowTest::everyCalculatorOpensFromButtonAndText_data() {
    QTest::addColumn<int>("row");
    for (qsizetype row = 0; row < Calculators().size(); ++row)
        QTest::newRow(Calculators()[row].caption) << static_cast<int>(row);
}

// Each row's button and text carry its caption and open a fresh input window of that calculator,
// which the close order reaches.
void MainWindowTest::everyCalculatorOpensFromButtonAndText() {
    QFETCH(int, row);
    const CalculatorRow &calculator = Calculators()[row];
    auto *button =
        main->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_%1").arg(calculator.index));
    QVERIFY(button);
    QCOMPARE(button->text(), QString::fromUtf8(calculator.caption));
    QCOMPARE(caption(calculator.captionIndex)->text(), QString::fromUtf8(calculator.caption));

    for (QWidget *launcher : {static_cast<QWidget *>(button),
                              static_cast<QWidget *>(caption(calculator.captionIndex))}) {
        QTest::mouseClick(launcher, Qt::LeftButton);
        QMdiSubWindow *input = main->findChild<QMdiArea *>()->activeSubWindow();
        QVERIFY(input);
        QVERIFY(input->isVisible());
        QVERIFY(!main->launcherPanel()->isVisible());
        const auto inTable = [&calculator](const QMetaObject *kind) {
            return std::any_of(calculator.forms.begin(), calculator.forms.end(),
                               [kind](const CalculatorFormRow &form) { return form.form == kind; });
        };
        QVERIFY(inTable(input->metaObject()));
        QCOMPARE(main->openForm(*input->metaObject()), input);

        main->CloseCalculatorWindows();
        QVERIFY(!main->openForm(*input->metaObject()));
        QVERIFY(main->launcherPanel()->isVisible());
        SettleDeletions();
    }
}

void MainWindowTest::aboutIsModalAndCloses_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << "click";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Escape") << "escape";
}

void MainWindowTest::aboutIsModalAndCloses() {
    QFETCH(QString, how);
    bool seen = false;
    WhenModalAppears([&](QWidget *modal) {
        auto *about = qobject_cast<frmAbout *>(modal);
        seen = about != nullptr;
        if (!about) {
            modal->close();
            return;
        }
        seen = about->isModal() && about->windowTitle() == QStringLiteral("Vellora v1.20");
        auto *ok = about->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        seen = seen && ok->text() == QStringLiteral("&OK") && ok->isDefault();
        if (how == "click")
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            QTest::keyClick(about, how == "enter" ? Qt::Key_Return : Qt::Key_Escape);
    });
    ChooseMenuItem(bar(), QStringLiteral("mnuHelp"), QStringLiteral("mnuAbout"));
    QTRY_VERIFY(seen);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(main->findChildren<frmAbout *>().isEmpty());
}

void MainWindowTest::aboutLinksKeepItOpen() {
    QStringList opened;
    bool stillOpen = false;
    WhenModalAppears([&](QWidget *modal) {
        for (const char *link : {"lblCoBrand", "lblHomePage"}) {
            auto *label = modal->findChild<QWidget *>(QString::fromLatin1(link));
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        }
        stillOpen = modal->isVisible();
        QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    ChooseMenuItem(bar(), QStringLiteral("mnuHelp"), QStringLiteral("mnuAbout"));
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(stillOpen);
    QCOMPARE(platform.openedAddresses, (QStringList{kHelp + "/fully-branded.html", kMain}));
}

void MainWindowTest::exitButtonAndFileExitClose_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Exit button") << false;
    QTest::newRow("File > Exit") << true;
}

void MainWindowTest::exitButtonAndFileExitClose() {
    QFETCH(bool, fromMenu);
    QSignalSpy unloaded(main.get(), &frmMDI::unloaded);
    if (fromMenu)
        ChooseMenuItem(bar(), QStringLiteral("mnuFile"), QStringLiteral("mnuExit"));
    else
        Click(main.get(), "cmdMdiExit");
    QTRY_COMPARE(unloaded.count(), 1);
    QVERIFY(!main->isVisible());
    QVERIFY(main->exitWindow() && main->exitWindow()->isVisible());
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
