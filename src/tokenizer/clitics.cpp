#include "tokenizer/clitics.h"

namespace tokenizer {

const std::vector<std::string> kEnglishSuffixClitics = {"'s", "'re", "'ve", "'d",
                                                        "'m", "'em", "'ll", "n't"};

const std::vector<std::string> kFrenchPrefixClitics = {
    "d'", "D'", "c'", "C'", "j'", "J'",  "l'",  "L'",     "m'",     "M'",      "n'",
    "N'", "s'", "S'", "t'", "T'", "qu'", "Qu'", "jusqu'", "Jusqu'", "lorsqu'", "Lorsqu'"};

const std::vector<std::string> kFrenchSuffixClitics = {
    "-t-elles?", "-t-ils?", "-t-on", "-ce",        "-elles?", "-ils?", "-je",   "-la",
    "-les?",     "-leur",   "-lui",  "-m\xEAmes?", "-m'",     "-moi",  "-nous", "-on",
    "-toi",      "-tu",     "t'",    "-vous",      "-en",     "-y",    "-ci",   "-l\xE0"};

const std::vector<std::string> kItalianPrefixClitics = {
    "dall'", "Dall'", "dell'", "Dell'", "nell'", "Nell'", "all'",   "All'",
    "d'",    "D'",    "l'",    "L'",    "sull'", "Sull'", "quest'", "Quest'",
    "un'",   "Un'",   "senz'", "Senz'", "tutt'", "Tutt'"};

CliticTables CliticTablesFor(bool clitic_language, std::string_view language_name) {
  if (!clitic_language)
    return {};
  if (language_name == "english")
    return {{}, kEnglishSuffixClitics};
  if (language_name == "french")
    return {kFrenchPrefixClitics, kFrenchSuffixClitics};
  if (language_name == "italian")
    return {kItalianPrefixClitics, {}};
  return {};
}

}  // namespace tokenizer
