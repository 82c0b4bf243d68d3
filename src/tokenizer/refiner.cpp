#include "tokenizer/refiner.h"

#include "tokenizer/word_rules.h"

namespace tokenizer {
SegmentRefiner::SegmentRefiner(const TokenizerOptions& options, const TokenizerData& data,
                               StringSink& tokens)
    : data_(data),
      tokens_(tokens),
      punctuation_(options.detach_apostrophes),
      detach_clitics_(options.detach_clitics),
      minimum_letter_period_length_(options.one_letter_abbreviations ? 2 : 4),
      prefixes_(data.clitics.prefixes, CliticMatcher::Side::Front),
      suffixes_(data.clitics.suffixes, CliticMatcher::Side::Back) {}

std::string_view SegmentRefiner::Peel(std::string_view word) {
  if (word.empty())
    return word;
  // A piece is never peeled off a one-byte word, so every pass leaves at least one byte. Each
  // test looks at the bytes before the length: most words have no punctuation, which the
  // processor foresees, while whether a word has one byte or more is a toss-up.
  for (bool changed = true; changed;) {
    changed = false;
    if (punctuation_.IsLeading(word.front()) && word.size() >= 2) {
      tokens_.Add(word.substr(0, 1));
      word.remove_prefix(1);
      changed = true;
    }
    if (punctuation_.IsTrailing(word.back()) && word.size() >= 2) {
      word.remove_suffix(1);
      changed = true;
    }
    if (word.back() == '.' && word.size() >= 2 && punctuation_.IsTrailing(word[word.size() - 2])) {
      // The mark and the period both trail; a word that was only these two keeps the mark.
      word.remove_suffix(word.size() == 2 ? 1 : 2);
      changed = true;
    }
  }
  return word;
}

void SegmentRefiner::DetachClitics(std::string_view& word) {
  const std::size_t prefix = prefixes_.Match(word);
  if (prefix != CliticMatcher::kNoMatch) {
    tokens_.Add(word.substr(0, prefix));
    word.remove_prefix(prefix);
  }
  const std::size_t suffix = suffixes_.Match(word);
  if (suffix != CliticMatcher::kNoMatch) {
    word.remove_suffix(suffix);
    suffix_length_ = suffix;
  }
}

void SegmentRefiner::Emit(std::string_view segment, std::string_view word) {
  tokens_.Add(word);
  // Every piece split off the end of the word is a single byte but the suffix clitic, the
  // last piece split off and so the first in the text: so the pieces are the rest of the
  // segment, in order.
  std::string_view rest = segment.substr(static_cast<std::size_t>(word.end() - segment.begin()));
  if (suffix_length_ > 0) {
    tokens_.Add(rest.substr(0, suffix_length_));
    rest.remove_prefix(suffix_length_);
  }
  for (std::size_t i = 0; i < rest.size(); ++i)
    tokens_.Add(rest.substr(i, 1));
}

void SegmentRefiner::Add(std::string_view segment) {
  suffix_length_ = 0;
  std::string_view word = Peel(segment);
  if (data_.abbreviations.Contains(word) ||
      IsLetterPeriodSequence(word, minimum_letter_period_length_)) {
    Emit(segment, word);
    return;
  }
  if (!word.empty() && word.back() == '.' && word.size() >= 2 && word != "..." && !IsNumber(word)) {
    word.remove_suffix(1);
    if (data_.abbreviations.Contains(word)) {
      Emit(segment, word);
      return;
    }
  }
  if (detach_clitics_)
    DetachClitics(word);
  Emit(segment, word);
}

}  // namespace tokenizer
