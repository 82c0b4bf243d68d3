#include "utils/text_lines.h"

namespace utils {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::string_view line;
  while (TakeLine(text, line))
    lines.push_back(line);
  return lines;
}

bool TakeLine(std::string_view& text, std::string_view& line) {
  if (text.empty())
    return false;
  const std::size_t end = text.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    line = text;
    text = {};
    return true;
  }
  line = text.substr(0, end);
  const bool pair = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
  text.remove_prefix(end + (pair ? 2 : 1));
  return true;
}

}  // namespace utils
