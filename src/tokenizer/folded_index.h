// Finds words by their Windows-1252 lower-case form under a number (a state of the multi-word
// automaton, or 0), in one hash probe. The abbreviation look-up and the multi-word transitions
// use it in place of scanning every entry for every word of the text.
//
// The words themselves lie in a text that the owner of the index keeps and passes to each call
// that reads them; a word is filed by where it ends in that text, and that end is what a look-up
// gives back. So the index holds no copy of any word.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tokenizer/folded_key.h"

namespace tokenizer {

class FoldedIndex {
 public:
  static constexpr int kNone = -1;

  // The words filed under one tag that share one lower-case form (and so one length), found by
  // one probe. Four-byte fields keep a slot at 20 bytes.
  struct Group {
    std::uint32_t lower_low;  // the first eight bytes of the lower-case form
    std::uint32_t lower_high;
    std::uint32_t tag;
    std::uint32_t length;
    // kFree: the slot is free. With kSoleBit set: the end of the group's only word, which is all
    // in lower case, so that every case form of the word finds it without an item. Otherwise
    // the group's first item.
    std::uint32_t ref = kFree;

    std::uint64_t Lower() const { return std::uint64_t{lower_high} << 32 | lower_low; }
  };

  // Files the word of `key` under `tag`; its bytes are those of `text` that end at `end`. Throws
  // std::length_error when `end` is 2 GiB or more. Words are expected to be filed once under a
  // tag.
  void Add(std::string_view text, std::uint32_t tag, const FoldedKey& key, std::size_t end);

  // The group filed under `tag` whose lower-case form is that of `key`'s word, or nullptr.
  const Group* Find(std::string_view text, std::uint32_t tag, const FoldedKey& key) const {
    if (slots_.empty())
      return nullptr;
    const Group& group = slots_[SlotFor(text, tag, key)];
    return group.ref == kFree ? nullptr : &group;
  }
  // The end of the group's only word when it is all in lower case, or kNone.
  static int SoleLowerCaseEnd(const Group& group) {
    return (group.ref & kSoleBit) != 0 ? static_cast<int>(group.ref & ~kSoleBit) : kNone;
  }
  // The end of the word of `group` filed under `tag` that is `word` byte for byte, or kNone. A
  // bounded number of words is looked at, however many case forms of one word the group holds.
  int FindWord(std::string_view text, std::uint32_t tag, const Group& group,
               std::string_view word) const;
  // Whether the items of `group` are few enough to be walked one by one.
  bool IsShort(const Group& group) const { return ChainLength(FirstItem(group)) <= kShortChain; }

  // The items of a group that is not one lower-case word, one after another.
  static int FirstItem(const Group& group) {
    return (group.ref & kSoleBit) != 0 ? kNone : static_cast<int>(group.ref);
  }
  int Next(int item) const { return At(item).next; }
  int End(int item) const { return static_cast<int>(At(item).end); }
  // Whether the word of `item` is all in lower case, and whether it is after its first byte.
  bool IsLowerCase(int item) const { return (At(item).flags & kLowerCase) != 0; }
  bool IsLowerCaseAfterFirst(int item) const { return (At(item).flags & kLowerAfterFirst) != 0; }

  // Calls `take(tag, word)` for every filed word.
  template <typename Take>
  void ForEachWord(std::string_view text, Take take) const {
    for (const Group& group : slots_) {
      if (group.ref == kFree)
        continue;
      if (const int end = SoleLowerCaseEnd(group); end != kNone) {
        take(group.tag, text.substr(static_cast<std::size_t>(end) - group.length, group.length));
        continue;
      }
      for (int item = FirstItem(group); item != kNone; item = Next(item))
        take(group.tag,
             text.substr(static_cast<std::size_t>(End(item)) - group.length, group.length));
    }
  }

 private:
  static constexpr std::uint32_t kFree = 0xFFFFFFFF;
  static constexpr std::uint32_t kSoleBit = 0x80000000;
  static constexpr std::uint8_t kLowerCase = 1;
  static constexpr std::uint8_t kLowerAfterFirst = 2;
  // A group of more items than this (many case forms of one word) also files its items by their
  // exact bytes, so that no look-up walks it.
  static constexpr int kShortChain = 4;

  // An item filed by its exact bytes, for the long groups.
  struct ExactSlot {
    std::uint32_t tag;
    std::uint32_t length;
    int item = kNone;  // kNone: the slot is free
  };

  struct Item {
    std::uint32_t end;
    int next;
    std::uint8_t flags;
  };

  const Item& At(int item) const { return items_[static_cast<std::size_t>(item)]; }
  // Bits that move a word's groups under different tags apart. The word's hash is mixed already
  // and the tag's bits are found beside it, so a probe waits for one multiplication less.
  static std::uint64_t TagBits(std::uint32_t tag) { return tag * 0x9E3779B97F4A7C15ULL; }
  // The word of a group's first item (or only word).
  static std::string_view WordAt(std::string_view text, std::uint32_t end, std::uint32_t length) {
    return text.substr(end - length, length);
  }
  std::uint32_t FirstEnd(const Group& group) const {
    return (group.ref & kSoleBit) != 0 ? group.ref & ~kSoleBit : At(FirstItem(group)).end;
  }
  // The slot of the group, or the free slot where it would go.
  std::size_t SlotFor(std::string_view text, std::uint32_t tag, const FoldedKey& key) const {
    for (std::size_t slot = (key.Hash() ^ TagBits(tag)) & mask_;; slot = (slot + 1) & mask_) {
      const Group& group = slots_[slot];
      if (group.ref == kFree ||
          (group.Lower() == key.Lower() && group.length == key.Word().size() && group.tag == tag &&
           (group.length <= 8 || SameTail(text, group, key))))
        return slot;
    }
  }
  // Whether the bytes past the first eight of a long word are those of the group's.
  bool SameTail(std::string_view text, const Group& group, const FoldedKey& key) const;
  // Spreads the groups over `size` slots.
  void Rehash(std::string_view text, std::size_t size);
  // The number of items from `item` on along the chain, counted up to kShortChain + 2.
  int ChainLength(int item) const {
    int length = 0;
    for (; item != kNone && length < kShortChain + 2; item = Next(item))
      ++length;
    return length;
  }
  static std::uint8_t FlagsOf(std::string_view word);
  int NewItem(std::uint32_t end, std::uint8_t flags, int next);
  static std::uint64_t ExactHash(std::uint32_t tag, std::string_view word);
  // The exact slot of `word` under `tag`, or the free slot where it would go.
  std::size_t ExactSlotFor(std::string_view text, std::uint32_t tag, std::string_view word) const;
  void AddExact(std::string_view text, std::uint32_t tag, int item, std::uint32_t length);

  std::vector<Item> items_;
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
