#include "LauncherBenchmark.h"

#include "calculators/Calculators.h"

#include <QtTest>

using namespace vellora;

// A click on a calculator's launcher button, to a fresh input window on screen; a row a
// calculator, tagged with its caption's words run together.
class CalculatorOpenBenchmark : public QObject {
    Q_OBJECT

private slots:
    void openFromLauncher_data() { calculatorRows(); }
    void openFromLauncher() {
        QFETCH(QByteArray, button);
        QFETCH(int, row);
        test::BenchmarkLauncherOpen(button.constData(), inputWindow(row));
    }

    // The same controls in a bare child window, opened the same way.
    void bareChildFromLauncher_data() { calculatorRows(); }
    void bareChildFromLauncher() {
        QFETCH(QByteArray, button);
        QFETCH(int, row);
        test::BenchmarkBareChildOpen(button.constData(), inputWindow(row));
    }

private:
    static void calculatorRows() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("row");
        for (qsizetype row = 0; row < Calculators().size(); ++row) {
            const CalculatorRow &calculator = Calculators()[row];
            QTest::newRow(QByteArray(calculator.caption).replace(' ', "").constData())
                << "cmdSelectOption_" + QByteArray::number(calculator.index) << int(row);
        }
    }

    // The window a calculator's launcher button opens.
    static const QMetaObject &inputWindow(int row) {
        for (const CalculatorFormRow &form : Calculators()[row].forms) {
            if (!form.resultWindow)
                return *form.form;
        }
        return *Calculators()[row].forms.front().form;
    }
};

QTEST_MAIN(CalculatorOpenBenchmark)
#include "bench_calculatoropen.moc"
