#pragma once

// The calculators of the suite, one row each: what the main window's launcher shows for it and
// where, its windows' places in the close order, and how its input window is made. Adding a
// calculator is a folder of its own under src/calculators/ and a row here.

#include "shell/CalculatorRow.h"

namespace vellora {

const CalculatorTable &Calculators();

} // namespace vellora
