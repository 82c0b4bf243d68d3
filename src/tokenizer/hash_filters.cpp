#include "tokenizer/hash_filters.h"

#include <algorithm>
#include <bit>

namespace tokenizer {

HashFilters::HashFilters(std::uint32_t count, const std::vector<Member>& members) {
  *this = Of(count, [&members](auto add) {
    for (const Member& member : members)
      add(member.filter, member.hash);
  });
}

void HashFilters::LayOut(const std::vector<std::uint64_t>& sizes) {
  places_.clear();
  places_.reserve(sizes.size());
  std::uint64_t words = 0;
  for (const std::uint64_t size : sizes) {
    // A power of two of 64 bits or more.
    const std::uint64_t bit_count =
        std::bit_ceil(std::max<std::uint64_t>(64, size * kBitsPerMember));
    places_.push_back(Place{static_cast<std::uint32_t>(words),
                            static_cast<std::uint32_t>(64 - std::countr_zero(bit_count))});
    words += bit_count / 64;
  }
  bits_.assign(words, 0);
}

}  // namespace tokenizer
