#pragma once

#include "calculators/CalculatorWindow.h"

class QLabel;

namespace vellora {

struct BmiResult;

// "QV Body Mass Index" result: the height, weight and BMI as three headed columns and the
// verdict below. It computes nothing; each calculation meets a freshly created window.
class frmBodyMassIndexDisplay : public CalculatorWindow {
    Q_OBJECT
public:
    static constexpr CalculatorForm kForm = CalculatorForm::BodyMassIndexDisplay;
    explicit frmBodyMassIndexDisplay(frmMDI &mdi);

    // Fills the four value labels: verdict, height, weight, then the BMI.
    void setResult(const BmiResult &result);

public slots:
    void cmdBack_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();

private:
    QLabel *lblYourHeight_ = nullptr;
    QLabel *lblYourWeight_ = nullptr;
    QLabel *lblYourBodyMassIndex_ = nullptr;
    QLabel *lblResult_ = nullptr;
};

} // namespace vellora
