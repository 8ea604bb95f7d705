#pragma once

// How long a click on a launcher button takes to put a fresh input window on screen (the
// earlier one is closed by the same click), and the yardstick beside it: a bare QMdiSubWindow in
// the same main window holding the same controls, made and opened the same way by a click.

#include "FakePlatform.h"
#include "WidgetTest.h"

#include "calculators/CalculatorWindow.h"
#include "calculators/Calculators.h"
#include "shell/frmMDI.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <vector>

namespace vellora::test {

// The main window as start-up leaves it, on screen, and one of its launcher buttons.
struct LauncherOnScreen {
    FakePlatform platform;
    frmMDI main{platform, Calculators()};
    QPushButton *launcher = nullptr;

    bool show(const char *button) {
        main.show();
        launcher = main.findChild<QPushButton *>(QString::fromLatin1(button));
        return QTest::qWaitForWindowExposed(&main) && launcher;
    }
};

// Clicks the button again and again, each time until what it opened is painted and what it
// closed is gone.
inline void BenchmarkClicks(QPushButton *button) {
    QBENCHMARK {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents(); // paint it
        SettleDeletions();
    }
}

inline void BenchmarkLauncherOpen(const char *button, const QMetaObject &form) {
    LauncherOnScreen screen;
    QVERIFY(screen.show(button));
    BenchmarkClicks(screen.launcher);
    QVERIFY(screen.main.openForm(form));
}

// The controls of an opened calculator window as plain Qt widgets: each list with its items and
// the way it sizes itself, option buttons, buttons and boxes with their captions, labels with
// their texts (default font, not wrapped), in the same frames, group boxes and stacks, shown or
// hidden as they are.
struct PlainCopy {
    enum class Kind { Control, Box, Stack };
    Kind kind = Kind::Control;
    std::function<QWidget *(QWidget *parent)> make;
    bool hidden = false;
    int current = 0; // the page a stack shows
    std::vector<PlainCopy> children;

    QWidget *build(QWidget *parent) const {
        QWidget *widget = make(parent);
        if (kind == Kind::Stack) {
            auto *stack = static_cast<QStackedWidget *>(widget);
            for (const PlainCopy &page : children)
                stack->addWidget(page.build(stack));
            stack->setCurrentIndex(current);
        } else if (kind == Kind::Box) {
            auto *layout = new QVBoxLayout(widget);
            for (const PlainCopy &child : children) {
                QWidget *copy = child.build(widget);
                copy->setHidden(child.hidden);
                layout->addWidget(copy);
            }
        }
        return widget;
    }
};

template <class Widget> std::function<QWidget *(QWidget *)> MakeWithText(const QString &text) {
    return [text](QWidget *parent) {
        return new Widget(text, parent);
    };
}

inline PlainCopy CopyPlainly(const QWidget *widget) {
    PlainCopy copy;
    copy.hidden = widget->isHidden();
    if (auto *list = qobject_cast<const QComboBox *>(widget)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->itemText(i));
        copy.make = [items, policy = list->sizeAdjustPolicy(),
                     length = list->minimumContentsLength()](QWidget *parent) {
            auto *plain = new QComboBox(parent);
            plain->setSizeAdjustPolicy(policy);
            plain->setMinimumContentsLength(length);
            plain->addItems(items);
            return plain;
        };
        return copy;
    }
    if (auto *option = qobject_cast<const QRadioButton *>(widget)) {
        copy.make = MakeWithText<QRadioButton>(option->text());
        return copy;
    }
    if (auto *button = qobject_cast<const QPushButton *>(widget)) {
        copy.make = MakeWithText<QPushButton>(button->text());
        return copy;
    }
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        copy.make = MakeWithText<QLabel>(label->text());
        return copy;
    }
    if (qobject_cast<const QLineEdit *>(widget)) {
        copy.make = [](QWidget *parent) {
            return new QLineEdit(parent);
        };
        return copy;
    }
    if (auto *stack = qobject_cast<const QStackedWidget *>(widget)) {
        copy.kind = PlainCopy::Kind::Stack;
        copy.make = [](QWidget *parent) {
            return new QStackedWidget(parent);
        };
        copy.current = stack->currentIndex();
        for (int i = 0; i < stack->count(); ++i)
            copy.children.push_back(CopyPlainly(stack->widget(i)));
        return copy;
    }
    copy.kind = PlainCopy::Kind::Box;
    if (auto *group = qobject_cast<const QGroupBox *>(widget)) {
        copy.make = MakeWithText<QGroupBox>(group->title());
    } else if (auto *frame = qobject_cast<const QFrame *>(widget)) {
        copy.make = [shape = frame->frameShape()](QWidget *parent) {
            auto *plain = new QFrame(parent);
            plain->setFrameShape(shape);
            return plain;
        };
    } else {
        copy.make = [](QWidget *parent) {
            return new QWidget(parent);
        };
    }
    for (const QObject *child : widget->children()) {
        if (auto *inner = qobject_cast<const QWidget *>(child); inner && !inner->isWindow())
            copy.children.push_back(CopyPlainly(inner));
    }
    return copy;
}

