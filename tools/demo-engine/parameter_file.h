// The demo engine's parameter file: a plain-text language model. Its first line identifies it;
// then settings ("key<TAB>value"), then sections headed "[lexicon]", "[endings]",
// "[beginnings]" and "[contexts]", each line's fields separated by TABs:
//   [lexicon]     word, tag, lemma, count      (one line per reading of a word)
//   [endings]     word ending, tag, count      (guesses for words not in the lexicon)
//   [beginnings]  word beginning, tag, count   (guesses when no ending matches)
//   [contexts]    previous tag, tag, factor    (the tag's probability after the previous tag)
// Blank lines and lines that begin with "#" are skipped; every tag must be in the "tags" list.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lexicon.h"

namespace demo_engine {

inline constexpr std::string_view kParameterFileHeader = "VANDREL-DEMO-PARAMETERS 1";

struct TagCount {
  std::string tag;
  double count;
};

using AffixTable = std::map<std::string, std::vector<TagCount>, std::less<>>;

struct ParameterFile {
  std::string language;
  // The setting "encoding", windows-1252 (the default) or utf-8: how words are lower-cased.
  TextEncoding encoding = TextEncoding::kWindows1252;
  std::vector<std::string> tags;
  std::string default_tag;
  std::string sentence_end_tag;
  std::string proper_noun_tag;  // empty: capital heuristics guess nothing
  std::string number_tag;       // empty: numbers are guessed like other words
  std::string unknown_lemma = "<unknown>";
  Lexicon lexicon;
  AffixTable endings;
  AffixTable beginnings;
  std::map<std::pair<std::string, std::string>, double> contexts;

  bool HasTag(std::string_view tag) const;
};

// Throws std::runtime_error naming `name` for a file of another kind or a malformed line.
ParameterFile ParseParameterFile(std::string_view text, const std::string& name);

ParameterFile ReadParameterFile(const std::string& name);

}  // namespace demo_engine
