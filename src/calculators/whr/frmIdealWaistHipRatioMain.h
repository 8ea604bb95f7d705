#pragma once

#include "calculators/StepCalculatorWindow.h"

namespace vellora {

class NumberBox;
class ReadableLabel;

// "QV Ideal Waist Hip Ratio": the sex, the waist and the hip in whole centimetres on the input
// step; the risk zone on the result step.
class frmIdealWaistHipRatioMain : public StepCalculatorWindow {
    Q_OBJECT
public:
    explicit frmIdealWaistHipRatioMain(CalculatorHost &mdi);

public slots:
    void cmdCalculate_Click();
    void cmdBack_Click();

private:
    // The input step's controls; returns its calculate button, the step's last stop for Tab.
    QPushButton *buildInputStep();
    void buildResultStep();
    void Form_Load();

    QComboBox *cboSex_ = nullptr;
    NumberBox *txtWaist_ = nullptr;
    NumberBox *txtHip_ = nullptr;
    ReadableLabel *lblResult_ = nullptr;
};

} // namespace vellora
