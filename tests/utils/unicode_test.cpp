#include <gtest/gtest.h>

#include "utils/unicode_case.h"
#include "utils/utf8.h"

namespace utils {
namespace {

TEST(Utf8, DecodesWellFormedSequencesOnly) {
  struct Row {
    std::string bytes;
    char32_t code_point;
    std::size_t length;
  };
  const Row rows[] = {
      {"a", 'a', 1},
      {"\xD0\xB9", 0x439, 2},
      {"\xE2\x80\xA6", 0x2026, 3},
      {"\xF0\x9F\x98\x80", 0x1F600, 4},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
      {"\xEF\xBF\xBD", 0xFFFD, 3},
      {"\x80", kNotACharacter, 1},              // a tail byte
      {"\xC0\xAF", kNotACharacter, 1},          // overlong
      {"\xC1\xBF", kNotACharacter, 1},          // overlong
      {"\xE0\x9F\xBF", kNotACharacter, 1},      // overlong
      {"\xF0\x8F\xBF\xBF", kNotACharacter, 1},  // overlong
      {"\xED\xA0\x80", kNotACharacter, 1},      // a surrogate
      {"\xF4\x90\x80\x80", kNotACharacter, 1},  // past U+10FFFF
      {"\xF5\x80\x80\x80", kNotACharacter, 1},
      {"\xE2\x80", kNotACharacter, 1},  // truncated
      {"\xE2\x80 ", kNotACharacter, 1},
      {"\xFF", kNotACharacter, 1},
  };
  for (const Row& row : rows) {
    const DecodedCharacter decoded = DecodeUtf8(row.bytes);
    EXPECT_EQ(decoded.code_point, row.code_point) << testing::PrintToString(row.bytes);
    EXPECT_EQ(decoded.length, row.length) << testing::PrintToString(row.bytes);
  }
  EXPECT_EQ(FindInvalidUtf8("plain ASCII text and more: \xD0\xB9 \xE2\x80\xA6"), std::string::npos);
  EXPECT_EQ(FindInvalidUtf8("0123456789abcdef\xD0\xB9\xD0"), 18u);
}

TEST(Utf8, EncodesEveryLength) {
  std::string text;
  for (char32_t c : {0x41u, 0x439u, 0x2026u, 0x1F600u})
    AppendUtf8(text, c);
  EXPECT_EQ(text, "A\xD0\xB9\xE2\x80\xA6\xF0\x9F\x98\x80");
}

TEST(Utf8, Utf16BecomesUtf8InPlace) {
  struct Row {
    std::string utf16;
    bool big_endian;
    std::string utf8;
  };
  // Characters of every UTF-8 length in both orders: the UTF-8 form runs ahead of the UTF-16
  // form, or falls behind it, before the end.
  const Row rows[] = {
      {std::string("\xFF\xFE"
                   "A\0\x3D\xD8\x00\xDE",
                   8),
       false,
       "\xEF\xBB\xBF"
       "A\xF0\x9F\x98\x80"},
      {std::string("\xFE\xFF\xDC\x00\0B\xD8\x00", 8), true,
       "\xEF\xBB\xBF\xEF\xBF\xBD"
       "B\xEF\xBF\xBD"},
      {std::string("\xFF\xFE"
                   "A",
                   3),
       false, "\xEF\xBB\xBF\xEF\xBF\xBD"},
      {std::string("\xFF\xFE\x26\x20\x26\x20\x39\x04"
                   "a\0b\0",
                   12),
       false,
       "\xEF\xBB\xBF\xE2\x80\xA6\xE2\x80\xA6\xD0\xB9"
       "ab"},
      {std::string("\xFE\xFF\0a\0b\x04\x39\x20\x26\x20\x26", 12), true,
       "\xEF\xBB\xBF"
       "ab\xD0\xB9\xE2\x80\xA6\xE2\x80\xA6"},
  };
  for (const Row& row : rows) {
    std::string text = row.utf16;
    Utf16ToUtf8InPlace(text, row.big_endian);
    EXPECT_EQ(text, row.utf8);
  }
}

TEST(UnicodeCase, SimpleMappingsFoldingAndLetters) {
  struct Row {
    char32_t c, lower, upper, folded;
    bool letter;
  };
  const Row rows[] = {
      {U'A', U'a', U'A', U'a', true},
      {U'Ё', U'ё', U'Ё', U'ё', true},
      {U'ё', U'ё', U'Ё', U'ё', true},
      {U'ß', U'ß', U'ß', U'ß', true},  // no one-to-one upper case
      {U'ẞ', U'ß', U'ẞ', U'ß', true},
      {U'ς', U'ς', U'Σ', U'σ', true},      // folds to the other sigma
      {0x212A, U'k', 0x212A, U'k', true},  // Kelvin sign
      {U'İ', U'i', U'İ', U'İ', true},      // no simple folding
      {U'ǅ', U'ǆ', U'Ǆ', U'ǆ', true},      // title case
      {U'中', U'中', U'中', U'中', true},  // in a range of the database
      {U'ʰ', U'ʰ', U'ʰ', U'ʰ', true},      // a modifier letter
      {U'—', U'—', U'—', U'—', false},
      {U'5', U'5', U'5', U'5', false},
      {0x10FFFF, 0x10FFFF, 0x10FFFF, 0x10FFFF, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(SimpleLowerCase(row.c), row.lower) << std::hex << static_cast<unsigned>(row.c);
    EXPECT_EQ(SimpleUpperCase(row.c), row.upper) << std::hex << static_cast<unsigned>(row.c);
    EXPECT_EQ(SimpleCaseFold(row.c), row.folded) << std::hex << static_cast<unsigned>(row.c);
    EXPECT_EQ(IsUnicodeLetter(row.c), row.letter) << std::hex << static_cast<unsigned>(row.c);
  }
  // The mappings and the folding join dotless i, I, i and dotted I; and the sigmas.
  for (char32_t c : {U'ı', U'i', U'İ'})
    EXPECT_EQ(CaselessKey(c), CaselessKey(U'I'));
  EXPECT_EQ(CaselessKey(U'ς'), CaselessKey(U'Σ'));
  EXPECT_NE(CaselessKey(U'ё'), CaselessKey(U'е'));
}

}  // namespace
}  // namespace utils
