#include "utils/cp1252.h"

#include <gtest/gtest.h>

namespace utils {
namespace {

TEST(Cp1252Case, LowersAndRaisesAsciiAndAccentedLetters) {
  EXPECT_EQ(LowerCase("ENGLISH \xC9\xC0\xD6\xDE\x8A\x8C\x8E\x9F"),
            "english \xE9\xE0\xF6\xFE\x9A\x9C\x9E\xFF");
  EXPECT_EQ(UpperCase("english \xE9\xE0\xF6\xFE\x9A\x9C\x9E\xFF"),
            "ENGLISH \xC9\xC0\xD6\xDE\x8A\x8C\x8E\x9F");
}

TEST(Cp1252Case, KeepsSignsAndCaselessLetters) {
  // × and ÷ sit among the letters but are signs; ß and µ have no other case in the code page.
  const std::string caseless = "\xD7\xF7\xDF\xB5 1.,;'\x92\x85";
  EXPECT_EQ(LowerCase(caseless), caseless);
  EXPECT_EQ(UpperCase(caseless), caseless);
}

TEST(Cp1252Case, ComparesWithoutCase) {
  EXPECT_TRUE(EqualsIgnoreCase("ETC.", "etc."));
  EXPECT_TRUE(EqualsIgnoreCase("\xC9t\xE9", "\xE9T\xC9"));
  EXPECT_FALSE(EqualsIgnoreCase("etc", "etc."));
  EXPECT_FALSE(EqualsIgnoreCase("e", "\xE9"));
}

TEST(FoldToBaseLetter, FoldsEveryListedLetterAndNothingElse) {
  struct Row {
    char base;
    const char* accented;
  };
  const Row rows[] = {{'a', "\xE1\xE0\xE2\xE4\xE3\xE5"},
                      {'A', "\xC1\xC0\xC2\xC4\xC3\xC5"},
                      {'e', "\xE9\xE8\xEA\xEB"},
                      {'E', "\xC9\xC8\xCA\xCB"},
                      {'i', "\xED\xEC\xEE\xEF"},
                      {'I', "\xCD\xCC\xCE\xCF"},
                      {'o', "\xF3\xF2\xF4\xF6\xF5"},
                      {'O', "\xD3\xD2\xD4\xD6\xD5"},
                      {'u', "\xFA\xF9\xFB\xFC"},
                      {'U', "\xDA\xD9\xDB\xDC"},
                      {'c', "\xE7"},
                      {'C', "\xC7"},
                      {'y', "\xFD"},
                      {'Y', "\xDD"},
                      {'n', "\xF1"},
                      {'N', "\xD1"}};
  int folded = 0;
  for (const Row& row : rows) {
    for (const char* p = row.accented; *p != '\0'; ++p, ++folded) {
      EXPECT_EQ(FoldToBaseLetter(*p), row.base) << static_cast<int>(static_cast<unsigned char>(*p));
    }
  }
  int changed = 0;
  for (int byte = 0; byte < 256; ++byte) {
    if (FoldToBaseLetter(static_cast<char>(byte)) != static_cast<char>(byte))
      ++changed;
  }
  EXPECT_EQ(changed, folded);
  for (char unchanged : std::string("\xE6\xF8\xF0\xFE\xDF\xFF\xC6\xD8")) {
    EXPECT_EQ(FoldToBaseLetter(unchanged), unchanged);
  }
}

TEST(Utf8ToCp1252, ConvertsLatin1AndTheWindowsPunctuation) {
  EXPECT_EQ(Utf8ToCp1252("Prüfen ß × “–”…€"),
            "Pr\xFC"
            "fen \xDF \xD7 \x93\x96\x94\x85\x80");
  EXPECT_THROW(Utf8ToCp1252("\xE2\x82"), std::logic_error);
  EXPECT_THROW(Utf8ToCp1252("\xE4\xB8\xAD"), std::logic_error);  // a CJK character
}

}  // namespace
}  // namespace utils
