#include "calculators/whr/WaistHipRatio.h"

#include <algorithm>
#include <array>

namespace vellora {

namespace {

// Each zone starts at its threshold and stops short of the next one, in hundredths.
constexpr std::array<int, 4> kMaleThresholds{85, 90, 95, 100};
constexpr std::array<int, 4> kFemaleThresholds{75, 80, 85, 90};

} // namespace

WaistHipRatio ClassifyWaistHipRatio(Sex sex, int waist, int hip) {
    // waist / hip rounded to hundredths, a half up: floor((100 waist / hip) + 1/2).
    const int hundredths = (200 * waist + hip) / (2 * hip);
    const auto &thresholds = sex == Sex::Male ? kMaleThresholds : kFemaleThresholds;
    const auto zone = std::ranges::count_if(
        thresholds, [hundredths](int threshold) { return hundredths >= threshold; });
    return {hundredths, static_cast<WaistHipRiskZone>(zone)};
}

WaistHipOutcome CalculateWaistHipRatio(Sex sex, std::string_view waistText,
                                       std::string_view hipText) {
    const auto waist = ReadWholeMeasure(waistText);
    const auto hip = ReadWholeMeasure(hipText);
    const std::variant<int, MeasureProblem> empty = MeasureProblem::Empty;
    // An empty box is asked for first, the waist before the hip; then what is wrong is told.
    if (waist == empty)
        return WaistHipRefusal{WaistHipBox::Waist, WaistHipProblem::Empty};
    if (hip == empty)
        return WaistHipRefusal{WaistHipBox::Hip, WaistHipProblem::Empty};
    if (const auto *problem = std::get_if<MeasureProblem>(&waist))
        return WaistHipRefusal{WaistHipBox::Waist, static_cast<WaistHipProblem>(*problem)};
    if (const auto *problem = std::get_if<MeasureProblem>(&hip))
        return WaistHipRefusal{WaistHipBox::Hip, static_cast<WaistHipProblem>(*problem)};
    if (std::get<int>(hip) == 0)
        return WaistHipRefusal{WaistHipBox::Hip, WaistHipProblem::ZeroHip};
    return ClassifyWaistHipRatio(sex, std::get<int>(waist), std::get<int>(hip));
}

} // namespace vellora
