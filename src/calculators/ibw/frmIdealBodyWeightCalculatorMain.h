#pragma once

#include "calculators/CalculatorInputWindow.h"

class QComboBox;
class QRadioButton;

namespace vellora {

// "QV Ideal Body Weight Calculator": sex and height picked from two fixed lists, and whether the
// range is wanted in kilograms or pounds. The calculation hands the range text to the result
// window and hides this window, which keeps its picks for Back.
class frmIdealBodyWeightCalculatorMain : public CalculatorInputWindow {
    Q_OBJECT
public:
    explicit frmIdealBodyWeightCalculatorMain(CalculatorHost &mdi);

public slots:
    // The calculation, by the button or the File menu.
    void cmdCalculate_Click() override;

private:
    void Form_Load();

    QComboBox *cmbGender_ = nullptr;
    QComboBox *cmbFeet_ = nullptr;
    QRadioButton *optKG_ = nullptr;
    QRadioButton *optPound_ = nullptr;
};

} // namespace vellora
