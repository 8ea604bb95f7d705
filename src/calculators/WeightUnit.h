#pragma once

// The weight units the calculators offer, and the one conversion between them that every
// calculator uses. Plain C++, no window system.

namespace vellora {

enum class WeightUnit { None, Kilograms, Pounds };

// Pounds to kilograms as the calculators have always done it: six decimals of 1/2.2, not the
// exact 0.45359237.
inline constexpr double kKilogramsPerPound = 0.454545;

} // namespace vellora
