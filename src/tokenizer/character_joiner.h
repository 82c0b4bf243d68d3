// Multi-word joining on the tokenizer's Unicode path: as MultiWordJoiner, with the three forms
// of a token made by Unicode case rules: as it is, every character in simple lower case, and
// the first character in simple upper case with the rest in lower case.
#pragma once

#include <string>
#include <unordered_map>

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
  // The to-state of the transition from `state` with exactly `word`, or kNoState.
  int FindTransition(int state, std::string_view word);
  int FindTokenTransition(int state, const CharacterText& token);

  const MultiWordAutomaton& automaton_;
  LineOutput& lines_;
  // The transitions by their from-state's four bytes followed by the word.
  std::unordered_map<std::string, int> transitions_;
  // For each state, the caseless hashes of the words that leave it: most tokens leave no
  // state, and the filter turns them away before any of their forms is made.
  HashFilters exits_;
  std::string key_;
  std::string form_;
  int state_ = 0;
};

}  // namespace tokenizer
