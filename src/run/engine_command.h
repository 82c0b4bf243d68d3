// The engine's command line, built from the option set, and the batch file that runs it in a
// console window.
#pragma once

#include <string>
#include <string_view>

#include "run/language_files.h"
#include "ui_text/text_set.h"

namespace run {

// The engine flags in effect, read from the controls when the run starts.
struct EngineFlagChoices {
  bool token = false;
  bool lemma = false;
  bool no_unknown = false;
  bool sgml = false;
  bool pt_with_prob = false;
  bool pt_with_lemma = false;
  bool cap_heuristics = false;
  bool hyphen_heuristics = false;
  bool eos_tag = false;
  std::string eos_tag_text;
  bool base = false;
  bool eps = false;
  std::string eps_text;
  bool threshold = false;
  std::string threshold_text;
  bool prob = false;
  int lex_info = 0;  // 1 proto, 2 gramotron, 3 proto with probabilities
  bool quiet = false;
  bool ignore_prefix = false;
  bool lex = false;
  std::string lex_text;
};

// The text with its first locale separator replaced by a period.
std::string ToEngineNumber(std::string_view text, char decimal_separator);

// What a value passed to a program is: one of the nouns of the interface text set.
using ValueNoun = std::string ui_text::NamedTexts::*;

// Throws std::runtime_error with the refusal of `texts`, naming `what`, when the value holds a
// double quote, a line end or a NUL byte, which no quoting can pass through the command
// interpreter.
void RequirePassable(std::string_view value, ValueNoun what, const ui_text::NamedTexts& texts);

// A value as it goes into the batch file's command line: in double quotes when it is empty or
// holds a blank, a TAB or a character the command interpreter treats specially (backslashes
// before the closing quote doubled); checked by RequirePassable.
std::string BatchArgument(std::string_view value, ValueNoun what, const ui_text::NamedTexts& texts);

// Every flag in effect, each beginning with a blank, in the engine's order.
std::string EngineFlags(const EngineFlagChoices& choices, char decimal_separator,
                        const ui_text::NamedTexts& texts);

// "engine" "parameter file" input output flags, or, in pairwise mode,
// "engine" "parameter file" flags -files list.
std::string TaggingCommandLine(const InstallationFolders& folders, std::string_view language_name,
                               std::string_view engine_input, std::string_view output_name,
                               std::string_view flags, bool pairwise,
                               const ui_text::NamedTexts& texts);

// The tree tasks name the parameter file relative to the root folder and send the engine's
// standard output into the output file.
enum class TreeTask { ProbabilityTree, SuffixTree };
std::string TreeCommandLine(const InstallationFolders& folders, std::string_view language_name,
                            TreeTask task, bool quiet, std::string_view output_name,
                            const ui_text::NamedTexts& texts);

// Doubles every % so the command interpreter does not expand it.
std::string EscapePercentSigns(std::string_view command_line);

// The user's own program started with the input name and the path of its output file, each
// quoted and refused by the rule of BatchArgument, since a program may be a batch file itself.
std::string OwnProgramCommandLine(std::string_view command, std::string_view input_name,
                                  std::string_view output_path, const ui_text::NamedTexts& texts);

}  // namespace run
