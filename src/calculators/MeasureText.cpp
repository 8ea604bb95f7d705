#include "calculators/MeasureText.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace vellora {

namespace {

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool AllZeros(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '0'; });
}

// A decimal number of 0 or more as written: the digits before the point (leading zeros left
// out) and the digits after it.
struct DecimalText {
    std::string_view unsignedText; // digits and point, as typed
    std::string_view whole;
    std::string_view fraction;

    bool isZero() const { return whole.empty() && AllZeros(fraction); }
};

// Blanks at either end are left out; a negative number is refused here for both readers.
std::variant<DecimalText, MeasureProblem> SplitDecimal(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return MeasureProblem::Empty;
    text = text.substr(first, text.find_last_not_of(" \t") + 1 - first);

    const bool minus = text.front() == '-';
    if (minus || text.front() == '+')
        text.remove_prefix(1);
    DecimalText parts;
    parts.unsignedText = text;
    const std::size_t point = text.find('.');
    parts.whole = text.substr(0, point);
    if (point != std::string_view::npos)
        parts.fraction = text.substr(point + 1);
    // One point at most, digits around it, and at least one digit in all.
    if (!AllDigits(parts.whole) || !AllDigits(parts.fraction) ||
        (parts.whole.empty() && parts.fraction.empty()))
        return MeasureProblem::NotANumber;
    while (!parts.whole.empty() && parts.whole.front() == '0')
        parts.whole.remove_prefix(1);
    // "-0" and "-0.0" are 0; any other minus sign makes the number negative.
    if (minus && !parts.isZero())
        return MeasureProblem::Negative;
    return parts;
}

} // namespace

std::variant<int, MeasureProblem> ReadWholeMeasure(std::string_view text) {
    const auto split = SplitDecimal(text);
    if (const auto *problem = std::get_if<MeasureProblem>(&split))
        return *problem;
    const DecimalText &number = std::get<DecimalText>(split);
    // Six digits or more are past the largest measurement, however the fraction rounds.
    if (number.whole.size() > 5)
        return MeasureProblem::TooLarge;

    int value = 0;
    for (char digit : number.whole)
        value = value * 10 + (digit - '0');
    if (!number.fraction.empty()) {
        const char first = number.fraction.front();
        const bool aboveHalf =
            first > '5' || (first == '5' && !AllZeros(number.fraction.substr(1)));
        const bool exactHalf = first == '5' && !aboveHalf;
        if (aboveHalf || (exactHalf && value % 2 == 1))
            ++value;
    }
    if (value > kLargestWholeMeasure)
        return MeasureProblem::TooLarge;
    return value;
}

std::variant<double, MeasureProblem> ReadDecimalMeasure(std::string_view text) {
    const auto split = SplitDecimal(text);
    if (const auto *problem = std::get_if<MeasureProblem>(&split))
        return *problem;
    const DecimalText &number = std::get<DecimalText>(split);

    // from_chars reads the same in every locale, unlike strtod.
    double value = 0.0;
    const char *end = number.unsignedText.data() + number.unsignedText.size();
    const auto [stop, error] =
        std::from_chars(number.unsignedText.data(), end, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        return number.whole.empty() ? std::variant<double, MeasureProblem>(0.0)
                                    : MeasureProblem::TooLarge;
    if (error != std::errc() || stop != end)
        return MeasureProblem::NotANumber;
    return value;
}

} // namespace vellora
