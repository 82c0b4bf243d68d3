// Tags a text of one token per line: each token gets the tags of its lexicon entry, or tags
// guessed from its hyphenated last part, its form, its ending or its beginning, or the default
// tag; a previous tag can then shift the probabilities (the [contexts] of the parameter file).
// A line "token<TAB>annotation" whose annotation names known tags is tagged as given.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "lexicon.h"
#include "parameter_file.h"

namespace demo_engine {

struct Candidate {
  std::string tag;
  std::string lemma;
  double probability;
};

struct Analysis {
  std::vector<Candidate> candidates;  // most probable first
  std::string source;                 // how the tags were found, for the lexical information
  bool known;                         // found in a lexicon or given in the input
};

struct TaggingSummary {
  std::size_t tokens = 0;
  std::size_t sentences = 0;
  std::size_t unknown = 0;
  std::size_t ignored_annotations = 0;
};

class Tagger {
 public:
  Tagger(const ParameterFile& parameters, const Lexicon& auxiliary_lexicon,
         const TaggingOptions& options);

  // Returns the output lines for `text`, each ended by CR LF.
  std::string TagText(std::string_view text);
  const TaggingSummary& Summary() const { return summary_; }

 private:
  void TagLine(std::string_view line, std::string& output);
  Analysis Analyse(std::string_view token, std::string_view annotation);
  bool ReadAnnotation(std::string_view token, std::string_view annotation, Analysis& analysis);
  Analysis Guess(std::string_view token) const;
  void ApplyContext(Analysis& analysis) const;
  void WriteLine(std::string_view token, const Analysis& analysis, std::string& output) const;
  std::string UnknownLemma(std::string_view token) const;
  std::string LexiconLemma(std::string_view token, std::string_view tag) const;
  bool IsSentenceMarker(std::string_view line) const;
  void EndSentence();

  const ParameterFile& parameters_;
  const Lexicon& auxiliary_lexicon_;
  const TaggingOptions& options_;
  std::set<std::string, std::less<>> auxiliary_tags_;
  TaggingSummary summary_;
  std::string previous_tag_;
  bool at_sentence_start_ = true;
  bool sentence_has_words_ = false;
};

}  // namespace demo_engine
