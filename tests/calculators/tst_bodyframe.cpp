#include "calculators/MeasureText.h"
#include "calculators/frame/BodyFrame.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace vellora;

Q_DECLARE_METATYPE(Sex)
Q_DECLARE_METATYPE(BodyFrameSize)
Q_DECLARE_METATYPE(MeasureProblem)

class BodyFrameTest : public QObject {
    Q_OBJECT

private slots:
    void classifies_data();
    void classifies();
    void everyRowAtAndAroundItsBounds_data();
    void everyRowAtAndAroundItsBounds();
    void readsDecimalMeasures_data();
    void readsDecimalMeasures();
};

void BodyFrameTest::classifies_data() {
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<int>("band");
    QTest::addColumn<double>("elbow");
    QTest::addColumn<BodyFrameSize>("size");
    using S = BodyFrameSize;
    QTest::newRow("male 0, 2.5 lower end") << Sex::Male << 0 << 2.5 << S::Medium;
    QTest::newRow("male 0, 2.875 upper end") << Sex::Male << 0 << 2.875 << S::Medium;
    QTest::newRow("male 0, 2.49") << Sex::Male << 0 << 2.49 << S::Small;
    QTest::newRow("male 0, 2.88") << Sex::Male << 0 << 2.88 << S::Large;
    QTest::newRow("male 4, 3.25") << Sex::Male << 4 << 3.25 << S::Medium;
    QTest::newRow("male 4, 3.26") << Sex::Male << 4 << 3.26 << S::Large;
    QTest::newRow("male 4, 2.8") << Sex::Male << 4 << 2.8 << S::Small;
    QTest::newRow("female 1, 2.25") << Sex::Female << 1 << 2.25 << S::Medium;
    QTest::newRow("female 1, 2.2") << Sex::Female << 1 << 2.2 << S::Small;
    QTest::newRow("female 1, 2.6") << Sex::Female << 1 << 2.6 << S::Large;
    QTest::newRow("female 2, 2.625") << Sex::Female << 2 << 2.625 << S::Medium;
    QTest::newRow("male 1, 2.625") << Sex::Male << 1 << 2.625 << S::Medium;
    QTest::newRow("male 1, 2.4") << Sex::Male << 1 << 2.4 << S::Small;
    QTest::newRow("female 2, 2.4") << Sex::Female << 2 << 2.4 << S::Medium;
    QTest::newRow("elbow 0") << Sex::Female << 4 << 0.0 << S::Small;
    QTest::newRow("elbow 25") << Sex::Male << 0 << 25.0 << S::Large;
    QTest::newRow("largest double")
        << Sex::Male << 3 << std::numeric_limits<double>::max() << S::Large;
    QTest::newRow("band below 0 is band 0") << Sex::Male << -1 << 2.5 << S::Medium;
    QTest::newRow("band above 4 is band 4") << Sex::Female << 9 << 2.75 << S::Medium;
}

void BodyFrameTest::classifies() {
    QFETCH(Sex, sex);
    QFETCH(int, band);
    QFETCH(double, elbow);
    QFETCH(BodyFrameSize, size);
    QCOMPARE(ClassifyBodyFrame(sex, band, elbow), size);
}

void BodyFrameTest::everyRowAtAndAroundItsBounds_data() {
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("low");  // eighths of an inch
    QTest::addColumn<int>("high"); // eighths of an inch
    const int male[5][2] = {{20, 23}, {21, 23}, {22, 24}, {22, 25}, {23, 26}};
    const int female[5][2] = {{18, 20}, {18, 20}, {19, 21}, {19, 21}, {20, 22}};
    for (int band = 0; band < 5; ++band) {
        QTest::addRow("male %d", band) << Sex::Male << band << male[band][0] << male[band][1];
        QTest::addRow("female %d", band)
            << Sex::Female << band << female[band][0] << female[band][1];
    }
}

