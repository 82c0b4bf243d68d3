// Finds words by their Windows-1252 lower-case form under a number (a state of the multi-word
// automaton, or 0), in one hash probe. The abbreviation look-up and the multi-word transitions
// use it in place of scanning every entry for every word of the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tokenizer/folded_key.h"

namespace tokenizer {

class FoldedIndex {
 public:
  static constexpr int kNone = -1;

  // The items filed under one tag whose words share one lower-case form, found by one probe.
  struct Group {
    std::uint64_t lower;  // the first eight bytes of the lower-case form
    std::uint32_t tag;
    std::uint32_t length;
    int first_item = kNone;  // kNone: the slot is free
    // The value of the group's only item when its word is all in lower case, so that every
    // case form of the word finds it; kNone otherwise.
    int sole_lower_case_value = kNone;
  };

  // Files `word` under `tag` as the next item, keeping `value` with it; items are numbered from
  // 0 in the order they are added. Returns the item's number. Throws std::length_error when the
  // words together pass 4 GiB. The items of a group are kept in no particular order; words are
  // expected to be filed once under a tag.
  int Add(std::uint32_t tag, const FoldedKey& key, int value);
  // The item filed under `tag` whose word is `word` byte for byte, or kNone; `group` is the
  // group of its lower-case form. A bounded number of items is looked at, however many case
  // forms of one word the group holds.
  int FindWord(std::uint32_t tag, const Group& group, std::string_view word) const;
  // Whether the items of `group` are few enough to be walked one by one.
  bool IsShort(const Group& group) const { return ChainLength(group.first_item) <= kShortChain; }
  // Makes room for `groups` groups, so that filing them needs no growing.
  void Reserve(std::size_t groups);

  // The group filed under `tag` whose lower-case form is that of `key`'s word, or nullptr.
  const Group* Find(std::uint32_t tag, const FoldedKey& key) const {
    if (slots_.empty())
      return nullptr;
    const Group& group = slots_[SlotFor(tag, key)];
    return group.first_item == kNone ? nullptr : &group;
  }
  // The next item after `item` with the same tag and lower-case form, or kNone.
  int Next(int item) const { return At(item).next; }
  // Whether the word of `item` is the word of `key` byte for byte.
  bool HasWord(int item, const FoldedKey& key) const {
    const Item& entry = At(item);
    return entry.bytes == key.Bytes() && entry.length == key.Word().size() &&
           (entry.length <= 8 || Word(item) == key.Word());
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
  // A group of more items than this (many case forms of one word) also files its items by their
  // exact bytes, so that no look-up walks it.
  static constexpr int kShortChain = 4;

  // An item filed by its exact bytes, for the long groups.
  struct ExactSlot {
    std::uint32_t tag;
    int item = kNone;  // kNone: the slot is free
  };

  // An item keeps the first eight bytes of its word packed, so most comparisons are of numbers;
  // the whole words lie together in one string.
  struct Item {
    std::uint64_t bytes;
    int next;
    int value;
    std::uint32_t offset;
    std::uint32_t length;
    std::uint8_t flags;
  };

  const Item& At(int item) const { return items_[static_cast<std::size_t>(item)]; }
  // Bits that move a word's groups under different tags apart. The word's hash is mixed already
  // and the tag's bits are found beside it, so a probe waits for one multiplication less.
  static std::uint64_t TagBits(std::uint32_t tag) { return tag * 0x9E3779B97F4A7C15ULL; }
  // The slot of the group, or the free slot where it would go.
  std::size_t SlotFor(std::uint32_t tag, const FoldedKey& key) const {
    for (std::size_t slot = (key.Hash() ^ TagBits(tag)) & mask_;; slot = (slot + 1) & mask_) {
      const Group& group = slots_[slot];
      if (group.first_item == kNone ||
          (group.lower == key.Lower() && group.length == key.Word().size() && group.tag == tag &&
           (group.length <= 8 || SameTail(group, key))))
        return slot;
    }
  }
  // Whether the bytes past the first eight of a long word are those of the group's.
  bool SameTail(const Group& group, const FoldedKey& key) const;
  // Spreads the groups over `size` slots.
  void Rehash(std::size_t size);
  // The number of items from `item` on along the chain, counted up to kShortChain + 2.
  int ChainLength(int item) const {
    int length = 0;
    for (; item != kNone && length < kShortChain + 2; item = Next(item))
      ++length;
    return length;
  }
  static std::uint64_t ExactHash(std::uint32_t tag, std::string_view word);
  // The exact slot of `word` under `tag`, or the free slot where it would go.
  std::size_t ExactSlotFor(std::uint32_t tag, std::string_view word) const;
  void AddExact(std::uint32_t tag, int item);

  std::vector<Item> items_;
  std::string chars_;  // the words of all items, one after another
  // Open addressing with the keys in the slots, so that a probe reads one place in memory.
  // The size is a power of two, at most half of the slots used.
  std::vector<Group> slots_;
  std::size_t mask_ = 0;  // the number of slots less one
  std::size_t groups_ = 0;
  // The items of long groups by their exact bytes; empty unless a group grows long. Also open
  // addressing, at most half full.
  std::vector<ExactSlot> exact_slots_;
  std::size_t exact_items_ = 0;
};

}  // namespace tokenizer
