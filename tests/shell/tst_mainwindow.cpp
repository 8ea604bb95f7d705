#include "FakePlatform.h"
#include "MenuDriver.h"
#include "WidgetTest.h"

#include "calculators/CalculatorWindow.h"
#include "calculators/Calculators.h"
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

// The launcher panel's texts: the three welcome texts, then one a calculator.
QList<int> CaptionIndexes() {
    QList<int> indexes{0, 1, 2};
    for (const CalculatorRow &calculator : Calculators())
        indexes << calculator.captionIndex;
    return indexes;
}
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
    for (int index : CaptionIndexes())
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

    // The strips' widths and the welcome texts' here, the calculators' texts' in their table.
    QList<std::pair<QString, double>> centred{
        {"lblOrvantixBanner", 9480}, {"picButtonContainer", 11655}, {"lblCaption_0", 4005},
        {"lblCaption_1", 8055},      {"lblCaption_2", 6630},
    };
    for (const CalculatorRow &calculator : Calculators())
        centred.append(
            {QStringLiteral("lblCaption_%1").arg(calculator.captionIndex), calculator.textWidth});
    for (const auto &[name, expectedWidth] : centred) {
        auto *widget = main->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        // A text wider than its design (a wider font, another language) widens its label.
        double drawnWidth = expectedWidth;
        if (widget->width() != qRound(expectedWidth / 15)) {
            auto *label = qobject_cast<QLabel *>(widget);
            QVERIFY2(label && label->fontMetrics().horizontalAdvance(label->text()) + 4 >
                                  qRound(expectedWidth / 15),
                     qPrintable(name));
            drawnWidth = widget->width() * 15.0;
        }
        const double left = (screen - drawnWidth) / 2;
        QCOMPARE(widget->x(), qRound(left / 15));
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
    // The lowest text of the launcher panel stays whole.
    const CalculatorRow &lowest = *std::max_element(
        Calculators().begin(), Calculators().end(),
        [](const CalculatorRow &a, const CalculatorRow &b) { return a.textTop < b.textTop; });
    QVERIFY(caption(lowest.captionIndex)->geometry().bottom() < main->launcherPanel()->height());
}

void MainWindowTest::hoverUnderlinesOnlyCalculatorTexts() {
    const CalculatorRow &hovered = Calculators()[1];
    QLabel *text = caption(hovered.captionIndex);
    const QFont designed = text->font();
    const QColor colour = text->palette().color(QPalette::WindowText);

    QTest::mouseMove(text, text->rect().center());
    QTRY_VERIFY(text->font().underline());
    QCOMPARE(text->font().pointSizeF(), designed.pointSizeF());
    QCOMPARE(text->font().bold(), designed.bold());
    QCOMPARE(text->font().families(), designed.families());
    QCOMPARE(text->palette().color(QPalette::WindowText), colour);
    for (int index : CaptionIndexes())
        QVERIFY(index == hovered.captionIndex || !caption(index)->font().underline());

    // A welcome text neither underlines itself nor clears the others.
    QTest::mouseMove(caption(0), caption(0)->rect().center());
    QCoreApplication::processEvents();
    QVERIFY(!caption(0)->font().underline());
    QVERIFY(text->font().underline());

    // Off the text onto a launcher button, not over the panel: stays underlined.
    auto *button =
        main->findChild<QWidget *>(QStringLiteral("cmdSelectOption_%1").arg(hovered.index));
    QTest::mouseMove(button, button->rect().center());
    QCoreApplication::processEvents();
    QVERIFY(text->font().underline());

    QLabel *other = caption(Calculators()[0].captionIndex);
    QTest::mouseMove(other, other->rect().center());
    QTRY_VERIFY(other->font().underline());

    QTest::mouseMove(main->launcherPanel(), QPoint(5, 5));
    QTRY_VERIFY(!text->font().underline());
    for (int index : CaptionIndexes())
        QVERIFY(!caption(index)->font().underline());
    QCOMPARE(text->font().families(), designed.families());
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
// in front with its menu bar, at the top of the child area centred on the main window's width,
// the same from both; the close order reaches it.
void MainWindowTest::everyCalculatorOpensFromButtonAndText() {
    QFETCH(int, row);
    const CalculatorRow &calculator = Calculators()[row];
    auto *button =
        main->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_%1").arg(calculator.index));
    QVERIFY(button);
    QCOMPARE(button->text(), QString::fromUtf8(calculator.caption));
    QCOMPARE(caption(calculator.captionIndex)->text(), QString::fromUtf8(calculator.caption));

    QStringList opened; // what each launcher opened, as a user sees it
    // The button clicked, the button pressed by Enter while it has the focus, the text clicked.
    for (const QString &how : QStringList{"click", "Enter", "text"}) {
        if (how == "Enter") {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Return);
        } else {
            QWidget *launcher = how == "click"
                                    ? static_cast<QWidget *>(button)
                                    : static_cast<QWidget *>(caption(calculator.captionIndex));
            QTest::mouseClick(launcher, Qt::LeftButton);
        }
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
        auto *window = qobject_cast<CalculatorWindow *>(input);
        QVERIFY(window);
        QCOMPARE(main->currentMenuBar(), static_cast<QWidget *>(window->menu()));
        QCOMPARE(window->y(), 0);
        const double left = (main->width() - window->width()) * 15.0 / 2;
        QCOMPARE(window->x(), qRound(left / 15));
        const QWidget *focus = QApplication::focusWidget();
        opened << WhatShows(window) + " focus:" + (focus ? focus->objectName() : QString());

        main->CloseCalculatorWindows();
        QVERIFY(!main->openForm(*input->metaObject()));
        QVERIFY(main->launcherPanel()->isVisible());
        SettleDeletions();
    }
    QCOMPARE(opened[1], opened[0]);
    QCOMPARE(opened[2], opened[0]);
}

void MainWindowTest::aboutIsModalAndCloses_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << "click";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Enter on the focused OK") << "enter on ok";
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
        if (how == "click") {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else if (how == "enter on ok") {
            ok->setFocus(Qt::TabFocusReason);
            QTest::keyClick(ok, Qt::Key_Return);
        } else
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
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "click";
    QTest::newRow("Enter on the focused Exit") << "enter";
    QTest::newRow("File > Exit") << "menu";
}

void MainWindowTest::exitButtonAndFileExitClose() {
    QFETCH(QString, how);
    QSignalSpy unloaded(main.get(), &frmMDI::unloaded);
    if (how == "menu") {
        ChooseMenuItem(bar(), QStringLiteral("mnuFile"), QStringLiteral("mnuExit"));
    } else if (how == "enter") {
        auto *exit = main->findChild<QPushButton *>(QStringLiteral("cmdMdiExit"));
        exit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(exit, Qt::Key_Return);
    } else {
        Click(main.get(), "cmdMdiExit");
    }
    QTRY_COMPARE(unloaded.count(), 1);
    QVERIFY(!main->isVisible());
    QVERIFY(main->exitWindow() && main->exitWindow()->isVisible());
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
