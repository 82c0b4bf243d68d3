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
  // One bit per pair of the outermost two bytes of an entry; most words have a pair that no
  // entry has and are passed over at once. Entries shorter than two bytes turn the test off.
  std::vector<std::uint64_t> pairs_;
  bool short_entries_ = false;
};

}  // namespace tokenizer
