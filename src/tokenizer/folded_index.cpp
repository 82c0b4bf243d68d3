#include "tokenizer/folded_index.h"

#include <bit>
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

// Hashes the lower-case bytes eight at a time: the table look-ups of a chunk do not wait for one
// another, and a word of up to eight bytes costs one multiplication.
std::uint64_t FoldedIndex::Hash(std::uint32_t tag, std::string_view word) const {
  std::uint64_t hash = Mix(tag, word.size());
  for (std::size_t start = 0; start < word.size(); start += 8) {
    const std::size_t end = start + 8 < word.size() ? start + 8 : word.size();
    std::uint64_t chunk = 0;
    for (std::size_t i = start; i < end; ++i) {
      const auto lower = static_cast<unsigned char>(cases_->Lower(word[i]));
      chunk |= std::uint64_t{lower} << (8 * (i - start));
    }
    hash = Mix(hash, chunk);
  }
  return hash;
}

int FoldedIndex::FindFirst(std::uint64_t hash, std::uint32_t tag, std::string_view word) const {
  const std::uint32_t check = CheckOf(hash);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const Slot& candidate = slots_[slot];
    if (candidate.first_item == kNone)
      return kNone;
    if (candidate.check != check)
      continue;
    const Item& item = items_[static_cast<std::size_t>(candidate.first_item)];
    if (item.tag != tag || item.word.size() != word.size())
      continue;
    std::size_t i = 0;
    while (i < word.size() && cases_->Lower(word[i]) == cases_->Lower(item.word[i]))
      ++i;
    if (i == word.size())
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

int FoldedIndex::Add(std::uint32_t tag, std::string_view word) {
  const int item = static_cast<int>(items_.size());
  bool lower_case_after_first = true;
  for (std::size_t i = 1; i < word.size(); ++i)
    lower_case_after_first = lower_case_after_first && cases_->Lower(word[i]) == word[i];
  const bool lower_case =
      lower_case_after_first && (word.empty() || cases_->Lower(word[0]) == word[0]);
  items_.push_back(Item{tag, kNone, kNone, lower_case, lower_case_after_first, std::string(word)});
  const std::uint64_t hash = Hash(tag, word);
  int last = slots_.empty() ? kNone : FindFirst(hash, tag, word);
  if (last != kNone) {
    while (Next(last) != kNone)
      last = Next(last);
    items_[static_cast<std::size_t>(last)].next = item;
    return item;
  }
  ++groups_;
  // Keep at least half of the slots free, so a probe for a missing word ends quickly; the filter
  // has eight bits for every slot that may be used.
  if (groups_ * 2 > slots_.size()) {
    const std::vector<Slot> old_slots =
        std::exchange(slots_, std::vector<Slot>(slots_.empty() ? 64 : slots_.size() * 2));
    filter_.assign(slots_.size() * 4 / 64, 0);
    filter_shift_ = 64 - std::countr_zero(slots_.size() * 4);
    for (const Slot& slot : old_slots) {
      if (slot.first_item != kNone) {
        const Item& first = items_[static_cast<std::size_t>(slot.first_item)];
        Place(Hash(first.tag, first.word), slot.first_item);
        SetFilterBit(FilterBit(first.tag, first.word));
      }
    }
  }
  Place(hash, item);
  SetFilterBit(FilterBit(tag, word));
  return item;
}

int FoldedIndex::Probe(std::uint32_t tag, std::string_view word) const {
  return FindFirst(Hash(tag, word), tag, word);
}

void FoldedIndex::SetFilterBit(std::size_t bit) {
  filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
}

}  // namespace tokenizer
