#pragma once

// The main window with every calculator registered, shown and active, the way the window tests
// start: from the launcher, with a FakePlatform answering for the system. A test class derives
// from it and calls openMainWindow() in init() and closeMainWindow() in cleanup().

#include "FakePlatform.h"
#include "MenuDriver.h"
#include "WidgetTest.h"

#include "calculators/CalculatorWindow.h"
#include "calculators/Calculators.h"
#include "shell/frmMDI.h"

#include <QPointer>
#include <QTest>

#include <memory>

namespace vellora::test {

class LauncherFixture {
protected:
    void openMainWindow() {
        platform = FakePlatform();
        main = std::make_unique<frmMDI>(platform, Calculators());
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }

    void closeMainWindow() {
        main.reset();
        SettleDeletions();
    }

    // The open calculator window of that kind, or nullptr.
    template <class Form> Form *form() const { return main->openForm<Form>(); }

    // The control of that name inside the window, or nullptr.
    template <class T> static T *in(QWidget *window, const QString &name) {
        return window ? window->findChild<T *>(name) : nullptr;
    }

    // The ways to close any input window, as rows of the columns "how" and "focus"; a test adds
    // the keys that close its own.
    static void inputWindowCloseRows() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("focus");
        for (const char *how : {"Exit button", "File > Exit", "close box"})
            QTest::newRow(how) << QString::fromLatin1(how) << QString();
    }

    // Closes the input window that way ("Exit button", "File > Exit", "close box", or the key
    // "Enter", "keypad Enter" or "Escape" pressed on the control named focus): it goes, and the
    // launcher panel comes back with the main window's menu bar.
    void closeInputWindow(CalculatorWindow *window, const QString &how, const QString &focus) {
        QPointer<CalculatorWindow> closing = window;
        const QMetaObject &kind = *window->metaObject();
        if (how == "Exit button") {
            Click(window, "cmdExit");
        } else if (how == "File > Exit") {
            ChooseMenuItem(window->menu(), QStringLiteral("mnuFile"), QStringLiteral("mnuExit"));
        } else if (how == "close box") {
            window->close();
        } else {
            QWidget *target = in<QWidget>(window, focus);
            QVERIFY2(target && target->isVisible(), qPrintable(focus));
            const bool keypad = how == "keypad Enter";
            QTest::keyClick(target,
                            how == "Escape" ? Qt::Key_Escape
                            : keypad        ? Qt::Key_Enter
                                            : Qt::Key_Return,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
        }
        QVERIFY(!main->openForm(kind));
        QTRY_VERIFY(!closing);
        QVERIFY(main->isVisible());
        QVERIFY(main->launcherPanel()->isVisible());
        QCOMPARE(main->currentMenuBar()->objectName(), QStringLiteral("menuBar"));
    }

    // The ways back from a result window to its input window, as rows of the column "how".
    static void resultWindowBackRows() {
        QTest::addColumn<QString>("how");
        for (const char *how : {"Back button", "File > Back"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    // Goes back that way from the result window: it closes, and the input window it hid comes
    // back in front with its menu bar, the launcher panel still hidden.
    void backToInputWindow(CalculatorWindow *result, QPointer<CalculatorWindow> input,
                           const QString &how) {
        QPointer<CalculatorWindow> closing = result;
        const QMetaObject &kind = *result->metaObject();
        if (how == "File > Back")
            ChooseMenuItem(result->menu(), QStringLiteral("mnuFile"),
                           QStringLiteral("mnuFileBack"));
        else
            Click(result, "cmdBack");
        QVERIFY(!main->openForm(kind));
        QTRY_VERIFY(!closing);
        QVERIFY(input);
        QCOMPARE(main->openForm(*input->metaObject()), input.data());
        QVERIFY(input->isVisible());
        QVERIFY(!main->launcherPanel()->isVisible());
        QCOMPARE(main->currentMenuBar(), static_cast<QWidget *>(input->menu()));
    }

    // The ways out of a result window, as rows of the column "how".
    static void resultWindowExitRows() {
        QTest::addColumn<QString>("how");
        for (const char *how : {"Exit button", "File > Exit", "Enter", "Escape", "close box"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    // Leaves the result window that way: it closes, and the launcher panel comes back with the
    // main window's menu bar, the input window staying hidden behind it. The window opens with
    // the focus on firstFocus, from where Enter and Escape go on to its Exit button.
    void leaveResultWindow(CalculatorWindow *result, QPointer<CalculatorWindow> input,
                           const QString &how, const char *firstFocus) {
        QPointer<CalculatorWindow> closing = result;
        const QMetaObject &kind = *result->metaObject();
        if (how == "Exit button") {
            Click(result, "cmdExit");
        } else if (how == "File > Exit") {
            ChooseMenuItem(result->menu(), QStringLiteral("mnuFile"), QStringLiteral("mnuExit"));
        } else if (how == "close box") {
            result->close();
        } else {
            QWidget *focused = QApplication::focusWidget();
            QCOMPARE(focused, in<QWidget>(result, QString::fromLatin1(firstFocus)));
            QTest::keyClick(focused, how == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        }
        QVERIFY(!main->openForm(kind));
        QTRY_VERIFY(!closing);
        QVERIFY(main->launcherPanel()->isVisible());
        QVERIFY(input && !input->isVisible());
        QCOMPARE(main->currentMenuBar()->objectName(), QStringLiteral("menuBar"));
    }

    FakePlatform platform;
    std::unique_ptr<frmMDI> main;
};

} // namespace vellora::test
