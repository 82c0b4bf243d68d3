// Word forms with their possible tags, lemmas and how often each was seen.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "word_case.h"

namespace demo_engine {

struct Reading {
  std::string tag;
  std::string lemma;
  double count;
};

class Lexicon {
 public:
  void Add(const std::string& word, Reading reading);

  // The readings of `word` as written, else of its lower-case form, else of its capitalised
  // form (sentence-initial and all-capital words find their entries); null when none is there.
  const std::vector<Reading>* Find(std::string_view word,
                                   TextEncoding encoding = TextEncoding::kWindows1252) const;

  std::size_t WordCount() const { return entries_.size(); }
  const std::map<std::string, std::vector<Reading>, std::less<>>& Entries() const {
    return entries_;
  }

 private:
  std::map<std::string, std::vector<Reading>, std::less<>> entries_;
};

// Reads an auxiliary lexicon: per line a word followed by one or more pairs of tag and lemma,
// separated by TABs, or by blanks when the line has no TAB. Blank lines and lines that begin
// with "#" are skipped. A malformed line throws std::runtime_error naming `name` and the line.
Lexicon ParseAuxiliaryLexicon(std::string_view text, const std::string& name);

}  // namespace demo_engine
