#pragma once

// Reading what the user left in a measurement box. The key filters let only digits (and, for the
// elbow, points) be typed, but pasted or dropped text arrives unfiltered, so the calculations
// read the box text here and say what is wrong with it instead of guessing. Plain C++, no window
// system, and no locale: a point is the only decimal mark.

#include <string_view>
#include <variant>

namespace vellora {

enum class MeasureProblem {
    Empty,      // no characters, or blanks only
    NotANumber, // anything but an optional sign, digits and at most one point
    Negative,   // below zero
    TooLarge,   // past what the measurement can hold
};

// The largest whole measurement the boxes hold (a 16-bit whole number).
inline constexpr int kLargestWholeMeasure = 32767;

// The text, blanks at either end left out, read as a decimal number and rounded to a whole
// number, an exact half to the even neighbour ("85.5" is 86, "84.5" is 84): 0 to
// kLargestWholeMeasure, or what is wrong. The rounding is done on the decimal digits, so it is
// exact however many there are.
std::variant<int, MeasureProblem> ReadWholeMeasure(std::string_view text);

// The text, blanks at either end left out, read as a decimal number ("2.75", "3", ".5", "3."):
// a finite number of 0 or more, or what is wrong. A number too large for a double is TooLarge;
// one too small to tell from 0 reads as 0.
std::variant<double, MeasureProblem> ReadDecimalMeasure(std::string_view text);

} // namespace vellora
