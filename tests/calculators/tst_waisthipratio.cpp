#include "calculators/MeasureText.h"
#include "calculators/whr/WaistHipRatio.h"

#include <QtTest>

#include <string>

using namespace vellora;

Q_DECLARE_METATYPE(Sex)
Q_DECLARE_METATYPE(WaistHipRiskZone)
Q_DECLARE_METATYPE(MeasureProblem)

class WaistHipRatioTest : public QObject {
    Q_OBJECT

private slots:
    void classifies_data();
    void classifies();
    void roundsExactlyForEveryWaistAndHipTo400();
    void readsWholeMeasures_data();
    void readsWholeMeasures();
    void calculatesFromBoxTexts_data();
    void calculatesFromBoxTexts();
};

void WaistHipRatioTest::classifies_data() {
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<int>("waist");
    QTest::addColumn<int>("hip");
    QTest::addColumn<int>("hundredths");
    QTest::addColumn<WaistHipRiskZone>("zone");
    using Z = WaistHipRiskZone;
    QTest::newRow("male 84/100") << Sex::Male << 84 << 100 << 84 << Z::VeryLow;
    QTest::newRow("male 85/100") << Sex::Male << 85 << 100 << 85 << Z::Low;
    QTest::newRow("male 90/100") << Sex::Male << 90 << 100 << 90 << Z::Moderate;
    QTest::newRow("male 95/100") << Sex::Male << 95 << 100 << 95 << Z::High;
    QTest::newRow("male 100/100") << Sex::Male << 100 << 100 << 100 << Z::VeryHigh;
    QTest::newRow("male 169/200 rounds up into Low") << Sex::Male << 169 << 200 << 85 << Z::Low;
    QTest::newRow("male 1689/2000 stays Very Low") << Sex::Male << 1689 << 2000 << 84 << Z::VeryLow;
    QTest::newRow("female 74/100") << Sex::Female << 74 << 100 << 74 << Z::VeryLow;
    QTest::newRow("female 75/100") << Sex::Female << 75 << 100 << 75 << Z::Low;
    QTest::newRow("female 80/100") << Sex::Female << 80 << 100 << 80 << Z::Moderate;
    QTest::newRow("female 89/100") << Sex::Female << 89 << 100 << 89 << Z::High;
    QTest::newRow("female 90/100") << Sex::Female << 90 << 100 << 90 << Z::VeryHigh;
    QTest::newRow("waist 0") << Sex::Male << 0 << 75 << 0 << Z::VeryLow;
    QTest::newRow("waist above hip, female") << Sex::Female << 120 << 100 << 120 << Z::VeryHigh;
    QTest::newRow("largest waist, hip 1") << Sex::Male << 32767 << 1 << 3276700 << Z::VeryHigh;
    QTest::newRow("waist 0, largest hip") << Sex::Female << 0 << 32767 << 0 << Z::VeryLow;
    QTest::newRow("1/32767 rounds to 0") << Sex::Female << 1 << 32767 << 0 << Z::VeryLow;
}

void WaistHipRatioTest::classifies() {
    QFETCH(Sex, sex);
    QFETCH(int, waist);
    QFETCH(int, hip);
    QFETCH(int, hundredths);
    QFETCH(WaistHipRiskZone, zone);
    const WaistHipRatio result = ClassifyWaistHipRatio(sex, waist, hip);
    QCOMPARE(result.hundredths, hundredths);
    QCOMPARE(result.zone, zone);
}

// Against a second way of rounding: whole hundredths and remainder of 100 waist / hip, up when
// the remainder is half the hip or more; the zone from the thresholds written out here.
void WaistHipRatioTest::roundsExactlyForEveryWaistAndHipTo400() {
    struct Column {
        Sex sex;
        int thresholds[4];
    };
    const Column columns[] = {{Sex::Male, {85, 90, 95, 100}}, {Sex::Female, {75, 80, 85, 90}}};
    for (const Column &column : columns) {
        for (int hip = 1; hip <= 400; ++hip) {
            for (int waist = 0; waist <= 400; ++waist) {
                int expected = 100 * waist / hip;
                if (2 * (100 * waist % hip) >= hip)
                    ++expected;
                int zone = 0;
                while (zone < 4 && expected >= column.thresholds[zone])
                    ++zone;
                const WaistHipRatio result = ClassifyWaistHipRatio(column.sex, waist, hip);
                if (result.hundredths != expected || int(result.zone) != zone)
                    QFAIL(qPrintable(QStringLiteral("%1/%2: %3 zone %4, expected %5 zone %6")
                                         .arg(waist)
                                         .arg(hip)
                                         .arg(result.hundredths)
                                         .arg(int(result.zone))
                                         .arg(expected)
                                         .arg(zone)));
            }
        }
    }
}