// A plain QMdiSubWindow with that copy of a calculator window's body, of the same width and
// title, and a two-menu bar; sized to its contents, then given the calculator window's place and
// size: the copy's unwrapped labels would make it wider than the screen, and a window half off
// the screen paints only half of what the calculator window paints.
inline QMdiSubWindow *OpenBareChild(const PlainCopy &body, const QString &title, int bodyWidth,
                                    int bodyMinimumHeight, QMdiArea &area, const QRect &place) {
    auto *window = new QMdiSubWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    QWidget *content = body.build(nullptr);
    content->setFixedWidth(bodyWidth);
    content->setMinimumHeight(bodyMinimumHeight);
    auto *bar = new QMenuBar(content);
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("Check for Software &Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    content->layout()->setMenuBar(bar);
    window->setWidget(content);
    area.addSubWindow(window);
    window->adjustSize();
    window->setGeometry(place);
    window->show();
    area.setActiveSubWindow(window);
    return window;
}

// The yardstick for BenchmarkLauncherOpen: in the same main window, with the calculator's
// controls taken from a window the launcher opened, a click closes the bare child that is open,
// opens a fresh one, paints it and lets the closed one go.
inline void BenchmarkBareChildOpen(const char *button, const QMetaObject &form) {
    LauncherOnScreen screen;
    QVERIFY(screen.show(button));
    frmMDI &main = screen.main;
    QTest::mouseClick(screen.launcher, Qt::LeftButton);
    QMdiSubWindow *calculator = main.openForm(form);
    QVERIFY(calculator);
    const PlainCopy body = CopyPlainly(calculator->widget());
    const QString title = calculator->windowTitle();
    const int bodyWidth = calculator->widget()->width();
    const int bodyMinimumHeight = calculator->widget()->minimumHeight();
    const QRect place = calculator->geometry();
    main.CloseCalculatorWindows();
    main.setLauncherPanelVisible(false);
    SettleDeletions();

    auto *area = main.findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    QVERIFY(area);
    QPushButton bareLauncher(QStringLiteral("Bare"), screen.launcher->parentWidget());
    bareLauncher.setGeometry(0, 0, 40, 20);
    bareLauncher.show();
    QPointer<QMdiSubWindow> open;
    QObject::connect(&bareLauncher, &QPushButton::clicked, [&] {
        if (open)
            open->close();
        open = OpenBareChild(body, title, bodyWidth, bodyMinimumHeight, *area, place);
    });
    BenchmarkClicks(&bareLauncher);
    QVERIFY(open && open->isVisible());
    QCOMPARE(open->geometry(), place);
}

} // namespace vellora::test
