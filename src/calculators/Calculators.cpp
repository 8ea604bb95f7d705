#include "calculators/Calculators.h"

#include "calculators/bmi/frmBodyMassIndexMain.h"
#include "shell/frmMDI.h"

namespace vellora {

void RegisterCalculators(frmMDI &mdi) {
    mdi.registerCalculator(kBodyMassIndex, [&mdi] { return mdi.loadForm<frmBodyMassIndexMain>(); });
}

} // namespace vellora
