#pragma once

// What a fuzz target does when a property fails: say which, with the text that broke it, and
// abort, so that libFuzzer keeps the input and the replay of a corpus fails.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vellora::fuzz {

[[noreturn]] inline void Fail(const char *property, std::string_view input, const char *file,
                              int line) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n  input: \"", file, line, property);
    for (const char c : input) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\')
            std::fputc(byte, stderr);
        else
            std::fprintf(stderr, "\\x%02X", byte);
    }
    std::fputs("\"\n", stderr);
    std::abort();
}

} // namespace vellora::fuzz

// CHECK(property, input): the property must hold for this input.
#define CHECK(property, input)                                                                     \
    do {                                                                                           \
        if (!(property))                                                                           \
            ::vellora::fuzz::Fail(#property, (input), __FILE__, __LINE__);                         \
    } while (false)
