// Finds words by their Windows-1252 lower-case form under a number (a state of the multi-word
// automaton, or 0), in one hash probe. The abbreviation look-up and the multi-word transitions
// use it in place of scanning every entry for every word of the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tokenizer {

class FoldedIndex {
 public:
  static constexpr int kNone = -1;

  // Files item number `item` (counted from 0, each number once) under `tag` and the lower-case
  // form of `word`. Items sharing a tag and lower-case form stay in the order they were added.
  void Add(std::uint32_t tag, std::string_view word, int item);

  // The first item filed under `tag` and the lower-case form of `word`, or kNone.
  int First(std::uint32_t tag, std::string_view word) const;
  // The item filed after `item` under the same tag and lower-case form, or kNone.
  int Next(int item) const { return next_item_[static_cast<std::size_t>(item)]; }

 private:
  struct Group {
    std::uint64_t hash;
    std::uint32_t tag;
    std::string folded;
    int first_item;
    int last_item;
  };

  static std::uint64_t Hash(std::uint32_t tag, std::string_view word);
  int FindGroup(std::uint64_t hash, std::uint32_t tag, std::string_view word) const;
  void Grow();

  std::vector<Group> groups_;
  std::vector<int> slots_;  // group numbers, kNone for a free slot; size a power of two
  std::vector<int> next_item_;
};

}  // namespace tokenizer
