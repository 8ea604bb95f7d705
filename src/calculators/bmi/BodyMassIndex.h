#pragma once

// Body Mass Index: from the items picked in the input window to the values of the result window,
// or to what the input window tells the user instead. Plain C++, no window system; the windows
// own the words.

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

// The four classes, from below 18.5, below 25, below 30, and from 30 on.
enum class BmiClass { Underweight, Normal, Overweight, Obese };

struct BmiResult {
    double weight = 0.0; // as picked, in the picked unit: 70, 0.5
    WeightUnit weightUnit = WeightUnit::Kilograms;
    double height = 0.0; // as picked, in the picked unit: 1.7, 67
    HeightUnit heightUnit = HeightUnit::Meters;
    double bodyMassIndex = 0.0;    // kilograms per square meter, unrounded
    std::string bodyMassIndexText; // "24.22", "72,792,654.48": see FormatBodyMassIndex
    BmiClass verdict = BmiClass::Underweight;
};

// Why there is no result: a unit not chosen for weight or height, or a height of 0.
enum class BmiRefusal { SelectBoth, CorrectHeight };

using BmiOutcome = std::variant<BmiResult, BmiRefusal>;

BmiOutcome CalculateBodyMassIndex(const BmiSelection &selection);

// The value in the pattern "##,##0.00": two decimals, exact halves (judged on the value's
// 15-significant-digit decimal form) rounded away from zero, "," between groups of three.
std::string FormatBodyMassIndex(double value);

} // namespace vellora
