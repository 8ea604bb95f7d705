#include "calculators/frame/frmBodyFrameSizeMain.h"

#include "calculators/NumberBox.h"
#include "calculators/frame/BodyFrame.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"
#include "widgets/Labels.h"
#include "widgets/ReadableLabel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

namespace {

// In the order of BodyFrameSize.
const char *const kFrameSentences[] = {
    QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain", "You have a Small Frame"),
    QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain", "You have a Medium Frame"),
    QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain", "You have a Large Frame")};

// What is said of an elbow box that cannot be read, in the order of MeasureProblem.
const char *const kRefusals[] = {
    QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain", "Please enter the size of elbow in inches"),
    QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain",
                      "Please enter the size of elbow in inches as a number, such as 2.75"),
    QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain", "The size of elbow cannot be less than 0"),
    QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain",
                      "The size of elbow is too large to be read as a number")};

} // namespace

frmBodyFrameSizeMain::frmBodyFrameSizeMain(CalculatorHost &mdi)
    : StepCalculatorWindow(mdi, tr("QV Body Frame Size"), 9600, QString(), QString()) {
    setObjectName(QStringLiteral("frmBodyFrameSizeMain"));
    QPushButton *calculate = buildInputStep();
    buildResultStep();

    setInputTabOrder({cboSex_, cboHeight_, txtElbowInch_, calculate});

    Form_Load();
}

QPushButton *frmBodyFrameSizeMain::buildInputStep() {
    QGroupBox *input = step(InputStep);
    QLabel *intro =
        makeLabel(13,
                  tr("Body Frame Size is one of the factors that is considered when "
                     "calculating the ideal body weight for a person. Know your body frame "
                     "size to get a better idea about your health."),
                  input);
    QLabel *gender = makeLabel(0, tr("Enter Gender"), input, LabelKind::Caption);
    cboSex_ = makeList(QStringLiteral("cboSex"), gender, tr("Sex"), 1500, input);
    QLabel *height = makeLabel(11, tr("Enter Height"), input, LabelKind::Caption);
    cboHeight_ = makeList(QStringLiteral("cboHeight"), height, tr("Height band"), 2100, input);
    connect(cboSex_, &QComboBox::activated, this, &frmBodyFrameSizeMain::cboSex_Click);

    auto *lists = new QGridLayout;
    lists->addWidget(gender, 0, 0);
    lists->addWidget(cboSex_, 0, 1, Qt::AlignLeft);
    lists->addWidget(height, 1, 0);
    lists->addWidget(cboHeight_, 1, 1, Qt::AlignLeft);
    lists->setColumnStretch(1, 1);

    auto *inputLayout = new QVBoxLayout(input);
    inputLayout->addWidget(intro);
    inputLayout->addSpacing(8);
    inputLayout->addLayout(lists);
    inputLayout->addSpacing(8);
    inputLayout->addWidget(makeLabel(6, tr("Instructions:"), input, LabelKind::Caption));
    static const char *const kInstructions[] = {
        QT_TRANSLATE_NOOP(
            "vellora::frmBodyFrameSizeMain",
            "1. Bend your forearm at 90 degrees so that it is parallel to your body."),
        QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain",
                          "2. Keep your palm turned up and fingers straight."),
        QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain",
                          "3. With your other hand place your thumb and index finger on the two "
                          "most prominent      bones of your elbow (on either side)."),
        QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain",
                          "4. Measure this distance with a measuring tape."),
        QT_TRANSLATE_NOOP("vellora::frmBodyFrameSizeMain", "5. Enter this value below."),
    };
    for (int index = 1; index <= 5; ++index)
        inputLayout->addWidget(makeLabel(index, tr(kInstructions[index - 1]), input));

    QLabel *elbow = makeLabel(8, tr("Enter Elbow Measurement"), input, LabelKind::Caption);
    txtElbowInch_ = new NumberBox(QStringLiteral("txtElbowInch"), tr("Elbow breadth in inches"),
                                  NumberBox::Accepts::DigitsAndPoint, platform(), input);
    txtElbowInch_->setFixedWidth(TwipsToPixels(1200));
    elbow->setBuddy(txtElbowInch_);
    auto *elbowRow = new QHBoxLayout;
    elbowRow->addWidget(elbow);
    elbowRow->addWidget(txtElbowInch_);
    elbowRow->addWidget(makeLabel(10, tr("inches"), input));
    elbowRow->addStretch(1);
    inputLayout->addSpacing(8);
    inputLayout->addLayout(elbowRow);
    inputLayout->addStretch(1);
    QPushButton *calculate =
        addButton(QStringLiteral("cmdCalculate"), tr("&Get My Body Frame Size"), input);
    connect(calculate, &QPushButton::clicked, this, &frmBodyFrameSizeMain::cmdCalculate_Click);
    inputLayout->addWidget(calculate, 0, Qt::AlignRight);
    return calculate;
}

void frmBodyFrameSizeMain::buildResultStep() {
    QGroupBox *result = step(ResultStep);
    lblResult_ = MakeResultLabel(tr("Body Frame Size"), result);
    QPushButton *back = addButton(QStringLiteral("cmdBack"), tr("&Back"), result);
    connect(back, &QPushButton::clicked, this, &frmBodyFrameSizeMain::cmdBack_Click);
    auto *resultLayout = new QVBoxLayout(result);
    resultLayout->addStretch(1);
    resultLayout->addWidget(lblResult_);
    resultLayout->addSpacing(16);
    resultLayout->addWidget(
        makeLabel(9,
                  tr("Body Frame Size is one of the factors that is considered when "
                     "calculating the ideal body weight for a person. The result will help "
                     "you know what your body frame size and accordingly help you decide "
                     "whether you need to lose weight or vice versa."),
                  result));
    resultLayout->addSpacing(8);
    resultLayout->addWidget(makeLabel(12,
                                      tr("P.S Kindly consult your physician before "
                                         "starting any form of exercise or "
                                         "medications."),
                                      result));
    resultLayout->addStretch(1);
    resultLayout->addWidget(back, 0, Qt::AlignRight);
}

void frmBodyFrameSizeMain::Form_Load() {
    cboSex_->addItems(sexItems());
    cmdBack_Click();
}

void frmBodyFrameSizeMain::cboSex_Click() {
    // Choosing a sex, even the one already shown, starts its height list afresh.
    cboHeight_->clear();
    for (const char *band : HeightBands(SexFromListPosition(cboSex_->currentIndex())))
        cboHeight_->addItem(QString::fromLatin1(band));
}

void frmBodyFrameSizeMain::cmdCalculate_Click() {
    const BodyFrameOutcome outcome =
        CalculateBodyFrame(SexFromListPosition(cboSex_->currentIndex()), cboHeight_->currentIndex(),
                           txtElbowInch_->text().toStdString());
    if (const auto *problem = std::get_if<MeasureProblem>(&outcome)) {
        txtElbowInch_->refuse(tr(kRefusals[static_cast<int>(*problem)]));
        return;
    }
    // The result panel has no caption; the verdict is read under the calculator's name.
    SetResultText(lblResult_, tr("Body Frame Size:"),
                  tr(kFrameSentences[static_cast<int>(std::get<BodyFrameSize>(outcome))]));
    showStep(ResultStep, lblResult_);
}

void frmBodyFrameSizeMain::cmdBack_Click() {
    // Back to the loaded state; lblResult keeps its sentence behind the input panel.
    cboSex_->setCurrentIndex(0);
    cboSex_Click();
    txtElbowInch_->clear();
    showStep(InputStep, cboSex_);
}

} // namespace vellora
