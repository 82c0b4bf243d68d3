// The engine's command line: the parameter file, then the input and output files, the list of
// file pairs, or one of the two tree dumps, with flags anywhere after the program name.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace demo_engine {

enum class LexicalInfo { kNone, kProto, kGramotron, kProtoWithProb };

struct TaggingOptions {
  bool token = false;
  bool lemma = false;
  bool no_unknown = false;
  bool sgml = false;
  bool manual_probabilities = false;
  bool manual_lemmas = false;
  bool cap_heuristics = false;
  bool hyphen_heuristics = false;
  bool lexical_only = false;
  bool probabilities = false;
  bool ignore_prefix = false;
  std::string eos_tag;  // empty: sentences end at the sentence-end tag
  std::optional<double> threshold;
  LexicalInfo lexical_info = LexicalInfo::kNone;
};

enum class Task { kHelp, kTagFile, kTagPairs, kProbTree, kSuffixTree };

struct CommandLine {
  Task task = Task::kTagFile;
  std::string parameter_file;
  std::string input;
  std::string output;  // empty: standard output
  std::string list_file;
  std::string auxiliary_lexicon;
  bool quiet = false;
  TaggingOptions tagging;
};

// `args` leaves out the program name. A command line that cannot be run throws
// std::runtime_error with the message for the user.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace demo_engine
