// Multi-word joining on the tokenizer's Unicode path: as MultiWordJoiner, with the three forms
// of a token made by Unicode case rules: as it is, every character in simple lower case, and
// the first character in simple upper case with the rest in lower case.
#pragma once

#include <cstdint>
#include <string>

#include "tokenizer/character_segmenter.h"
#include "tokenizer/hash_filters.h"
#include "tokenizer/line_output.h"
#include "tokenizer/multi_words.h"

namespace tokenizer {

class CharacterJoiner final : public CharacterSink {
 public:
  // Keeps references to `automaton` and `lines`.
  CharacterJoiner(const MultiWordAutomaton& automaton, LineOutput& lines);

  void Add(const CharacterText& token) override;
  // Leaves the tokens of a match that the text ended in the middle of as lines of their own.
  void Finish();

 private:
  // The start state has a filter of its own; all other branching states share one, the state
  // mixed into each hash.
  static std::uint64_t StateBits(int state) {
    return static_cast<std::uint64_t>(state) * 0xC2B2AE3D27D4EB4FULL;
  }
  bool MayLeave(int state, std::uint64_t caseless_hash) const {
    return state == 0 ? exits_.MayHold(0, caseless_hash)
                      : exits_.MayHold(1, caseless_hash ^ StateBits(state));
  }
  // The state after the first of the token's forms that leads on from `state`, or kNoState.
  // Each form is looked up by its exact bytes, so the cost is bounded whatever the list holds.
  int FindTokenTransition(int state, const CharacterText& token);

  const MultiWordAutomaton& automaton_;
  LineOutput& lines_;
  // For each branching state, the caseless hashes of the words that leave it: most tokens
  // leave no state, and the filter turns them away before any of their forms is made.
  HashFilters exits_;
  // A token of more than four times as many bytes as the longest word that leads on from its
  // state has more characters than that word, so no form of it is the word: turned away before
  // a long token's forms are made as copies.
  std::size_t longest_indexed_word_ = 0;
  std::string form_;
  int state_ = 0;
};

}  // namespace tokenizer
