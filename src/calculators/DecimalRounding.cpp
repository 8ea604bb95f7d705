#include "calculators/DecimalRounding.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace vellora {

std::string RoundToHundredths(double value) {
    // Spelled out: to_chars would write a not-a-number with its sign bit set as "-nan".
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value > 0 ? "inf" : "-inf";
    }

    // 15 significant digits: "-d.dddddddddddddde-XXX" at the longest, which the buffer holds.
    std::array<char, 64> buffer{};
    constexpr int kSignificantDigits = 15;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    std::string_view text(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));

    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    const std::size_t exponentMark = text.find('e');
    std::string significand(text.substr(0, exponentMark));
    std::erase(significand, '.');
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
        // Nines turn to zeros and carry one place up; past the highest place the carry is a 1.
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') {
            kept[--i] = '0';
        }
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }

    kept.insert(kept.size() - 2, 1, '.');
    if (negative && kept.find_first_not_of("0.") != std::string::npos) {
        kept.insert(kept.begin(), '-');
    }
    return kept;
}

} // namespace vellora
