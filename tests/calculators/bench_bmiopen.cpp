#include "FakePlatform.h"
#include "WidgetTest.h"

#include "calculators/Calculators.h"
#include "shell/frmMDI.h"

#include <QtTest>

using namespace vellora;

// How long a click on the "Body Mass Index" launcher button takes to put a fresh input window
// on screen (the earlier one is closed by the same click).
class BmiOpenBenchmark : public QObject {
    Q_OBJECT

private slots:
    void openFromLauncher() {
        FakePlatform platform;
        frmMDI main(platform);
        RegisterCalculators(main);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto *button = main.findChild<QPushButton *>(QStringLiteral("cmdSelectOption_1"));
        QBENCHMARK {
            QTest::mouseClick(button, Qt::LeftButton);
            QCoreApplication::processEvents(); // paint it
            test::SettleDeletions();
        }
        QVERIFY(main.openForm(CalculatorForm::BodyMassIndexMain));
    }
};

QTEST_MAIN(BmiOpenBenchmark)
#include "bench_bmiopen.moc"
