#include "calculators/Calculators.h"

#include "calculators/bmi/frmBodyMassIndexMain.h"
#include "calculators/ibw/frmIdealBodyWeightCalculatorMain.h"
#include "shell/frmMDI.h"

namespace vellora {

void RegisterCalculators(frmMDI &mdi) {
    mdi.registerCalculator(kBodyMassIndex, [&mdi] { return mdi.loadForm<frmBodyMassIndexMain>(); });
    mdi.registerCalculator(kIdealBodyWeight,
                           [&mdi] { return mdi.loadForm<frmIdealBodyWeightCalculatorMain>(); });
}

} // namespace vellora
