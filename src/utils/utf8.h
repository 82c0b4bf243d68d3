// UTF-8 and UTF-16 text in byte strings: decoding one character at a time, encoding, and turning
// UTF-16 into UTF-8. A byte that does not start a well-formed UTF-8 sequence (shortest form, no
// surrogate, at most U+10FFFF) counts as a character of its own, and is kept as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace utils {

inline constexpr char32_t kNotACharacter = 0xFFFFFFFF;

struct DecodedCharacter {
  char32_t code_point;  // kNotACharacter for a byte that starts no well-formed sequence
  std::size_t length;   // in bytes, 1 for such a byte
};

// The character at the start of `text`, which is not empty.
inline DecodedCharacter DecodeUtf8(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80)
    return {lead, 1};
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const auto is_tail = [&](std::size_t i) { return i < text.size() && (at(i) & 0xC0) == 0x80; };
  if (lead >= 0xC2 && lead <= 0xDF && is_tail(1))
    return {static_cast<char32_t>((lead & 0x1F) << 6 | (at(1) & 0x3F)), 2};
  if (lead >= 0xE0 && lead <= 0xEF && is_tail(1) && is_tail(2)) {
    // E0 needs a second byte of A0 or more (shorter forms are overlong), ED one below A0
    // (the rest are surrogates).
    if ((lead == 0xE0 && at(1) < 0xA0) || (lead == 0xED && at(1) >= 0xA0))
      return {kNotACharacter, 1};
    return {static_cast<char32_t>((lead & 0x0F) << 12 | (at(1) & 0x3F) << 6 | (at(2) & 0x3F)), 3};
  }
  if (lead >= 0xF0 && lead <= 0xF4 && is_tail(1) && is_tail(2) && is_tail(3)) {
    // F0 needs a second byte of 90 or more (overlong below), F4 one below 90 (past U+10FFFF).
    if ((lead == 0xF0 && at(1) < 0x90) || (lead == 0xF4 && at(1) >= 0x90))
      return {kNotACharacter, 1};
    return {static_cast<char32_t>((lead & 0x07) << 18 | (at(1) & 0x3F) << 12 | (at(2) & 0x3F) << 6 |
                                  (at(3) & 0x3F)),
            4};
  }
  return {kNotACharacter, 1};
}

// `text` without a leading UTF-8 byte-order mark (EF BB BF).
inline std::string_view WithoutUtf8ByteOrderMark(std::string_view text) {
  return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

// The place of the first byte of `text` that starts no well-formed sequence, or npos.
std::size_t FindInvalidUtf8(std::string_view text);

// Appends the UTF-8 form of `code_point`, which is at most U+10FFFF.
void AppendUtf8(std::string& text, char32_t code_point);

// Turns UTF-16 `text`, byte-order mark included, into UTF-8 within its own bytes, which grow by
// at most half, so that the two forms are never held side by side. A surrogate without its
// partner, and a last odd byte, become U+FFFD.
void Utf16ToUtf8InPlace(std::string& text, bool big_endian);

}  // namespace utils
