#include "tokenizer/folded_index.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <stdexcept>
#include <utility>

namespace tokenizer {

bool FoldedIndex::SameTail(const Group& group, const FoldedKey& key) const {
  const ByteCase& cases = ByteCase::Get();
  const std::string_view word = key.Word();
  const std::string_view filed = Word(group.first_item);
  for (std::size_t i = 8; i < word.size(); ++i) {
    if (cases.Lower(word[i]) != cases.Lower(filed[i]))
      return false;
  }
  return true;
}

void FoldedIndex::Reserve(std::size_t groups) {
  const std::size_t size = std::bit_ceil(std::max<std::size_t>(64, groups * 2));
  if (size > slots_.size())
    Rehash(size);
  items_.reserve(groups);
}

void FoldedIndex::Rehash(std::size_t size) {
  std::vector<Group> old_slots = std::exchange(slots_, std::vector<Group>(size));
  mask_ = size - 1;
  for (const Group& group : old_slots) {
    if (group.first_item != kNone)
      slots_[SlotFor(group.tag, FoldedKey(Word(group.first_item)))] = group;
  }
}

std::uint64_t FoldedIndex::ExactHash(std::uint32_t tag, std::string_view word) {
  std::uint64_t hash = MixHash(word.size(), TagBits(tag));
  for (std::size_t i = 0; i < word.size(); i += 8)
    hash = MixHash(hash, PackBytes(word.data() + i, std::min<std::size_t>(8, word.size() - i)));
  return hash;
}

std::size_t FoldedIndex::ExactSlotFor(std::uint32_t tag, std::string_view word) const {
  const std::size_t mask = exact_slots_.size() - 1;
  for (std::size_t slot = ExactHash(tag, word) & mask;; slot = (slot + 1) & mask) {
    const ExactSlot& exact = exact_slots_[slot];
    if (exact.item == kNone || (exact.tag == tag && Word(exact.item) == word))
      return slot;
  }
}

void FoldedIndex::AddExact(std::uint32_t tag, int item) {
  if (++exact_items_ * 2 > exact_slots_.size()) {
    std::vector<ExactSlot> old_slots = std::exchange(
        exact_slots_, std::vector<ExactSlot>(std::max<std::size_t>(64, exact_slots_.size() * 2)));
    for (const ExactSlot& exact : old_slots) {
      if (exact.item != kNone)
        exact_slots_[ExactSlotFor(exact.tag, Word(exact.item))] = exact;
    }
  }
  exact_slots_[ExactSlotFor(tag, Word(item))] = ExactSlot{tag, item};
}

int FoldedIndex::FindWord(std::uint32_t tag, const Group& group, std::string_view word) const {
  int item = group.first_item;
  for (int steps = 0; item != kNone && steps <= kShortChain; ++steps, item = Next(item)) {
    if (Word(item) == word)
      return item;
  }
  if (item == kNone)
    return kNone;
  return exact_slots_[ExactSlotFor(tag, word)].item;
}

int FoldedIndex::Add(std::uint32_t tag, const FoldedKey& key, int value) {
  const std::string_view word = key.Word();
  if (word.size() > std::numeric_limits<std::uint32_t>::max() - chars_.size())
    throw std::length_error("The word list is too large.");
  const ByteCase& cases = ByteCase::Get();
  const int item = static_cast<int>(items_.size());
  bool lower_case_after_first = true;
  for (std::size_t i = 1; i < word.size(); ++i)
    lower_case_after_first = lower_case_after_first && cases.Lower(word[i]) == word[i];
  const bool lower_case =
      lower_case_after_first && (word.empty() || cases.Lower(word[0]) == word[0]);
  const auto flags = static_cast<std::uint8_t>((lower_case ? kLowerCase : 0) |
                                               (lower_case_after_first ? kLowerAfterFirst : 0));
  items_.push_back(Item{key.Bytes(), kNone, value, static_cast<std::uint32_t>(chars_.size()),
                        static_cast<std::uint32_t>(word.size()), flags});
  chars_.append(word);

  if (!slots_.empty()) {
    Group& group = slots_[SlotFor(tag, key)];
    if (group.first_item != kNone) {
      // In front of the chain, so filing costs the same however long the group is.
      items_[static_cast<std::size_t>(item)].next = group.first_item;
      group.first_item = item;
      group.sole_lower_case_value = kNone;
      const int length = ChainLength(item);
      if (length == kShortChain + 1) {
        for (int member = item; member != kNone; member = Next(member))
          AddExact(tag, member);
      } else if (length > kShortChain + 1) {
        AddExact(tag, item);
      }
      return item;
    }
  }
  // Keep at least half of the slots free, so a probe for a missing word ends quickly.
  if (++groups_ * 2 > slots_.size())
    Rehash(slots_.empty() ? 64 : slots_.size() * 2);
  slots_[SlotFor(tag, key)] = Group{key.Lower(), tag, static_cast<std::uint32_t>(word.size()), item,
                                    lower_case ? value : kNone};
  return item;
}

}  // namespace tokenizer
