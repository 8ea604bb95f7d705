#pragma once

#include "calculators/CalculatorInputWindow.h"

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
    void optKG_Click();
    void optPound_Click();
    void optMeter_Click();
    void optInches_Click();
    void cmdOkWeight_Click();
    void cmdOKHeight_Click();
    void cmdBackWeight_Click();
    void cmdBackHeight_Click();
    void cmdCalculate_Click() override;

private:
    // One of the two areas, weight or height: a unit panel and an entry panel in one place.
    struct Area {
        QStackedWidget *place = nullptr;
        QGroupBox *selectPanel = nullptr;
        QGroupBox *enterPanel = nullptr;
        QButtonGroup *units = nullptr;
        QRadioButton *firstUnit = nullptr;
        QRadioButton *secondUnit = nullptr;
        QGroupBox *firstSubPanel = nullptr;
        QGroupBox *secondSubPanel = nullptr;
        QComboBox *firstWhole = nullptr;
        QComboBox *firstTenths = nullptr;
        QComboBox *secondWhole = nullptr;
        QComboBox *secondTenths = nullptr;
    };
    struct AreaDesign;
    static const AreaDesign kWeight;
    static const AreaDesign kHeight;

    void Form_Load();
    QWidget *buildArea(Area &area, const AreaDesign &design);
    void chooseUnit(Area &area, bool first);
    void confirmArea(Area &area);
    void clearArea(Area &area);

    Area weight_;
    Area height_;
};

} // namespace vellora
