#include "tokenizer/punctuation.h"

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

}  // namespace tokenizer
