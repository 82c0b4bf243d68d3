// Multi-word joining on the tokenizer's Unicode path: as MultiWordJoiner, with the three forms
// of a token made by Unicode case rules: as it is, every character in simple lower case, and
// the first character in simple upper case with the rest in lower case.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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
  static std::uint64_t KeyOf(int state, std::uint64_t caseless_hash) {
    return caseless_hash ^ (static_cast<std::uint64_t>(state) + 1) * 0xC2B2AE3D27D4EB4FULL;
  }
  std::size_t SlotOf(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_);
  }
  // The first transition whose from-state and caseless hash make `key`, or -1.
  int FirstCandidate(std::uint64_t key) const;
  // The to-state of the candidate from `state` with exactly `word`, or kNoState.
  int FindAmong(int first, int state, std::string_view word) const;
  int FindTokenTransition(int state, const CharacterText& token);

  const MultiWordAutomaton& automaton_;
  LineOutput& lines_;
  // For each state, the caseless hashes of the words that leave it: most tokens leave no
  // state, and the filter turns them away before any of their forms is made.
  HashFilters exits_;
  // The transitions by from-state and caseless hash, in open addressing: every case form of a
  // token finds its candidates in one probe, and the forms are compared with their words.
  struct Slot {
    std::uint64_t key = 0;
    int first = -1;  // -1: free
  };
  std::vector<Slot> slots_;
  int shift_ = 64;
  std::vector<int> next_candidate_;  // for each transition, or -1
  std::string form_;
  int state_ = 0;
};

}  // namespace tokenizer
