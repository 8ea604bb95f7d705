#pragma once

// Waist-hip ratio: from the sex and the waist and hip in whole centimetres to one of five risk
// zones, and from the texts of the two boxes to that zone or to what is wrong with them. Plain
// C++, no window system; the window owns the words.

#include "calculators/MeasureText.h"
#include "calculators/Sex.h"

#include <string_view>
#include <variant>

namespace vellora {

enum class WaistHipRiskZone { VeryLow, Low, Moderate, High, VeryHigh };

struct WaistHipRatio {
    int hundredths = 0; // waist / hip to two decimals, an exact half up: 85 stands for 0.85
    WaistHipRiskZone zone = WaistHipRiskZone::VeryLow;
};

// waist 0 to 32767, hip 1 to 32767. The zone is chosen from the rounded ratio, which is worked
// out exactly in whole numbers.
WaistHipRatio ClassifyWaistHipRatio(Sex sex, int waist, int hip);

// Why there is no result, and the box the user is sent back to.
enum class WaistHipBox { Waist, Hip };
// A box is refused with the problem its text reads with, or for a hip of 0.
enum class WaistHipProblem {
    Empty = static_cast<int>(MeasureProblem::Empty),
    NotANumber = static_cast<int>(MeasureProblem::NotANumber),
    Negative = static_cast<int>(MeasureProblem::Negative),
    TooLarge = static_cast<int>(MeasureProblem::TooLarge),
    ZeroHip, // a hip of 0 (also "0.5", which rounds to 0) leaves nothing to divide by
};
struct WaistHipRefusal {
    WaistHipBox box;
    WaistHipProblem problem;
};
using WaistHipOutcome = std::variant<WaistHipRatio, WaistHipRefusal>;

// Reads the two box texts (an empty waist is reported before an empty hip), then classifies.
WaistHipOutcome CalculateWaistHipRatio(Sex sex, std::string_view waistText,
                                       std::string_view hipText);

} // namespace vellora
