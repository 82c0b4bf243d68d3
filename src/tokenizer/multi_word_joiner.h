// Joins the word sequences listed in a multi-word file into one line each: the tokens joined by
// spaces, a TAB and the annotation. Every other token passes unchanged, in order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tokenizer/multi_words.h"
#include "tokenizer/string_sink.h"

namespace tokenizer {

// Takes tokens one at a time and hands on the lines; Finish() after the last token.
class MultiWordJoiner : public StringSink {
 public:
  // Keeps references to `automaton` and `lines`.
  MultiWordJoiner(const MultiWordAutomaton& automaton, StringSink& lines);

  void Add(std::string_view token) override;
  // Hands on the tokens of a match that the text ended in the middle of.
  void Finish();

 private:
  void HandOnPending();

  const MultiWordAutomaton& automaton_;
  StringSink& lines_;
  int state_ = 0;
  // The tokens of the partial match, as they came, joined by spaces; each ends at its offset in
  // `pending_ends_`.
  std::string pending_;
  std::vector<std::size_t> pending_ends_;
};

std::vector<std::string> JoinMultiWords(const MultiWordAutomaton& automaton,
                                        const std::vector<std::string>& tokens);

}  // namespace tokenizer
