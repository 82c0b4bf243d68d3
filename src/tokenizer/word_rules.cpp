#include "tokenizer/word_rules.h"

#include "utils/cp1252.h"

namespace tokenizer {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
  const char base = utils::FoldToBaseLetter(utils::ToLowerCp1252(c));
  return base >= 'a' && base <= 'z';
}

}  // namespace

bool IsLetterPeriodSequence(std::string_view word, std::size_t minimum_length) {
  // The second byte is tested first: it is rarely a period, so this test turns almost every
  // word away in a way the processor foresees, where the length's parity is a toss-up.
  if (word.size() < 2 || word[1] != '.')
    return false;
  if (word.size() < minimum_length || word.size() % 2 != 0)
    return false;
  for (std::size_t i = 0; i < word.size(); i += 2) {
    if (word[i + 1] != '.' || !IsLetter(word[i]))
      return false;
  }
  return true;
}

bool IsNumber(std::string_view word) {
  if (word.empty() || !IsDigit(word[0]))
    return false;
  for (std::size_t i = 1; i + 1 < word.size(); ++i) {
    if (!IsDigit(word[i]))
      return false;
  }
  return true;
}

}  // namespace tokenizer
