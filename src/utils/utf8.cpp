#include "utils/utf8.h"

#include <cstring>

namespace utils {

std::size_t FindInvalidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    // Runs of ASCII, the bulk of most texts, are passed over eight bytes at a time.
    std::uint64_t eight;
    if (i + 8 <= text.size() && (std::memcpy(&eight, text.data() + i, 8), true) &&
        (eight & 0x8080808080808080ULL) == 0) {
      i += 8;
      continue;
    }
    const DecodedCharacter character = DecodeUtf8(text.substr(i));
    if (character.code_point == kNotACharacter)
      return i;
    i += character.length;
  }
  return std::string_view::npos;
}

void AppendUtf8(std::string& text, char32_t code_point) {
  if (code_point < 0x80) {
    text.push_back(static_cast<char>(code_point));
  } else if (code_point < 0x800) {
    text.push_back(static_cast<char>(0xC0 | code_point >> 6));
    text.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else if (code_point < 0x10000) {
    text.push_back(static_cast<char>(0xE0 | code_point >> 12));
    text.push_back(static_cast<char>(0x80 | (code_point >> 6 & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xF0 | code_point >> 18));
    text.push_back(static_cast<char>(0x80 | (code_point >> 12 & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (code_point >> 6 & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  }
}

std::string Utf16ToUtf8(std::string_view bytes, bool big_endian) {
  constexpr char32_t kReplacement = 0xFFFD;
  const auto unit = [&](std::size_t i) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char32_t>(big_endian ? first << 8 | second : second << 8 | first);
  };
  const auto is_high = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
  const auto is_low = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 2);
  std::size_t i = 0;
  for (; i + 2 <= bytes.size(); i += 2) {
    const char32_t u = unit(i);
    if (is_high(u) && i + 4 <= bytes.size() && is_low(unit(i + 2))) {
      AppendUtf8(text, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
      i += 2;
    } else {
      AppendUtf8(text, is_high(u) || is_low(u) ? kReplacement : u);
    }
  }
  if (i < bytes.size())
    AppendUtf8(text, kReplacement);
  return text;
}

}  // namespace utils
