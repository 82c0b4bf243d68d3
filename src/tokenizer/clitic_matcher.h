// Finds the first entry of a clitic table, in table order, that a word begins (or ends) with and
// is longer than. Entries are filed by their first (or last) byte, so a word is compared only
// with the few entries that can match it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tokenizer {

class CliticMatcher {
 public:
  enum class Side { Front, Back };

  // Keeps a reference to `table`.
  CliticMatcher(const std::vector<std::string>& table, Side side);

  static constexpr std::size_t kNoMatch = static_cast<std::size_t>(-1);

  // The length of the first matching entry, or kNoMatch.
  std::size_t Match(std::string_view word) const;

 private:
  const std::vector<std::string>& table_;
  const Side side_;
  // The entries filed under byte b are candidates_[starts_[b]] up to candidates_[starts_[b + 1]],
  // table positions in table order; an empty entry matches every word and is filed under all.
  std::array<std::uint32_t, 257> starts_{};
  std::vector<std::uint32_t> candidates_;
  // One bit for the outermost two bytes of each entry of two bytes, and one for the outermost
  // three of each longer entry, hashed into a few cache lines. A word passes only when its own
  // outer two or three bytes, of a word long enough to hold such an entry, find their bit: so
  // almost every word is passed over after a single test that does not depend on its length.
  // Entries shorter than two bytes turn the test off.
  std::array<std::uint64_t, 64> two_byte_ends_{};
  std::array<std::uint64_t, 64> three_byte_ends_{};
  bool short_entries_ = false;
};

}  // namespace tokenizer
