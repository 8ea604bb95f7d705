#pragma once

#include "shell/CalculatorRow.h"

#include <memory>

namespace vellora {

class frmMDI;
class Platform;

// The program's entry sequence: the single-instance guard, the update reminder, then the main
// window with the calculators of the table, shown maximised. Returns the main window, or nothing
// when another copy was running (the program has then been ended).
std::unique_ptr<frmMDI> RunStartup(Platform &platform, const CalculatorTable &calculators);

// Closes every open window, then ends the process.
void EndProgram(Platform &platform);

} // namespace vellora
