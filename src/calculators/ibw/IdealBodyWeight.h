#pragma once

// Ideal Body Weight: a sex and a height to the ideal weight range, in pounds or kilograms, from
// a fixed table. Plain C++, no window system.

#include "calculators/Sex.h"
#include "calculators/WeightUnit.h"

#include <array>
#include <optional>

namespace vellora {

// One height of the height list and the ideal range at that height, in whole pounds.
struct IdealWeightRow {
    int feet; // the height: 4 feet 6 inches
    int inches;
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
    {4, 6, 63, 77, 63, 77},
    {4, 7, 68, 84, 68, 83},
    {4, 8, 74, 90, 72, 88},
    {4, 9, 79, 97, 77, 94},
    {4, 10, 85, 103, 81, 99},
    {4, 11, 90, 110, 86, 105},
    {5, 0, 95, 117, 90, 110},
    {5, 1, 101, 123, 95, 116},
    {5, 2, 106, 130, 99, 121},
    {5, 3, 112, 136, 104, 127},
    {5, 4, 117, 143, 108, 132},
    {5, 5, 122, 150, 113, 138},
    {5, 6, 128, 156, 117, 143},
    {5, 7, 133, 163, 122, 149},
    {5, 8, 139, 169, 126, 154},
    {5, 9, 144, 176, 131, 160},
    {5, 10, 149, 183, 135, 165},
    {5, 11, 155, 189, 140, 171},
    {6, 0, 160, 196, 144, 176},
    {6, 1, 166, 202, 149, 182},
    {6, 2, 171, 209, 153, 187},
    {6, 3, 176, 216, 158, 193},
    {6, 4, 182, 222, 162, 198},
    {6, 5, 187, 229, 167, 204},
    {6, 6, 193, 235, 171, 209},
    {6, 7, 198, 242, 176, 215},
    {6, 8, 203, 249, 180, 220},
    {6, 9, 209, 255, 185, 226},
    {6, 10, 214, 262, 189, 231},
    {6, 11, 220, 268, 194, 237},
}};
// clang-format on

struct IbwSelection {
    Sex sex = Sex::Male;
    int heightRow = 0;                    // the position of the picked height in the table
    WeightUnit unit = WeightUnit::Pounds; // anything but Kilograms counts as pounds
};

// The range in the chosen unit: whole pounds as they stand, kilograms rounded to two decimals
// (28.58 to 34.93).
struct IbwResult {
    double low = 0.0;
    double high = 0.0;
};

// The range for the selection; none for a row outside the table, which the height list, filled
// from the table, does not offer.
std::optional<IbwResult> CalculateIdealBodyWeight(const IbwSelection &selection);

} // namespace vellora
