// The word automaton of a multi-word file: each line's word sequence is a path from the start
// state 0, and the state it ends in carries the line's annotation.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tokenizer/folded_index.h"
#include "tokenizer/hash_filters.h"

namespace tokenizer {

struct MultiWordTransition {
  int from;
  int to;
  std::string word;

  bool operator==(const MultiWordTransition&) const = default;
};

struct MultiWordFinal {
  int state;
  std::string annotation;

  bool operator==(const MultiWordFinal&) const = default;
};

class MultiWordAutomaton {
 public:
  static constexpr int kNoState = -1;

  // The to-state of the transition from `state` with exactly `word`, or kNoState.
  int FindTransition(int state, std::string_view word) const;
  // The transition a text token takes from `state`: tried with the token as it is, then in
  // lower case, then capitalised (first byte upper case, the rest lower case).
  int FindTokenTransition(int state, std::string_view token) const {
    // Most tokens are turned away by the filter; only the others pay for a call.
    if (!MayLeave(state, SketchOf(token)))
      return kNoState;
    return FindPassingTokenTransition(state, token);
  }
  // The annotation of the first final entry naming `state`, in file order.
  std::optional<std::string_view> FindFinal(int state) const;

  const std::vector<MultiWordTransition>& Transitions() const { return transitions_; }
  const std::vector<MultiWordFinal>& Finals() const { return finals_; }

 private:
  friend MultiWordAutomaton ReadMultiWordFile(std::string_view file_bytes);

  int FindTransition(int state, const FoldedKey& key) const;
  // Makes room in the indexes for the transitions of so many first and further words of lines.
  void Reserve(std::size_t first_words, std::size_t other_words);
  // The to-state for `word` from `state`; a missing transition is created, leading to the next
  // new state.
  int Follow(int state, std::string_view word);
  void AddFinal(int state, std::string_view annotation);
  // Files the words that leave each state in its filter, once every transition is made.
  void FilterExits();

  const FoldedIndex& IndexFrom(int state) const { return state == 0 ? start_index_ : index_; }
  // Whether a word with this sketch may leave `state`.
  bool MayLeave(int state, std::uint64_t sketch) const {
    return exits_.MayHold(static_cast<std::uint32_t>(state), sketch);
  }
  // FindTokenTransition for a token that passed the filter of `state`.
  int FindPassingTokenTransition(int state, std::string_view token) const;
  // The same for a token whose lower-case form leads from `state` in many case forms: each of
  // the token's three forms is looked up by its exact bytes.
  int FindCaseFormTransition(int state, const FoldedIndex::Group& group,
                             std::string_view token) const;

  std::vector<MultiWordTransition> transitions_;  // transition k leads to state k + 1
  std::vector<MultiWordFinal> finals_;
  std::vector<int> first_final_of_state_;  // index into finals_, or -1
  // The transitions by from-state and word, with their numbers as values. Those from the start
  // state, which most tokens of a text are looked up in, have a small index of their own.
  FoldedIndex start_index_;
  FoldedIndex index_;
  // For each state, the sketches of the words that leave it.
  HashFilters exits_;
};

// Builds the automaton from the bytes of a multi-word file. A line ends at CR LF, CR or a lone
// LF; a byte 0x1A ends the file. The words of a line are separated by spaces and end at its
// first TAB; the rest of the line is the annotation.
MultiWordAutomaton ReadMultiWordFile(std::string_view file_bytes);

// Reads the multi-word file `name`; throws std::runtime_error when it cannot be read. The file
// of a Unicode language is UTF-8, and a leading byte-order mark is dropped.
MultiWordAutomaton LoadMultiWordFile(const std::string& name, bool unicode = false);

}  // namespace tokenizer
