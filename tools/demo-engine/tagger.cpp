#include "tagger.h"

#include <algorithm>
#include <optional>

#include "number_text.h"
#include "text_lines.h"
#include "utils/numbers.h"

namespace demo_engine {
namespace {

// Sums the counts per tag; each tag keeps the lemma of its most frequent reading.
std::vector<Candidate> CandidatesFromReadings(const std::vector<Reading>& readings) {
  std::vector<Candidate> candidates;
  std::vector<double> best_lemma_counts;
  double total = 0;
  for (const Reading& reading : readings) {
    total += reading.count;
    auto same = std::find_if(candidates.begin(), candidates.end(),
                             [&](const Candidate& c) { return c.tag == reading.tag; });
    if (same == candidates.end()) {
      candidates.push_back({reading.tag, reading.lemma, reading.count});
      best_lemma_counts.push_back(reading.count);
      continue;
    }
    const std::size_t index = same - candidates.begin();
    same->probability += reading.count;
    if (reading.count > best_lemma_counts[index]) {
      same->lemma = reading.lemma;
      best_lemma_counts[index] = reading.count;
    }
  }
  for (Candidate& candidate : candidates)
    candidate.probability /= total;
  return candidates;
}

std::vector<Candidate> CandidatesFromCounts(const std::vector<TagCount>& counts,
                                            const std::string& lemma) {
  std::vector<Reading> readings;
  for (const TagCount& count : counts)
    readings.push_back({count.tag, lemma, count.count});
  return CandidatesFromReadings(readings);
}

void SortByProbability(std::vector<Candidate>& candidates) {
  std::stable_sort(
      candidates.begin(), candidates.end(),
      [](const Candidate& a, const Candidate& b) { return a.probability > b.probability; });
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsSgmlLine(std::string_view line) {
  return line.size() >= 2 && line.front() == '<' && line.back() == '>';
}

std::string_view SgmlName(std::string_view line) {
  line.remove_prefix(1);
  if (!line.empty() && line.front() == '/')
    line.remove_prefix(1);
  return line.substr(0, line.find_first_of(" \t>"));
}

template <typename Piece>
std::string Joined(const std::vector<Candidate>& candidates, std::string_view separator,
                   Piece piece) {
  std::string text;
  for (const Candidate& candidate : candidates) {
    if (!text.empty())
      text += separator;
    text += piece(candidate);
  }
  return text;
}

}  // namespace

Tagger::Tagger(const ParameterFile& parameters, const Lexicon& auxiliary_lexicon,
               const TaggingOptions& options)
    : parameters_(parameters), auxiliary_lexicon_(auxiliary_lexicon), options_(options) {
  for (const auto& [word, readings] : auxiliary_lexicon.Entries()) {
    for (const Reading& reading : readings)
      auxiliary_tags_.insert(reading.tag);
  }
}

std::string Tagger::TagText(std::string_view text) {
  std::string output;
  for (std::string_view line : SplitLines(text)) {
    if (!line.empty())
      TagLine(line, output);
  }
  if (sentence_has_words_)
    ++summary_.sentences;
  return output;
}

void Tagger::TagLine(std::string_view line, std::string& output) {
  if (IsSentenceMarker(line)) {
    output.append(line).append("\r\n");
    EndSentence();
    return;
  }
  if (options_.sgml && IsSgmlLine(line)) {
    output.append(line).append("\r\n");
    return;
  }
  const std::size_t tab = line.find('\t');
  const std::string_view token = line.substr(0, tab);
  const std::string_view annotation =
      tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
  const Analysis analysis = Analyse(token, annotation);
  ++summary_.tokens;
  if (!analysis.known)
    ++summary_.unknown;
  WriteLine(token, analysis, output);
  previous_tag_ = analysis.candidates.front().tag;
  // Letters and digits make a token a word; punctuation does not start a sentence's first word.
  if (BeginsWithWordCharacter(token, parameters_.encoding)) {
    at_sentence_start_ = false;
    sentence_has_words_ = true;
  }
  if (options_.eos_tag.empty() && previous_tag_ == parameters_.sentence_end_tag)
    EndSentence();
}

Analysis Tagger::Analyse(std::string_view token, std::string_view annotation) {
  Analysis analysis;
  if (!annotation.empty()) {
    if (ReadAnnotation(token, annotation, analysis))
      return analysis;
    ++summary_.ignored_annotations;
  }
  const TextEncoding encoding = parameters_.encoding;
  if (const std::vector<Reading>* readings = auxiliary_lexicon_.Find(token, encoding)) {
    analysis = {CandidatesFromReadings(*readings), "auxiliary-lexicon", true};
  } else if (const std::vector<Reading>* main_readings =
                 parameters_.lexicon.Find(token, encoding)) {
    analysis = {CandidatesFromReadings(*main_readings), "lexicon", true};
  } else {
    analysis = Guess(token);
  }
  ApplyContext(analysis);
  return analysis;
}

// Reads the annotation as groups of a tag, then a probability with -pt-with-prob, then a
// lemma with -pt-with-lemma. An annotation that is not such a list of known tags (a
// description of a multi-word unit, say) is left unused and the token is tagged as usual.
bool Tagger::ReadAnnotation(std::string_view token, std::string_view annotation,
                            Analysis& analysis) {
  const std::vector<std::string_view> fields = SplitWords(annotation);
  const std::size_t group = 1 + options_.manual_probabilities + options_.manual_lemmas;
  if (fields.empty() || fields.size() % group != 0)
    return false;
  std::vector<Candidate> candidates;
  for (std::size_t i = 0; i < fields.size(); i += group) {
    const std::string_view tag = fields[i];
    if (!parameters_.HasTag(tag) && !auxiliary_tags_.contains(tag))
      return false;
    double probability = 1.0 / static_cast<double>(fields.size() / group);
    if (options_.manual_probabilities) {
      const std::optional<double> given = utils::ParseNumber(fields[i + 1], '.');
      if (!given)
        return false;
      probability = *given;
    }
    const std::string lemma =
        options_.manual_lemmas ? std::string(fields[i + group - 1]) : LexiconLemma(token, tag);
    candidates.push_back({std::string(tag), lemma, probability});
  }
  SortByProbability(candidates);
  analysis = {std::move(candidates), "input", true};
  return true;
}

Analysis Tagger::Guess(std::string_view token) const {
  if (token.empty())
    return {{{parameters_.default_tag, UnknownLemma(token), 1}}, "default", false};
  const std::size_t hyphen = token.rfind('-');
  if (options_.hyphen_heuristics && hyphen != std::string_view::npos && hyphen > 0 &&
      hyphen + 1 < token.size()) {
    const std::string_view last_part = token.substr(hyphen + 1);
    const std::vector<Reading>* readings = auxiliary_lexicon_.Find(last_part, parameters_.encoding);
    if (!readings)
      readings = parameters_.lexicon.Find(last_part, parameters_.encoding);
    if (readings) {
      std::vector<Candidate> candidates = CandidatesFromReadings(*readings);
      for (Candidate& candidate : candidates)
        candidate.lemma = std::string(token.substr(0, hyphen + 1)) + candidate.lemma;
      return {std::move(candidates), "hyphen", false};
    }
  }
  const std::string own_lemma(token);
  if (!parameters_.number_tag.empty() && IsDigit(token.front()))
    return {{{parameters_.number_tag, own_lemma, 1}}, "number", false};
  if (options_.cap_heuristics && !parameters_.proper_noun_tag.empty() &&
      BeginsWithUpperCaseLetter(token, parameters_.encoding) && !at_sentence_start_) {
    return {{{parameters_.proper_noun_tag, own_lemma, 1}}, "capital", false};
  }
  const std::string lower = LowerCaseWord(token, parameters_.encoding);
  const std::string unknown_lemma = UnknownLemma(token);
  // Endings and beginnings are whole characters, the longest first.
  const std::vector<std::size_t> starts = CharacterStarts(lower, parameters_.encoding);
  for (std::size_t k = 1; k < starts.size(); ++k) {
    const auto found = parameters_.endings.find(lower.substr(starts[k]));
    if (found != parameters_.endings.end())
      return {CandidatesFromCounts(found->second, unknown_lemma), "ending:-" + found->first, false};
  }
  if (!options_.ignore_prefix) {
    for (std::size_t k = starts.size() - 1; k > 0; --k) {
      const auto found = parameters_.beginnings.find(lower.substr(0, starts[k]));
      if (found != parameters_.beginnings.end())
        return {CandidatesFromCounts(found->second, unknown_lemma),
                "beginning:" + found->first + "-", false};
    }
  }
  return {{{parameters_.default_tag, unknown_lemma, 1}}, "default", false};
}

void Tagger::ApplyContext(Analysis& analysis) const {
  if (options_.lexical_only || analysis.candidates.size() < 2 || previous_tag_.empty())
    return;
  double total = 0;
  for (Candidate& candidate : analysis.candidates) {
    const auto found = parameters_.contexts.find({previous_tag_, candidate.tag});
    if (found != parameters_.contexts.end())
      candidate.probability *= found->second;
    total += candidate.probability;
  }
  for (Candidate& candidate : analysis.candidates)
    candidate.probability /= total;
  SortByProbability(analysis.candidates);
}

void Tagger::WriteLine(std::string_view token, const Analysis& analysis,
                       std::string& output) const {
  std::vector<Candidate> chosen;
  const double best = analysis.candidates.front().probability;
  for (const Candidate& candidate : analysis.candidates) {
    if (chosen.empty() ||
        (options_.threshold && candidate.probability > *options_.threshold * best))
      chosen.push_back(candidate);
  }
  std::vector<std::string> columns;
  if (options_.token)
    columns.emplace_back(token);
  columns.push_back(Joined(chosen, " ", [&](const Candidate& c) {
    return options_.probabilities ? c.tag + " " + FourDecimalsText(c.probability) : c.tag;
  }));
  if (options_.lemma)
    columns.push_back(Joined(chosen, "|", [](const Candidate& c) { return c.lemma; }));
  switch (options_.lexical_info) {
    case LexicalInfo::kNone:
      break;
    case LexicalInfo::kProto:
      columns.push_back(analysis.source);
      break;
    case LexicalInfo::kProtoWithProb:
      columns.push_back(analysis.source + " " +
                        Joined(analysis.candidates, " ", [](const Candidate& c) {
                          return c.tag + " " + FourDecimalsText(c.probability);
                        }));
      break;
    case LexicalInfo::kGramotron:
      columns.push_back(Joined(analysis.candidates, "|",
                               [](const Candidate& c) { return c.tag + ":" + c.lemma; }));
      break;
  }
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i > 0)
      output += '\t';
    output += columns[i];
  }
  output += "\r\n";
}

std::string Tagger::UnknownLemma(std::string_view token) const {
  return options_.no_unknown ? std::string(token) : parameters_.unknown_lemma;
}

std::string Tagger::LexiconLemma(std::string_view token, std::string_view tag) const {
  for (const Lexicon* lexicon : {&auxiliary_lexicon_, &parameters_.lexicon}) {
    if (const std::vector<Reading>* readings = lexicon->Find(token, parameters_.encoding)) {
      for (const Reading& reading : *readings) {
        if (reading.tag == tag)
          return reading.lemma;
      }
    }
  }
  return UnknownLemma(token);
}

bool Tagger::IsSentenceMarker(std::string_view line) const {
  if (options_.eos_tag.empty())
    return false;
  return line == options_.eos_tag ||
         (options_.sgml && IsSgmlLine(line) && SgmlName(line) == options_.eos_tag);
}

void Tagger::EndSentence() {
  if (sentence_has_words_)
    ++summary_.sentences;
  sentence_has_words_ = false;
  at_sentence_start_ = true;
  previous_tag_ = parameters_.sentence_end_tag;
}

}  // namespace demo_engine
