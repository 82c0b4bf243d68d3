#include "tokenizer/character_joiner.h"

#include <algorithm>
#include <bit>

namespace tokenizer {

CharacterJoiner::CharacterJoiner(const MultiWordAutomaton& automaton, LineOutput& lines)
    : automaton_(automaton), lines_(lines) {
  const std::vector<MultiWordTransition>& transitions = automaton.Transitions();
  std::vector<HashFilters::Member> exits;
  std::vector<std::uint64_t> keys;
  for (const MultiWordTransition& transition : transitions) {
    const std::uint64_t hash = CaselessHash(CharacterText(transition.word, {}));
    exits.push_back({static_cast<std::uint32_t>(transition.from), hash});
    keys.push_back(KeyOf(transition.from, hash));
  }
  exits_ = HashFilters(static_cast<std::uint32_t>(transitions.size() + 1), exits);
  // At least half of the slots stay free.
  const std::size_t size = std::bit_ceil(std::max<std::size_t>(64, transitions.size() * 2));
  slots_.resize(size);
  shift_ = 64 - std::countr_zero(size);
  next_candidate_.assign(transitions.size(), -1);
  // Filed from the last, so that each chain lists its candidates in creation order.
  for (std::size_t k = transitions.size(); k-- > 0;) {
    std::size_t slot = SlotOf(keys[k]);
    while (slots_[slot].first >= 0 && slots_[slot].key != keys[k])
      slot = (slot + 1) & (size - 1);
    next_candidate_[k] = slots_[slot].first;
    slots_[slot] = Slot{keys[k], static_cast<int>(k)};
  }
}

int CharacterJoiner::FirstCandidate(std::uint64_t key) const {
  for (std::size_t slot = SlotOf(key);; slot = (slot + 1) & (slots_.size() - 1)) {
    if (slots_[slot].first < 0 || slots_[slot].key == key)
      return slots_[slot].first;
  }
}

int CharacterJoiner::FindAmong(int first, int state, std::string_view word) const {
  const std::vector<MultiWordTransition>& transitions = automaton_.Transitions();
  for (int k = first; k >= 0; k = next_candidate_[static_cast<std::size_t>(k)]) {
    const MultiWordTransition& transition = transitions[static_cast<std::size_t>(k)];
    if (transition.from == state && transition.word == word)
      return transition.to;
  }
  return MultiWordAutomaton::kNoState;
}

int CharacterJoiner::FindTokenTransition(int state, const CharacterText& token) {
  const std::uint64_t hash = CaselessHash(token);
  if (!exits_.MayHold(static_cast<std::uint32_t>(state), hash))
    return MultiWordAutomaton::kNoState;
  const int first = FirstCandidate(KeyOf(state, hash));
  if (first < 0)
    return MultiWordAutomaton::kNoState;
  int to = FindAmong(first, state, token.Bytes());
  if (to != MultiWordAutomaton::kNoState)
    return to;
  form_.clear();
  AppendLowerCase(form_, token);
  if (form_ != token.Bytes()) {
    to = FindAmong(first, state, form_);
    if (to != MultiWordAutomaton::kNoState)
      return to;
  }
  form_.clear();
  AppendCapitalised(form_, token);
  return form_ == token.Bytes() ? MultiWordAutomaton::kNoState : FindAmong(first, state, form_);
}

void CharacterJoiner::Add(const CharacterText& token) {
  const int to = FindTokenTransition(state_, token);
  if (to == MultiWordAutomaton::kNoState) {
    // The token that breaks a partial match is not tried as the start of a new one.
    lines_.ReleaseHeld();
    lines_.Add(token.Bytes());
    state_ = 0;
    return;
  }
  lines_.AddHeld(token.Bytes());
  state_ = to;
  // The shortest listed sequence wins.
  if (const std::optional<std::string_view> annotation = automaton_.FindFinal(to)) {
    lines_.JoinHeld(*annotation);
    state_ = 0;
  }
}

void CharacterJoiner::Finish() {
  lines_.ReleaseHeld();
  state_ = 0;
}

}  // namespace tokenizer
