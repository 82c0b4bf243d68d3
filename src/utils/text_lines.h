// Text files of lines, as Windows programs write them and as they reach us edited elsewhere.
#pragma once

#include <string_view>
#include <vector>

namespace utils {

// The lines of `text`: a line ends at CR LF, CR or LF. A last line without an end counts; a
// final line end gives no empty line after it.
std::vector<std::string_view> SplitLines(std::string_view text);

// Takes the first line of `text`, by the same rule, off its front; false when `text` is empty.
// Walking a text this way needs no list of all its lines.
bool TakeLine(std::string_view& text, std::string_view& line);

}  // namespace utils
