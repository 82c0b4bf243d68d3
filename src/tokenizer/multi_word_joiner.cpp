#include "tokenizer/multi_word_joiner.h"

#include <utility>

namespace tokenizer {

MultiWordJoiner::MultiWordJoiner(const MultiWordAutomaton& automaton, StringSink& lines)
    : automaton_(automaton), lines_(lines) {}

void MultiWordJoiner::HandOnPending() {
  std::size_t start = 0;
  for (std::size_t end : pending_ends_) {
    lines_.Add(std::string_view(pending_).substr(start, end - start));
    start = end + 1;  // past the joining space
  }
  pending_.clear();
  pending_ends_.clear();
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
  // The tokens of a unit are kept joined by spaces, ready to be written as one line.
  if (!pending_ends_.empty())
    pending_.push_back(' ');
  pending_.append(token);
  pending_ends_.push_back(pending_.size());
  state_ = to;
  // The shortest listed sequence wins: a unit is written as soon as its tokens reach a state
  // that ends a line of the file.
  const std::optional<std::string_view> annotation = automaton_.FindFinal(to);
  if (!annotation)
    return;
  pending_.push_back('\t');
  pending_.append(*annotation);
  lines_.Add(pending_);
  pending_.clear();
  pending_ends_.clear();
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
