#pragma once

// The main window with every calculator registered, shown and active, the way the window tests
// start: from the launcher, with a FakePlatform answering for the system. A test class derives
// from it and calls openMainWindow() in init() and closeMainWindow() in cleanup().

#include "FakePlatform.h"
#include "WidgetTest.h"

#include "calculators/Calculators.h"
#include "shell/frmMDI.h"

#include <QTest>

#include <memory>

namespace vellora::test {

class LauncherFixture {
protected:
    void openMainWindow() {
        platform = FakePlatform();
        main = std::make_unique<frmMDI>(platform);
        RegisterCalculators(*main);
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }

    void closeMainWindow() {
        main.reset();
        SettleDeletions();
    }

    // The open calculator window of that kind, or nullptr.
    template <class Form> Form *form() const {
        return qobject_cast<Form *>(main->openForm(Form::kForm));
    }

    // The control of that name inside the window, or nullptr.
    template <class T> static T *in(QWidget *window, const QString &name) {
        return window ? window->findChild<T *>(name) : nullptr;
    }

    FakePlatform platform;
    std::unique_ptr<frmMDI> main;
};

} // namespace vellora::test
