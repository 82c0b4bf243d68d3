// What the generated benchmark material of one language is made of, and the writers that all
// languages share: random words, abbreviations files, multi-word files and running text.
#pragma once

#include <cstddef>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace bench {

struct Language {
  std::vector<std::string> common_words;
  std::vector<std::string> abbreviations;
  // The letters of the random words, one character each; a word begins with one of the first
  // `first_letters`.
  std::vector<std::string> letters;
  std::size_t first_letters;
  // The random words are made from this seed, the text from the next, the abbreviations file
  // from the one after, and the multi-word file from the one after that.
  unsigned seed;
  std::string abbreviations_heading;
  std::string first_units;              // the first lines of the multi-word file
  std::vector<std::string> rare_words;  // made by Language::WithRareWords
};

// `language` with its rarer words, the same for the text and the language files.
Language WithRareWords(Language language);

class Generator {
 public:
  Generator(const Language& language, unsigned seed) : language_(language), random_(seed) {}

  std::size_t Below(std::size_t n) { return random_() % n; }
  bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }
  std::string RandomWord();
  const std::string& RareWord() { return language_.rare_words[Below(language_.rare_words.size())]; }
  // Most words are common ones.
  const std::string& Word() {
    return Chance(70) ? language_.common_words[Below(language_.common_words.size())] : RareWord();
  }
  const std::string& Abbreviation() {
    return language_.abbreviations[Below(language_.abbreviations.size())];
  }

 private:
  const Language& language_;
  std::mt19937 random_;
};

// Writes about `bytes` bytes of sentences, each appended by `append_sentence`, to `name`; with
// `utf8` the end never cuts a character in two.
void WriteText(const std::string& name, std::size_t bytes, const Language& language, bool utf8,
               const std::function<void(Generator&, std::string&)>& append_sentence);

// Writes an abbreviations file of `entries` entries: the language's own, then random words, most
// of them with a period.
void WriteAbbreviationFile(const std::string& name, int entries, const Language& language);

// Writes a multi-word file of `lines` lines. Their first words are a mix of the text's common and
// rarer words, as in a list of fixed phrases and names; with `common_starts` every line begins
// with one of the most common words, so that a third of the text's tokens start a match.
void WriteMultiWordFile(const std::string& name, int lines, bool common_starts,
                        const Language& language);

}  // namespace bench
