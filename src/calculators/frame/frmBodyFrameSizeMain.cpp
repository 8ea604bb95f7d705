#include "calculators/frame/frmBodyFrameSizeMain.h"

#include "calculators/NumberBox.h"
#include "calculators/frame/BodyFrame.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"
#include "widgets/ReadableLabel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

frmBodyFrameSizeMain::frmBodyFrameSizeMain(CalculatorHost &mdi)
    : StepCalculatorWindow(mdi, QStringLiteral("QV Body Frame Size"), 9600, QString(), QString()) {
    setObjectName(QStringLiteral("frmBodyFrameSizeMain"));
    QPushButton *calculate = buildInputStep();
    buildResultStep();

    setInputTabOrder({cboSex_, cboHeight_, txtElbowInch_, calculate});

    Form_Load();
}

QPushButton *frmBodyFrameSizeMain::buildInputStep() {
    QGroupBox *input = step(InputStep);
    QLabel *intro = makeLabel(
        13,
        QStringLiteral("Body Frame Size is one of the factors that is considered when "
                       "calculating the ideal body weight for a person. Know your body frame "
                       "size to get a better idea about your health."),
        input);
    QLabel *gender = makeLabel(0, QStringLiteral("Enter Gender"), input, LabelKind::Caption);
    cboSex_ = makeList(QStringLiteral("cboSex"), gender, QStringLiteral("Sex"), input);
    QLabel *height = makeLabel(11, QStringLiteral("Enter Height"), input, LabelKind::Caption);
    cboHeight_ =
        makeList(QStringLiteral("cboHeight"), height, QStringLiteral("Height band"), input);
    connect(cboSex_, &QComboBox::activated, this, &frmBodyFrameSizeMain::cboSex_Click);

    auto *lists = new QGridLayout;
    lists->addWidget(gender, 0, 0);
    lists->addWidget(cboSex_, 0, 1, Qt::AlignLeft);
    lists->addWidget(height, 1, 0);
    lists->addWidget(cboHeight_, 1, 1, Qt::AlignLeft);
    lists->setColumnStretch(1, 1);
    cboSex_->setMinimumWidth(TwipsToPixels(1500));
    cboHeight_->setMinimumWidth(TwipsToPixels(2100));

    auto *inputLayout = new QVBoxLayout(input);
    inputLayout->addWidget(intro);
    inputLayout->addSpacing(8);
    inputLayout->addLayout(lists);
    inputLayout->addSpacing(8);
    inputLayout->addWidget(
        makeLabel(6, QStringLiteral("Instructions:"), input, LabelKind::Caption));
    static const char *const kInstructions[] = {
        "1. Bend your forearm at 90 degrees so that it is parallel to your body.",
        "2. Keep your palm turned up and fingers straight.",
        "3. With your other hand place your thumb and index finger on the two most prominent "
        "     bones of your elbow (on either side).",
        "4. Measure this distance with a measuring tape.",
        "5. Enter this value below.",
    };
    for (int index = 1; index <= 5; ++index)
        inputLayout->addWidget(
            makeLabel(index, QString::fromLatin1(kInstructions[index - 1]), input));

    QLabel *elbow =
        makeLabel(8, QStringLiteral("Enter Elbow Measurement"), input, LabelKind::Caption);
    txtElbowInch_ =
        new NumberBox(QStringLiteral("txtElbowInch"), QStringLiteral("Elbow breadth in inches"),
                      NumberBox::Accepts::DigitsAndPoint, platform(), input);
    txtElbowInch_->setFixedWidth(TwipsToPixels(1200));
    elbow->setBuddy(txtElbowInch_);
    auto *elbowRow = new QHBoxLayout;
    elbowRow->addWidget(elbow);
    elbowRow->addWidget(txtElbowInch_);
    elbowRow->addWidget(makeLabel(10, QStringLiteral("inches"), input));
    elbowRow->addStretch(1);
    inputLayout->addSpacing(8);
    inputLayout->addLayout(elbowRow);
    inputLayout->addStretch(1);
    QPushButton *calculate =
        addButton(QStringLiteral("cmdCalculate"), QStringLiteral("&Get My Body Frame Size"), input);
    connect(calculate, &QPushButton::clicked, this, &frmBodyFrameSizeMain::cmdCalculate_Click);
    inputLayout->addWidget(calculate, 0, Qt::AlignRight);
    return calculate;
}

void frmBodyFrameSizeMain::buildResultStep() {
    QGroupBox *result = step(ResultStep);
    lblResult_ = makeResultLabel(QStringLiteral("Body Frame Size"), result);
    QPushButton *back = addButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), result);
    connect(back, &QPushButton::clicked, this, &frmBodyFrameSizeMain::cmdBack_Click);
    auto *resultLayout = new QVBoxLayout(result);
    resultLayout->addStretch(1);
    resultLayout->addWidget(lblResult_);
    resultLayout->addSpacing(16);
    resultLayout->addWidget(makeLabel(
        9,
        QStringLiteral("Body Frame Size is one of the factors that is considered when "
                       "calculating the ideal body weight for a person. The result will help "
                       "you know what your body frame size and accordingly help you decide "
                       "whether you need to lose weight or vice versa."),
        result));
    resultLayout->addSpacing(8);
    resultLayout->addWidget(makeLabel(12,
                                      QStringLiteral("P.S Kindly consult your physician before "
                                                     "starting any form of exercise or "
                                                     "medications."),
                                      result));
    resultLayout->addStretch(1);
    resultLayout->addWidget(back, 0, Qt::AlignRight);
}

void frmBodyFrameSizeMain::Form_Load() {
    cboSex_->addItems({QStringLiteral("Male"), QStringLiteral("Female")});
    cboSex_->setCurrentIndex(0);
    cboSex_Click();
    showStep(InputStep, cboSex_);
}

void frmBodyFrameSizeMain::cboSex_Click() {
    // Choosing a sex, even the one already shown, starts its height list afresh.
    cboHeight_->clear();
    for (const char *band : HeightBands(SexFromListPosition(cboSex_->currentIndex())))
        cboHeight_->addItem(QString::fromLatin1(band));
    cboHeight_->setCurrentIndex(0);
}

void frmBodyFrameSizeMain::cmdCalculate_Click() {
    const BodyFrameOutcome outcome =
        CalculateBodyFrame(SexFromListPosition(cboSex_->currentIndex()), cboHeight_->currentIndex(),
                           txtElbowInch_->text().toStdString());
    if (const auto *refusal = std::get_if<BodyFrameRefusal>(&outcome)) {
        txtElbowInch_->refuse(QString::fromStdString(refusal->message));
        return;
    }
    // The result panel has no caption; the verdict is read under the calculator's name.
    SetResultText(lblResult_, QStringLiteral("Body Frame Size:"),
                  QString::fromStdString(BodyFrameSentence(std::get<BodyFrameSize>(outcome))));
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
