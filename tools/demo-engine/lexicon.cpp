#include "lexicon.h"

#include <stdexcept>

#include "text_lines.h"

namespace demo_engine {
void Lexicon::Add(const std::string& word, Reading reading) {
  entries_[word].push_back(std::move(reading));
}

const std::vector<Reading>* Lexicon::Find(std::string_view word, TextEncoding encoding) const {
  for (const std::string& form :
       {std::string(word), LowerCaseWord(word, encoding), CapitalisedWord(word, encoding)}) {
    const auto found = entries_.find(form);
    if (found != entries_.end())
      return &found->second;
  }
  return nullptr;
}

Lexicon ParseAuxiliaryLexicon(std::string_view text, const std::string& name) {
  Lexicon lexicon;
  const std::vector<std::string_view> lines = SplitLines(text);
  for (std::size_t number = 1; number <= lines.size(); ++number) {
    const std::string_view line = lines[number - 1];
    if (SplitWords(line).empty() || line.front() == '#')
      continue;
    const std::vector<std::string_view> fields =
        line.find('\t') != std::string_view::npos ? SplitFields(line, '\t') : SplitWords(line);
    bool well_formed = fields.size() >= 3 && fields.size() % 2 == 1;
    for (std::string_view field : fields)
      well_formed = well_formed && !field.empty();
    if (!well_formed) {
      throw std::runtime_error("Auxiliary lexicon \"" + name + "\", line " +
                               std::to_string(number) +
                               ": expected a word followed by pairs of tag and lemma");
    }
    for (std::size_t i = 1; i < fields.size(); i += 2)
      lexicon.Add(std::string(fields[0]), {std::string(fields[i]), std::string(fields[i + 1]), 1});
  }
  return lexicon;
}

}  // namespace demo_engine
