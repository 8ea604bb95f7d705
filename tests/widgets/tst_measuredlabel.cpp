#include "widgets/MeasuredLabel.h"

#include <QtTest>

#include <functional>

using vellora::MeasuredLabel;

// A remembered height must never outlive what it was measured with: after each change the label
// answers as a plain label with the same settings does.
class MeasuredLabelTest : public QObject {
    Q_OBJECT

private slots:
    void followsEveryChange_data();
    void followsEveryChange();
};

using Change = std::function<void(QLabel &)>;
Q_DECLARE_METATYPE(Change)

void MeasuredLabelTest::followsEveryChange_data() {
    QTest::addColumn<Change>("change");
    QTest::newRow("longer text") << Change(
        [](QLabel &label) { label.setText(label.text().repeated(3)); });
    QTest::newRow("larger font") << Change([](QLabel &label) {
        QFont font = label.font();
        font.setPointSizeF(font.pointSizeF() * 2);
        label.setFont(font);
    });
    QTest::newRow("no wrapping") << Change([](QLabel &label) { label.setWordWrap(false); });
    QTest::newRow("margin") << Change([](QLabel &label) { label.setMargin(20); });
    QTest::newRow("indent") << Change([](QLabel &label) { label.setIndent(40); });
    QTest::newRow("contents margins")
        << Change([](QLabel &label) { label.setContentsMargins(30, 10, 30, 10); });
    QTest::newRow("frame") << Change([](QLabel &label) { label.setFrameStyle(QFrame::Box); });
}

void MeasuredLabelTest::followsEveryChange() {
    QFETCH(Change, change);
    const QString text = QStringLiteral("Knowing the Ideal Body Weight for your Height helps "
                                        "prevent many diseases like hypertension");
    MeasuredLabel measured(text);
    QLabel plain(text);
    for (QLabel *label : {static_cast<QLabel *>(&measured), &plain})
        label->setWordWrap(true);
    const QList<int> widths{120, 200, 320};
    for (int width : widths)
        QCOMPARE(measured.heightForWidth(width), plain.heightForWidth(width));
    change(measured);
    change(plain);
    for (int width : widths)
        QCOMPARE(measured.heightForWidth(width), plain.heightForWidth(width));
}

QTEST_MAIN(MeasuredLabelTest)
#include "tst_measuredlabel.moc"
