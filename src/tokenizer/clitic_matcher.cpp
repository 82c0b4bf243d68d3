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

// The outermost three bytes at the front or at the back, the outermost lowest; bytes past the
// word's start (or end) are read as its outermost byte, and the caller ignores them.
std::uint32_t EndOf(std::string_view text, CliticMatcher::Side side) {
  const std::size_t last = text.size() - 1;
  const auto at = [&](std::size_t from_outside) {
    const std::size_t inside = from_outside < last ? from_outside : last;
    return std::uint32_t{static_cast<unsigned char>(
        side == CliticMatcher::Side::Front ? text[inside] : text[last - inside])};
  };
  return at(0) | at(1) << 8 | at(2) << 16;
}

// The bit of an end of two or three bytes in a 4096-bit set.
std::uint32_t EndBit(std::uint32_t end) {
  return (end * 0x9E3779B1U) >> 20;
}

bool HasBit(const std::array<std::uint64_t, 64>& bits, std::uint32_t bit) {
  return (bits[bit >> 6] >> (bit & 63) & 1) != 0;
}

void SetBit(std::array<std::uint64_t, 64>& bits, std::uint32_t bit) {
  bits[bit >> 6] |= std::uint64_t{1} << (bit & 63);
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
  for (const std::string& entry : table) {
    if (entry.size() < 2) {
      short_entries_ = true;
      continue;
    }
    const std::uint32_t end = EndOf(entry, side);
    if (entry.size() == 2)
      SetBit(two_byte_ends_, EndBit(end & 0xFFFF));
    else
      SetBit(three_byte_ends_, EndBit(end));
  }
}

std::size_t CliticMatcher::Match(std::string_view word) const {
  if (word.empty() || candidates_.empty())
    return kNoMatch;
  if (!short_entries_) {
    // A word is longer than the entry it matches: three bytes for an entry of two, four for one
    // of three or more.
    const std::uint32_t end = EndOf(word, side_);
    // Bitwise rather than short-circuit, so that no branch depends on the word's length.
    const bool may_end_in_two = (word.size() >= 3) & HasBit(two_byte_ends_, EndBit(end & 0xFFFF));
    const bool may_end_in_three = (word.size() >= 4) & HasBit(three_byte_ends_, EndBit(end));
    if (!(may_end_in_two | may_end_in_three))
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
