#include "LauncherBenchmark.h"

#include "calculators/frame/frmBodyFrameSizeMain.h"

#include <QtTest>

// A click on the "Body Frame Size" launcher button, to a fresh window on screen.
class FrameOpenBenchmark : public QObject {
    Q_OBJECT

private slots:
    void openFromLauncher() {
        vellora::test::BenchmarkLauncherOpen("cmdSelectOption_0",
                                             vellora::frmBodyFrameSizeMain::staticMetaObject);
    }

    // The same controls in a bare child window, opened the same way.
    void bareChildFromLauncher() {
        vellora::test::BenchmarkBareChildOpen("cmdSelectOption_0",
                                              vellora::frmBodyFrameSizeMain::staticMetaObject);
    }
};

QTEST_MAIN(FrameOpenBenchmark)
#include "bench_frameopen.moc"
