#include "tokenizer/punctuation.h"

#include <array>

namespace tokenizer {

const std::string_view kLeadingPunctuation =
    "[{(\xB4"
    "`\"\xBB\xAB\x82\x84\x86\x87\x8B\x91\x92\x93\x94\x95\x96\x97\x9B";

const std::string_view kTrailingPunctuation =
    "]}),;:!?%\x85\x89"
    "`\"\xBB\xAB\x82\x84\x86\x87\x8B\x91\x92\x93\x94\x95\x96\x97\x9B";

PunctuationSets::PunctuationSets(bool apostrophe_is_trailing) {
  for (char c : kLeadingPunctuation)
    leading_[static_cast<unsigned char>(c)] = true;
  for (char c : kTrailingPunctuation)
    trailing_[static_cast<unsigned char>(c)] = true;
  if (apostrophe_is_trailing)
    trailing_[static_cast<unsigned char>('\'')] = true;
}

namespace {

constexpr std::array<char, 256> ConversionTable() {
  std::array<char, 256> table{};
  for (int i = 0; i < 256; ++i)
    table[i] = static_cast<char>(i);
  for (int byte : {0x91, 0x92, 0x82})
    table[byte] = '\'';
  for (int byte : {0x93, 0x94, 0x84})
    table[byte] = '"';
  for (int byte : {0x96, 0x97, 0x85})
    table[byte] = '-';
  return table;
}

constexpr std::array<char, 256> kConversion = ConversionTable();

}  // namespace

char ConvertWindowsPunctuation(char c) {
  return kConversion[static_cast<unsigned char>(c)];
}

}  // namespace tokenizer
