#include "tokenizer/folded_index.h"

#include <utility>

#include "tokenizer/byte_case.h"

namespace tokenizer {
namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

bool EqualsFolded(const ByteCase& cases, std::string_view word, const std::string& folded) {
  if (word.size() != folded.size())
    return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (cases.Lower(word[i]) != folded[i])
      return false;
  }
  return true;
}

}  // namespace

std::uint64_t FoldedIndex::Hash(std::uint32_t tag, std::string_view word) {
  const ByteCase& cases = ByteCase::Get();
  std::uint64_t hash = (kFnvOffset ^ tag) * kFnvPrime;
  for (char c : word)
    hash = (hash ^ static_cast<unsigned char>(cases.Lower(c))) * kFnvPrime;
  return hash ^ (hash >> 29);
}

int FoldedIndex::FindGroup(std::uint64_t hash, std::uint32_t tag, std::string_view word) const {
  if (slots_.empty())
    return kNone;
  const ByteCase& cases = ByteCase::Get();
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const int group = slots_[slot];
    if (group == kNone)
      return kNone;
    const Group& candidate = groups_[static_cast<std::size_t>(group)];
    if (candidate.hash == hash && candidate.tag == tag &&
        EqualsFolded(cases, word, candidate.folded)) {
      return group;
    }
  }
}

void FoldedIndex::Grow() {
  std::vector<int> slots(slots_.empty() ? 64 : slots_.size() * 2, kNone);
  const std::size_t mask = slots.size() - 1;
  for (std::size_t group = 0; group < groups_.size(); ++group) {
    std::size_t slot = groups_[group].hash & mask;
    while (slots[slot] != kNone)
      slot = (slot + 1) & mask;
    slots[slot] = static_cast<int>(group);
  }
  slots_ = std::move(slots);
}

void FoldedIndex::Add(std::uint32_t tag, std::string_view word, int item) {
  const std::size_t item_number = static_cast<std::size_t>(item);
  if (next_item_.size() <= item_number)
    next_item_.resize(item_number + 1, kNone);
  next_item_[item_number] = kNone;

  const std::uint64_t hash = Hash(tag, word);
  const int found = FindGroup(hash, tag, word);
  if (found != kNone) {
    Group& group = groups_[static_cast<std::size_t>(found)];
    next_item_[static_cast<std::size_t>(group.last_item)] = item;
    group.last_item = item;
    return;
  }
  const ByteCase& cases = ByteCase::Get();
  std::string folded(word);
  for (char& c : folded)
    c = cases.Lower(c);
  groups_.push_back(Group{hash, tag, std::move(folded), item, item});
  // Keep at least half of the slots free, so a probe for a missing word ends quickly.
  if (groups_.size() * 2 > slots_.size()) {
    Grow();
    return;
  }
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hash & mask;
  while (slots_[slot] != kNone)
    slot = (slot + 1) & mask;
  slots_[slot] = static_cast<int>(groups_.size() - 1);
}

int FoldedIndex::First(std::uint32_t tag, std::string_view word) const {
  const int group = FindGroup(Hash(tag, word), tag, word);
  return group == kNone ? kNone : groups_[static_cast<std::size_t>(group)].first_item;
}

}  // namespace tokenizer
