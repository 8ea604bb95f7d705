#include "LauncherBenchmark.h"

using namespace vellora;

// How long a click on the "Body Mass Index" launcher button takes to put a fresh input window
// on screen (the earlier one is closed by the same click).
class BmiOpenBenchmark : public QObject {
    Q_OBJECT

private slots:
    void openFromLauncher() {
        test::BenchmarkLauncherOpen(kBodyMassIndex, CalculatorForm::BodyMassIndexMain);
    }
};

QTEST_MAIN(BmiOpenBenchmark)
#include "bench_bmiopen.moc"
