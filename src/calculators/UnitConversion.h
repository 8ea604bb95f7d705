#pragma once

// The customary units the calculators accept, converted by their definitions: the international
// inch is exactly 2.54 centimetres and the international pound exactly 0.45359237 kilograms. Both
// factors are exact decimals, so a result in kilograms or meters is as true as the double that
// holds it. Plain C++, no window system.

namespace vellora {

inline constexpr double kMetersPerInch = 0.0254;
inline constexpr double kKilogramsPerPound = 0.45359237;

} // namespace vellora
