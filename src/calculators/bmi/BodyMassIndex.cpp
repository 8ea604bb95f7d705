#include "calculators/bmi/BodyMassIndex.h"

#include "calculators/DecimalRounding.h"
#include "calculators/UnitConversion.h"

#include <charconv>
#include <cstddef>
#include <string_view>
#include <system_error>

namespace vellora {

namespace {

constexpr double kNormalFrom = 18.5;
constexpr double kOverweightFrom = 25.0;
constexpr double kObeseFrom = 30.0;

// The picked whole part and tenths joined ("70" and ".5" give "70.5") and read as a decimal
// number. The lists only hold numbers; anything else reads as far as it is a number, or as 0.
double ReadPickedValue(const std::string &whole, const std::string &tenths) {
    const std::string joined = whole + tenths;
    double value = 0.0;
    const auto read = std::from_chars(joined.data(), joined.data() + joined.size(), value);
    return read.ec == std::errc() ? value : 0.0;
}

BmiClass Classify(double bodyMassIndex) {
    if (bodyMassIndex < kNormalFrom) {
        return BmiClass::Underweight;
    }
    if (bodyMassIndex < kOverweightFrom) {
        return BmiClass::Normal;
    }
    if (bodyMassIndex < kObeseFrom) {
        return BmiClass::Overweight;
    }
    return BmiClass::Obese;
}

// Inserts "," between groups of three digits of an integer digit string.
std::string GroupThousands(std::string_view digits) {
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

std::string FormatBodyMassIndex(double value) {
    const std::string rounded = RoundToHundredths(value);
    const std::size_t point = rounded.find('.');
    if (point == std::string::npos) {
        return rounded; // not a finite number
    }
    const std::size_t sign = rounded.front() == '-' ? 1 : 0;
    return rounded.substr(0, sign) +
           GroupThousands(std::string_view(rounded).substr(sign, point - sign)) +
           rounded.substr(point);
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
