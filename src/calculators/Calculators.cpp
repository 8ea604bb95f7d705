#include "calculators/Calculators.h"

#include "calculators/bmi/frmBodyMassIndexDisplay.h"
#include "calculators/bmi/frmBodyMassIndexMain.h"
#include "calculators/frame/frmBodyFrameSizeMain.h"
#include "calculators/ibw/frmIdealBodyWeightCalculatorDisplay.h"
#include "calculators/ibw/frmIdealBodyWeightCalculatorMain.h"
#include "calculators/whr/frmIdealWaistHipRatioMain.h"
#include "shell/frmMDI.h"

namespace vellora {

namespace {

template <class Form> QMdiSubWindow *Open(frmMDI &mdi) {
    return mdi.loadForm<Form>();
}

template <class Form> CalculatorFormRow InClose(int place, bool resultWindow = false) {
    return {&Form::staticMetaObject, place, resultWindow};
}

} // namespace

// The launcher indexes and the close order are those the main window has always had; on screen
// the buttons stand left to right by their left edges, the texts top to bottom by their tops.
const CalculatorTable &Calculators() {
    static const CalculatorTable kCalculators = {
        {0,
         3,
         "Body Frame Size",
         6600,
         6000,
         "Picture2",
         ":/frame.png",
         QColor(255, 255, 0),
         4400,
         2190,
         {InClose<frmBodyFrameSizeMain>(0)},
         Open<frmBodyFrameSizeMain>},
        {1,
         4,
         "Body Mass Index",
         840,
         240,
         "Picture3",
         ":/bmi.png",
         QColor(255, 0, 255),
         2880,
         2250,
         {InClose<frmBodyMassIndexDisplay>(1, true), InClose<frmBodyMassIndexMain>(2)},
         Open<frmBodyMassIndexMain>},
        {2,
         5,
         "Ideal Body Weight Calculator",
         3720,
         3120,
         "Picture4",
         ":/ibw.png",
         QColor(0, 255, 0),
         3640,
         3810,
         {InClose<frmIdealBodyWeightCalculatorDisplay>(3, true),
          InClose<frmIdealBodyWeightCalculatorMain>(4)},
         Open<frmIdealBodyWeightCalculatorMain>},
        {3,
         6,
         "Ideal Waist Hip Ratio",
         9360,
         8760,
         "Picture5",
         ":/whr.png",
         QColor(255, 0, 0),
         5160,
         2745,
         {InClose<frmIdealWaistHipRatioMain>(5)},
         Open<frmIdealWaistHipRatioMain>},
    };
    return kCalculators;
}

} // namespace vellora
