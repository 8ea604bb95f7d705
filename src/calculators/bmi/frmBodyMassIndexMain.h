#pragma once

#include "calculators/CalculatorInputWindow.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QRadioButton;
class QStackedWidget;

namespace vellora {

// "QV Body Mass Index": the weight and the height, each chosen in two steps on two panels that
// share one place: first the unit, then the value from a whole-part list and a tenths list.
class frmBodyMassIndexMain : public CalculatorInputWindow {
    Q_OBJECT
public:
    explicit frmBodyMassIndexMain(CalculatorHost &mdi);

public slots:
    // The options and buttons of the two areas pass on to what an area does.
    void optKG_Click() { chooseUnit(weight_, 0); }
    void optPound_Click() { chooseUnit(weight_, 1); }
    void optMeter_Click() { chooseUnit(height_, 0); }
    void optInches_Click() { chooseUnit(height_, 1); }
    void cmdOkWeight_Click() { confirmArea(weight_); }
    void cmdOKHeight_Click() { confirmArea(height_); }
    void cmdBackWeight_Click() { clearArea(weight_); }
    void cmdBackHeight_Click() { clearArea(height_); }
    void cmdCalculate_Click() override;

private:
    // One of the two areas, weight or height: a unit panel and an entry panel in one place.
    struct Area {
        QStackedWidget *place = nullptr;
        QGroupBox *selectPanel = nullptr;
        QGroupBox *enterPanel = nullptr;
        QButtonGroup *options = nullptr;
        // Each unit's option on the unit panel, and its lists on a panel of the entry panel.
        struct Unit {
            QRadioButton *option = nullptr;
            QGroupBox *panel = nullptr;
            QComboBox *whole = nullptr;
            QComboBox *tenths = nullptr;
        };
        std::array<Unit, 2> units;
    };
    struct AreaDesign;
    static const AreaDesign kWeight;
    static const AreaDesign kHeight;

    void Form_Load();
    QWidget *buildArea(Area &area, const AreaDesign &design);
    void chooseUnit(Area &area, int chosen);
    void confirmArea(Area &area);
    void clearArea(Area &area);

    Area weight_;
    Area height_;
};

} // namespace vellora
