#pragma once

#include "numeric/DecimalWriter.h"

#include <charconv>
#include <string>

// A double's decimal text in the C locale's format, never the C library's locale (whose
// decimal point is a comma once the toolkit has set it from a Russian environment):
// what std::to_chars writes. Where the C++ library has no floating-point to_chars (the
// browser's), the program's own writer gives the same texts.

// The shortest text that reads back as the value (to_chars without a format).
inline std::string ShortestDecimalText(double value) {
#if defined(__cpp_lib_to_chars)
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
#else
    return DecimalWriter::Shortest(value);
#endif
}

// d.ddde+XX with `precision` digits after the point, correctly rounded (at most 40).
inline std::string ScientificDecimalText(double value, int precision) {
#if defined(__cpp_lib_to_chars)
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value,
                                           std::chars_format::scientific, precision)
                                 .ptr);
#else
    return DecimalWriter::Scientific(value, precision);
#endif
}

// As "%.*g" writes it: `precision` significant digits (at most 40).
inline std::string GeneralDecimalText(double value, int precision) {
#if defined(__cpp_lib_to_chars)
    char text[64];
    return std::string(
        text,
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision).ptr);
#else
    return DecimalWriter::General(value, precision);
#endif
}
