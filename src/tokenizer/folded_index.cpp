#include "tokenizer/folded_index.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <utility>

namespace tokenizer {

bool FoldedIndex::SameTail(std::string_view text, const Group& group, const FoldedKey& key) const {
  const ByteCase& cases = ByteCase::Get();
  const std::string_view word = key.Word();
  const std::string_view filed = WordAt(text, FirstEnd(group), group.length);
  for (std::size_t i = 8; i < word.size(); ++i) {
    if (cases.Lower(word[i]) != cases.Lower(filed[i]))
      return false;
  }
  return true;
}

void FoldedIndex::Rehash(std::string_view text, std::size_t size) {
  std::vector<Group> old_slots = std::exchange(slots_, std::vector<Group>(size));
  mask_ = size - 1;
  for (const Group& group : old_slots) {
    if (group.ref != kFree)
      slots_[SlotFor(text, group.tag, FoldedKey(WordAt(text, FirstEnd(group), group.length)))] =
          group;
  }
}

std::uint64_t FoldedIndex::ExactHash(std::uint32_t tag, std::string_view word) {
  std::uint64_t hash = MixHash(word.size(), TagBits(tag));
  for (std::size_t i = 0; i < word.size(); i += 8)
    hash = MixHash(hash, PackBytes(word.data() + i, std::min<std::size_t>(8, word.size() - i)));
  return hash;
}

std::size_t FoldedIndex::ExactSlotFor(std::string_view text, std::uint32_t tag,
                                      std::string_view word) const {
  const std::size_t mask = exact_slots_.size() - 1;
  for (std::size_t slot = ExactHash(tag, word) & mask;; slot = (slot + 1) & mask) {
    const ExactSlot& exact = exact_slots_[slot];
    if (exact.item == kNone || (exact.tag == tag && exact.length == word.size() &&
                                WordAt(text, At(exact.item).end, exact.length) == word))
      return slot;
  }
}

void FoldedIndex::AddExact(std::string_view text, std::uint32_t tag, int item,
                           std::uint32_t length) {
  if (++exact_items_ * 2 > exact_slots_.size()) {
    std::vector<ExactSlot> old_slots = std::exchange(
        exact_slots_, std::vector<ExactSlot>(std::max<std::size_t>(64, exact_slots_.size() * 2)));
    for (const ExactSlot& exact : old_slots) {
      if (exact.item != kNone)
        exact_slots_[ExactSlotFor(text, exact.tag,
                                  WordAt(text, At(exact.item).end, exact.length))] = exact;
    }
  }
  exact_slots_[ExactSlotFor(text, tag, WordAt(text, At(item).end, length))] =
      ExactSlot{tag, length, item};
}

int FoldedIndex::FindWord(std::string_view text, std::uint32_t tag, const Group& group,
                          std::string_view word) const {
  if (word.size() != group.length)
    return kNone;
  if (const int end = SoleLowerCaseEnd(group); end != kNone)
    return WordAt(text, static_cast<std::uint32_t>(end), group.length) == word ? end : kNone;
  int item = FirstItem(group);
  for (int steps = 0; item != kNone && steps <= kShortChain; ++steps, item = Next(item)) {
    if (WordAt(text, At(item).end, group.length) == word)
      return End(item);
  }
  if (item == kNone)
    return kNone;
  const int found = exact_slots_[ExactSlotFor(text, tag, word)].item;
  return found == kNone ? kNone : End(found);
}

std::uint8_t FoldedIndex::FlagsOf(std::string_view word) {
  const ByteCase& cases = ByteCase::Get();
  bool lower_case_after_first = true;
  for (std::size_t i = 1; i < word.size(); ++i)
    lower_case_after_first = lower_case_after_first && cases.Lower(word[i]) == word[i];
  const bool lower_case =
      lower_case_after_first && (word.empty() || cases.Lower(word[0]) == word[0]);
  return static_cast<std::uint8_t>((lower_case ? kLowerCase : 0) |
                                   (lower_case_after_first ? kLowerAfterFirst : 0));
}

int FoldedIndex::NewItem(std::uint32_t end, std::uint8_t flags, int next) {
  items_.push_back(Item{end, next, flags});
  return static_cast<int>(items_.size() - 1);
}

void FoldedIndex::Add(std::string_view text, std::uint32_t tag, const FoldedKey& key,
                      std::size_t word_end) {
  if (word_end >= kSoleBit)
    throw std::length_error("The word list is too large.");
  const auto end = static_cast<std::uint32_t>(word_end);
  const std::uint8_t flags = FlagsOf(key.Word());
  const auto length = static_cast<std::uint32_t>(key.Word().size());
  if (!slots_.empty()) {
    Group& group = slots_[SlotFor(text, tag, key)];
    if (group.ref != kFree) {
      // A group of one lower-case word gets an item for it once a second word joins.
      if (const int sole = SoleLowerCaseEnd(group); sole != kNone)
        group.ref = static_cast<std::uint32_t>(
            NewItem(static_cast<std::uint32_t>(sole), kLowerCase | kLowerAfterFirst, kNone));
      // In front of the chain, so filing costs the same however long the group is.
      const int item = NewItem(end, flags, static_cast<int>(group.ref));
      group.ref = static_cast<std::uint32_t>(item);
      const int chain = ChainLength(item);
      if (chain == kShortChain + 1) {
        for (int member = item; member != kNone; member = Next(member))
          AddExact(text, tag, member, length);
      } else if (chain > kShortChain + 1) {
        AddExact(text, tag, item, length);
      }
      return;
    }
  }
  // Keep at least half of the slots free, so a probe for a missing word ends quickly.
  if (++groups_ * 2 > slots_.size())
    Rehash(text, slots_.empty() ? 64 : slots_.size() * 2);
  const std::uint32_t ref = (flags & kLowerCase) != 0
                                ? end | kSoleBit
                                : static_cast<std::uint32_t>(NewItem(end, flags, kNone));
  slots_[SlotFor(text, tag, key)] =
      Group{static_cast<std::uint32_t>(key.Lower()), static_cast<std::uint32_t>(key.Lower() >> 32),
            tag, length, ref};
}

}  // namespace tokenizer
