// The second pass of the tokenizer's Unicode path: each segment into its tokens by the rules of
// the Windows-1252 path, applied to characters: the punctuation sets hold the characters that
// their bytes stand for in Windows-1252, lengths count characters, letters are those of general
// category L, and abbreviations are compared under simple case folding.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "tokenizer/character_segmenter.h"
#include "tokenizer/hash_filters.h"
#include "tokenizer/settings.h"

namespace tokenizer {

class CharacterRefiner final : public CharacterSink {
 public:
  // Keeps a reference to `tokens`. The clitic tables of `data` are read as Windows-1252.
  CharacterRefiner(const TokenizerOptions& options, const TokenizerData& data,
                   CharacterSink& tokens);

  void Add(const CharacterText& segment) override;

 private:
  bool IsLeading(char32_t c) const;
  bool IsTrailing(char32_t c) const;
  CharacterText Peel(const CharacterText& segment);
  bool IsAbbreviation(const CharacterText& word);
  bool IsLetterPeriodSequence(const CharacterText& word);
  void DetachClitics(CharacterText& word);
  // Hands on `word`, which lies in `segment`, and the pieces split off its end.
  void Emit(const CharacterText& segment, const CharacterText& word);

  CharacterSink& tokens_;
  const bool apostrophe_is_trailing_;
  const bool detach_clitics_;
  const std::size_t minimum_letter_period_length_;
  std::unordered_set<std::string> folded_abbreviations_;
  // The caseless hashes of the entries: most words are turned away before they are folded.
  HashFilters abbreviation_filter_;
  // A word of more than four times as many bytes as the longest entry has more characters than
  // any, so it is no entry: turned away before a long word is folded into a copy.
  std::size_t longest_abbreviation_ = 0;
  // The clitic tables as characters.
  std::vector<std::u32string> prefixes_;
  std::vector<std::u32string> suffixes_;
  std::string folded_;             // the folded form of the word being looked up
  std::size_t suffix_length_ = 0;  // in bytes, of the suffix clitic split off the current word
};

}  // namespace tokenizer
