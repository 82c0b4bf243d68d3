#include "utils/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace utils {
namespace {

TEST(FormatNumber, WritesTheShortestTextWithTheLocaleSeparator) {
  EXPECT_EQ(FormatNumber(0.5, '.'), "0.5");
  EXPECT_EQ(FormatNumber(0.1, '.'), "0.1");
  EXPECT_EQ(FormatNumber(0.5, ','), "0,5");
  EXPECT_EQ(FormatNumber(0.1, ','), "0,1");
  EXPECT_EQ(FormatNumber(2, ','), "2");
  EXPECT_EQ(FormatNumber(-0.25, ','), "-0,25");
}

TEST(FormatNumber, ReadsBackTheSameNumber) {
  for (double value : {0.1, 1.0 / 3, 1e-7, 123456.789, 6.02e23, -2.5e-300}) {
    for (char separator : {'.', ','}) {
      const auto read = ParseNumber(FormatNumber(value, separator), separator);
      ASSERT_TRUE(read.has_value()) << FormatNumber(value, separator);
      EXPECT_EQ(*read, value);
    }
  }
}

TEST(ParseNumber, AcceptsTheLocaleNotation) {
  struct Row {
    const char* text;
    char separator;
    double value;
  };
  const Row rows[] = {{"0.5", '.', 0.5},  {"0,5", ',', 0.5},  {"  0,25 ", ',', 0.25},
                      {"-3", '.', -3},    {"+3", '.', 3},     {"5.", '.', 5},
                      {".5", '.', 0.5},   {"1e3", '.', 1000}, {"1,5E-2", ',', 0.015},
                      {"2e+2", ',', 200}, {"007", '.', 7}};
  for (const Row& row : rows) {
    const auto value = ParseNumber(row.text, row.separator);
    ASSERT_TRUE(value.has_value()) << row.text;
    EXPECT_DOUBLE_EQ(*value, row.value) << row.text;
  }
}

TEST(ParseNumber, RefusesWhatIsNotANumber) {
  struct Row {
    const char* text;
    char separator;
  };
  const Row rows[] = {{"", '.'},    {"   ", '.'}, {"-", '.'},     {"+", '.'},    {".", '.'},
                      {"0.5", ','}, {"0,5", '.'}, {"1.2.3", '.'}, {"1,5,", ','}, {"1e", '.'},
                      {"1e+", '.'}, {"5x", '.'},  {"inf", '.'},   {"nan", '.'},  {"0x10", '.'},
                      {"1 2", '.'}, {"--1", '.'}, {"1e999", '.'}, {"\t1", '.'}};
  for (const Row& row : rows) {
    EXPECT_FALSE(ParseNumber(row.text, row.separator).has_value())
        << '"' << row.text << "\" with " << row.separator;
  }
}

}  // namespace
}  // namespace utils
