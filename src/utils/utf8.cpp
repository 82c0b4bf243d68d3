#include "utils/utf8.h"

#include <algorithm>
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

namespace {

constexpr char32_t kReplacement = 0xFFFD;

std::size_t Utf8Length(char32_t code_point) {
  return code_point < 0x80 ? 1 : code_point < 0x800 ? 2 : code_point < 0x10000 ? 3 : 4;
}

// Reads UTF-16 units from `bytes` one character at a time: a surrogate pair, a single unit, or a
// last odd byte.
class Utf16Reader {
 public:
  Utf16Reader(const char* bytes, std::size_t size, bool big_endian)
      : bytes_(bytes), size_(size), big_endian_(big_endian) {}

  bool AtEnd() const { return place_ == size_; }
  std::size_t Place() const { return place_; }

  // The next character; a surrogate without its partner, and a last odd byte, are U+FFFD.
  char32_t Next() {
    if (place_ + 2 > size_) {
      place_ = size_;
      return kReplacement;
    }
    const char32_t u = Unit(place_);
    place_ += 2;
    if (u >= 0xD800 && u <= 0xDBFF && place_ + 2 <= size_) {
      const char32_t low = Unit(place_);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        place_ += 2;
        return 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
      }
    }
    return u >= 0xD800 && u <= 0xDFFF ? kReplacement : u;
  }

 private:
  char32_t Unit(std::size_t i) const {
    const auto first = static_cast<unsigned char>(bytes_[i]);
    const auto second = static_cast<unsigned char>(bytes_[i + 1]);
    return static_cast<char32_t>(big_endian_ ? first << 8 | second : second << 8 | first);
  }

  const char* bytes_;
  std::size_t size_;
  bool big_endian_;
  std::size_t place_ = 0;
};

std::size_t EncodeUtf8(char* out, char32_t code_point) {
  if (code_point < 0x80) {
    out[0] = static_cast<char>(code_point);
    return 1;
  }
  if (code_point < 0x800) {
    out[0] = static_cast<char>(0xC0 | code_point >> 6);
    out[1] = static_cast<char>(0x80 | (code_point & 0x3F));
    return 2;
  }
  if (code_point < 0x10000) {
    out[0] = static_cast<char>(0xE0 | code_point >> 12);
    out[1] = static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
    out[2] = static_cast<char>(0x80 | (code_point & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | code_point >> 18);
  out[1] = static_cast<char>(0x80 | (code_point >> 12 & 0x3F));
  out[2] = static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
  out[3] = static_cast<char>(0x80 | (code_point & 0x3F));
  return 4;
}

}  // namespace

void AppendUtf8(std::string& text, char32_t code_point) {
  char bytes[4];
  text.append(bytes, EncodeUtf8(bytes, code_point));
}

void Utf16ToUtf8InPlace(std::string& text, bool big_endian) {
  // The UTF-8 form is written from the start while the UTF-16 form is read from a place `lead`
  // bytes further on, so that no unit is overwritten before it is read: `lead` is the most the
  // UTF-8 form ever runs ahead of the UTF-16 form at the end of a character.
  const std::size_t size = text.size();
  std::size_t lead = 0;
  std::size_t length = 0;
  for (Utf16Reader reader(text.data(), size, big_endian); !reader.AtEnd();) {
    length += Utf8Length(reader.Next());
    if (length > reader.Place())
      lead = std::max(lead, length - reader.Place());
  }
  text.resize(size + lead);
  char* const bytes = text.data();
  std::memmove(bytes + lead, bytes, size);
  std::size_t written = 0;
  for (Utf16Reader reader(bytes + lead, size, big_endian); !reader.AtEnd();)
    written += EncodeUtf8(bytes + written, reader.Next());
  text.resize(written);
}

}  // namespace utils
