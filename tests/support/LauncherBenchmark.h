#pragma once

// How long a click on a launcher button takes to put a fresh input window on screen (the
// earlier one is closed by the same click).

#include "FakePlatform.h"
#include "WidgetTest.h"

#include "calculators/Calculators.h"
#include "shell/frmMDI.h"

#include <QPushButton>
#include <QTest>

namespace vellora::test {

inline void BenchmarkLauncherOpen(const char *button, CalculatorForm form) {
    FakePlatform platform;
    frmMDI main(platform);
    RegisterCalculators(main);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto *launcher = main.findChild<QPushButton *>(QString::fromLatin1(button));
    QVERIFY(launcher);
    QBENCHMARK {
        QTest::mouseClick(launcher, Qt::LeftButton);
        QCoreApplication::processEvents(); // paint it
        SettleDeletions();
    }
    QVERIFY(main.openForm(form));
}

} // namespace vellora::test
