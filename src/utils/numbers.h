// Numbers as the user reads and types them: decimal text with the locale's separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace utils {

// The shortest text that reads back to the same double, with `separator` as decimal point.
std::string FormatNumber(double value, char separator);

// Reads optional surrounding blanks, an optional sign, digits with at most one `separator`, and
// an optional exponent (e or E, optional sign, digits). Empty text, text without digits, trailing
// characters, infinities, NaN and hexadecimal forms do not read.
std::optional<double> ParseNumber(std::string_view text, char separator);

}  // namespace utils
