#include "options_file/option_lines.h"

#include "utils/text_lines.h"

namespace options_file {

std::vector<std::string_view> SplitIntoLines(std::string_view bytes) {
  return utils::SplitLines(UpToCtrlZ(bytes));
}

std::string_view UpToCtrlZ(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\x1A'));
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
