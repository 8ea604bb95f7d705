#include "calculators/ibw/IdealBodyWeight.h"

#include "calculators/DecimalRounding.h"
#include "calculators/UnitConversion.h"

#include <charconv>
#include <cstddef>
#include <string>

namespace vellora {

namespace {

// One end of the range in the chosen unit: whole pounds as they stand, kilograms converted and
// rounded to two decimals. No whole pound of the table converts to a value that ends in an exact
// half at the third decimal (the nearest, 135 pounds, is 61.23496995 kg), so how halves round
// never shows here.
double ConvertEnd(int pounds, bool kilograms) {
    if (!kilograms) {
        return static_cast<double>(pounds);
    }
    const std::string text = RoundToHundredths(pounds * kKilogramsPerPound);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

std::optional<IbwResult> CalculateIdealBodyWeight(const IbwSelection &selection) {
    if (selection.heightRow < 0 || std::size_t(selection.heightRow) >= IdealWeightTable.size()) {
        return std::nullopt;
    }
    const IdealWeightRow &row = IdealWeightTable[std::size_t(selection.heightRow)];
    const bool male = selection.sex == Sex::Male;
    const bool kilograms = selection.unit == WeightUnit::Kilograms;
    return IbwResult{ConvertEnd(male ? row.maleLow : row.femaleLow, kilograms),
                     ConvertEnd(male ? row.maleHigh : row.femaleHigh, kilograms)};
}

} // namespace vellora
