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

std::vector<std::string> JoinMultiWords(const MultiWordAutomaton& automaton,
                                        const std::vector<std::string>& tokens) {
  // Kept plain, apart from the streaming joiner, so that each can be checked against the other.
  std::vector<std::string> lines;
  std::vector<std::string> pending;
  int state = 0;
  for (const std::string& token : tokens) {
    const int to = automaton.FindTokenTransition(state, token);
    if (to == MultiWordAutomaton::kNoState) {
      lines.insert(lines.end(), pending.begin(), pending.end());
      pending.clear();
      lines.push_back(token);
      state = 0;
      continue;
    }
    pending.push_back(token);
    state = to;
    if (const std::optional<std::string_view> annotation = automaton.FindFinal(to)) {
      std::string line = pending.front();
      for (std::size_t i = 1; i < pending.size(); ++i)
        line += " " + pending[i];
      lines.push_back(line + "\t" + std::string(*annotation));
      pending.clear();
      state = 0;
    }
  }
  lines.insert(lines.end(), pending.begin(), pending.end());
  return lines;
}

}  // namespace tokenizer