// The bound itself and the nearest doubles either side, plus the three-decimal neighbours a
// user would type.
void BodyFrameTest::everyRowAtAndAroundItsBounds() {
    QFETCH(Sex, sex);
    QFETCH(int, band);
    QFETCH(int, low);
    QFETCH(int, high);
    const double lowInches = low / 8.0;
    const double highInches = high / 8.0;
    const double below = -std::numeric_limits<double>::infinity();
    const double above = std::numeric_limits<double>::infinity();
    QCOMPARE(ClassifyBodyFrame(sex, band, std::nextafter(lowInches, below)), BodyFrameSize::Small);
    QCOMPARE(ClassifyBodyFrame(sex, band, lowInches - 0.001), BodyFrameSize::Small);
    QCOMPARE(ClassifyBodyFrame(sex, band, lowInches), BodyFrameSize::Medium);
    QCOMPARE(ClassifyBodyFrame(sex, band, std::nextafter(lowInches, above)), BodyFrameSize::Medium);
    QCOMPARE(ClassifyBodyFrame(sex, band, std::nextafter(highInches, below)),
             BodyFrameSize::Medium);
    QCOMPARE(ClassifyBodyFrame(sex, band, highInches), BodyFrameSize::Medium);
    QCOMPARE(ClassifyBodyFrame(sex, band, std::nextafter(highInches, above)), BodyFrameSize::Large);
    QCOMPARE(ClassifyBodyFrame(sex, band, highInches + 0.001), BodyFrameSize::Large);
    // Both bounds as a user types them, read from their text.
    for (double bound : {lowInches, highInches}) {
        const auto typed =
            CalculateBodyFrame(sex, band, QString::number(bound, 'f', 3).toStdString());
        QCOMPARE(std::get<BodyFrameSize>(typed), BodyFrameSize::Medium);
    }
}

void BodyFrameTest::readsDecimalMeasures_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // -1 where refused
    QTest::addColumn<MeasureProblem>("problem");
    using P = MeasureProblem;
    const auto ok = P::Empty;
    QTest::newRow("2.75") << "2.75" << 2.75 << ok;
    QTest::newRow("3") << "3" << 3.0 << ok;
    QTest::newRow("point first") << ".5" << 0.5 << ok;
    QTest::newRow("point last") << "3." << 3.0 << ok;
    QTest::newRow("blanks around") << " 2.875 " << 2.875 << ok;
    QTest::newRow("zero") << "0" << 0.0 << ok;
    QTest::newRow("minus zero") << "-0.0" << 0.0 << ok;
    QTest::newRow("300 digits") << "1" + QString(300, '0') << 1e300 << ok;
    QTest::newRow("too small to tell from 0") << "0." + QString(400, '0') + "1" << 0.0 << ok;
    QTest::newRow("empty") << "" << -1.0 << P::Empty;
    QTest::newRow("blanks only") << "  " << -1.0 << P::Empty;
    QTest::newRow("two points") << "2.5.1" << -1.0 << P::NotANumber;
    QTest::newRow("comma decimal") << "2,75" << -1.0 << P::NotANumber;
    QTest::newRow("not a number") << "nan" << -1.0 << P::NotANumber;
    QTest::newRow("10000 letters") << QString(10000, 'q') << -1.0 << P::NotANumber;
    QTest::newRow("negative") << "-2.5" << -1.0 << P::Negative;
    QTest::newRow("past the largest double") << QString(10000, '9') << -1.0 << P::TooLarge;
}

void BodyFrameTest::readsDecimalMeasures() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(MeasureProblem, problem);
    const auto reading = ReadDecimalMeasure(text.toStdString());
    if (value >= 0) {
        QCOMPARE(std::get<double>(reading), value);
        QVERIFY(!std::signbit(std::get<double>(reading)));
    } else {
        QCOMPARE(std::get<MeasureProblem>(reading), problem);
    }
}

QTEST_APPLESS_MAIN(BodyFrameTest)
#include "tst_bodyframe.moc"
