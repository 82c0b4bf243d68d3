#include "tokenizer/character_joiner.h"

#include <cstring>
#include <vector>

namespace tokenizer {
namespace {

void SetKey(std::string& key, int state, std::string_view word) {
  key.resize(sizeof state);
  std::memcpy(key.data(), &state, sizeof state);
  key.append(word);
}

}  // namespace

CharacterJoiner::CharacterJoiner(const MultiWordAutomaton& automaton, LineOutput& lines)
    : automaton_(automaton), lines_(lines) {
  std::vector<HashFilters::Member> exits;
  for (const MultiWordTransition& transition : automaton.Transitions()) {
    SetKey(key_, transition.from, transition.word);
    transitions_.emplace(key_, transition.to);
    exits.push_back({static_cast<std::uint32_t>(transition.from),
                     CaselessHash(CharacterText(transition.word, {}))});
  }
  exits_ = HashFilters(static_cast<std::uint32_t>(automaton.Transitions().size() + 1), exits);
}

int CharacterJoiner::FindTransition(int state, std::string_view word) {
  SetKey(key_, state, word);
  const auto found = transitions_.find(key_);
  return found == transitions_.end() ? MultiWordAutomaton::kNoState : found->second;
}

int CharacterJoiner::FindTokenTransition(int state, const CharacterText& token) {
  if (!exits_.MayHold(static_cast<std::uint32_t>(state), CaselessHash(token)))
    return MultiWordAutomaton::kNoState;
  int to = FindTransition(state, token.Bytes());
  if (to != MultiWordAutomaton::kNoState)
    return to;
  form_.clear();
  AppendLowerCase(form_, token);
  if (form_ != token.Bytes()) {
    to = FindTransition(state, form_);
    if (to != MultiWordAutomaton::kNoState)
      return to;
  }
  form_.clear();
  AppendCapitalised(form_, token);
  return form_ == token.Bytes() ? MultiWordAutomaton::kNoState : FindTransition(state, form_);
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
