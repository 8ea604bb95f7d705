// The Body Mass Index: any picked items give a message or a result whose index text is the
// index in the pattern "##,##0.00", and any double is written in that pattern or as "nan",
// "inf" or "-inf".

#include "FuzzCheck.h"
#include "calculators/bmi/BodyMassIndex.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <string>

using namespace vellora;

namespace {

// Whether the text has the pattern: an optional "-", one to three digits, groups of ",ddd",
// then "." and two digits.
bool HasPattern(const std::string &text) {
    const std::size_t sign = !text.empty() && text.front() == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    if (point == std::string::npos || text.size() != point + 3 || point <= sign)
        return false;
    const auto digit = [](char c) {
        return c >= '0' && c <= '9';
    };
    if (!digit(text[point + 1]) || !digit(text[point + 2]))
        return false;
    const std::size_t integerDigits = point - sign;
    for (std::size_t i = 0; i < integerDigits; ++i) {
        const char c = text[sign + i];
        const bool comma = (integerDigits - i) % 4 == 0;
        if (comma ? c != ',' : !digit(c))
            return false;
    }
    // No leading zero before a group ("0,123.00"), and no "-" before zero.
    if (integerDigits > 1 && text[sign] == '0')
        return false;
    return !(sign && text.find_first_not_of("0.,", sign) == std::string::npos);
}

void CheckFormat(double value) {
    const std::string text = FormatBodyMassIndex(value);
    if (std::isnan(value)) {
        CHECK(text == "nan", text);
        return;
    }
    if (std::isinf(value)) {
        CHECK(text == (value > 0 ? "inf" : "-inf"), text);
        return;
    }
    CHECK(HasPattern(text), text);
    std::string plain;
    for (const char c : text) {
        if (c != ',')
            plain += c;
    }
    // Rounded to hundredths from 15 significant digits (read wider than a double: those digits
    // of the largest double lie beyond it).
    const long double shown = std::strtold(plain.c_str(), nullptr);
    const long double error = std::fabs(shown - static_cast<long double>(value));
    CHECK(error <= 0.005L + std::fabs(static_cast<long double>(value)) * 1e-14L, text);
}

// Mostly what the lists hold; now and then anything at all, which clears fromLists.
std::string PickedText(FuzzedDataProvider &input, bool tenths, bool &fromLists) {
    if (input.ConsumeIntegralInRange(0, 7) == 0) {
        fromLists = false;
        return input.ConsumeRandomLengthString(12);
    }
    if (tenths)
        return '.' + std::to_string(input.ConsumeIntegralInRange(0, 9));
    return std::to_string(input.ConsumeIntegralInRange(0, 1000));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    CheckFormat(input.ConsumeFloatingPoint<double>());
    // The bit patterns the line above never makes: every not-a-number, the smallest numbers.
    CheckFormat(input.ConsumeIntegral<uint64_t>() == 0 ? 0.0 : [&input] {
        const uint64_t bits = input.ConsumeIntegral<uint64_t>();
        double value;
        static_assert(sizeof value == sizeof bits);
        __builtin_memcpy(&value, &bits, sizeof value);
        return value;
    }());

    BmiSelection selection;
    selection.weightUnit =
        input.PickValueInArray({WeightUnit::None, WeightUnit::Kilograms, WeightUnit::Pounds});
    selection.heightUnit =
        input.PickValueInArray({HeightUnit::None, HeightUnit::Meters, HeightUnit::Inches});
    bool fromLists = true;
    selection.weightWhole = PickedText(input, false, fromLists);
    selection.weightTenths = PickedText(input, true, fromLists);
    selection.heightWhole = PickedText(input, false, fromLists);
    selection.heightTenths = PickedText(input, true, fromLists);
    const std::string picked = selection.weightWhole + selection.weightTenths + " / " +
                               selection.heightWhole + selection.heightTenths;

    const BmiOutcome outcome = CalculateBodyMassIndex(selection);
    if (const auto *refusal = std::get_if<BmiRefusal>(&outcome)) {
        const bool unitMissing =
            selection.weightUnit == WeightUnit::None || selection.heightUnit == HeightUnit::None;
        CHECK(unitMissing == (*refusal == BmiRefusal::SelectBoth), picked);
        return 0;
    }
    const BmiResult &result = std::get<BmiResult>(outcome);
    CHECK(result.bodyMassIndexText == FormatBodyMassIndex(result.bodyMassIndex), picked);
    // Items of the lists always give a number ("nan" typed into a list item would not).
    if (fromLists)
        CHECK(std::isfinite(result.bodyMassIndex) && result.bodyMassIndex >= 0.0, picked);
    CHECK(result.verdict >= BmiClass::Underweight && result.verdict <= BmiClass::Obese, picked);
    CHECK(result.weightUnit == selection.weightUnit && result.heightUnit == selection.heightUnit,
          picked);
    return 0;
}
