#pragma once

// The sex the calculators ask for, as the two-item lists offer it: "Male" first, "Female"
// second. Plain C++, no window system.

namespace vellora {

enum class Sex { Male, Female };

// Position 0 of the list is Male; every other position counts as Female.
constexpr Sex SexFromListPosition(int position) {
    return position == 0 ? Sex::Male : Sex::Female;
}

} // namespace vellora
