#include "calculators/ibw/IdealBodyWeight.h"

#include <QtTest>

#include <optional>

using vellora::CalculateIdealBodyWeight;
using vellora::IbwResult;
using vellora::IbwSelection;
using vellora::IdealWeightTable;
using vellora::Sex;
using vellora::WeightUnit;

Q_DECLARE_METATYPE(vellora::Sex)
Q_DECLARE_METATYPE(vellora::WeightUnit)

namespace {

// --- Reference model, kept apart from the calculator's own code ---

// 90 % or 110 % of the reference weight in whole pounds, halves up, in integers.
int PercentOf(int percent, int reference) {
    return (percent * reference + 50) / 100;
}

// A kilogram end from whole pounds, exactly: a pound is 45,359,237 hundred-millionths of a
// kilogram by definition; rounded half up, in hundredths.
long long KilogramHundredths(int pounds) {
    return (pounds * 45359237LL + 500000) / 1000000;
}

std::optional<IbwResult> Run(Sex sex, int heightRow, WeightUnit unit) {
    IbwSelection selection;
    selection.sex = sex;
    selection.heightRow = heightRow;
    selection.unit = unit;
    return CalculateIdealBodyWeight(selection);
}

} // namespace

class TestIdealBodyWeight : public QObject {
    Q_OBJECT

private slots:
    void everyHeight_data();
    void everyHeight();
    void documentedCases_data();
    void documentedCases();
};

void TestIdealBodyWeight::everyHeight_data() {
    QTest::addColumn<int>("row");
    QCOMPARE(IdealWeightTable.size(), std::size_t(30));
    for (int row = 0; row < 30; ++row) {
        const int inches = 54 + row;
        QTest::addRow("%d ft %d in", inches / 12, inches % 12) << row;
    }
}

// Each table row against the rule it was drawn from, and all four of its ranges (two sexes,
// two units) against the exact-decimal model.
void TestIdealBodyWeight::everyHeight() {
    QFETCH(int, row);
    const int inches = 54 + row;
    const auto &entry = IdealWeightTable[static_cast<std::size_t>(row)];
    QCOMPARE(entry.feet, inches / 12);
    QCOMPARE(entry.inches, inches % 12);

    struct Expected {
        Sex sex;
        int reference;
        int low;
        int high;
    };
    const int aboveFiveFeet = inches - 60;
    for (const Expected &expected :
         {Expected{Sex::Male, 106 + 6 * aboveFiveFeet, entry.maleLow, entry.maleHigh},
          Expected{Sex::Female, 100 + 5 * aboveFiveFeet, entry.femaleLow, entry.femaleHigh}}) {
        const int low = PercentOf(90, expected.reference);
        const int high = PercentOf(110, expected.reference);
        QCOMPARE(expected.low, low);
        QCOMPARE(expected.high, high);

        const std::optional<IbwResult> pounds = Run(expected.sex, row, WeightUnit::Pounds);
        QVERIFY(pounds.has_value());
        QCOMPARE(pounds->low, double(low));
        QCOMPARE(pounds->high, double(high));

        // No end lies on an exact half of a hundredth, so how halves round never shows.
        for (const int pounds : {low, high}) {
            QVERIFY(pounds * 45359237LL % 1000000 != 500000);
        }
        const long long lowHundredths = KilogramHundredths(low);
        const long long highHundredths = KilogramHundredths(high);
        const std::optional<IbwResult> kilograms = Run(expected.sex, row, WeightUnit::Kilograms);
        QVERIFY(kilograms.has_value());
        QCOMPARE(kilograms->low, double(lowHundredths) / 100);
        QCOMPARE(kilograms->high, double(highHundredths) / 100);
    }
}

void TestIdealBodyWeight::documentedCases_data() {
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<int>("heightRow");
    QTest::addColumn<WeightUnit>("unit");
    QTest::addColumn<double>("low"); // -1: no result
    QTest::addColumn<double>("high");
    const Sex m = Sex::Male;
    const Sex f = Sex::Female;
    const WeightUnit lb = WeightUnit::Pounds;
    const WeightUnit kg = WeightUnit::Kilograms;
    QTest::newRow("presets") << m << 0 << lb << 63.0 << 77.0;
    QTest::newRow("presets in kg") << m << 0 << kg << 28.58 << 34.93;
    QTest::newRow("female at 4 ft 6") << f << 0 << lb << 63.0 << 77.0;
    QTest::newRow("male 5 ft 10") << m << 16 << lb << 149.0 << 183.0;
    QTest::newRow("male 5 ft 10 kg") << m << 16 << kg << 67.59 << 83.01;
    QTest::newRow("female 5 ft 4") << f << 10 << lb << 108.0 << 132.0;
    QTest::newRow("female 5 ft 4 kg") << f << 10 << kg << 48.99 << 59.87;
    QTest::newRow("male 6 ft 11 kg") << m << 29 << kg << 99.79 << 121.56;
    QTest::newRow("female 6 ft 11 kg") << f << 29 << kg << 88.0 << 107.5;
    QTest::newRow("male 4 ft 9") << m << 3 << lb << 79.0 << 97.0;
    QTest::newRow("male 4 ft 9 kg") << m << 3 << kg << 35.83 << 44.0;
    QTest::newRow("female 4 ft 9") << f << 3 << lb << 77.0 << 94.0;
    QTest::newRow("female 4 ft 9 kg") << f << 3 << kg << 34.93 << 42.64;
    QTest::newRow("female 5 ft 0") << f << 6 << lb << 90.0 << 110.0;
    QTest::newRow("male 4 ft 11") << m << 5 << lb << 90.0 << 110.0;
    QTest::newRow("no unit counts as pounds") << m << 0 << WeightUnit::None << 63.0 << 77.0;
    QTest::newRow("row past the table") << m << 30 << kg << -1.0 << -1.0;
    QTest::newRow("row before the table") << m << -1 << lb << -1.0 << -1.0;
}

void TestIdealBodyWeight::documentedCases() {
    QFETCH(Sex, sex);
    QFETCH(int, heightRow);
    QFETCH(WeightUnit, unit);
    QFETCH(double, low);
    QFETCH(double, high);
    const std::optional<IbwResult> range = Run(sex, heightRow, unit);
    QCOMPARE(range.has_value(), low >= 0);
    if (range) {
        QCOMPARE(range->low, low);
        QCOMPARE(range->high, high);
    }
}

QTEST_APPLESS_MAIN(TestIdealBodyWeight)
#include "tst_idealbodyweight.moc"
