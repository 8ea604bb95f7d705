#pragma once

// Body frame size: from the sex, the height band and the elbow breadth to a small, medium or
// large frame, and from the elbow box's text to that frame or to what is wrong with the text.
// Plain C++, no window system; the window owns the words.

#include "calculators/MeasureText.h"
#include "calculators/Sex.h"

#include <array>
#include <string_view>
#include <variant>

namespace vellora {

enum class BodyFrameSize { Small, Medium, Large };

inline constexpr int kHeightBandCount = 5;

// The height list of the sex, in list order ("5'2'' - 5'3''" ... "6'4''" for a man). A band is
// its position in this list: the same text is band 1 for a man and band 2 for a woman.
const std::array<const char *, kHeightBandCount> &HeightBands(Sex sex);

// heightBand 0 to 4 (a band outside is taken as the nearest one); elbow in inches. Medium from
// the band's lower bound to its upper bound, both included.
BodyFrameSize ClassifyBodyFrame(Sex sex, int heightBand, double elbow);

// The frame, or what is wrong with the elbow box's text; the user is sent back to that box.
using BodyFrameOutcome = std::variant<BodyFrameSize, MeasureProblem>;

// Reads the elbow box's text, then classifies.
BodyFrameOutcome CalculateBodyFrame(Sex sex, int heightBand, std::string_view elbowText);

} // namespace vellora
