// The abbreviation list: words that the tokenizer keeps whole (an entry with its final period)
// or whose final period it splits off without detaching clitics (an entry without it).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tokenizer/folded_index.h"
#include "tokenizer/hash_filters.h"

namespace tokenizer {

class AbbreviationList {
 public:
  AbbreviationList() = default;
  explicit AbbreviationList(std::vector<std::string> entries);

  const std::vector<std::string>& Entries() const { return entries_; }
  // True when `word` equals an entry under Windows-1252 case-insensitive comparison. Most words
  // of a text are turned away by the filter, without a call.
  bool Contains(std::string_view word) const {
    return !entries_.empty() && filter_.MayHold(0, SketchOf(word)) && IndexHolds(word);
  }

 private:
  bool IndexHolds(std::string_view word) const;

  std::vector<std::string> entries_;
  std::string filed_words_;  // each entry filed in the index, once, one after another
  FoldedIndex index_;
  HashFilters filter_;
};

// The entries of an abbreviations file, in file order: lines end at CR LF, CR or LF, the file
// ends at its first NUL byte, each line loses its leading and trailing TAB, LF, CR and space
// bytes, and lines that are then empty or begin with "#" are left out.
std::vector<std::string> ReadAbbreviationEntries(std::string_view file_bytes);

// Reads the abbreviations file `name`; throws std::runtime_error when it cannot be read. The file
// of a Unicode language is UTF-8, and a leading byte-order mark is dropped.
AbbreviationList LoadAbbreviationFile(const std::string& name, bool unicode = false);

}  // namespace tokenizer
