// Finds words by their Windows-1252 lower-case form under a number (a state of the multi-word
// automaton, or 0), in one hash probe. The abbreviation look-up and the multi-word transitions
// use it in place of scanning every entry for every word of the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tokenizer/byte_case.h"

namespace tokenizer {

class FoldedIndex {
 public:
  static constexpr int kNone = -1;

  // Files `word` under `tag` as the next item; items are numbered from 0 in the order they are
  // added. Returns the item's number.
  int Add(std::uint32_t tag, std::string_view word);

  // The first item filed under `tag` whose word equals `word` without regard to case, or kNone.
  int First(std::uint32_t tag, std::string_view word) const {
    if (slots_.empty() || !MayHold(tag, word))
      return kNone;
    return Probe(tag, word);
  }
  // The next item after `item` with the same tag and lower-case form, or kNone.
  int Next(int item) const { return At(item).next; }
  // The word of `item` as it was filed.
  std::string_view Word(int item) const { return At(item).word; }
  // Whether the word of `item` is all in lower case, and whether it is after its first byte.
  bool IsLowerCase(int item) const { return At(item).lower_case; }
  bool IsLowerCaseAfterFirst(int item) const { return At(item).lower_case_after_first; }
  // A number the owner keeps with the item, kNone until it is set.
  int Value(int item) const { return At(item).value; }
  void SetValue(int item, int value) { items_[static_cast<std::size_t>(item)].value = value; }

 private:
  struct Item {
    std::uint32_t tag;
    int next;
    int value;
    bool lower_case;
    bool lower_case_after_first;
    std::string word;
  };
  // A slot keeps part of its group's hash, so that most probes for a missing word end without
  // reading an item.
  struct Slot {
    std::uint32_t check = 0;
    int first_item = kNone;
  };

  const Item& At(int item) const { return items_[static_cast<std::size_t>(item)]; }

  // One bit per hash of the tag, the length and the first and last lower-case byte, set for
  // every group: most words of a text are in no group, and the filter turns them away after two
  // table look-ups, from a bit set small enough to stay in the processor's nearest cache.
  std::size_t FilterBit(std::uint32_t tag, std::string_view word) const {
    std::uint64_t ends = 0;
    if (!word.empty()) {
      ends = static_cast<unsigned char>(cases_->Lower(word.front())) |
             static_cast<unsigned>(static_cast<unsigned char>(cases_->Lower(word.back()))) << 8;
    }
    const std::uint64_t key = std::uint64_t{tag} << 32 | word.size() << 16 | ends;
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> filter_shift_);
  }
  bool MayHold(std::uint32_t tag, std::string_view word) const {
    const std::size_t bit = FilterBit(tag, word);
    return (filter_[bit / 64] >> (bit % 64) & 1) != 0;
  }

  std::uint64_t Hash(std::uint32_t tag, std::string_view word) const;
  int Probe(std::uint32_t tag, std::string_view word) const;
  int FindFirst(std::uint64_t hash, std::uint32_t tag, std::string_view word) const;
  void Place(std::uint64_t hash, int first_item);
  void SetFilterBit(std::size_t bit);

  const ByteCase* cases_ = &ByteCase::Get();
  std::vector<Item> items_;
  std::vector<Slot> slots_;  // size a power of two, at most half of them used
  std::size_t groups_ = 0;
  std::vector<std::uint64_t> filter_;
  int filter_shift_ = 64;
};

}  // namespace tokenizer
