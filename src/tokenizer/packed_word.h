// The first eight bytes of a word packed into one number, as they are and in lower case, so the
// look-ups of short words compare and hash numbers instead of looping over bytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "tokenizer/byte_case.h"

namespace tokenizer {

struct PackedWord {
  std::uint64_t bytes = 0;  // the first eight bytes (or fewer), the rest zero
  std::uint64_t lower = 0;  // the same in lower case
};

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

inline PackedWord PackWord(std::string_view word, const ByteCase& cases) {
  const std::size_t size = word.size() < 8 ? word.size() : 8;
  PackedWord packed;
  packed.bytes = PackBytes(word.data(), size);
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  if ((packed.bytes & kHighBits) == 0) {
    // ASCII: a byte from A to Z gets 0x20 added, found without a branch per byte.
    const std::uint64_t from_a = packed.bytes + 0x3F3F3F3F3F3F3F3FULL;  // high bit: byte >= 'A'
    const std::uint64_t past_z = packed.bytes + 0x2525252525252525ULL;  // high bit: byte > 'Z'
    packed.lower = packed.bytes | ((from_a & ~past_z & kHighBits) >> 2);
    return packed;
  }
  for (std::size_t i = 0; i < size; ++i) {
    const auto lower = static_cast<unsigned char>(cases.Lower(word[i]));
    packed.lower |= std::uint64_t{lower} << (8 * i);
  }
  return packed;
}

}  // namespace tokenizer
