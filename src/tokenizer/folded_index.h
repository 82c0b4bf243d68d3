// Finds words by their Windows-1252 lower-case form under a number (a state of the multi-word
// automaton, or 0), in one hash probe. The abbreviation look-up and the multi-word transitions
// use it in place of scanning every entry for every word of the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tokenizer/byte_case.h"
#include "tokenizer/packed_word.h"

namespace tokenizer {

class FoldedIndex {
 public:
  static constexpr int kNone = -1;

  // Files `word` under `tag` as the next item, keeping `value` with it; items are numbered from
  // 0 in the order they are added. Returns the item's number. Throws std::length_error when the
  // words together pass 4 GiB.
  int Add(std::uint32_t tag, std::string_view word, int value);

  // The first item filed under `tag` whose word equals `word` without regard to case, or kNone.
  int First(std::uint32_t tag, std::string_view word) const {
    if (slots_.empty() || !MayHold(tag, word))
      return kNone;
    const PackedWord packed = PackWord(word, *cases_);
    return FindFirst(Hash(tag, word, packed), tag, word, packed);
  }
  // The next item after `item` with the same tag and lower-case form, or kNone.
  int Next(int item) const { return At(item).next; }
  // Whether the word of `item` is `word` byte for byte; `packed` is PackWord(word).
  bool HasWord(int item, std::string_view word, const PackedWord& packed) const {
    const Item& entry = At(item);
    return entry.bytes == packed.bytes && entry.length == word.size() &&
           (word.size() <= 8 || Word(item) == word);
  }
  // The word of `item` as it was filed.
  std::string_view Word(int item) const {
    const Item& entry = At(item);
    return std::string_view(chars_).substr(entry.offset, entry.length);
  }
  char FirstByte(int item) const { return static_cast<char>(At(item).bytes & 0xFF); }
  // Whether the word of `item` is all in lower case, and whether it is after its first byte.
  bool IsLowerCase(int item) const { return (At(item).flags & kLowerCase) != 0; }
  bool IsLowerCaseAfterFirst(int item) const { return (At(item).flags & kLowerAfterFirst) != 0; }
  int Value(int item) const { return At(item).value; }

 private:
  static constexpr std::uint8_t kLowerCase = 1;
  static constexpr std::uint8_t kLowerAfterFirst = 2;

  // An item keeps the first eight bytes of its word packed, as they are and in lower case, so
  // most comparisons are of numbers; the whole words lie together in one string.
  struct Item {
    std::uint64_t lower;
    std::uint64_t bytes;
    std::uint32_t tag;
    int next;
    int value;
    std::uint32_t offset;
    std::uint32_t length;
    std::uint8_t flags;
  };
  // A slot keeps part of its group's hash, so that most probes for a missing word end without
  // reading an item.
  struct Slot {
    std::uint32_t check = 0;
    int first_item = kNone;
  };

  const Item& At(int item) const { return items_[static_cast<std::size_t>(item)]; }
  std::uint64_t Hash(std::uint32_t tag, std::string_view word, const PackedWord& packed) const;
  bool SameLowerCase(const Item& item, std::string_view word, const PackedWord& packed) const;
  int FindFirst(std::uint64_t hash, std::uint32_t tag, std::string_view word,
                const PackedWord& packed) const;
  void Place(std::uint64_t hash, int first_item);
  // One bit per hash of the tag, the length and the first and last lower-case byte, set for
  // every group, eight bits for each slot that may be used: most words of a text are in no
  // group, and the filter turns them away after two table look-ups, from a bit set small enough
  // to stay in the processor's nearest caches.
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
  void SetFilterBit(std::uint32_t tag, std::string_view word);

  const ByteCase* cases_ = &ByteCase::Get();
  std::vector<Item> items_;
  std::string chars_;        // the words of all items, one after another
  std::vector<Slot> slots_;  // size a power of two, at most half of them used
  std::size_t groups_ = 0;
  std::vector<std::uint64_t> filter_;
  int filter_shift_ = 64;
};

}  // namespace tokenizer
