// Bit filters over word sketches (see SketchOf), one for each number (a state of the multi-word
// automaton, or just 0): a word whose bit is not set is surely not a member, found from one or two
// nearby words of memory. Most words of a text belong to no list, and most tokens lead nowhere from
// the state they meet, so most look-ups end here without a probe of a large hash table.
#pragma once

#include <cstdint>
#include <vector>

namespace tokenizer {

class HashFilters {
 public:
  struct Member {
    std::uint32_t filter;
    std::uint64_t hash;
  };

  // Each filter has at least this many bits for each member, so that few other sketches find
  // their bit set: a word that passes a filter costs a probe of a hash table, often a read from
  // far memory.
  static constexpr std::uint64_t kBitsPerMember = 32;

  HashFilters() = default;
  // Filters 0 to `count` - 1 holding `members`.
  HashFilters(std::uint32_t count, const std::vector<Member>& members);
  // The same for the members that `for_each_member(add)` passes to `add(filter, hash)`. It is
  // called twice, so that the members need not be listed in memory.
  template <typename ForEachMember>
  static HashFilters Of(std::uint32_t count, ForEachMember for_each_member) {
    std::vector<std::uint64_t> sizes(count, 0);
    for_each_member([&sizes](std::uint32_t filter, std::uint64_t) { ++sizes[filter]; });
    HashFilters filters;
    filters.LayOut(sizes);
    for_each_member(
        [&filters](std::uint32_t filter, std::uint64_t hash) { filters.Set(filter, hash); });
    return filters;
  }

  bool MayHold(std::uint32_t filter, std::uint64_t hash) const {
    if (filter >= places_.size())
      return false;
    const Place place = places_[filter];
    // The top bits of the hash pick the bit, so they are independent of the low bits that pick
    // a hash table's slot.
    const std::uint64_t bit = hash >> place.shift;
    return (bits_[place.first_word + (bit >> 6)] >> (bit & 63) & 1) != 0;
  }

 private:
  // Gives each filter its bits for so many members, all bits clear.
  void LayOut(const std::vector<std::uint64_t>& sizes);
  void Set(std::uint32_t filter, std::uint64_t hash) {
    const Place place = places_[filter];
    const std::uint64_t bit = hash >> place.shift;
    bits_[place.first_word + (bit >> 6)] |= std::uint64_t{1} << (bit & 63);
  }

  struct Place {
    std::uint32_t first_word;  // of bits_
    std::uint32_t shift;       // 64 less the base-2 logarithm of the filter's bit count
  };

  std::vector<Place> places_;
  std::vector<std::uint64_t> bits_;
};

}  // namespace tokenizer
