#include "calculators/Calculators.h"

#include "calculators/bmi/frmBodyMassIndexMain.h"
#include "calculators/frame/frmBodyFrameSizeMain.h"
#include "calculators/ibw/frmIdealBodyWeightCalculatorMain.h"
#include "calculators/whr/frmIdealWaistHipRatioMain.h"
#include "shell/frmMDI.h"

namespace vellora {

void RegisterCalculators(frmMDI &mdi) {
    mdi.registerCalculator(kBodyMassIndex, [&mdi] { return mdi.loadForm<frmBodyMassIndexMain>(); });
    mdi.registerCalculator(kIdealBodyWeight,
                           [&mdi] { return mdi.loadForm<frmIdealBodyWeightCalculatorMain>(); });
    mdi.registerCalculator(kBodyFrameSize, [&mdi] { return mdi.loadForm<frmBodyFrameSizeMain>(); });
    mdi.registerCalculator(kIdealWaistHipRatio,
                           [&mdi] { return mdi.loadForm<frmIdealWaistHipRatioMain>(); });
}

} // namespace vellora
