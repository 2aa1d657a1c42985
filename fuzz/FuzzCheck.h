#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken property ends the fuzz run at once with the reason; libFuzzer then saves
// the input that caused it.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s\n  ", #condition);                           \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fprintf(stderr, "\n");                                                            \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// A reference value read from a number text in the C locale's format ("-1.5e3"),
// whatever C library locale is in force; a magnitude beyond the long double's range
// reads as infinity, one below it as zero, as strtold would give them.
inline long double ReadReference(std::string_view text) {
    long double value = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec != std::errc::result_out_of_range)
        return value;
    // Out of range: the decimal exponent of the first significant digit tells which way.
    const std::size_t e = std::min(text.find_first_of("eE"), text.size());
    const std::string_view mantissa = text.substr(0, e);
    long long exponent = 0;
    if (e < text.size()) {
        const std::string_view power = text.substr(e + 1);
        std::from_chars(power.data() + (power.substr(0, 1) == "+"), power.data() + power.size(),
                        exponent);
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    const long long digitsBeforePoint = first == std::string_view::npos ? 0
                                        : first < point                 ? (long long)(point - first)
                                                        : -(long long)(first - point - 1);
    value = digitsBeforePoint + exponent > 0 ? HUGE_VALL : 0.0L;
    return text.substr(0, 1) == "-" ? -value : value;
}
