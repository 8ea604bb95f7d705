#pragma once

#include "calculators/StepCalculatorWindow.h"

namespace vellora {

class NumberBox;
class ReadableLabel;

// "QV Body Frame Size": the sex, a height band from the list of that sex and the elbow breadth
// in inches on the input step; the frame size on the result step.
class frmBodyFrameSizeMain : public StepCalculatorWindow {
    Q_OBJECT
public:
    explicit frmBodyFrameSizeMain(CalculatorHost &mdi);

public slots:
    void cboSex_Click();
    void cmdCalculate_Click();
    void cmdBack_Click();

private:
    // The input step's controls; returns its calculate button, the step's last stop for Tab.
    QPushButton *buildInputStep();
    void buildResultStep();
    void Form_Load();

    QComboBox *cboSex_ = nullptr;
    QComboBox *cboHeight_ = nullptr;
    NumberBox *txtElbowInch_ = nullptr;
    ReadableLabel *lblResult_ = nullptr;
};

} // namespace vellora
