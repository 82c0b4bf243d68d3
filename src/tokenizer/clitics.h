// The stored clitic tables and the choice of the two tables the tokenizer uses for a language.
// Entries are compared byte for byte; a question mark in an entry is an ordinary character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tokenizer {

extern const std::vector<std::string> kEnglishSuffixClitics;
extern const std::vector<std::string> kFrenchPrefixClitics;
extern const std::vector<std::string> kFrenchSuffixClitics;
extern const std::vector<std::string> kItalianPrefixClitics;

struct CliticTables {
  std::vector<std::string> prefixes;  // word-initial pieces, tried in this order
  std::vector<std::string> suffixes;  // word-final pieces, tried in this order
};

// `clitic_language` tells that the language was chosen as English, French or Italian from the
// fixed list; a language typed in by name gets empty tables, whatever the name.
CliticTables CliticTablesFor(bool clitic_language, std::string_view language_name);

}  // namespace tokenizer
