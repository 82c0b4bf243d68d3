// The punctuation that is split off the start and the end of a word, and the conversion of
// Windows punctuation to Latin-1 characters.
#pragma once

#include <array>
#include <string_view>

namespace tokenizer {

// The 21 bytes split off the start of a word.
extern const std::string_view kLeadingPunctuation;
// The 28 bytes split off the end of a word; the apostrophe joins them on request.
extern const std::string_view kTrailingPunctuation;

class PunctuationSets {
 public:
  explicit PunctuationSets(bool apostrophe_is_trailing);

  bool IsLeading(char c) const { return leading_[static_cast<unsigned char>(c)]; }
  bool IsTrailing(char c) const { return trailing_[static_cast<unsigned char>(c)]; }

 private:
  bool leading_[256] = {};
  bool trailing_[256] = {};
};

// Windows quotes become the apostrophe or the quotation mark, dashes and the ellipsis the
// hyphen-minus; every other byte stays.
inline char ConvertWindowsPunctuation(char c) {
  static constexpr std::array<char, 256> kConversion = [] {
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
  }();
  return kConversion[static_cast<unsigned char>(c)];
}

}  // namespace tokenizer
