#include "tokenizer/multi_word_joiner.h"

namespace tokenizer {

MultiWordJoiner::MultiWordJoiner(const MultiWordAutomaton& automaton, LineOutput& lines)
    : automaton_(automaton), lines_(lines) {}

void MultiWordJoiner::Add(std::string_view token) {
  const int to = automaton_.FindTokenTransition(state_, token);
  if (to == MultiWordAutomaton::kNoState) {
    // The token that breaks a partial match is not tried as the start of a new one. Releasing
    // nothing costs less than asking whether there is a match to release.
    lines_.ReleaseHeld();
    lines_.Add(token);
    state_ = 0;
    return;
  }
  lines_.AddHeld(token);
  state_ = to;
  // The shortest listed sequence wins: a unit is written as soon as its tokens reach a state
  // that ends a line of the file.
  if (const std::optional<std::string_view> annotation = automaton_.FindFinal(to)) {
    lines_.JoinHeld(*annotation);
    state_ = 0;
  }
}

void MultiWordJoiner::Finish() {
  lines_.ReleaseHeld();
  state_ = 0;
}

}  // namespace tokenizer
