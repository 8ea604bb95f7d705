#pragma once

#include "calculators/CalculatorResultWindow.h"

namespace vellora {

class ReadableLabel;
struct BmiResult;

// "QV Body Mass Index" result: the height, weight and BMI as three headed columns and the
// verdict below. It computes nothing.
class frmBodyMassIndexDisplay : public CalculatorResultWindow {
    Q_OBJECT
public:
    explicit frmBodyMassIndexDisplay(CalculatorHost &mdi);

    // Fills the four value labels: verdict, height, weight, then the BMI.
    void setResult(const BmiResult &result);

private:
    ReadableLabel *lblYourHeight_ = nullptr;
    ReadableLabel *lblYourWeight_ = nullptr;
    ReadableLabel *lblYourBodyMassIndex_ = nullptr;
    ReadableLabel *lblResult_ = nullptr;
};

} // namespace vellora
