#pragma once

#include "calculators/CalculatorResultWindow.h"

class QLabel;

namespace vellora {

class ReadableLabel;

// "QV Ideal Body Weight Calculator" result: the ideal range under its heading, a closing line
// and two lines of advice. It computes nothing; the input window writes the range text.
class frmIdealBodyWeightCalculatorDisplay : public CalculatorResultWindow {
    Q_OBJECT
public:
    explicit frmIdealBodyWeightCalculatorDisplay(CalculatorHost &mdi);

    // Writes lblResult: "63 Pounds To 77 Pounds".
    void setResultText(const QString &text);

private:
    QLabel *heading_ = nullptr;
    ReadableLabel *lblResult_ = nullptr;
};

} // namespace vellora
