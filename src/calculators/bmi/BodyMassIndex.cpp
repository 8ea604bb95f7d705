#include "calculators/bmi/BodyMassIndex.h"

#include "calculators/DecimalRounding.h"
#include "calculators/UnitConversion.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <system_error>

namespace vellora {

namespace {

// The picked whole part and tenths joined ("70" and ".5" give "70.5") and read as a decimal
// number. The lists only hold numbers; anything else reads as far as it is a number, or as 0.
double ReadPickedValue(const std::string &whole, const std::string &tenths) {
    const std::string joined = whole + tenths;
    double value = 0.0;
    const auto read = std::from_chars(joined.data(), joined.data() + joined.size(), value);
    return read.ec == std::errc() ? value : 0.0;
}

// Where Normal, Overweight and Obese begin.
constexpr std::array kClassFrom{18.5, 25.0, 30.0};

// The class counts the bounds the index is not below (an index that is not a number is below
// none of them).
BmiClass Classify(double bodyMassIndex) {
    return static_cast<BmiClass>(std::ranges::count_if(
        kClassFrom, [bodyMassIndex](double from) { return !(bodyMassIndex < from); }));
}

} // namespace

std::string FormatBodyMassIndex(double value) {
    std::string text = RoundToHundredths(value);
    const std::size_t point = text.find('.');
    if (point == std::string::npos) {
        return text; // not a finite number
    }
    // "," between the groups of three digits before the point, counted from the point.
    const std::size_t firstDigit = text.front() == '-' ? 1 : 0;
    for (std::size_t group = point; group > firstDigit + 3; group -= 3) {
        text.insert(group - 3, 1, ',');
    }
    return text;
}

BmiOutcome CalculateBodyMassIndex(const BmiSelection &selection) {
    if (selection.weightUnit == WeightUnit::None || selection.heightUnit == HeightUnit::None) {
        return BmiRefusal::SelectBoth;
    }

    const double weightValue = ReadPickedValue(selection.weightWhole, selection.weightTenths);
    const double kilograms =
        selection.weightUnit == WeightUnit::Pounds ? weightValue * kKilogramsPerPound : weightValue;
    const double heightValue = ReadPickedValue(selection.heightWhole, selection.heightTenths);
    const double meters =
        selection.heightUnit == HeightUnit::Inches ? heightValue * kMetersPerInch : heightValue;

    const double squaredMeters = meters * meters;
    if (squaredMeters == 0.0) {
        return BmiRefusal::CorrectHeight;
    }
    const double bodyMassIndex = kilograms / squaredMeters;

    return BmiResult{.weight = weightValue,
                     .weightUnit = selection.weightUnit,
                     .height = heightValue,
                     .heightUnit = selection.heightUnit,
                     .bodyMassIndex = bodyMassIndex,
                     .bodyMassIndexText = FormatBodyMassIndex(bodyMassIndex),
                     .verdict = Classify(bodyMassIndex)};
}

} // namespace vellora
