#pragma once

// Body Mass Index: from the items picked in the input window to the four texts of the result
// window, or to the message the input window shows instead. Plain C++, no window system.

#include "calculators/WeightUnit.h"

#include <string>
#include <variant>

namespace vellora {

enum class HeightUnit { None, Meters, Inches };

// The unit choices and the texts of the picked list items of the chosen units:
// whole parts such as "70", tenths such as ".5".
struct BmiSelection {
    WeightUnit weightUnit = WeightUnit::None;
    std::string weightWhole = "0";
    std::string weightTenths = ".0";
    HeightUnit heightUnit = HeightUnit::None;
    std::string heightWhole = "0";
    std::string heightTenths = ".0";
};

struct BmiResult {
    std::string weightText;        // "70 Kilograms", "0.5 Pounds"
    std::string heightText;        // "1.7 Meters", "67 Inches"
    double bodyMassIndex = 0.0;    // kilograms per square meter, unrounded
    std::string bodyMassIndexText; // "24.22", "72,792,654.48"
    std::string verdict;           // "You weight is Normal", ...
};

// What the user is told instead of a result.
struct BmiMessage {
    std::string text;
};

using BmiOutcome = std::variant<BmiResult, BmiMessage>;

inline constexpr const char *kSelectBothMessage = "Plese Select Both Your Height And Weight";
inline constexpr const char *kCorrectHeightMessage = "Please Enter Your Correct Height";

BmiOutcome CalculateBodyMassIndex(const BmiSelection &selection);

// The value in the pattern "##,##0.00": two decimals, exact halves (judged on the value's
// 15-significant-digit decimal form) rounded away from zero, "," between groups of three.
std::string FormatBodyMassIndex(double value);

} // namespace vellora
