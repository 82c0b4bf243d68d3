#include "tokenizer/character_refiner.h"

#include <algorithm>

#include "tokenizer/punctuation.h"
#include "utils/cp1252.h"
#include "utils/unicode_case.h"

namespace tokenizer {
namespace {

std::u32string CodePointsOf(std::string_view cp1252) {
  std::u32string code_points;
  for (char c : cp1252)
    code_points.push_back(utils::Cp1252ToCodePoint(c));
  return code_points;
}

// The characters of the two punctuation sets beyond ASCII lie in two small ranges.
bool MayBePunctuation(char32_t c) {
  return c < 0x80 || (c >= 0xAB && c <= 0xBB) || (c >= 0x2013 && c <= 0x203A);
}

const std::u32string kLeading = CodePointsOf(kLeadingPunctuation);
const std::u32string kTrailing = CodePointsOf(kTrailingPunctuation);

bool IsDigit(char32_t c) {
  return c >= '0' && c <= '9';
}

// Whether `word` begins (or ends) with the characters of `entry` and has more characters.
bool BeginsWith(const CharacterText& word, const std::u32string& entry) {
  std::size_t i = 0;
  for (char32_t c : entry) {
    if (i == word.Size())
      return false;
    const Character character = word.At(i);
    if (character.code_point != c)
      return false;
    i += character.length;
  }
  return i < word.Size();
}

bool EndsWith(const CharacterText& word, const std::u32string& entry) {
  std::size_t end = word.Size();
  for (auto c = entry.rbegin(); c != entry.rend(); ++c) {
    if (end == 0)
      return false;
    const Character character = word.Before(end);
    if (character.code_point != *c)
      return false;
    end -= character.length;
  }
  return end > 0;
}

// The length in bytes of `entry` in UTF-8.
std::size_t Utf8Length(const std::u32string& entry) {
  std::string bytes;
  for (char32_t c : entry)
    utils::AppendUtf8(bytes, c);
  return bytes.size();
}

}  // namespace

CharacterRefiner::CharacterRefiner(const TokenizerOptions& options, const TokenizerData& data,
                                   CharacterSink& tokens)
    : tokens_(tokens),
      apostrophe_is_trailing_(options.detach_apostrophes),
      detach_clitics_(options.detach_clitics),
      minimum_letter_period_length_(options.one_letter_abbreviations ? 2 : 4) {
  std::vector<HashFilters::Member> members;
  for (const std::string& entry : data.abbreviations.Entries()) {
    folded_.clear();
    AppendCaseFolded(folded_, CharacterText(entry));
    folded_abbreviations_.insert(folded_);
    members.push_back({0, CaselessHash(CharacterText(entry))});
    longest_abbreviation_ = std::max(longest_abbreviation_, entry.size());
  }
  abbreviation_filter_ = HashFilters(1, members);
  for (const std::string& entry : data.clitics.prefixes)
    prefixes_.push_back(CodePointsOf(entry));
  for (const std::string& entry : data.clitics.suffixes)
    suffixes_.push_back(CodePointsOf(entry));
}

bool CharacterRefiner::IsLeading(char32_t c) const {
  return MayBePunctuation(c) && kLeading.find(c) != std::u32string::npos;
}

bool CharacterRefiner::IsTrailing(char32_t c) const {
  return MayBePunctuation(c) &&
         (kTrailing.find(c) != std::u32string::npos || (c == '\'' && apostrophe_is_trailing_));
}

CharacterText CharacterRefiner::Peel(const CharacterText& segment) {
  CharacterText word = segment;
  // A piece is never peeled off a word of one character.
  for (bool changed = true; changed;) {
    changed = false;
    const Character first = word.At(0);
    if (IsLeading(first.code_point) && first.length < word.Size()) {
      tokens_.Add(word.Part(0, first.length));
      word = word.Part(first.length, word.Size());
      changed = true;
    }
    const Character last = word.Before(word.Size());
    if (IsTrailing(last.code_point) && last.length < word.Size()) {
      word = word.Part(0, word.Size() - last.length);
      changed = true;
    }
    if (word.Bytes().back() == '.' && word.Size() >= 2) {
      const Character mark = word.Before(word.Size() - 1);
      if (IsTrailing(mark.code_point)) {
        // The mark and the period both trail; a word that was only these two keeps the mark.
        const bool only_these = mark.length + 1 == word.Size();
        word = word.Part(0, word.Size() - (only_these ? 1 : 1 + mark.length));
        changed = true;
      }
    }
  }
  return word;
}

bool CharacterRefiner::IsAbbreviation(const CharacterText& word) {
  if (folded_abbreviations_.empty() || word.Size() > 4 * longest_abbreviation_ ||
      !abbreviation_filter_.MayHold(0, CaselessHash(word)))
    return false;
  folded_.clear();
  AppendCaseFolded(folded_, word);
  return folded_abbreviations_.contains(folded_);
}

bool CharacterRefiner::IsLetterPeriodSequence(const CharacterText& word) {
  // The second character is tested first: it is rarely a period.
  const std::size_t second = word.At(0).length;
  if (second >= word.Size() || word.Bytes()[second] != '.')
    return false;
  std::size_t characters = 0;
  bool pairs = true;
  word.ForEach([&](const Character& character) {
    const bool period_place = characters % 2 == 1;
    pairs = pairs &&
            (period_place ? character.code_point == '.'
                          : utils::IsUnicodeLetter(utils::SimpleLowerCase(character.code_point)));
    ++characters;
  });
  return pairs && characters % 2 == 0 && characters >= minimum_letter_period_length_;
}

void CharacterRefiner::DetachClitics(CharacterText& word) {
  for (const std::u32string& entry : prefixes_) {
    if (BeginsWith(word, entry)) {
      const std::size_t length = Utf8Length(entry);
      tokens_.Add(word.Part(0, length));
      word = word.Part(length, word.Size());
      break;
    }
  }
  for (const std::u32string& entry : suffixes_) {
    if (EndsWith(word, entry)) {
      suffix_length_ = Utf8Length(entry);
      word = word.Part(0, word.Size() - suffix_length_);
      break;
    }
  }
}

void CharacterRefiner::Emit(const CharacterText& segment, const CharacterText& word) {
  tokens_.Add(word);
  // Every piece split off the end of the word is a single character but the suffix clitic, the
  // last piece split off and so the first in the text: so the pieces are the rest of the
  // segment, in order.
  std::size_t i =
      static_cast<std::size_t>(word.Bytes().data() - segment.Bytes().data()) + word.Size();
  if (suffix_length_ > 0) {
    tokens_.Add(segment.Part(i, i + suffix_length_));
    i += suffix_length_;
  }
  while (i < segment.Size()) {
    const std::size_t length = segment.At(i).length;
    tokens_.Add(segment.Part(i, i + length));
    i += length;
  }
}

void CharacterRefiner::Add(const CharacterText& segment) {
  suffix_length_ = 0;
  CharacterText word = Peel(segment);
  if (IsAbbreviation(word) || IsLetterPeriodSequence(word)) {
    Emit(segment, word);
    return;
  }
  const std::string_view bytes = word.Bytes();
  const bool is_number = IsDigit(static_cast<unsigned char>(bytes.front())) && [&] {
    // Every character after the first but the last is a digit.
    const std::size_t last = word.Size() - word.Before(word.Size()).length;
    return last == 0 || std::all_of(bytes.begin() + 1, bytes.begin() + static_cast<long>(last),
                                    [](char c) { return IsDigit(static_cast<unsigned char>(c)); });
  }();
  if (bytes.back() == '.' && bytes.size() >= 2 && bytes != "..." && !is_number) {
    word = word.Part(0, word.Size() - 1);
    if (IsAbbreviation(word)) {
      Emit(segment, word);
      return;
    }
  }
  if (detach_clitics_)
    DetachClitics(word);
  Emit(segment, word);
}

}  // namespace tokenizer
