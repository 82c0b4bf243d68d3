// What the tokenizer tells its user while it works. The window shows each as a message box; the
// texts of the markup messages come from the current interface text set.
#pragma once

#include <functional>
#include <string>

namespace tokenizer {

enum class Message { Utf16ByteOrderMark, Utf8ByteOrderMark, LtInTag, GtOutsideTag, EndInTag };

// Receives the messages of one call in the order they occur.
using MessageReport = std::function<void(Message)>;

// The text of a byte-order-mark message, the same in every interface language; `input_name` is
// the name of the file as the caller gave it.
std::string ByteOrderMarkMessageText(Message message, const std::string& input_name);

// The English text of any message, as the command-line driver prints it.
std::string EnglishMessageText(Message message, const std::string& input_name);

}  // namespace tokenizer
