// Shorthands for the tokenizer tests: run a text through the tokenizer and write the expected
// lines as a list.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "tokenizer/tokenizer.h"

namespace tokenizer::test {

// The bytes of `lines`, each followed by CR LF.
std::string Lines(std::initializer_list<std::string_view> lines);

struct Run {
  TokenizedText result;
  std::vector<Message> messages;
  std::vector<std::size_t> offsets;  // the byte offset of each message
};

Run TokenizeWithMessages(std::string_view text, const TokenizerOptions& options = {},
                         const TokenizerData& data = {});

// The lines written for `text`.
std::string Tokenize(std::string_view text, const TokenizerOptions& options = {},
                     const TokenizerData& data = {});

// Options and tables as the window sets them for a language chosen from the list, with clitic
// detachment on.
TokenizerOptions WithClitics();
TokenizerData CliticsOf(std::string_view language_name);

}  // namespace tokenizer::test
