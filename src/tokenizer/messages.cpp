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

std::string EnglishMessageText(Message message, const std::string& input_name) {
  switch (message) {
    case Message::LtInTag:
      return "Error: < in tag.";
    case Message::GtOutsideTag:
      return "Error: > outside tag.";
    case Message::EndInTag:
      return "Error: text ends within a tag.";
    default:
      return ByteOrderMarkMessageText(message, input_name);
  }
}

}  // namespace tokenizer
