#include "LauncherBenchmark.h"

#include "calculators/whr/frmIdealWaistHipRatioMain.h"

#include <QtTest>

// A click on the "Ideal Waist Hip Ratio" launcher button, to a fresh window on screen.
class WhrOpenBenchmark : public QObject {
    Q_OBJECT

private slots:
    void openFromLauncher() {
        vellora::test::BenchmarkLauncherOpen("cmdSelectOption_3",
                                             vellora::frmIdealWaistHipRatioMain::staticMetaObject);
    }

    // The same controls in a bare child window, opened the same way.
    void bareChildFromLauncher() {
        vellora::test::BenchmarkBareChildOpen("cmdSelectOption_3",
                                              vellora::frmIdealWaistHipRatioMain::staticMetaObject);
    }
};

QTEST_MAIN(WhrOpenBenchmark)
#include "bench_whropen.moc"
