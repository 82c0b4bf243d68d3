#include "tokenizer/folded_index.h"

#include <bit>
#include <limits>
#include <stdexcept>
#include <utility>

namespace tokenizer {
namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t hash, std::uint64_t value) {
  hash = (hash ^ value) * kMultiplier;
  return hash ^ (hash >> 32);
}

std::uint32_t CheckOf(std::uint64_t hash) {
  return static_cast<std::uint32_t>(hash >> 32);
}

}  // namespace

std::uint64_t FoldedIndex::Hash(std::uint32_t tag, std::string_view word,
                                const PackedWord& packed) const {
  std::uint64_t hash = Mix(std::uint64_t{tag} << 32 | word.size(), packed.lower);
  // Bytes past the first eight, rare in a text, go in one at a time.
  for (std::size_t i = 8; i < word.size(); ++i)
    hash = Mix(hash, static_cast<unsigned char>(cases_->Lower(word[i])));
  return hash;
}

bool FoldedIndex::SameLowerCase(const Item& item, std::string_view word,
                                const PackedWord& packed) const {
  if (item.lower != packed.lower || item.length != word.size())
    return false;
  const char* filed = chars_.data() + item.offset;
  for (std::size_t i = 8; i < word.size(); ++i) {
    if (cases_->Lower(word[i]) != cases_->Lower(filed[i]))
      return false;
  }
  return true;
}

int FoldedIndex::FindFirst(std::uint64_t hash, std::uint32_t tag, std::string_view word,
                           const PackedWord& packed) const {
  const std::uint32_t check = CheckOf(hash);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const Slot& candidate = slots_[slot];
    if (candidate.first_item == kNone)
      return kNone;
    if (candidate.check != check)
      continue;
    const Item& item = At(candidate.first_item);
    if (item.tag == tag && SameLowerCase(item, word, packed))
      return candidate.first_item;
  }
}

void FoldedIndex::Place(std::uint64_t hash, int first_item) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hash & mask;
  while (slots_[slot].first_item != kNone)
    slot = (slot + 1) & mask;
  slots_[slot] = Slot{CheckOf(hash), first_item};
}

void FoldedIndex::SetFilterBit(std::uint32_t tag, std::string_view word) {
  const std::size_t bit = FilterBit(tag, word);
  filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
}

int FoldedIndex::Add(std::uint32_t tag, std::string_view word, int value) {
  if (word.size() > std::numeric_limits<std::uint32_t>::max() - chars_.size())
    throw std::length_error("The word list is too large.");
  const int item = static_cast<int>(items_.size());
  bool lower_case_after_first = true;
  for (std::size_t i = 1; i < word.size(); ++i)
    lower_case_after_first = lower_case_after_first && cases_->Lower(word[i]) == word[i];
  const bool lower_case =
      lower_case_after_first && (word.empty() || cases_->Lower(word[0]) == word[0]);
  const auto flags = static_cast<std::uint8_t>((lower_case ? kLowerCase : 0) |
                                               (lower_case_after_first ? kLowerAfterFirst : 0));
  const PackedWord packed = PackWord(word, *cases_);
  items_.push_back(Item{packed.lower, packed.bytes, tag, kNone, value,
                        static_cast<std::uint32_t>(chars_.size()),
                        static_cast<std::uint32_t>(word.size()), flags});
  chars_.append(word);

  const std::uint64_t hash = Hash(tag, word, packed);
  int last = slots_.empty() ? kNone : FindFirst(hash, tag, word, packed);
  if (last != kNone) {
    while (Next(last) != kNone)
      last = Next(last);
    items_[static_cast<std::size_t>(last)].next = item;
    return item;
  }
  ++groups_;
  // Keep at least half of the slots free, so a probe for a missing word ends quickly.
  if (groups_ * 2 > slots_.size()) {
    const std::vector<Slot> old_slots =
        std::exchange(slots_, std::vector<Slot>(slots_.empty() ? 64 : slots_.size() * 2));
    filter_.assign(slots_.size() * 4 / 64, 0);
    filter_shift_ = 64 - std::countr_zero(slots_.size() * 4);
    for (const Slot& slot : old_slots) {
      if (slot.first_item != kNone) {
        const Item& first = At(slot.first_item);
        const std::string_view first_word = Word(slot.first_item);
        const std::uint64_t first_hash =
            Hash(first.tag, first_word, PackedWord{first.bytes, first.lower});
        Place(first_hash, slot.first_item);
        SetFilterBit(first.tag, first_word);
      }
    }
  }
  Place(hash, item);
  SetFilterBit(tag, word);
  return item;
}

}  // namespace tokenizer
