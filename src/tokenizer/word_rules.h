// The two shape tests of the refinement pass.
#pragma once

#include <cstddef>
#include <string_view>

namespace tokenizer {

// True when `word` has at least `minimum_length` bytes and is made only of pairs of a letter
// and a period ("U.S.A."). A letter is a byte whose unaccented lower-case form lies in a to z.
bool IsLetterPeriodSequence(std::string_view word, std::size_t minimum_length);

// True when `word` begins with a digit and every byte after it but the last is a digit too
// ("1990." and "12a" are numbers; the last byte may be anything).
bool IsNumber(std::string_view word);

}  // namespace tokenizer
