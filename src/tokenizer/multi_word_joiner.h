// Joins the word sequences listed in a multi-word file into one line each: the tokens joined by
// spaces, a TAB and the annotation. Every other token passes unchanged, in order.
#pragma once

#include <string_view>

#include "tokenizer/line_output.h"
#include "tokenizer/multi_words.h"
#include "tokenizer/string_sink.h"

namespace tokenizer {

// Takes tokens one at a time and writes the lines; Finish() after the last token.
class MultiWordJoiner final : public StringSink {
 public:
  // Keeps references to `automaton` and `lines`.
  MultiWordJoiner(const MultiWordAutomaton& automaton, LineOutput& lines);

  void Add(std::string_view token) override;
  // Leaves the tokens of a match that the text ended in the middle of as lines of their own.
  void Finish();

 private:
  const MultiWordAutomaton& automaton_;
  LineOutput& lines_;
  int state_ = 0;
};

}  // namespace tokenizer
