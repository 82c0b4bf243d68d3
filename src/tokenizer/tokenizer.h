// The built-in tokenizer: running text in Windows-1252 bytes to the engine's input, one token per
// line, each line ending in CR LF.
#pragma once

#include <string>
#include <string_view>

#include "tokenizer/messages.h"
#include "tokenizer/settings.h"

namespace tokenizer {

enum class TokenizeOutcome {
  Tokenized,
  // The text begins with a Unicode byte-order mark: it was reported and nothing was tokenized,
  // so the caller can end its run instead of handing on an empty result.
  StoppedAtByteOrderMark,
};

struct TokenizedText {
  TokenizeOutcome outcome;
  std::string lines;  // empty after a byte-order-mark stop
};

// Tokenizes the bytes of an input file.
TokenizedText TokenizeText(std::string_view input_bytes, const TokenizerOptions& options,
                           const TokenizerData& data, const MessageReport& report);

// Reads `input_name` whole, then writes the lines beside `output_name` and puts them in its
// place when complete, so an input that is also the output is read before it is replaced. After
// a byte-order-mark stop the output is an empty file, unless it is the input itself. Throws
// std::runtime_error with the user's message when a file cannot be read or written; an earlier
// output is then left as it was.
TokenizeOutcome TokenizeFile(const std::string& input_name, const std::string& output_name,
                             const TokenizerOptions& options, const TokenizerData& data,
                             const MessageReport& report);

}  // namespace tokenizer
