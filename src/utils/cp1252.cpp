#include "utils/cp1252.h"

#include <array>
#include <stdexcept>

namespace utils {
namespace {

using ByteTable = std::array<unsigned char, 256>;

constexpr ByteTable IdentityTable() {
  ByteTable table{};
  for (int i = 0; i < 256; ++i)
    table[i] = static_cast<unsigned char>(i);
  return table;
}

// Pairs (upper, lower) of the Windows-1252 letters outside ASCII that have both cases.
constexpr std::array<std::array<unsigned char, 2>, 4> kExtraCasePairs = {
    {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}}};

constexpr bool IsLatin1Upper(int c) {
  return c >= 0xC0 && c <= 0xDE && c != 0xD7;
}

constexpr ByteTable LowerTable() {
  ByteTable table = IdentityTable();
  for (int c = 'A'; c <= 'Z'; ++c)
    table[c] = static_cast<unsigned char>(c + 32);
  for (int c = 0xC0; c <= 0xDE; ++c) {
    if (IsLatin1Upper(c))
      table[c] = static_cast<unsigned char>(c + 32);
  }
  for (const auto& pair : kExtraCasePairs)
    table[pair[0]] = pair[1];
  return table;
}

constexpr ByteTable UpperTable() {
  ByteTable table = IdentityTable();
  for (int c = 'a'; c <= 'z'; ++c)
    table[c] = static_cast<unsigned char>(c - 32);
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (IsLatin1Upper(c - 32))
      table[c] = static_cast<unsigned char>(c - 32);
  }
  for (const auto& pair : kExtraCasePairs)
    table[pair[1]] = pair[0];
  return table;
}

constexpr ByteTable FoldTable() {
  ByteTable table = IdentityTable();
  struct Fold {
    char base;
    std::string_view accented;  // Windows-1252 bytes of the lower-case forms
  };
  constexpr std::array<Fold, 8> kFolds = {{{'a', "\xE1\xE0\xE2\xE4\xE3\xE5"},
                                           {'e', "\xE9\xE8\xEA\xEB"},
                                           {'i', "\xED\xEC\xEE\xEF"},
                                           {'o', "\xF3\xF2\xF4\xF6\xF5"},
                                           {'u', "\xFA\xF9\xFB\xFC"},
                                           {'c', "\xE7"},
                                           {'y', "\xFD"},
                                           {'n', "\xF1"}}};
  for (const Fold& fold : kFolds) {
    for (char lower : fold.accented) {
      const auto byte = static_cast<unsigned char>(lower);
      table[byte] = static_cast<unsigned char>(fold.base);
      table[byte - 32] = static_cast<unsigned char>(fold.base - 32);
    }
  }
  return table;
}

constexpr ByteTable kLower = LowerTable();
constexpr ByteTable kUpper = UpperTable();
constexpr ByteTable kFold = FoldTable();

char Map(const ByteTable& table, char c) {
  return static_cast<char>(table[static_cast<unsigned char>(c)]);
}

// Unicode code points of the bytes 0x80 to 0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char CodePointToCp1252(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(code_point);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == code_point) {
      return static_cast<char>(0x80 + i);
    }
  }
  throw std::logic_error("character without a Windows-1252 byte");
}

}  // namespace

char32_t Cp1252ToCodePoint(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x80 || byte >= 0xA0 || kHighControls[byte - 0x80] == 0)
    return byte;
  return kHighControls[byte - 0x80];
}

char ToLowerCp1252(char c) {
  return Map(kLower, c);
}
char ToUpperCp1252(char c) {
  return Map(kUpper, c);
}
char FoldToBaseLetter(char c) {
  return Map(kFold, c);
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    c = ToLowerCp1252(c);
  return result;
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    c = ToUpperCp1252(c);
  return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (ToLowerCp1252(a[i]) != ToLowerCp1252(b[i]))
      return false;
  }
  return true;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string result;
  result.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (i + length > utf8.size())
      throw std::logic_error("truncated UTF-8 text");
    char32_t code_point = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int k = 1; k < length; ++k) {
      code_point = (code_point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    result += CodePointToCp1252(code_point);
    i += length;
  }
  return result;
}

}  // namespace utils
