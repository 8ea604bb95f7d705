#include "calculators/whr/frmIdealWaistHipRatioMain.h"

#include "calculators/NumberBox.h"
#include "calculators/whr/WaistHipRatio.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"
#include "widgets/ReadableLabel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

frmIdealWaistHipRatioMain::frmIdealWaistHipRatioMain(CalculatorHost &mdi)
    : StepCalculatorWindow(mdi, QStringLiteral("QV Ideal Waist Hip Ratio"), 9600,
                           QStringLiteral("Personal Information"),
                           QStringLiteral("Ideal Waist Hip Ratio")) {
    setObjectName(QStringLiteral("frmIdealWaistHipRatioMain"));
    QPushButton *calculate = buildInputStep();
    buildResultStep();

    setInputTabOrder({cboSex_, txtWaist_, txtHip_, calculate});

    Form_Load();
}

QPushButton *frmIdealWaistHipRatioMain::buildInputStep() {
    QGroupBox *input = step(InputStep);
    QLabel *welcome = makeLabel(
        5,
        QStringLiteral("Welcome to the QV Ideal Waist Hip Ratio (WHR) Calculator. Knowing the "
                       "ratio of the waist and hip circumference helps one understand what his / "
                       "her risk of getting a coronary disease is like."),
        input);
    QLabel *gender = makeLabel(0, QStringLiteral("Enter Gender"), input, LabelKind::Caption);
    cboSex_ = makeList(QStringLiteral("cboSex"), gender, QStringLiteral("Sex"), input);
    QLabel *waist = makeLabel(1, QStringLiteral("Enter Waist Measurement (in cms):"), input,
                              LabelKind::Caption);
    QLabel *waistHint = makeLabel(
        2, QStringLiteral("(Measure Your Waist Circumference At The Narrowest Part)"), input);
    txtWaist_ = new NumberBox(QStringLiteral("txtWaist"), QStringLiteral("Waist in centimetres"),
                              NumberBox::Accepts::Digits, platform(), input);
    QLabel *hip =
        makeLabel(3, QStringLiteral("Enter Hip Measurement (in cms):"), input, LabelKind::Caption);
    QLabel *hipHint =
        makeLabel(4, QStringLiteral("(Measure Your Hip Circumference At The widest Part)"), input);
    txtHip_ = new NumberBox(QStringLiteral("txtHip"), QStringLiteral("Hip in centimetres"),
                            NumberBox::Accepts::Digits, platform(), input);
    waist->setBuddy(txtWaist_);
    hip->setBuddy(txtHip_);
    QPushButton *calculate =
        addButton(QStringLiteral("cmdCalculate"),
                  QStringLiteral("&Calculate My Ideal Waist Hip Ratio"), input);
    connect(calculate, &QPushButton::clicked, this, &frmIdealWaistHipRatioMain::cmdCalculate_Click);

    auto *fields = new QGridLayout;
    fields->addWidget(gender, 0, 0);
    fields->addWidget(cboSex_, 0, 1, Qt::AlignLeft);
    fields->addWidget(waist, 1, 0);
    fields->addWidget(txtWaist_, 1, 1, Qt::AlignLeft);
    fields->addWidget(waistHint, 2, 0, 1, 2);
    fields->setRowMinimumHeight(3, 12); // a gap between the two measurements
    fields->addWidget(hip, 4, 0);
    fields->addWidget(txtHip_, 4, 1, Qt::AlignLeft);
    fields->addWidget(hipHint, 5, 0, 1, 2);
    fields->setColumnStretch(1, 1);
    cboSex_->setMinimumWidth(TwipsToPixels(1500));
    for (NumberBox *box : {txtWaist_, txtHip_})
        box->setFixedWidth(TwipsToPixels(1200));

    auto *inputLayout = new QVBoxLayout(input);
    inputLayout->addWidget(welcome);
    inputLayout->addSpacing(10);
    inputLayout->addLayout(fields);
    inputLayout->addStretch(1);
    inputLayout->addWidget(calculate, 0, Qt::AlignRight);
    return calculate;
}

void frmIdealWaistHipRatioMain::buildResultStep() {
    QGroupBox *result = step(ResultStep);
    QLabel *thanks =
        makeLabel(6, QStringLiteral("Thanks for using QV Ideal Waist Hip Ratio (WHR) Calculator."),
                  result, LabelKind::Caption);
    thanks->setAlignment(Qt::AlignCenter);
    lblResult_ = makeResultLabel(QStringLiteral("WHR"), result);
    QPushButton *back = addButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), result);
    connect(back, &QPushButton::clicked, this, &frmIdealWaistHipRatioMain::cmdBack_Click);

    auto *resultLayout = new QVBoxLayout(result);
    resultLayout->addWidget(thanks);
    resultLayout->addSpacing(12);
    resultLayout->addWidget(lblResult_);
    resultLayout->addSpacing(12);
    resultLayout->addWidget(makeLabel(
        7,
        QStringLiteral("The Ideal Waist Hip Ratio (WHR) is one of the ways of knowing what are "
                       "your chances of suffering from a coronary disease is like."),
        result));
    resultLayout->addWidget(makeLabel(
        8,
        QStringLiteral("Knowing the Ideal Waist Hip Ratio (WHR) helps you understand if extra fat "
                       "is stored around your hips thus making you obese and more prone to heart "
                       "diseases."),
        result));
    resultLayout->addWidget(makeLabel(
        9,
        QStringLiteral("This software is not the ultimate answer to your problems and only serves "
                       "as a guide. Please consult your physician before changing your diet."),
        result));
    resultLayout->addStretch(1);
    resultLayout->addWidget(back, 0, Qt::AlignRight);
}

void frmIdealWaistHipRatioMain::Form_Load() {
    cboSex_->addItems({QStringLiteral("Male"), QStringLiteral("Female")});
    cboSex_->setCurrentIndex(0);
    showStep(InputStep, cboSex_);
}

void frmIdealWaistHipRatioMain::cmdCalculate_Click() {
    const WaistHipOutcome outcome =
        CalculateWaistHipRatio(SexFromListPosition(cboSex_->currentIndex()),
                               txtWaist_->text().toStdString(), txtHip_->text().toStdString());
    if (const auto *refusal = std::get_if<WaistHipRefusal>(&outcome)) {
        NumberBox *box = refusal->box == WaistHipBox::Waist ? txtWaist_ : txtHip_;
        box->refuse(QString::fromStdString(refusal->message));
        return;
    }
    // The ratio only chooses the zone; it is not shown.
    SetResultText(
        lblResult_, step(ResultStep)->title() + QLatin1Char(':'),
        QString::fromLatin1(WaistHipRiskZoneSentence(std::get<WaistHipRatio>(outcome).zone)));
    showStep(ResultStep, lblResult_);
}

void frmIdealWaistHipRatioMain::cmdBack_Click() {
    // lblResult keeps its sentence behind the input panel until the next calculation.
    txtWaist_->clear();
    txtHip_->clear();
    cboSex_->setCurrentIndex(0);
    showStep(InputStep, cboSex_);
}

} // namespace vellora
