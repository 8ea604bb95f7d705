#pragma once

// The weight units the calculators offer. Plain C++, no window system.

namespace vellora {

enum class WeightUnit { None, Kilograms, Pounds };

} // namespace vellora
