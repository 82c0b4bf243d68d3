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
      int last = group.first_item;
      while (Next(last) != kNone)
        last = Next(last);
      items_[static_cast<std::size_t>(last)].next = item;
      group.sole_lower_case_value = kNone;
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
