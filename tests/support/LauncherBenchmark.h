#pragma once

#include "FakePlatform.h"
#include "WidgetTest.h"

#include "calculators/Calculators.h"
#include "shell/frmMDI.h"

#include <QPushButton>
#include <QtTest>

namespace vellora::test {

// Times a click on the launcher button with that index: the click closes the calculator the
// previous round opened and puts a fresh input window on screen; each round ends with the
// window painted and the closed one deleted.
inline void BenchmarkLauncherOpen(int launcherIndex, CalculatorForm inputForm) {
    FakePlatform platform;
    frmMDI main(platform);
    RegisterCalculators(main);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto *button =
        main.findChild<QPushButton *>(QStringLiteral("cmdSelectOption_%1").arg(launcherIndex));
    QVERIFY(button);
    QBENCHMARK {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents(); // paint it
        SettleDeletions();
    }
    QVERIFY(main.openForm(inputForm));
}

} // namespace vellora::test
