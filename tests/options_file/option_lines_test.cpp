#include "options_file/option_lines.h"

#include <gtest/gtest.h>

#include "options_file/option_keys.h"

namespace options_file {
namespace {

using Lines = std::vector<std::string_view>;

TEST(SplitIntoLines, EndsLinesAtCrCrLfAndLoneLf) {
  EXPECT_EQ(SplitIntoLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitIntoLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitIntoLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF then CR: two line ends
  EXPECT_EQ(SplitIntoLines(""), Lines{});
  EXPECT_EQ(SplitIntoLines("\r\n"), Lines{""});
}

TEST(SplitIntoLines, StopsAtCtrlZ) {
  EXPECT_EQ(SplitIntoLines("a=1\r\nb=2\x1A"
                           "c=3\r\n"),
            (Lines{"a=1", "b=2"}));
  EXPECT_EQ(SplitIntoLines("\x1A"
                           "a=1"),
            Lines{});
}

TEST(SplitIntoLines, KeepsLongLinesWhole) {
  const std::string long_value(100000, 'x');
  const std::string line = "ReadFile=" + long_value;
  EXPECT_EQ(SplitIntoLines(line + "\r\n"), Lines{line});
}

TEST(SplitOptionLine, SplitsAtTheFirstEqualsSign) {
  std::string key;
  std::string value;
  EXPECT_TRUE(SplitOptionLine("ReadEOSTag=a=b", key, value));
  EXPECT_EQ(key, "ReadEOSTag");
  EXPECT_EQ(value, "a=b");
  EXPECT_TRUE(SplitOptionLine(" Lang = german ", key, value));
  EXPECT_EQ(key, " Lang ");
  EXPECT_EQ(value, " german ");
  EXPECT_TRUE(SplitOptionLine("=", key, value));
  EXPECT_EQ(key, "");
  EXPECT_EQ(value, "");
  EXPECT_FALSE(SplitOptionLine("   ", key, value));
}

TEST(IndexInList, ComparesExactly) {
  EXPECT_EQ(IndexInList(OptionKeys, "Lang"), 0);
  EXPECT_EQ(IndexInList(OptionKeys, "OneLetAbbrev"), 34);
  EXPECT_EQ(IndexInList(OptionKeys, "lang"), -1);
  EXPECT_EQ(IndexInList(OptionKeys, "Lang "), -1);
  EXPECT_EQ(YesNoText(true), "Y");
  EXPECT_EQ(YesNoText(false), "N");
}

}  // namespace
}  // namespace options_file
