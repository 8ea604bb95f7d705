#pragma once

// Ideal Body Weight: a sex and a height to the ideal weight range, in pounds or kilograms, from
// a fixed table. Plain C++, no window system.

#include "calculators/Sex.h"
#include "calculators/WeightUnit.h"

#include <array>
#include <string>
#include <string_view>

namespace vellora {

// One height of the height list and the ideal range at that height, in whole pounds.
struct IdealWeightRow {
    std::string_view height; // "4 Feet 6 Inches"
    int maleLow;
    int maleHigh;
    int femaleLow;
    int femaleHigh;
};

// In the order of the height list. Each entry is 90 % (low) and 110 % (high) of a reference
// weight, halves rounded up: 106 pounds for a man and 100 for a woman at 5 feet, and 6 or 5
// pounds more or less for every inch above or below.
// clang-format off
inline constexpr std::array<IdealWeightRow, 30> IdealWeightTable{{
    {"4 Feet 6 Inches", 63, 77, 63, 77},
    {"4 Feet 7 Inches", 68, 84, 68, 83},
    {"4 Feet 8 Inches", 74, 90, 72, 88},
    {"4 Feet 9 Inches", 79, 97, 77, 94},
    {"4 Feet 10 Inches", 85, 103, 81, 99},
    {"4 Feet 11 Inches", 90, 110, 86, 105},
    {"5 Feet 0 Inches", 95, 117, 90, 110},
    {"5 Feet 1 Inches", 101, 123, 95, 116},
    {"5 Feet 2 Inches", 106, 130, 99, 121},
    {"5 Feet 3 Inches", 112, 136, 104, 127},
    {"5 Feet 4 Inches", 117, 143, 108, 132},
    {"5 Feet 5 Inches", 122, 150, 113, 138},
    {"5 Feet 6 Inches", 128, 156, 117, 143},
    {"5 Feet 7 Inches", 133, 163, 122, 149},
    {"5 Feet 8 Inches", 139, 169, 126, 154},
    {"5 Feet 9 Inches", 144, 176, 131, 160},
    {"5 Feet 10 Inches", 149, 183, 135, 165},
    {"5 Feet 11 Inches", 155, 189, 140, 171},
    {"6 Feet 0 Inches", 160, 196, 144, 176},
    {"6 Feet 1 Inches", 166, 202, 149, 182},
    {"6 Feet 2 Inches", 171, 209, 153, 187},
    {"6 Feet 3 Inches", 176, 216, 158, 193},
    {"6 Feet 4 Inches", 182, 222, 162, 198},
    {"6 Feet 5 Inches", 187, 229, 167, 204},
    {"6 Feet 6 Inches", 193, 235, 171, 209},
    {"6 Feet 7 Inches", 198, 242, 176, 215},
    {"6 Feet 8 Inches", 203, 249, 180, 220},
    {"6 Feet 9 Inches", 209, 255, 185, 226},
    {"6 Feet 10 Inches", 214, 262, 189, 231},
    {"6 Feet 11 Inches", 220, 268, 194, 237},
}};
// clang-format on

struct IbwSelection {
    Sex sex = Sex::Male;
    std::string height;                   // the text of the picked height item
    WeightUnit unit = WeightUnit::Pounds; // anything but Kilograms counts as pounds
};

struct IbwResult {
    double low = 0.0; // in the chosen unit; kilograms as rounded to two decimals
    double high = 0.0;
    std::string text; // "63 Pounds To 77 Pounds", "28.58 Kgs To 34.93 Kgs"; "." as the point
};

// The range for the selection. A height that is not an item of the table gives 0, 0 and an
// empty text; the height list offers none such.
IbwResult CalculateIdealBodyWeight(const IbwSelection &selection);

} // namespace vellora
