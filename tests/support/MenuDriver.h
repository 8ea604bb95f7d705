#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace vellora::test {

inline QAction *BarAction(QMenuBar *bar, const QString &name) {
    for (QAction *action : bar->actions()) {
        if (action->objectName() == name ||
            (action->menu() && action->menu()->objectName() == name))
            return action;
    }
    return nullptr;
}

// Clicks an entry of the menu bar itself, as the mouse would.
inline void ClickBarEntry(QMenuBar *bar, const QString &name) {
    QAction *action = BarAction(bar, name);
    QVERIFY2(action, qPrintable(name));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

// Opens the drop-down menu by clicking its title, then goes down to the item with the arrow key
// and presses Enter. (A click on the item that comes right after the menu opened is ignored by
// newer Qt versions, as a stray click would be; the keys are taken on every version.)
inline void ChooseMenuItem(QMenuBar *bar, const QString &menuName, const QString &itemName) {
    QAction *title = BarAction(bar, menuName);
    QVERIFY2(title && title->menu(), qPrintable(menuName));
    QMenu *menu = title->menu();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
    QTRY_VERIFY(menu->isVisible());
    QAction *item = nullptr;
    for (QAction *candidate : menu->actions()) {
        if (candidate->objectName() == itemName)
            item = candidate;
    }
    QVERIFY2(item, qPrintable(itemName));
    for (qsizetype step = 0; step < menu->actions().size() && menu->activeAction() != item; ++step)
        QTest::keyClick(menu, Qt::Key_Down);
    QVERIFY2(menu->activeAction() == item, qPrintable(itemName + " cannot be reached"));
    QTest::keyClick(menu, Qt::Key_Return);
}

// Runs a web-link command as a user does: kind "label" clicks the window's label of that name
// (which shows the pointing hand), "help" chooses the item from the Help menu, "bar" clicks the
// entry on the bar itself.
inline void UseWebLink(QMenuBar *bar, QWidget *window, const QString &kind,
                       const QString &control) {
    if (kind == "label") {
        auto *label = window->findChild<QWidget *>(control);
        QVERIFY2(label, qPrintable(control));
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    } else if (kind == "help") {
        ChooseMenuItem(bar, QStringLiteral("mnuHelp"), control);
    } else {
        ClickBarEntry(bar, control);
    }
}

} // namespace vellora::test
