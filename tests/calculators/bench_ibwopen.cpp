#include "LauncherBenchmark.h"

using namespace vellora;

// How long a click on the "Ideal Body Weight Calculator" launcher button takes to put a fresh
// input window on screen (the earlier one is closed by the same click).
class IbwOpenBenchmark : public QObject {
    Q_OBJECT

private slots:
    void openFromLauncher() {
        test::BenchmarkLauncherOpen(kIdealBodyWeight,
                                    CalculatorForm::IdealBodyWeightCalculatorMain);
    }
};

QTEST_MAIN(IbwOpenBenchmark)
#include "bench_ibwopen.moc"
