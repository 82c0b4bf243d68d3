#include "tokenizer/refiner.h"

#include "tokenizer/word_rules.h"

namespace tokenizer {
namespace {

// Clitic entries are short; comparing them byte by byte from the end costs less than a call.
bool EndsWith(std::string_view word, std::string_view suffix) {
  if (word.size() < suffix.size())
    return false;
  const char* end = word.data() + word.size();
  for (std::size_t i = 1; i <= suffix.size(); ++i) {
    if (end[-static_cast<std::ptrdiff_t>(i)] != suffix[suffix.size() - i])
      return false;
  }
  return true;
}

bool StartsWith(std::string_view word, std::string_view prefix) {
  if (word.size() < prefix.size())
    return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (word[i] != prefix[i])
      return false;
  }
  return true;
}

}  // namespace

SegmentRefiner::SegmentRefiner(const TokenizerOptions& options, const TokenizerData& data,
                               StringSink& tokens)
    : data_(data),
      tokens_(tokens),
      punctuation_(options.detach_apostrophes),
      detach_clitics_(options.detach_clitics),
      minimum_letter_period_length_(options.one_letter_abbreviations ? 2 : 4) {
  for (const std::string& prefix : data.clitics.prefixes) {
    for (int byte = 0; byte < 256; ++byte) {
      if (prefix.empty() || static_cast<unsigned char>(prefix.front()) == byte)
        prefixes_by_first_byte_[byte].push_back(prefix);
    }
  }
  for (const std::string& suffix : data.clitics.suffixes) {
    for (int byte = 0; byte < 256; ++byte) {
      if (suffix.empty() || static_cast<unsigned char>(suffix.back()) == byte)
        suffixes_by_last_byte_[byte].push_back(suffix);
    }
  }
}

std::string_view SegmentRefiner::Peel(std::string_view word) {
  // A piece is never peeled off a one-byte word, so every pass leaves at least one byte.
  for (bool changed = true; changed;) {
    changed = false;
    if (word.size() >= 2 && punctuation_.IsLeading(word.front())) {
      tokens_.Add(word.substr(0, 1));
      word.remove_prefix(1);
      changed = true;
    }
    if (word.size() >= 2 && punctuation_.IsTrailing(word.back())) {
      trailing_.push_back(word.substr(word.size() - 1));
      word.remove_suffix(1);
      changed = true;
    }
    if (word.size() >= 2 && word.back() == '.' && punctuation_.IsTrailing(word[word.size() - 2])) {
      trailing_.push_back(word.substr(word.size() - 1));
      const std::string_view mark = word.substr(word.size() - 2, 1);
      word.remove_suffix(2);
      if (word.empty())
        word = mark;
      else
        trailing_.push_back(mark);
      changed = true;
    }
  }
  return word;
}

void SegmentRefiner::DetachClitics(std::string_view& word) {
  for (std::string_view prefix :
       prefixes_by_first_byte_[static_cast<unsigned char>(word.front())]) {
    if (word.size() > prefix.size() && StartsWith(word, prefix)) {
      tokens_.Add(word.substr(0, prefix.size()));
      word.remove_prefix(prefix.size());
      break;
    }
  }
  for (std::string_view suffix : suffixes_by_last_byte_[static_cast<unsigned char>(word.back())]) {
    if (word.size() > suffix.size() && EndsWith(word, suffix)) {
      trailing_.push_back(word.substr(word.size() - suffix.size()));
      word.remove_suffix(suffix.size());
      break;
    }
  }
}

void SegmentRefiner::Emit(std::string_view word) {
  tokens_.Add(word);
  for (auto piece = trailing_.rbegin(); piece != trailing_.rend(); ++piece)
    tokens_.Add(*piece);
}

void SegmentRefiner::Add(std::string_view segment) {
  trailing_.clear();
  std::string_view word = Peel(segment);
  if (data_.abbreviations.Contains(word) ||
      IsLetterPeriodSequence(word, minimum_letter_period_length_)) {
    Emit(word);
    return;
  }
  if (!IsNumber(word) && word.size() >= 2 && word.back() == '.' && word != "...") {
    trailing_.push_back(word.substr(word.size() - 1));
    word.remove_suffix(1);
    if (data_.abbreviations.Contains(word)) {
      Emit(word);
      return;
    }
  }
  if (detach_clitics_)
    DetachClitics(word);
  Emit(word);
}

}  // namespace tokenizer
