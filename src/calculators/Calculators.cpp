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
        {.index = 0,
         .captionIndex = 3,
         .caption = QT_TRANSLATE_NOOP("Calculators", "Body Frame Size"),
         .buttonLeft = 6600,
         .iconLeft = 6000,
         .iconName = "Picture2",
         .icon = ":/frame.png",
         .textColour = QColor(255, 255, 0),
         .textTop = 4400,
         .textWidth = 2190,
         .forms = {InClose<frmBodyFrameSizeMain>(0)},
         .open = Open<frmBodyFrameSizeMain>},
        {.index = 1,
         .captionIndex = 4,
         .caption = QT_TRANSLATE_NOOP("Calculators", "Body Mass Index"),
         .buttonLeft = 840,
         .iconLeft = 240,
         .iconName = "Picture3",
         .icon = ":/bmi.png",
         .textColour = QColor(255, 0, 255),
         .textTop = 2880,
         .textWidth = 2250,
         .forms = {InClose<frmBodyMassIndexDisplay>(1, true), InClose<frmBodyMassIndexMain>(2)},
         .open = Open<frmBodyMassIndexMain>},
        {.index = 2,
         .captionIndex = 5,
         .caption = QT_TRANSLATE_NOOP("Calculators", "Ideal Body Weight Calculator"),
         .buttonLeft = 3720,
         .iconLeft = 3120,
         .iconName = "Picture4",
         .icon = ":/ibw.png",
         .textColour = QColor(0, 255, 0),
         .textTop = 3640,
         .textWidth = 3810,
         .forms = {InClose<frmIdealBodyWeightCalculatorDisplay>(3, true),
                   InClose<frmIdealBodyWeightCalculatorMain>(4)},
         .open = Open<frmIdealBodyWeightCalculatorMain>},
        {.index = 3,
         .captionIndex = 6,
         .caption = QT_TRANSLATE_NOOP("Calculators", "Ideal Waist Hip Ratio"),
         .buttonLeft = 9360,
         .iconLeft = 8760,
         .iconName = "Picture5",
         .icon = ":/whr.png",
         .textColour = QColor(255, 0, 0),
         .textTop = 5160,
         .textWidth = 2745,
         .forms = {InClose<frmIdealWaistHipRatioMain>(5)},
         .open = Open<frmIdealWaistHipRatioMain>},
    };
    return kCalculators;
}

} // namespace vellora
