#include "LauncherBenchmark.h"

#include "calculators/ibw/frmIdealBodyWeightCalculatorMain.h"

#include <QtTest>

// A click on the "Ideal Body Weight Calculator" launcher button, to a fresh input window on
// screen.
class IbwOpenBenchmark : public QObject {
    Q_OBJECT

private slots:
    void openFromLauncher() {
        vellora::test::BenchmarkLauncherOpen(
            "cmdSelectOption_2", vellora::frmIdealBodyWeightCalculatorMain::staticMetaObject);
    }

    // The same controls in a bare child window, opened the same way.
    void bareChildFromLauncher() {
        vellora::test::BenchmarkBareChildOpen(
            "cmdSelectOption_2", vellora::frmIdealBodyWeightCalculatorMain::staticMetaObject);
    }
};

QTEST_MAIN(IbwOpenBenchmark)
#include "bench_ibwopen.moc"
