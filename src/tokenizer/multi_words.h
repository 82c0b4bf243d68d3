// The word automaton of a multi-word file: each line's word sequence is a path from the start
// state 0, and the state it ends in carries the line's annotation.
//
// The automaton lies in one text, about the size of the file: each path's words one after
// another, a state being the place in the text right after the word that leads to it. The byte
// at that place tells what the state is:
//   ' '   the path goes on with the one word that follows (a long line costs its own bytes only);
//   '\n'  the state has several ways on, found in an index by the state and the word;
//   '\t'  the state ends a line, and the line's annotation follows, up to a '\n';
//   '\r'  the state ends a line, and the index holds where its annotation is.
// No word holds one of these bytes. The start state is place 0, always a '\n'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tokenizer/folded_index.h"
#include "tokenizer/hash_filters.h"

namespace tokenizer {

class MultiWordAutomaton {
 public:
  static constexpr int kNoState = -1;

  // Whether no line of the file has a word, so that nothing is ever joined.
  bool Empty() const { return text_.size() == 1; }
  // The state after `word`, exactly as it is, from `state`, or kNoState.
  int FindTransition(int state, std::string_view word) const;
  // The transition a text token takes from `state`: tried with the token as it is, then in
  // lower case, then capitalised (first byte upper case, the rest lower case).
  int FindTokenTransition(int state, std::string_view token) const {
    // Most tokens meet the start state, and most of them are turned away by its filter or
    // find a lone lower-case word; only the others pay for a call. The start state's part of
    // FindPassingTokenTransition is repeated here on purpose: made inline for every state, it
    // costs the joiner 1.5% more instructions.
    if (state != 0) {
      const char mark = static_cast<std::size_t>(state) < text_.size() ? text_[state] : '\t';
      if (mark == ' ')
        return FollowPath(state, token);
      return mark == '\n' && exits_.MayHold(1, SketchOf(token) ^ StateBits(state))
                 ? FindPassingTokenTransition(state, token)
                 : kNoState;
    }
    if (!exits_.MayHold(0, SketchOf(token)))
      return kNoState;
    const FoldedIndex::Group* group = start_index_.Find(text_, 0, FoldedKey(token));
    if (group == nullptr)
      return kNoState;
    const int end = FoldedIndex::SoleLowerCaseEnd(*group);
    return end != FoldedIndex::kNone ? end : FindInGroup(0, *group, token);
  }
  // The annotation of the first line of the file that ends in `state`.
  std::optional<std::string_view> FindFinal(int state) const {
    const auto place = static_cast<std::size_t>(state);
    if (place >= text_.size() || (text_[place] != '\t' && text_[place] != '\r'))
      return std::nullopt;
    return AnnotationOf(place);
  }

  // The one word that leads on from `state` when its path goes on without a choice; empty when
  // the state has several ways on or none.
  std::string_view PathWord(int state) const;
  // Whether the ways on from `state` are found in the index (ForEachIndexedWord).
  bool Branches(int state) const {
    return static_cast<std::size_t>(state) < text_.size() &&
           text_[static_cast<std::size_t>(state)] == '\n';
  }
  // Calls `take(state, word)` for each word that leads from a state that branches.
  template <typename Take>
  void ForEachIndexedWord(Take take) const {
    start_index_.ForEachWord(text_,
                             [&take](std::uint32_t, std::string_view word) { take(0, word); });
    index_.ForEachWord(text_, [&take](std::uint32_t state, std::string_view word) {
      if (!word.empty())
        take(static_cast<int>(state), word);
    });
  }

 private:
  friend MultiWordAutomaton ReadMultiWordFile(std::string_view file_bytes);

  // Makes room for a file of `size` bytes and `lines` lines.
  void Reserve(std::size_t size, std::size_t lines);
  // Files the path of one line of the file.
  void AddLine(std::string_view sequence, std::string_view annotation);
  // Files the words that leave each state in the filters, once every line is in.
  void FilterExits();

  const FoldedIndex& IndexFrom(int state) const { return state == 0 ? start_index_ : index_; }
  FoldedIndex& IndexFrom(int state) { return state == 0 ? start_index_ : index_; }
  // The start state has a filter of its own; all other states share one, the state mixed into
  // each sketch.
  static std::uint64_t StateBits(int state) {
    return static_cast<std::uint64_t>(state) * 0xC2B2AE3D27D4EB4FULL;
  }
  // The annotation of the line that ends at `place`.
  std::string_view AnnotationOf(std::size_t place) const;
  // The state after `token` in one of its three forms from `state`, where the path goes on with
  // one word only.
  int FollowPath(int state, std::string_view token) const;
  // The state after the word `word` from a state that branches, or kNoState.
  int FindIndexed(int state, std::string_view word) const;
  // FindTokenTransition for a token that passed the filter of `state`.
  int FindPassingTokenTransition(int state, std::string_view token) const;
  // The same, given the group of the token's lower-case form, which is not one lower-case word.
  int FindInGroup(int state, const FoldedIndex::Group& group, std::string_view token) const;
  // The same for a token whose lower-case form leads from `state` in many case forms: each of
  // the token's three forms is looked up by its exact bytes.
  int FindCaseFormTransition(int state, const FoldedIndex::Group& group,
                             std::string_view token) const;
  // Adds `words` as a new path from the branching state `state`, ending in the annotation.
  void AddPath(int state, std::string_view words, std::string_view annotation);
  // Makes `state`, inside a path or branching, the end of a line.
  void MakeFinal(int state, std::string_view annotation);

  std::string text_ = "\n";
  // The ways on from branching states by state and word. Those from the start state, which most
  // tokens of a text are looked up in, have a small index of their own.
  FoldedIndex start_index_;
  FoldedIndex index_;
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
