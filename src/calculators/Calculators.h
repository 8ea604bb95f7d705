#pragma once

namespace vellora {

class frmMDI;

// Tells the launcher which input window each of its buttons opens.
void RegisterCalculators(frmMDI &mdi);

} // namespace vellora
