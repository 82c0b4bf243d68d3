// The punctuation that is split off the start and the end of a word, and the conversion of
// Windows punctuation to Latin-1 characters.
#pragma once

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
char ConvertWindowsPunctuation(char c);

}  // namespace tokenizer
