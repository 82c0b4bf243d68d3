#include "language_material.h"

#include "utils/files.h"

namespace bench {

Language WithRareWords(Language language) {
  Generator generator(language, language.seed);
  for (int i = 0; i < 20000; ++i)
    language.rare_words.push_back(generator.RandomWord());
  return language;
}

std::string Generator::RandomWord() {
  std::string word;
  const std::size_t length = 2 + Below(9);
  for (std::size_t i = 0; i < length; ++i)
    word += language_.letters[Below(i == 0 ? language_.first_letters : language_.letters.size())];
  return word;
}

void WriteText(const std::string& name, std::size_t bytes, const Language& language, bool utf8,
               const std::function<void(Generator&, std::string&)>& append_sentence) {
  Generator generator(language, language.seed + 1);
  utils::FileWriter writer(name);
  std::string chunk;
  for (std::size_t written = 0; written < bytes;) {
    chunk.clear();
    while (chunk.size() < (1 << 16))
      append_sentence(generator, chunk);
    if (chunk.size() > bytes - written) {
      chunk.resize(bytes - written);
      // A character cut at the end goes whole: its continuation bytes, then its first byte.
      while (utf8 && !chunk.empty() && (static_cast<unsigned char>(chunk.back()) & 0xC0) == 0x80)
        chunk.pop_back();
      if (utf8 && !chunk.empty() && static_cast<unsigned char>(chunk.back()) >= 0xC0)
        chunk.pop_back();
      written = bytes;
    } else {
      written += chunk.size();
    }
    writer.Write(chunk);
  }
  writer.Close();
}

void WriteAbbreviationFile(const std::string& name, int entries, const Language& language) {
  Generator generator(language, language.seed + 2);
  std::string file = language.abbreviations_heading;
  for (int i = 0; i < entries; ++i) {
    if (i < static_cast<int>(language.abbreviations.size()))
      file += language.abbreviations[static_cast<std::size_t>(i)];
    else
      file += generator.RandomWord() + (generator.Chance(95) ? "." : "");
    file += "\r\n";
  }
  utils::WriteWholeFile(name, file);
}

void WriteMultiWordFile(const std::string& name, int lines, bool common_starts,
                        const Language& language) {
  Generator generator(language, language.seed + 3);
  std::string file = language.first_units;
  for (int i = 3; i < lines; ++i) {
    if (common_starts || generator.Chance(30))
      file += language.common_words[generator.Below(language.common_words.size())];
    else
      file += generator.RareWord();
    for (std::size_t n = 1 + generator.Below(3); n > 0; --n)
      file += " " + generator.Word();
    file += "\tMW" + std::to_string(i) + "\r\n";
  }
  utils::WriteWholeFile(name, file);
}

}  // namespace bench
