// The second pass of the tokenizer: each segment into its tokens, in text order: the leading
// punctuation, a prefix clitic, the word, a suffix clitic and the trailing pieces.
#pragma once

#include <string_view>

#include "tokenizer/clitic_matcher.h"
#include "tokenizer/punctuation.h"
#include "tokenizer/settings.h"
#include "tokenizer/string_sink.h"

namespace tokenizer {

class SegmentRefiner final : public StringSink {
 public:
  // Keeps references to `data` and `tokens`.
  SegmentRefiner(const TokenizerOptions& options, const TokenizerData& data, StringSink& tokens);

  // Takes one segment and hands its tokens on.
  void Add(std::string_view segment) override;

 private:
  std::string_view Peel(std::string_view word);
  void DetachClitics(std::string_view& word);
  // Hands on `word`, which lies in `segment`, and the pieces split off its end.
  void Emit(std::string_view segment, std::string_view word);

  const TokenizerData& data_;
  StringSink& tokens_;
  const PunctuationSets punctuation_;
  const bool detach_clitics_;
  const std::size_t minimum_letter_period_length_;
  const CliticMatcher prefixes_;
  const CliticMatcher suffixes_;
  std::size_t suffix_length_ = 0;  // of the suffix clitic split off the current word, or 0
};

}  // namespace tokenizer
