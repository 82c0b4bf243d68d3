#include "tokenizer/multi_word_joiner.h"

#include <utility>

namespace tokenizer {

MultiWordJoiner::MultiWordJoiner(const MultiWordAutomaton& automaton, StringSink& lines)
    : automaton_(automaton), lines_(lines) {}

void MultiWordJoiner::HandOnPending() {
  for (const std::string& token : pending_)
    lines_.Add(token);
  pending_.clear();
}

void MultiWordJoiner::Add(std::string_view token) {
  const int to = automaton_.FindTokenTransition(state_, token);
  if (to == MultiWordAutomaton::kNoState) {
    // The token that breaks a partial match is not tried as the start of a new one.
    HandOnPending();
    lines_.Add(token);
    state_ = 0;
    return;
  }
  pending_.emplace_back(token);
  state_ = to;
  // The shortest listed sequence wins: a unit is written as soon as its tokens reach a state
  // that ends a line of the file.
  const std::optional<std::string_view> annotation = automaton_.FindFinal(to);
  if (!annotation)
    return;
  line_.clear();
  for (std::size_t i = 0; i < pending_.size(); ++i) {
    if (i > 0)
      line_.push_back(' ');
    line_.append(pending_[i]);
  }
  line_.push_back('\t');
  line_.append(*annotation);
  lines_.Add(line_);
  pending_.clear();
  state_ = 0;
}

void MultiWordJoiner::Finish() {
  HandOnPending();
  state_ = 0;
}

std::vector<std::string> JoinMultiWords(const MultiWordAutomaton& automaton,
                                        const std::vector<std::string>& tokens) {
  StringCollector lines;
  MultiWordJoiner joiner(automaton, lines);
  for (const std::string& token : tokens)
    joiner.Add(token);
  joiner.Finish();
  return std::move(lines.pieces);
}

}  // namespace tokenizer
