#include "tokenizer/messages.h"

#include <stdexcept>

namespace tokenizer {

std::string ByteOrderMarkMessageText(Message message, const std::string& input_name) {
  switch (message) {
    case Message::Utf16ByteOrderMark:
      return "Text " + input_name + " is in Unicode UTF16 - convert to ANSI";
    case Message::Utf8ByteOrderMark:
      return "Text " + input_name + " is in Unicode UTF8 - convert to ANSI";
    default:
      throw std::logic_error("not a byte-order-mark message");
  }
}

std::string NotUtf8MessageText(std::string_view text, const std::string& input_name,
                               std::size_t byte_offset) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      result += text[++i] == '1' ? input_name : std::to_string(byte_offset);
    } else {
      result += text[i];
    }
  }
  return result;
}

std::string EnglishMessageText(const MessageEvent& event, const std::string& input_name) {
  switch (event.message) {
    case Message::LtInTag:
      return "Error: < in tag.";
    case Message::GtOutsideTag:
      return "Error: > outside tag.";
    case Message::EndInTag:
      return "Error: text ends within a tag.";
    case Message::NotUtf8:
      return NotUtf8MessageText(kEnglishNotUtf8Text, input_name, event.byte_offset);
    default:
      return ByteOrderMarkMessageText(event.message, input_name);
  }
}

}  // namespace tokenizer
