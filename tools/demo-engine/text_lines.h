// Splitting the engine's text files into lines and fields. Text stays Windows-1252 bytes.
#pragma once

#include <string_view>
#include <vector>

namespace demo_engine {

// The lines of `text`; a line ends at LF, CR LF or a lone CR. A last line without an end counts.
std::vector<std::string_view> SplitLines(std::string_view text);

// The pieces of `line` between the `separator` bytes, empty pieces included.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);

// The pieces of `text` between runs of blanks and TABs; no empty pieces.
std::vector<std::string_view> SplitWords(std::string_view text);

}  // namespace demo_engine
