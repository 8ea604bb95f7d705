#pragma once

// Rounding to two decimals as the "0.00" number patterns do it. Plain C++, no window system and
// no C locale.

#include <string>

namespace vellora {

// The value with exactly two decimals and "." as the point, such as "24.22", "35.00" or
// "-0.50"; no grouping. The hundredths are decided on the value's 15-significant-digit decimal
// form, so 1.005 (stored a hair below) still gives "1.01" and an exact half such as 0.125
// gives "0.13": halves round away from zero. "-" only when the rounded value is not zero.
// Not-a-number and the infinities come back as "nan", "inf" and "-inf".
std::string RoundToHundredths(double value);

} // namespace vellora
