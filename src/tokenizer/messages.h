// What the tokenizer tells its user while it works. The window shows each as a message box; the
// texts of the markup messages come from the current interface text set.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tokenizer {

enum class Message {
  Utf16ByteOrderMark,
  Utf8ByteOrderMark,
  LtInTag,
  GtOutsideTag,
  EndInTag,
  // A Unicode text holds bytes that are not UTF-8; they are passed on unchanged.
  NotUtf8,
};

// A message as it is reported, with the place it concerns. It reads as its Message, so a
// receiver that needs no place can take the Message alone.
struct MessageEvent {
  MessageEvent(Message message, std::size_t byte_offset = 0)
      : message(message), byte_offset(byte_offset) {}
  operator Message() const { return message; }

  Message message;
  // For NotUtf8: where the first byte that is no UTF-8 lies in the input file, from 0.
  std::size_t byte_offset;
};

// Receives the messages of one call in the order they occur.
using MessageReport = std::function<void(const MessageEvent&)>;

// The text of a byte-order-mark message, the same in every interface language; `input_name` is
// the name of the file as the caller gave it.
std::string ByteOrderMarkMessageText(Message message, const std::string& input_name);

// The text of the NotUtf8 message: `text` with "%1" replaced by the input file's name and "%2"
// by the byte offset.
std::string NotUtf8MessageText(std::string_view text, const std::string& input_name,
                               std::size_t byte_offset);

// The English wording of the NotUtf8 message.
inline constexpr std::string_view kEnglishNotUtf8Text =
    "Text %1 is not valid UTF-8 at byte offset %2; such bytes are passed on unchanged.";

// The English text of any message, as the command-line driver prints it.
std::string EnglishMessageText(const MessageEvent& event, const std::string& input_name);

}  // namespace tokenizer
