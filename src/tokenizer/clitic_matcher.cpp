#include "tokenizer/clitic_matcher.h"

namespace tokenizer {
namespace {

bool EqualBytes(const char* a, const char* b, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    if (a[i] != b[i])
      return false;
  }
  return true;
}

// The outermost byte and the one next to it, at the front or at the back.
std::size_t PairOf(std::string_view text, CliticMatcher::Side side) {
  const std::size_t size = text.size();
  const auto outer =
      static_cast<unsigned char>(side == CliticMatcher::Side::Front ? text[0] : text[size - 1]);
  const auto inner =
      static_cast<unsigned char>(side == CliticMatcher::Side::Front ? text[1] : text[size - 2]);
  return std::size_t{outer} << 8 | inner;
}

}  // namespace

CliticMatcher::CliticMatcher(const std::vector<std::string>& table, Side side)
    : table_(table), side_(side) {
  for (int byte = 0; byte < 256; ++byte) {
    starts_[byte] = static_cast<std::uint32_t>(candidates_.size());
    for (std::size_t position = 0; position < table.size(); ++position) {
      const std::string& entry = table[position];
      if (entry.empty() ||
          static_cast<unsigned char>(side == Side::Front ? entry.front() : entry.back()) == byte)
        candidates_.push_back(static_cast<std::uint32_t>(position));
    }
  }
  starts_[256] = static_cast<std::uint32_t>(candidates_.size());
  pairs_.assign(65536 / 64, 0);
  for (const std::string& entry : table) {
    if (entry.size() < 2) {
      short_entries_ = true;
      continue;
    }
    const std::size_t pair = PairOf(entry, side);
    pairs_[pair / 64] |= std::uint64_t{1} << (pair % 64);
  }
}

std::size_t CliticMatcher::Match(std::string_view word) const {
  if (word.empty() || candidates_.empty())
    return kNoMatch;
  if (!short_entries_) {
    if (word.size() < 2)
      return kNoMatch;
    const std::size_t pair = PairOf(word, side_);
    if ((pairs_[pair / 64] >> (pair % 64) & 1) == 0)
      return kNoMatch;
  }
  const auto key = static_cast<unsigned char>(side_ == Side::Front ? word.front() : word.back());
  for (std::uint32_t i = starts_[key]; i < starts_[key + 1]; ++i) {
    const std::string& entry = table_[candidates_[i]];
    if (word.size() <= entry.size())
      continue;
    const char* start =
        side_ == Side::Front ? word.data() : word.data() + word.size() - entry.size();
    if (EqualBytes(start, entry.data(), entry.size()))
      return entry.size();
  }
  return kNoMatch;
}

}  // namespace tokenizer
