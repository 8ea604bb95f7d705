#include "calculators/whr/WaistHipRatio.h"

#include "calculators/MeasureText.h"

#include <array>

namespace vellora {

namespace {

// Each zone starts at its threshold and stops short of the next one, in hundredths.
constexpr std::array<int, 4> kMaleThresholds{85, 90, 95, 100};
constexpr std::array<int, 4> kFemaleThresholds{75, 80, 85, 90};

struct BoxWords {
    WaistHipBox box;
    const char *empty;
    const char *notANumber;
    const char *negative;
    const char *tooLarge;
};

constexpr BoxWords kWaist{
    WaistHipBox::Waist,
    "Please enter size of your waist",
    "Please enter size of your waist as a number of cms, such as 85",
    "The size of your waist cannot be less than 0",
    "The size of your waist cannot be more than 32767 cms",
};
constexpr BoxWords kHip{
    WaistHipBox::Hip,
    "Please enter size of your hip",
    "Please enter size of your hip as a number of cms, such as 100",
    "The size of your hip cannot be less than 0",
    "The size of your hip cannot be more than 32767 cms",
};
constexpr const char *kHipZero = "The size of your hip must be more than 0";

WaistHipRefusal Refusal(const BoxWords &words, MeasureProblem problem) {
    switch (problem) {
    case MeasureProblem::Empty:
        return {words.box, words.empty};
    case MeasureProblem::NotANumber:
        return {words.box, words.notANumber};
    case MeasureProblem::Negative:
        return {words.box, words.negative};
    case MeasureProblem::TooLarge:
        break;
    }
    return {words.box, words.tooLarge};
}

} // namespace

WaistHipRatio ClassifyWaistHipRatio(Sex sex, int waist, int hip) {
    WaistHipRatio result;
    // waist / hip rounded to hundredths, a half up: floor((100 waist / hip) + 1/2).
    result.hundredths = (200 * waist + hip) / (2 * hip);
    const auto &thresholds = sex == Sex::Male ? kMaleThresholds : kFemaleThresholds;
    int zone = 0;
    for (int threshold : thresholds) {
        if (result.hundredths >= threshold)
            ++zone;
    }
    result.zone = static_cast<WaistHipRiskZone>(zone);
    return result;
}

const char *WaistHipRiskZoneSentence(WaistHipRiskZone zone) {
    switch (zone) {
    case WaistHipRiskZone::VeryLow:
        return "You are in Very Low Risk Zone";
    case WaistHipRiskZone::Low:
        return "You are in Low Risk Zone";
    case WaistHipRiskZone::Moderate:
        return "You are in Moderate Risk Zone";
    case WaistHipRiskZone::High:
        return "You are in High Risk Zone";
    case WaistHipRiskZone::VeryHigh:
        break;
    }
    return "You are in Very High Risk Zone";
}

WaistHipOutcome CalculateWaistHipRatio(Sex sex, std::string_view waistText,
                                       std::string_view hipText) {
    const auto waist = ReadWholeMeasure(waistText);
    const auto hip = ReadWholeMeasure(hipText);
    auto isEmpty = [](const std::variant<int, MeasureProblem> &reading) {
        const auto *problem = std::get_if<MeasureProblem>(&reading);
        return problem && *problem == MeasureProblem::Empty;
    };
    // An empty box is asked for first, the waist before the hip; then what is wrong is told.
    if (isEmpty(waist))
        return Refusal(kWaist, MeasureProblem::Empty);
    if (isEmpty(hip))
        return Refusal(kHip, MeasureProblem::Empty);
    if (const auto *problem = std::get_if<MeasureProblem>(&waist))
        return Refusal(kWaist, *problem);
    if (const auto *problem = std::get_if<MeasureProblem>(&hip))
        return Refusal(kHip, *problem);
    // A hip of 0 (also "0.5", which rounds to 0) leaves nothing to divide by.
    if (std::get<int>(hip) == 0)
        return WaistHipRefusal{WaistHipBox::Hip, kHipZero};
    return ClassifyWaistHipRatio(sex, std::get<int>(waist), std::get<int>(hip));
}

} // namespace vellora
