#include "calculators/bmi/BodyMassIndex.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <system_error>
#include <utility>

namespace vellora {

namespace {

// Pounds to kilograms as the calculator has always done it: six decimals of 1/2.2.
constexpr double kKilogramsPerPound = 0.454545;
// An inch counts as 2.5 centimetres.
constexpr double kCentimetresPerInch = 2.5;
constexpr double kCentimetresPerMeter = 100.0;

constexpr double kNormalFrom = 18.5;
constexpr double kOverweightFrom = 25.0;
constexpr double kObeseFrom = 30.0;

// The picked whole part and tenths joined ("70" and ".5" give "70.5") and read as a decimal
// number. The lists only hold numbers; anything else reads as far as it is a number, or as 0.
double ReadPickedValue(const std::string &whole, const std::string &tenths) {
    const std::string joined = whole + tenths;
    double value = 0.0;
    const auto [end, error] = std::from_chars(joined.data(), joined.data() + joined.size(), value);
    static_cast<void>(end);
    if (error != std::errc()) {
        return 0.0;
    }
    return value;
}

// Shortest decimal form of a picked value: "70", "70.5", "0.5".
std::string ShortestDecimal(double value) {
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
    if (error != std::errc()) {
        return "0";
    }
    return std::string(buffer.data(), end);
}

const char *Classify(double bodyMassIndex) {
    if (bodyMassIndex < kNormalFrom) {
        return "You are Underweight";
    }
    if (bodyMassIndex < kOverweightFrom) {
        return "You weight is Normal";
    }
    if (bodyMassIndex < kObeseFrom) {
        return "You are Overweight";
    }
    return "You are Obese";
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
    std::array<char, 64> buffer{};
    if (!std::isfinite(value)) {
        const auto [end, error] =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
        return error == std::errc() ? std::string(buffer.data(), end) : std::string();
    }

    // 15 significant digits: "d.dddddddddddddde+XX".
    constexpr int kSignificantDigits = 15;
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::scientific, kSignificantDigits - 1);
    if (error != std::errc()) {
        return "0.00";
    }
    std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    const std::size_t exponentMark = text.find('e');
    std::string significand;
    for (const char c : text.substr(0, exponentMark)) {
        if (c != '.') {
            significand += c;
        }
    }
    std::string_view exponentText = text.substr(exponentMark + 1);
    if (!exponentText.empty() && exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    // significand[i] has the place value 10^(exponent - i). Keep every place from the units
    // (or the leading digit, if higher) down to hundredths; the thousandths digit decides.
    const auto digitAt = [&](int place) {
        const int index = exponent - place;
        if (index < 0 || index >= static_cast<int>(significand.size())) {
            return '0';
        }
        return significand[static_cast<std::size_t>(index)];
    };
    const int highestPlace = exponent > 0 ? exponent : 0;
    std::string kept;
    for (int place = highestPlace; place >= -2; --place) {
        kept += digitAt(place);
    }

    if (digitAt(-3) >= '5') {
        std::size_t i = kept.size();
        bool carry = true;
        while (carry && i > 0) {
            --i;
            if (kept[i] == '9') {
                kept[i] = '0';
            } else {
                ++kept[i];
                carry = false;
            }
        }
        if (carry) {
            kept.insert(kept.begin(), '1');
        }
    }

    const std::string_view keptView(kept);
    const std::string_view integerPart = keptView.substr(0, kept.size() - 2);
    const std::string_view fraction = keptView.substr(kept.size() - 2);

    std::string formatted;
    if (negative && kept.find_first_not_of('0') != std::string::npos) {
        formatted += '-';
    }
    formatted += GroupThousands(integerPart);
    formatted += '.';
    formatted += fraction;
    return formatted;
}

BmiOutcome CalculateBodyMassIndex(const BmiSelection &selection) {
    if (selection.weightUnit == WeightUnit::None) {
        return BmiMessage{kSelectBothMessage};
    }
    if (selection.heightUnit == HeightUnit::None) {
        return BmiMessage{kSelectBothMessage};
    }

    const double weightValue = ReadPickedValue(selection.weightWhole, selection.weightTenths);
    const bool pounds = selection.weightUnit == WeightUnit::Pounds;
    std::string weightText = ShortestDecimal(weightValue) + (pounds ? " Pounds" : " Kilograms");
    double kilograms = weightValue;
    if (pounds) {
        kilograms = weightValue * kKilogramsPerPound;
    }

    const double heightValue = ReadPickedValue(selection.heightWhole, selection.heightTenths);
    const bool inches = selection.heightUnit == HeightUnit::Inches;
    std::string heightText = ShortestDecimal(heightValue) + (inches ? " Inches" : " Meters");
    double meters = heightValue;
    if (inches) {
        const double centimetres = heightValue * kCentimetresPerInch;
        meters = centimetres / kCentimetresPerMeter;
    }

    const double squaredMeters = meters * meters;
    if (squaredMeters == 0.0) {
        return BmiMessage{kCorrectHeightMessage};
    }
    const double bodyMassIndex = kilograms / squaredMeters;

    BmiResult result;
    result.weightText = std::move(weightText);
    result.heightText = std::move(heightText);
    result.bodyMassIndex = bodyMassIndex;
    result.bodyMassIndexText = FormatBodyMassIndex(bodyMassIndex);
    result.verdict = Classify(bodyMassIndex);
    return result;
}

} // namespace vellora
