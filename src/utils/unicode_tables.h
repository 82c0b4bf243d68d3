// The tables behind utils/unicode_case.h, generated from the Unicode Character Database by
// scripts/generate-unicode-tables. A code point's record is
// kRecords[kRecordOf[kBlockOf[code_point / kBlockSize] * kBlockSize + code_point % kBlockSize]].
#pragma once

#include <cstdint>

namespace utils::unicode_tables {

inline constexpr char32_t kBlockSize = 128;

struct Record {
  std::int32_t letter;  // 1 for general category L (Lu, Ll, Lt, Lm, Lo)
  std::int32_t lower;   // simple lower-case mapping, as a distance from the code point
  std::int32_t upper;   // simple upper-case mapping
  std::int32_t fold;    // simple case folding
  // The smallest of the characters that the mappings and the folding connect with this one.
  std::int32_t caseless;
};

extern const std::uint8_t kBlockOf[0x110000 / kBlockSize];
extern const std::uint8_t kRecordOf[];
extern const Record kRecords[];

}  // namespace utils::unicode_tables
