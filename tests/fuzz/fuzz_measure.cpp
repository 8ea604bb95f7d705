// The measurement boxes of the Waist-Hip Ratio and Body Frame Size windows: pasted text of any
// kind is read as the number it is, or refused with a message; never misread.

#include "FuzzCheck.h"
#include "calculators/MeasureText.h"
#include "calculators/frame/BodyFrame.h"
#include "calculators/whr/WaistHipRatio.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <charconv>
#include <cmath>
#include <string>

using namespace vellora;

namespace {

std::string Shortest(double value) {
    std::array<char, 400> buffer{}; // the largest double has 309 digits
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

void CheckReaders(const std::string &text) {
    const auto whole = ReadWholeMeasure(text);
    const auto decimal = ReadDecimalMeasure(text);
    if (const auto *problem = std::get_if<MeasureProblem>(&decimal)) {
        // What is no number, or a negative one, is the same to both readers.
        const auto *wholeProblem = std::get_if<MeasureProblem>(&whole);
        CHECK(wholeProblem && *wholeProblem == *problem, text);
        return;
    }
    const double value = std::get<double>(decimal);
    CHECK(std::isfinite(value) && value >= 0.0, text);
    // Written out and read again, the number is the same double.
    const auto again = ReadDecimalMeasure(Shortest(value));
    CHECK(std::holds_alternative<double>(again) && std::get<double>(again) == value, text);

    if (const auto *problem = std::get_if<MeasureProblem>(&whole)) {
        CHECK(*problem == MeasureProblem::TooLarge && value >= kLargestWholeMeasure + 0.5, text);
        return;
    }
    const int rounded = std::get<int>(whole);
    CHECK(rounded >= 0 && rounded <= kLargestWholeMeasure, text);
    CHECK(std::fabs(value - rounded) <= 0.5 + value * 1e-15, text);
    const auto wholeAgain = ReadWholeMeasure(std::to_string(rounded));
    CHECK(std::holds_alternative<int>(wholeAgain) && std::get<int>(wholeAgain) == rounded, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    const Sex sex = input.ConsumeBool() ? Sex::Male : Sex::Female;
    const int band = input.ConsumeIntegral<int>();
    const std::string first = input.ConsumeRandomLengthString(80);
    const std::string second = input.ConsumeRemainingBytesAsString();
    const std::string both = first + '|' + second;

    CheckReaders(first);
    CheckReaders(second);

    const WaistHipOutcome ratio = CalculateWaistHipRatio(sex, first, second);
    if (const auto *result = std::get_if<WaistHipRatio>(&ratio)) {
        const int waist = std::get<int>(ReadWholeMeasure(first));
        const int hip = std::get<int>(ReadWholeMeasure(second));
        CHECK(hip > 0, both);
        CHECK(std::fabs(result->hundredths / 100.0 - double(waist) / hip) <= 0.005 + 1e-12, both);
        CHECK(result->zone >= WaistHipRiskZone::VeryLow &&
                  result->zone <= WaistHipRiskZone::VeryHigh,
              both);
    } else {
        const auto &refusal = std::get<WaistHipRefusal>(ratio);
        // Only the hip can be 0, and only a hip that reads as a number is.
        if (refusal.problem == WaistHipProblem::ZeroHip)
            CHECK(refusal.box == WaistHipBox::Hip &&
                      std::holds_alternative<int>(ReadWholeMeasure(second)),
                  both);
        // The waist box is blamed only when it cannot be read, and then only after an empty hip.
        if (refusal.box == WaistHipBox::Waist)
            CHECK(!std::holds_alternative<int>(ReadWholeMeasure(first)), both);
    }

    const BodyFrameOutcome frame = CalculateBodyFrame(sex, band, first);
    if (const auto *size = std::get_if<BodyFrameSize>(&frame)) {
        CHECK(std::holds_alternative<double>(ReadDecimalMeasure(first)), first);
        CHECK(*size == ClassifyBodyFrame(sex, band, std::get<double>(ReadDecimalMeasure(first))),
              first);
    } else {
        CHECK(std::get<MeasureProblem>(frame) ==
                  std::get<MeasureProblem>(ReadDecimalMeasure(first)),
              first);
    }
    return 0;
}
