#include "calculators/bmi/frmBodyMassIndexDisplay.h"

#include "calculators/bmi/BodyMassIndex.h"
#include "calculators/bmi/frmBodyMassIndexMain.h"
#include "links/Promotions.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"
#include "widgets/Labels.h"
#include "widgets/MeasuredLabel.h"
#include "widgets/ReadableLabel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vellora {

frmBodyMassIndexDisplay::frmBodyMassIndexDisplay(frmMDI &mdi)
    : CalculatorResultWindow(mdi, QStringLiteral("QV Body Mass Index"), CoBrandSpacing::FourBlanks,
                             8400, 6000) {
    setObjectName(QStringLiteral("frmBodyMassIndexDisplay"));

    QFrame *banner = MakeBannerFrame(QStringLiteral("Frame2"), QStringLiteral("Label61"),
                                     DiscussionBoardBannerCaption(), platform(), body());

    auto *result = new QGroupBox(QStringLiteral("QV Free Body Mass Index Result"), body());
    result->setObjectName(QStringLiteral("Frame1"));
    auto *label2 = MakeLabel(
        QStringLiteral("Label2"),
        QStringLiteral("Body Mass Index is a great way to know your body fatness. Knowing your "
                       "BMI will give you an opportunity to protect your health and prevent "
                       "serious illnesses by taking caution."),
        VerdanaFont(8.25, false), result);

    const QFont heading = VerdanaFont(8.25);
    const QFont value = VerdanaFont(9.75, false);
    auto *columns = new QGridLayout;
    columns->addWidget(MakeLabel(QStringLiteral("Label8"), QStringLiteral("Your Height Is"),
                                 heading, result, LabelShape::Centred),
                       0, 0);
    columns->addWidget(MakeLabel(QStringLiteral("Label7"), QStringLiteral("Your Weight Is"),
                                 heading, result, LabelShape::Centred),
                       0, 1);
    columns->addWidget(MakeLabel(QStringLiteral("Label6"),
                                 QStringLiteral("Your Body Mass Index Is"), heading, result,
                                 LabelShape::Centred),
                       0, 2);
    // The values and the verdict are reached by Tab, and read with their headings.
    lblYourHeight_ =
        MakeLabel<ReadableLabel>(QStringLiteral("lblYourHeight"), QStringLiteral("Your Height Is"),
                                 value, result, LabelShape::Centred);
    lblYourWeight_ =
        MakeLabel<ReadableLabel>(QStringLiteral("lblYourWeight"), QStringLiteral("Your Weight Is"),
                                 value, result, LabelShape::Centred);
    lblYourBodyMassIndex_ = MakeLabel<ReadableLabel>(QStringLiteral("lblYourBodyMassIndex"),
                                                     QStringLiteral("Your Body Mass Index Is"),
                                                     value, result, LabelShape::Centred);
    columns->addWidget(lblYourHeight_, 1, 0);
    columns->addWidget(lblYourWeight_, 1, 1);
    columns->addWidget(lblYourBodyMassIndex_, 1, 2);
    columns->setVerticalSpacing(10);
    for (int column = 0; column < 3; ++column)
        columns->setColumnStretch(column, 1);

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
    lblResult_->setPlainText(QString::fromStdString(result.verdict));
    // Each value is read with its column heading: "Your Body Mass Index Is 24.22".
    SetResultText(lblYourHeight_, QStringLiteral("Your Height Is"),
                  QString::fromStdString(result.heightText));
    SetResultText(lblYourWeight_, QStringLiteral("Your Weight Is"),
                  QString::fromStdString(result.weightText));
    SetResultText(lblYourBodyMassIndex_, QStringLiteral("Your Body Mass Index Is"),
                  QString::fromStdString(result.bodyMassIndexText));
}

CalculatorWindow *frmBodyMassIndexDisplay::loadInputWindow() {
    return mdi().loadForm<frmBodyMassIndexMain>();
}

} // namespace vellora
