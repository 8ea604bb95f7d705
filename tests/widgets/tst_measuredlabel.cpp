#include "widgets/MeasuredLabel.h"
#include "widgets/ReadableLabel.h"

#include <QLineEdit>
#include <QtTest>

#include <functional>

using vellora::MeasuredLabel;
using vellora::ReadableLabel;

// A remembered size must never outlive what it was measured with, nor be handed to a label that
// measures differently: after each change the label answers as a plain label with the same
// settings does, and so does a label that keeps the settings the other one left.
class MeasuredLabelTest : public QObject {
    Q_OBJECT

private slots:
    void followsEveryChange_data();
    void followsEveryChange();
    void sharesOnlyWithLabelsMeasuredAlike();
    void readableLabelMeasuresAsPlainText_data();
    void readableLabelMeasuresAsPlainText();
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
    QTest::newRow("alignment and indent") << Change([](QLabel &label) {
        label.setIndent(40);
        label.setAlignment(Qt::AlignRight | Qt::AlignBottom);
    });
    QTest::newRow("access key") << Change([](QLabel &label) {
        label.setText(label.text().replace(QStringLiteral(" the "), QStringLiteral(" &the ")));
        label.setBuddy(&label);
    });
}

// Everything a layout asks of a label.
static QList<QSize> Measure(const QLabel &label) {
    QList<QSize> sizes{label.sizeHint(), label.minimumSizeHint()};
    for (int width : {120, 200, 320})
        sizes.append(QSize(width, label.heightForWidth(width)));
    return sizes;
}

void MeasuredLabelTest::followsEveryChange() {
    QFETCH(Change, change);
    const QString text = QStringLiteral("Knowing the Ideal Body Weight for your Height helps "
                                        "prevent many diseases like hypertension");
    MeasuredLabel measured(text);
    QLabel plain(text);
    for (QLabel *label : {static_cast<QLabel *>(&measured), &plain})
        label->setWordWrap(true);
    QCOMPARE(Measure(measured), Measure(plain));
    change(measured);
    change(plain);
    QCOMPARE(Measure(measured), Measure(plain));

    MeasuredLabel unchanged(text);
    QLabel plainUnchanged(text);
    for (QLabel *label : {static_cast<QLabel *>(&unchanged), &plainUnchanged})
        label->setWordWrap(true);
    QCOMPARE(Measure(unchanged), Measure(plainUnchanged));
}

// A label that can take the focus lays its text out through a text document, to other sizes
// than the same text drawn plainly; neither may be handed the other's.
void MeasuredLabelTest::sharesOnlyWithLabelsMeasuredAlike() {
    const QString text = QStringLiteral("Measure this distance with a measuring tape and enter "
                                        "this value below");
    MeasuredLabel focusable(QString(), nullptr);
    QLabel plainFocusable;
    for (QLabel *label : {static_cast<QLabel *>(&focusable), &plainFocusable}) {
        label->setFocusPolicy(Qt::TabFocus);
        label->setWordWrap(true);
        label->setText(text);
    }
    MeasuredLabel drawn(text);
    QLabel plainDrawn(text);
    for (QLabel *label : {static_cast<QLabel *>(&drawn), &plainDrawn})
        label->setWordWrap(true);
    QVERIFY(Measure(plainFocusable) != Measure(plainDrawn));
    QCOMPARE(Measure(focusable), Measure(plainFocusable));
    QCOMPARE(Measure(drawn), Measure(plainDrawn));
}

void MeasuredLabelTest::readableLabelMeasuresAsPlainText_data() {
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("newText");
    QTest::newRow("shown") << false << false;
    QTest::newRow("reached by Tab") << true << false;
    QTest::newRow("text replaced while focused") << true << true;
}

// A label reached by Tab measures its text as a label that cannot take the focus does, whatever
// it went through: QLabel would lay its text out through a text document, to other sizes (above).
void MeasuredLabelTest::readableLabelMeasuresAsPlainText() {
    QFETCH(bool, focused);
    QFETCH(bool, newText);
    QWidget window;
    auto *before = new QLineEdit(&window);
    auto *label = new ReadableLabel(
        QStringLiteral("Your weight is within the range for your height"), &window);
    label->setWordWrap(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    if (focused)
        QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(label->hasFocus(), focused);
    if (newText)
        label->setPlainText(label->text().repeated(2));
    QLabel plain(label->text());
    plain.setWordWrap(true);
    plain.setFont(label->font());
    QCOMPARE(Measure(*label), Measure(plain));
    // And so does QLabel, past the sizes either keeps (setting the indent drops QLabel's).
    label->setIndent(label->indent());
    QCOMPARE(label->QLabel::sizeHint(), plain.sizeHint());
    QCOMPARE(label->QLabel::minimumSizeHint(), plain.minimumSizeHint());
}

QTEST_MAIN(MeasuredLabelTest)
#include "tst_measuredlabel.moc"
