// Splitting the lines of the engine's text files into fields. Text stays Windows-1252 bytes.
#pragma once

#include <string_view>
#include <vector>

#include "utils/text_lines.h"

namespace demo_engine {

using utils::SplitLines;

// The pieces of `line` between the `separator` bytes, empty pieces included.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);

// The pieces of `text` between runs of blanks and TABs; no empty pieces.
std::vector<std::string_view> SplitWords(std::string_view text);

}  // namespace demo_engine
