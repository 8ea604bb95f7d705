#include "LauncherBenchmark.h"

#include "calculators/bmi/frmBodyMassIndexMain.h"

#include <QtTest>

// A click on the "Body Mass Index" launcher button, to a fresh input window on screen.
class BmiOpenBenchmark : public QObject {
    Q_OBJECT

private slots:
    void openFromLauncher() {
        vellora::test::BenchmarkLauncherOpen("cmdSelectOption_1",
                                             vellora::frmBodyMassIndexMain::staticMetaObject);
    }

    // The same controls in a bare child window, opened the same way.
    void bareChildFromLauncher() {
        vellora::test::BenchmarkBareChildOpen("cmdSelectOption_1",
                                              vellora::frmBodyMassIndexMain::staticMetaObject);
    }
};

QTEST_MAIN(BmiOpenBenchmark)
#include "bench_bmiopen.moc"
