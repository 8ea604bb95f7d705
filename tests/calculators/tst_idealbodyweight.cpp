#include "calculators/ibw/IdealBodyWeight.h"

#include <QtTest>

#include <cstdio>
#include <string>

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
// kilogram by definition; rounded half up to hundredths, written without trailing zeros.
std::string KilogramText(int pounds, long long *hundredthsOut) {
    const long long hundredMillionths = pounds * 45359237LL;
    const long long hundredths = (hundredMillionths + 500000) / 1000000;
    *hundredthsOut = hundredths;
    char text[32];
    const int cents = static_cast<int>(hundredths % 100);
    if (cents == 0) {
        std::snprintf(text, sizeof text, "%lld", hundredths / 100);
    } else if (cents % 10 == 0) {
        std::snprintf(text, sizeof text, "%lld.%d", hundredths / 100, cents / 10);
    } else {
        std::snprintf(text, sizeof text, "%lld.%02d", hundredths / 100, cents);
    }
    return text;
}

IbwResult Run(Sex sex, const std::string &height, WeightUnit unit) {
    IbwSelection selection;
    selection.sex = sex;
    selection.height = height;
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
    const std::string height =
        std::to_string(inches / 12) + " Feet " + std::to_string(inches % 12) + " Inches";
    const auto &entry = IdealWeightTable[static_cast<std::size_t>(row)];
    QCOMPARE(std::string(entry.height), height);

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

        const IbwResult pounds = Run(expected.sex, height, WeightUnit::Pounds);
        QCOMPARE(pounds.text,
                 std::to_string(low) + " Pounds To " + std::to_string(high) + " Pounds");
        QCOMPARE(pounds.low, double(low));
        QCOMPARE(pounds.high, double(high));

        // No end lies on an exact half of a hundredth, so how halves round never shows.
        for (const int pounds : {low, high}) {
            QVERIFY(pounds * 45359237LL % 1000000 != 500000);
        }
        long long lowHundredths = 0;
        long long highHundredths = 0;
        const std::string lowText = KilogramText(low, &lowHundredths);
        const std::string highText = KilogramText(high, &highHundredths);
        const IbwResult kilograms = Run(expected.sex, height, WeightUnit::Kilograms);
        QCOMPARE(kilograms.text, lowText + " Kgs To " + highText + " Kgs");
        QCOMPARE(kilograms.low, double(lowHundredths) / 100);
        QCOMPARE(kilograms.high, double(highHundredths) / 100);
    }
}

void TestIdealBodyWeight::documentedCases_data() {
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QString>("height");
    QTest::addColumn<WeightUnit>("unit");
    QTest::addColumn<QString>("text");
    const Sex m = Sex::Male;
    const Sex f = Sex::Female;
    const WeightUnit lb = WeightUnit::Pounds;
    const WeightUnit kg = WeightUnit::Kilograms;
    QTest::newRow("presets") << m << "4 Feet 6 Inches" << lb << "63 Pounds To 77 Pounds";
    QTest::newRow("presets in kg") << m << "4 Feet 6 Inches" << kg << "28.58 Kgs To 34.93 Kgs";
    QTest::newRow("female at 4 ft 6") << f << "4 Feet 6 Inches" << lb << "63 Pounds To 77 Pounds";
    QTest::newRow("male 5 ft 10") << m << "5 Feet 10 Inches" << lb << "149 Pounds To 183 Pounds";
    QTest::newRow("male 5 ft 10 kg") << m << "5 Feet 10 Inches" << kg << "67.59 Kgs To 83.01 Kgs";
    QTest::newRow("female 5 ft 4") << f << "5 Feet 4 Inches" << lb << "108 Pounds To 132 Pounds";
    QTest::newRow("female 5 ft 4 kg") << f << "5 Feet 4 Inches" << kg << "48.99 Kgs To 59.87 Kgs";
    QTest::newRow("male 6 ft 11 kg") << m << "6 Feet 11 Inches" << kg << "99.79 Kgs To 121.56 Kgs";
    QTest::newRow("female 6 ft 11 kg") << f << "6 Feet 11 Inches" << kg << "88 Kgs To 107.5 Kgs";
    QTest::newRow("male 4 ft 9") << m << "4 Feet 9 Inches" << lb << "79 Pounds To 97 Pounds";
    QTest::newRow("male 4 ft 9 kg") << m << "4 Feet 9 Inches" << kg << "35.83 Kgs To 44 Kgs";
    QTest::newRow("female 4 ft 9") << f << "4 Feet 9 Inches" << lb << "77 Pounds To 94 Pounds";
    QTest::newRow("female 4 ft 9 kg") << f << "4 Feet 9 Inches" << kg << "34.93 Kgs To 42.64 Kgs";
    QTest::newRow("female 5 ft 0") << f << "5 Feet 0 Inches" << lb << "90 Pounds To 110 Pounds";
    QTest::newRow("male 4 ft 11") << m << "4 Feet 11 Inches" << lb << "90 Pounds To 110 Pounds";
    QTest::newRow("no unit counts as pounds")
        << m << "4 Feet 6 Inches" << WeightUnit::None << "63 Pounds To 77 Pounds";
    QTest::newRow("unknown height") << m << "7 Feet 0 Inches" << kg << "";
    QTest::newRow("height must match exactly") << m << "5 feet 0 inches" << lb << "";
}

void TestIdealBodyWeight::documentedCases() {
    QFETCH(Sex, sex);
    QFETCH(QString, height);
    QFETCH(WeightUnit, unit);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(Run(sex, height.toStdString(), unit).text), text);
}

QTEST_APPLESS_MAIN(TestIdealBodyWeight)
#include "tst_idealbodyweight.moc"
