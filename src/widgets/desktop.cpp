#include "widgets/desktop.h"

namespace widgets {

std::string ErrorBoxText(std::string_view text) {
  std::string result(text);
  if (!result.empty() && static_cast<unsigned char>(result.back()) > '.')
    result += '.';
  return result;
}

std::string CreateProcessErrorText(unsigned long error_number, std::string_view system_text,
                                   std::size_t command_line_length) {
  std::string text =
      "Create Process Error #" + std::to_string(error_number) + ": " + std::string(system_text);
  if (error_number == 2) {
    text += ". Possibly, a parameter with an internal space should be enclosed in quotes.";
  } else if (error_number == 31) {
    text += ". Possibly, the command line (" + std::to_string(command_line_length) +
            " chars) is too long.";
  }
  return text;
}

}  // namespace widgets
