// A word prepared for the look-ups that ignore letter case: its first eight bytes packed into
// one number, as they are and in lower case, and a hash of its whole lower-case form.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "tokenizer/byte_case.h"

namespace tokenizer {

// Up to eight bytes in one number, the first byte lowest, unused bytes zero.
inline std::uint64_t PackBytes(const char* data, std::size_t size) {
  // Two overlapping loads cover four to eight bytes; shorter words take three single bytes.
  if (size >= 4) {
    std::uint32_t head;
    std::uint32_t tail;
    std::memcpy(&head, data, 4);
    std::memcpy(&tail, data + size - 4, 4);
    return std::uint64_t{head} | std::uint64_t{tail} << (8 * (size - 4));
  }
  if (size == 0)
    return 0;
  const auto byte = [data](std::size_t i) {
    return std::uint64_t{static_cast<unsigned char>(data[i])} << (8 * i);
  };
  return byte(0) | byte(size / 2) | byte(size - 1);
}

// The packed bytes in Windows-1252 lower case.
inline std::uint64_t LowerPacked(std::uint64_t bytes) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  if ((bytes & kHighBits) == 0) {
    // ASCII: a byte from A to Z gets 0x20 added, found without a branch per byte.
    const std::uint64_t from_a = bytes + 0x3F3F3F3F3F3F3F3FULL;  // high bit: byte >= 'A'
    const std::uint64_t past_z = bytes + 0x2525252525252525ULL;  // high bit: byte > 'Z'
    return bytes | ((from_a & ~past_z & kHighBits) >> 2);
  }
  const ByteCase& cases = ByteCase::Get();
  std::uint64_t lower = 0;
  for (int shift = 0; shift < 64; shift += 8) {
    const auto byte = static_cast<char>(bytes >> shift);
    lower |= std::uint64_t{static_cast<unsigned char>(cases.Lower(byte))} << shift;
  }
  return lower;
}

inline std::uint64_t MixHash(std::uint64_t hash, std::uint64_t value) {
  hash = (hash ^ value) * 0x9E3779B97F4A7C15ULL;
  return hash ^ (hash >> 32);
}

// A hash of a word's length and of its first two and last two bytes in lower case. It is the
// same for every case form of a word, costs a few byte loads and no branch on the word's length,
// and tells most words apart well enough for the filters in front of the look-ups, which then
// prepare a FoldedKey only for the few words that pass.
inline std::uint64_t SketchOf(std::string_view word) {
  if (word.empty())
    return 0;
  const ByteCase& cases = ByteCase::Get();
  const std::size_t last = word.size() - 1;
  const std::size_t second = last > 0 ? 1 : 0;
  const auto lower = [&](std::size_t i) {
    return std::uint64_t{static_cast<unsigned char>(cases.Lower(word[i]))};
  };
  const std::uint64_t ends =
      lower(0) | lower(second) << 8 | lower(last - second) << 16 | lower(last) << 24;
  // The filters read the top bits, which a multiplication mixes well enough by itself.
  return (std::uint64_t{word.size()} << 32 | ends) * 0x9E3779B97F4A7C15ULL;
}

class FoldedKey {
 public:
  explicit FoldedKey(std::string_view word)
      : word_(word), bytes_(PackBytes(word.data(), word.size() < 8 ? word.size() : 8)) {
    lower_ = LowerPacked(bytes_);
    hash_ = MixHash(word.size(), lower_);
    // Bytes past the first eight, rare in a text, go in eight at a time.
    for (std::size_t i = 8; i < word.size(); i += 8) {
      const std::size_t size = word.size() - i < 8 ? word.size() - i : 8;
      hash_ = MixHash(hash_, LowerPacked(PackBytes(word.data() + i, size)));
    }
  }

  std::string_view Word() const { return word_; }
  // The first eight bytes (or fewer), the rest zero; and the same in lower case.
  std::uint64_t Bytes() const { return bytes_; }
  std::uint64_t Lower() const { return lower_; }
  // The same for every word with the same lower-case form.
  std::uint64_t Hash() const { return hash_; }

 private:
  std::string_view word_;
  std::uint64_t bytes_;
  std::uint64_t lower_;
  std::uint64_t hash_;
};

}  // namespace tokenizer
