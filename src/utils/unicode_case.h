// Letter case and the letter property of Unicode characters, from the Unicode Character Database:
// the simple (one-to-one) case mappings and simple case folding, and general category L.
#pragma once

#include "utils/unicode_tables.h"

namespace utils {

inline const unicode_tables::Record& UnicodeRecordOf(char32_t code_point) {
  using namespace unicode_tables;
  if (code_point >= 0x110000)
    return kRecords[0];  // the record of U+0000: no letter, no case
  return kRecords[kRecordOf[kBlockOf[code_point / kBlockSize] * kBlockSize +
                            code_point % kBlockSize]];
}

inline char32_t SimpleLowerCase(char32_t code_point) {
  return code_point + static_cast<char32_t>(UnicodeRecordOf(code_point).lower);
}
inline char32_t SimpleUpperCase(char32_t code_point) {
  return code_point + static_cast<char32_t>(UnicodeRecordOf(code_point).upper);
}
inline char32_t SimpleCaseFold(char32_t code_point) {
  return code_point + static_cast<char32_t>(UnicodeRecordOf(code_point).fold);
}
// The same for all characters that the case mappings and the folding lead from one to another:
// every case form of a word has the same keys, character by character.
inline char32_t CaselessKey(char32_t code_point) {
  return code_point + static_cast<char32_t>(UnicodeRecordOf(code_point).caseless);
}
inline bool IsUnicodeLetter(char32_t code_point) {
  return UnicodeRecordOf(code_point).letter != 0;
}

}  // namespace utils
