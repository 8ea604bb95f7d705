#include "calculators/ibw/IdealBodyWeight.h"

#include "calculators/DecimalRounding.h"
#include "calculators/UnitConversion.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <utility>

namespace vellora {

namespace {

// One end of the range in the chosen unit, as a number and as written: whole pounds as they
// stand, kilograms rounded to two decimals and written without trailing zeros ("88", "30.84").
// No whole pound of the table converts to a value that ends in an exact half at the third
// decimal (the nearest, 135 pounds, is 61.23496995 kg), so how halves round never shows here.
struct RangeEnd {
    double value = 0.0;
    std::string text;
};

RangeEnd ConvertEnd(int pounds, bool kilograms) {
    if (!kilograms) {
        return {static_cast<double>(pounds), std::to_string(pounds)};
    }
    std::string text = RoundToHundredths(pounds * kKilogramsPerPound);
    RangeEnd end;
    std::from_chars(text.data(), text.data() + text.size(), end.value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    end.text = std::move(text);
    return end;
}

} // namespace

IbwResult CalculateIdealBodyWeight(const IbwSelection &selection) {
    const auto row = std::find_if(
        IdealWeightTable.begin(), IdealWeightTable.end(),
        [&](const IdealWeightRow &candidate) { return candidate.height == selection.height; });
    if (row == IdealWeightTable.end()) {
        return {};
    }
    const bool male = selection.sex == Sex::Male;
    const bool kilograms = selection.unit == WeightUnit::Kilograms;
    const RangeEnd low = ConvertEnd(male ? row->maleLow : row->femaleLow, kilograms);
    const RangeEnd high = ConvertEnd(male ? row->maleHigh : row->femaleHigh, kilograms);
    const std::string_view unit = kilograms ? " Kgs" : " Pounds";

    IbwResult result;
    result.low = low.value;
    result.high = high.value;
    result.text.append(low.text).append(unit).append(" To ").append(high.text).append(unit);
    return result;
}

} // namespace vellora
