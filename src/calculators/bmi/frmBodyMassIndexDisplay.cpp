#include "calculators/bmi/frmBodyMassIndexDisplay.h"

#include "calculators/LocalNumbers.h"
#include "calculators/bmi/BodyMassIndex.h"
#include "calculators/bmi/frmBodyMassIndexMain.h"
#include "links/Promotions.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"
#include "widgets/Labels.h"
#include "widgets/ReadableLabel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace vellora {

namespace {

// The headings of the three columns: height, weight and the index.
QString Heading(int column) {
    static const char *const kHeadings[] = {
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexDisplay", "Your Height Is"),
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexDisplay", "Your Weight Is"),
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexDisplay", "Your Body Mass Index Is")};
    return frmBodyMassIndexDisplay::tr(kHeadings[column]);
}

// The verdicts on the unrounded index, in the order of BmiClass.
const char *const kVerdicts[] = {
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexDisplay", "You are Underweight"),
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexDisplay", "You weight is Normal"),
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexDisplay", "You are Overweight"),
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexDisplay", "You are Obese")};

} // namespace

frmBodyMassIndexDisplay::frmBodyMassIndexDisplay(CalculatorHost &mdi)
    : CalculatorResultWindow(mdi, tr("QV Body Mass Index"), CoBrandSpacing::FourBlanks, 8400, 6000,
                             LoadForm<frmBodyMassIndexMain>) {
    setObjectName(QStringLiteral("frmBodyMassIndexDisplay"));

    QFrame *banner = MakeBannerFrame(QStringLiteral("Frame2"), QStringLiteral("Label61"),
                                     DiscussionBoardBannerCaption(), platform(), body());

    auto *result = new QGroupBox(tr("QV Free Body Mass Index Result"), body());
    result->setObjectName(QStringLiteral("Frame1"));
    auto *label2 = MakeLabel(
        QStringLiteral("Label2"),
        tr("Body Mass Index is a great way to know your body fatness. Knowing your BMI will "
           "give you an opportunity to protect your health and prevent serious illnesses by "
           "taking caution."),
        VerdanaFont(8.25, false), result);

    // A column for each value, under its heading; until the result comes, a value shows its
    // heading as its designed caption.
    const struct {
        const char *heading;
        const char *value;
        ReadableLabel *&label;
    } designs[] = {
        {"Label8", "lblYourHeight", lblYourHeight_},
        {"Label7", "lblYourWeight", lblYourWeight_},
        {"Label6", "lblYourBodyMassIndex", lblYourBodyMassIndex_},
    };
    auto *columns = new QGridLayout;
    for (int column = 0; column < 3; ++column) {
        columns->addWidget(MakeLabel(QString::fromLatin1(designs[column].heading), Heading(column),
                                     VerdanaFont(8.25), result, LabelShape::Centred),
                           0, column);
    }
    // The values and the verdict are reached by Tab, and read with their headings.
    for (int column = 0; column < 3; ++column) {
        const auto &design = designs[column];
        design.label =
            MakeLabel<ReadableLabel>(QString::fromLatin1(design.value), Heading(column),
                                     VerdanaFont(9.75, false), result, LabelShape::Centred);
        columns->addWidget(design.label, 1, column);
        columns->setColumnStretch(column, 1);
    }
    columns->setVerticalSpacing(10);

    // Its designed caption is its own name; the verdict replaces it before the window is shown.
    lblResult_ = MakeResultLabel(QStringLiteral("lblResult"), result);

    auto *resultLayout = new QVBoxLayout(result);
    resultLayout->addWidget(label2);
    resultLayout->addSpacing(8);
    resultLayout->addLayout(columns);
    resultLayout->addSpacing(12);
    resultLayout->addWidget(lblResult_);
    resultLayout->addSpacing(6);

    auto *layout = new QVBoxLayout(body());
    layout->addWidget(banner);
    layout->addWidget(result);
    layout->addStretch(1);
    layout->addWidget(foot());
    // The keyboard, and with it a screen reader, starts at the first value.
    lblYourHeight_->setFocus();
}

void frmBodyMassIndexDisplay::setResult(const BmiResult &result) {
    const QString weight = ShortestNumberText(result.weight);
    const QString height = ShortestNumberText(result.height);
    lblResult_->setPlainText(tr(kVerdicts[static_cast<int>(result.verdict)]));
    // Each value is read with its column heading: "Your Body Mass Index Is 24.22".
    SetResultText(lblYourHeight_, Heading(0),
                  result.heightUnit == HeightUnit::Inches ? tr("%1 Inches").arg(height)
                                                          : tr("%1 Meters").arg(height));
    SetResultText(lblYourWeight_, Heading(1),
                  result.weightUnit == WeightUnit::Pounds ? tr("%1 Pounds").arg(weight)
                                                          : tr("%1 Kilograms").arg(weight));
    SetResultText(lblYourBodyMassIndex_, Heading(2),
                  LocalNumberText(QString::fromStdString(result.bodyMassIndexText)));
    // The window opens on the height, inside the result's panel, which a screen reader names on
    // the way in: named with the index and the verdict too, they are heard as the result appears,
    // before any key.
    auto *panel = static_cast<QGroupBox *>(lblResult_->parentWidget());
    panel->setAccessibleName(panel->title() + QStringLiteral(". ") +
                             lblYourBodyMassIndex_->accessibleName() + QStringLiteral(". ") +
                             lblResult_->text());
}

} // namespace vellora
