#include "calculators/frame/BodyFrame.h"

#include <algorithm>

namespace vellora {

namespace {

// The elbow breadths that make a medium frame, in whole eighths of an inch, both ends included.
struct MediumRange {
    int low;
    int high;
};

constexpr std::array<MediumRange, kHeightBandCount> kMaleRanges{
    {{20, 23}, {21, 23}, {22, 24}, {22, 25}, {23, 26}}};
constexpr std::array<MediumRange, kHeightBandCount> kFemaleRanges{
    {{18, 20}, {18, 20}, {19, 21}, {19, 21}, {20, 22}}};

constexpr std::array<const char *, kHeightBandCount> kMaleBands{
    "5'2'' - 5'3''", "5'4'' - 5'7''", "5'8'' - 5'11''", "6'0'' - 6'3''", "6'4''"};
constexpr std::array<const char *, kHeightBandCount> kFemaleBands{
    "4'10'' - 4'11''", "5'0'' - 5'3''", "5'4'' - 5'7''", "5'8'' - 5'11''", "6'0''"};

} // namespace

const std::array<const char *, kHeightBandCount> &HeightBands(Sex sex) {
    return sex == Sex::Male ? kMaleBands : kFemaleBands;
}

BodyFrameSize ClassifyBodyFrame(Sex sex, int heightBand, double elbow) {
    const auto &ranges = sex == Sex::Male ? kMaleRanges : kFemaleRanges;
    const MediumRange range =
        ranges[static_cast<std::size_t>(std::clamp(heightBand, 0, kHeightBandCount - 1))];
    // Eight times a double is exact (a power of two), and so is every bound in eighths, so
    // 2.875 meets the bound 23 exactly and 2.88 lies above it.
    const double eighths = elbow * 8.0;
    if (eighths < range.low)
        return BodyFrameSize::Small;
    if (eighths > range.high)
        return BodyFrameSize::Large;
    return BodyFrameSize::Medium;
}

BodyFrameOutcome CalculateBodyFrame(Sex sex, int heightBand, std::string_view elbowText) {
    const auto elbow = ReadDecimalMeasure(elbowText);
    if (const auto *problem = std::get_if<MeasureProblem>(&elbow))
        return *problem;
    return ClassifyBodyFrame(sex, heightBand, std::get<double>(elbow));
}

} // namespace vellora