void WaistHipRatioTest::readsWholeMeasures_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // -1 where refused
    QTest::addColumn<MeasureProblem>("problem");
    using P = MeasureProblem;
    const auto ok = P::Empty; // not looked at when a value is expected
    QTest::newRow("85") << "85" << 85 << ok;
    QTest::newRow("leading zeros") << "085" << 85 << ok;
    QTest::newRow("blanks around") << "  85\t" << 85 << ok;
    QTest::newRow("plus sign") << "+85" << 85 << ok;
    QTest::newRow("minus zero") << "-0" << 0 << ok;
    QTest::newRow("85.5 to even") << "85.5" << 86 << ok;
    QTest::newRow("84.5 to even") << "84.5" << 84 << ok;
    QTest::newRow("84.50001 up") << "84.50001" << 85 << ok;
    QTest::newRow("84.4999 down") << "84.4999" << 84 << ok;
    QTest::newRow("0.5 to 0") << "0.5" << 0 << ok;
    QTest::newRow("point first") << ".6" << 1 << ok;
    QTest::newRow("point last") << "85." << 85 << ok;
    QTest::newRow("largest") << "32767" << 32767 << ok;
    QTest::newRow("32766.5 to even") << "32766.5" << 32766 << ok;
    QTest::newRow("zeros then digits") << QString(10000, '0') + "85" << 85 << ok;
    QTest::newRow("empty") << "" << -1 << P::Empty;
    QTest::newRow("blanks only") << "   " << -1 << P::Empty;
    QTest::newRow("two points") << "2.5.1" << -1 << P::NotANumber;
    QTest::newRow("comma decimal") << "85,5" << -1 << P::NotANumber;
    QTest::newRow("sign alone") << "-" << -1 << P::NotANumber;
    QTest::newRow("two signs") << "--5" << -1 << P::NotANumber;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("٨٥") << -1 << P::NotANumber;
    QTest::newRow("10000 letters") << QString(10000, 'x') << -1 << P::NotANumber;
    QTest::newRow("negative") << "-5" << -1 << P::Negative;
    QTest::newRow("negative below half") << "-0.4" << -1 << P::Negative;
    QTest::newRow("32768") << "32768" << -1 << P::TooLarge;
    QTest::newRow("32767.5 to even") << "32767.5" << -1 << P::TooLarge;
    QTest::newRow("100000") << "100000" << -1 << P::TooLarge;
    QTest::newRow("10000 nines") << QString(10000, '9') << -1 << P::TooLarge;
}

void WaistHipRatioTest::readsWholeMeasures() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(MeasureProblem, problem);
    const auto reading = ReadWholeMeasure(text.toStdString());
    if (value >= 0)
        QCOMPARE(std::get<int>(reading), value);
    else
        QCOMPARE(std::get<MeasureProblem>(reading), problem);
}

// The window tests go through every message; here, which box is asked about first, and that a
// pasted decimal reaches the classification rounded.
void WaistHipRatioTest::calculatesFromBoxTexts_data() {
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QString>("waist");
    QTest::addColumn<QString>("hip");
    QTest::addColumn<int>("what"); // the zone, or what is wrong with the box refused
    QTest::addColumn<int>("box");  // -1 for a result, else the box refused
    const int waist = int(WaistHipBox::Waist);
    const int hip = int(WaistHipBox::Hip);
    QTest::newRow("halves to even") << Sex::Male << "84.5"
                                    << "99.5" << int(WaistHipRiskZone::VeryLow) << -1;
    QTest::newRow("half above to even") << Sex::Male << "85.5"
                                        << "100" << int(WaistHipRiskZone::Low) << -1;
    QTest::newRow("blank waist before bad hip") << Sex::Male << "  "
                                                << "abc" << int(WaistHipProblem::Empty) << waist;
    QTest::newRow("blank hip before bad waist") << Sex::Male << "abc"
                                                << "  " << int(WaistHipProblem::Empty) << hip;
    QTest::newRow("bad waist before bad hip") << Sex::Female << "x"
                                              << "0" << int(WaistHipProblem::NotANumber) << waist;
    QTest::newRow("hip rounding to 0") << Sex::Female << "0"
                                       << "0.5" << int(WaistHipProblem::ZeroHip) << hip;
}

void WaistHipRatioTest::calculatesFromBoxTexts() {
    QFETCH(Sex, sex);
    QFETCH(QString, waist);
    QFETCH(QString, hip);
    QFETCH(int, what);
    QFETCH(int, box);
    const WaistHipOutcome outcome =
        CalculateWaistHipRatio(sex, waist.toStdString(), hip.toStdString());
    if (box < 0) {
        QVERIFY(std::holds_alternative<WaistHipRatio>(outcome));
        QCOMPARE(int(std::get<WaistHipRatio>(outcome).zone), what);
    } else {
        QVERIFY(std::holds_alternative<WaistHipRefusal>(outcome));
        const auto &refusal = std::get<WaistHipRefusal>(outcome);
        QCOMPARE(int(refusal.box), box);
        QCOMPARE(int(refusal.problem), what);
    }
}

QTEST_APPLESS_MAIN(WaistHipRatioTest)
#include "tst_waisthipratio.moc"
