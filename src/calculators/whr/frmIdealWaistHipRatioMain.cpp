#include "calculators/whr/frmIdealWaistHipRatioMain.h"

#include "calculators/NumberBox.h"
#include "calculators/whr/WaistHipRatio.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"
#include "widgets/Labels.h"
#include "widgets/ReadableLabel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

namespace {

// In the order of WaistHipRiskZone.
const char *const kZoneSentences[] = {
    QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain", "You are in Very Low Risk Zone"),
    QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain", "You are in Low Risk Zone"),
    QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain", "You are in Moderate Risk Zone"),
    QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain", "You are in High Risk Zone"),
    QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain", "You are in Very High Risk Zone")};

// What is said of the box the user is sent back to, the waist or the hip, in the order of
// WaistHipProblem; only the hip can leave nothing to divide by.
const char *const kRefusals[][2] = {
    {QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain", "Please enter size of your waist"),
     QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain", "Please enter size of your hip")},
    {QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain",
                       "Please enter size of your waist as a number of cms, such as 85"),
     QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain",
                       "Please enter size of your hip as a number of cms, such as 100")},
    {QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain",
                       "The size of your waist cannot be less than 0"),
     QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain",
                       "The size of your hip cannot be less than 0")},
    {QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain",
                       "The size of your waist cannot be more than 32767 cms"),
     QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain",
                       "The size of your hip cannot be more than 32767 cms")},
    {nullptr, QT_TRANSLATE_NOOP("vellora::frmIdealWaistHipRatioMain",
                                "The size of your hip must be more than 0")}};

} // namespace

frmIdealWaistHipRatioMain::frmIdealWaistHipRatioMain(CalculatorHost &mdi)
    : StepCalculatorWindow(mdi, tr("QV Ideal Waist Hip Ratio"), 9600, tr("Personal Information"),
                           tr("Ideal Waist Hip Ratio")) {
    setObjectName(QStringLiteral("frmIdealWaistHipRatioMain"));
    QPushButton *calculate = buildInputStep();
    buildResultStep();

    setInputTabOrder({cboSex_, txtWaist_, txtHip_, calculate});

    Form_Load();
}

QPushButton *frmIdealWaistHipRatioMain::buildInputStep() {
    QGroupBox *input = step(InputStep);
    QLabel *welcome =
        makeLabel(5,
                  tr("Welcome to the QV Ideal Waist Hip Ratio (WHR) Calculator. Knowing the "
                     "ratio of the waist and hip circumference helps one understand what his / "
                     "her risk of getting a coronary disease is like."),
                  input);
    QLabel *gender = makeLabel(0, tr("Enter Gender"), input, LabelKind::Caption);
    cboSex_ = makeList(QStringLiteral("cboSex"), gender, tr("Sex"), 1500, input);
    QLabel *waist =
        makeLabel(1, tr("Enter Waist Measurement (in cms):"), input, LabelKind::Caption);
    QLabel *waistHint =
        makeLabel(2, tr("(Measure Your Waist Circumference At The Narrowest Part)"), input);
    txtWaist_ = new NumberBox(QStringLiteral("txtWaist"), tr("Waist in centimetres"),
                              NumberBox::Accepts::Digits, platform(), input);
    QLabel *hip = makeLabel(3, tr("Enter Hip Measurement (in cms):"), input, LabelKind::Caption);
    QLabel *hipHint =
        makeLabel(4, tr("(Measure Your Hip Circumference At The widest Part)"), input);
    txtHip_ = new NumberBox(QStringLiteral("txtHip"), tr("Hip in centimetres"),
                            NumberBox::Accepts::Digits, platform(), input);
    waist->setBuddy(txtWaist_);
    hip->setBuddy(txtHip_);
    QPushButton *calculate =
        addButton(QStringLiteral("cmdCalculate"), tr("&Calculate My Ideal Waist Hip Ratio"), input);
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
    QLabel *thanks = makeLabel(6, tr("Thanks for using QV Ideal Waist Hip Ratio (WHR) Calculator."),
                               result, LabelKind::Caption);
    thanks->setAlignment(Qt::AlignCenter);
    lblResult_ = MakeResultLabel(tr("WHR"), result);
    QPushButton *back = addButton(QStringLiteral("cmdBack"), tr("&Back"), result);
    connect(back, &QPushButton::clicked, this, &frmIdealWaistHipRatioMain::cmdBack_Click);

    auto *resultLayout = new QVBoxLayout(result);
    resultLayout->addWidget(thanks);
    resultLayout->addSpacing(12);
    resultLayout->addWidget(lblResult_);
    resultLayout->addSpacing(12);
    resultLayout->addWidget(
        makeLabel(7,
                  tr("The Ideal Waist Hip Ratio (WHR) is one of the ways of knowing what are "
                     "your chances of suffering from a coronary disease is like."),
                  result));
    resultLayout->addWidget(
        makeLabel(8,
                  tr("Knowing the Ideal Waist Hip Ratio (WHR) helps you understand if extra fat "
                     "is stored around your hips thus making you obese and more prone to heart "
                     "diseases."),
                  result));
    resultLayout->addWidget(
        makeLabel(9,
                  tr("This software is not the ultimate answer to your problems and only serves "
                     "as a guide. Please consult your physician before changing your diet."),
                  result));
    resultLayout->addStretch(1);
    resultLayout->addWidget(back, 0, Qt::AlignRight);
}

void frmIdealWaistHipRatioMain::Form_Load() {
    cboSex_->addItems(sexItems());
    showStep(InputStep, cboSex_);
}

void frmIdealWaistHipRatioMain::cmdCalculate_Click() {
    const WaistHipOutcome outcome =
        CalculateWaistHipRatio(SexFromListPosition(cboSex_->currentIndex()),
                               txtWaist_->text().toStdString(), txtHip_->text().toStdString());
    if (const auto *refusal = std::get_if<WaistHipRefusal>(&outcome)) {
        const bool hip = refusal->box == WaistHipBox::Hip;
        (hip ? txtHip_ : txtWaist_)->refuse(tr(kRefusals[static_cast<int>(refusal->problem)][hip]));
        return;
    }
    // The ratio only chooses the zone; it is not shown.
    SetResultText(lblResult_, step(ResultStep)->title() + QLatin1Char(':'),
                  tr(kZoneSentences[static_cast<int>(std::get<WaistHipRatio>(outcome).zone)]));
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
