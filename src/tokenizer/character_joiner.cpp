#include "tokenizer/character_joiner.h"

#include <algorithm>

#include "utils/unicode_case.h"

namespace tokenizer {

CharacterJoiner::CharacterJoiner(const MultiWordAutomaton& automaton, LineOutput& lines)
    : automaton_(automaton), lines_(lines) {
  exits_ = HashFilters::Of(2, [this, &automaton](auto add) {
    automaton.ForEachIndexedWord([this, &add](int state, std::string_view word) {
      longest_indexed_word_ = std::max(longest_indexed_word_, word.size());
      const std::uint64_t hash = CaselessHash(CharacterText(word));
      if (state == 0)
        add(0, hash);
      else
        add(1, hash ^ StateBits(state));
    });
  });
}

int CharacterJoiner::FindTokenTransition(int state, const CharacterText& token) {
  if (automaton_.Branches(state)) {
    if (token.Size() > 4 * longest_indexed_word_ || !MayLeave(state, CaselessHash(token)))
      return MultiWordAutomaton::kNoState;
  } else {
    // Inside a path, every form of the token must begin with a case form of the first
    // character of the one word that leads on; most tokens are turned away there.
    const std::string_view word = automaton_.PathWord(state);
    if (word.empty() || token.Size() == 0 || token.Size() > 4 * word.size() ||
        utils::CaselessKey(CharacterText(word).At(0).code_point) !=
            utils::CaselessKey(token.At(0).code_point))
      return MultiWordAutomaton::kNoState;
  }
  int to = automaton_.FindTransition(state, token.Bytes());
  if (to != MultiWordAutomaton::kNoState)
    return to;
  form_.clear();
  AppendLowerCase(form_, token);
  if (form_ != token.Bytes()) {
    to = automaton_.FindTransition(state, form_);
    if (to != MultiWordAutomaton::kNoState)
      return to;
  }
  form_.clear();
  AppendCapitalised(form_, token);
  return form_ == token.Bytes() ? MultiWordAutomaton::kNoState
                                : automaton_.FindTransition(state, form_);
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
