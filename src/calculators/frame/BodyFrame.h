#pragma once

// Body frame size: from the sex, the height band and the elbow breadth to a small, medium or
// large frame, and from the elbow box's text to that frame or to the message the window shows
// instead. Plain C++, no window system.

#include "calculators/Sex.h"

#include <array>
#include <string>
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

// "Small", "Medium", "Large".
const char *BodyFrameSizeWord(BodyFrameSize size);
// "You have a Medium Frame".
std::string BodyFrameSentence(BodyFrameSize size);

// What the window says instead of a result; the user is sent back to the elbow box.
struct BodyFrameRefusal {
    std::string message;
};
using BodyFrameOutcome = std::variant<BodyFrameSize, BodyFrameRefusal>;

// Reads the elbow box's text, then classifies.
BodyFrameOutcome CalculateBodyFrame(Sex sex, int heightBand, std::string_view elbowText);

} // namespace vellora
