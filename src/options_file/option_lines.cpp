#include "options_file/option_lines.h"

namespace options_file {

std::vector<std::string> SplitIntoLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1A'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n')
      continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
      ++i;
    start = i + 1;
  }
  if (start < bytes.size())
    lines.emplace_back(bytes.substr(start));
  return lines;
}

bool SplitOptionLine(std::string_view line, std::string& key, std::string& value) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos)
    return false;
  key = line.substr(0, equals);
  value = line.substr(equals + 1);
  return true;
}

int IndexInList(std::span<const std::string_view> words, std::string_view text) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] == text)
      return static_cast<int>(i);
  }
  return -1;
}

std::string YesNoText(bool checked) {
  return checked ? "Y" : "N";
}

}  // namespace options_file
