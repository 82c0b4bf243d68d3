#include "engine.h"

#include <stdexcept>

#include "command_line.h"
#include "help_text.h"
#include "lexicon.h"
#include "parameter_file.h"
#include "tagger.h"
#include "text_lines.h"
#include "trees.h"
#include "utils/files.h"

namespace demo_engine {
namespace {

constexpr std::string_view kName = "vandrel (demo engine): ";

struct FilePair {
  std::string input;
  std::string output;
};

class Run {
 public:
  Run(const CommandLine& command, std::ostream& standard_output, std::ostream& standard_error)
      : command_(command), out_(standard_output), err_(standard_error) {}

  void Perform() {
    const ParameterFile parameters = ReadParameterFile(command_.parameter_file);
    Status("parameter file " + command_.parameter_file + " (" + parameters.language + ", " +
           std::to_string(parameters.lexicon.WordCount()) + " words)");
    switch (command_.task) {
      case Task::kProbTree:
        out_ << ProbabilityTreeText(parameters, command_.parameter_file);
        break;
      case Task::kSuffixTree:
        out_ << SuffixTreeText(parameters, command_.parameter_file);
        break;
      case Task::kTagFile:
        TagFile(parameters, ReadAuxiliaryLexicon(), {command_.input, command_.output});
        break;
      case Task::kTagPairs: {
        const Lexicon auxiliary_lexicon = ReadAuxiliaryLexicon();
        for (const FilePair& pair : ReadPairs())
          TagFile(parameters, auxiliary_lexicon, pair);
        break;
      }
      case Task::kHelp:
        break;
    }
  }

 private:
  void Status(const std::string& line) {
    if (!command_.quiet)
      err_ << kName << line << '\n';
  }

  Lexicon ReadAuxiliaryLexicon() {
    if (command_.auxiliary_lexicon.empty())
      return {};
    Lexicon lexicon = ParseAuxiliaryLexicon(utils::ReadWholeFile(command_.auxiliary_lexicon),
                                            command_.auxiliary_lexicon);
    Status("auxiliary lexicon " + command_.auxiliary_lexicon + " (" +
           std::to_string(lexicon.WordCount()) + " words)");
    return lexicon;
  }

  std::vector<FilePair> ReadPairs() {
    const std::string text = utils::ReadWholeFile(command_.list_file);
    std::vector<std::string_view> names;
    for (std::string_view line : SplitLines(text)) {
      for (std::string_view name : SplitWords(line))
        names.push_back(name);
    }
    if (names.empty() || names.size() % 2 != 0) {
      throw std::runtime_error("List file \"" + command_.list_file +
                               "\" must name pairs of an input and an output file, but it "
                               "names " +
                               std::to_string(names.size()) + " files");
    }
    std::vector<FilePair> pairs;
    for (std::size_t i = 0; i < names.size(); i += 2)
      pairs.push_back({std::string(names[i]), std::string(names[i + 1])});
    return pairs;
  }

  void TagFile(const ParameterFile& parameters, const Lexicon& auxiliary_lexicon,
               const FilePair& files) {
    const std::string text = utils::ReadWholeFile(files.input);
    Status("tagging " + files.input + " into " +
           (files.output.empty() ? "standard output" : files.output));
    Tagger tagger(parameters, auxiliary_lexicon, command_.tagging);
    const std::string tagged = tagger.TagText(text);
    if (files.output.empty())
      out_ << tagged;
    else
      utils::ReplaceFileSafely(files.output, tagged);
    const TaggingSummary& summary = tagger.Summary();
    std::string line = std::to_string(summary.tokens) + " tokens, " +
                       std::to_string(summary.sentences) + " sentences, " +
                       std::to_string(summary.unknown) + " unknown";
    if (summary.ignored_annotations > 0)
      line += ", " + std::to_string(summary.ignored_annotations) + " annotations not used as tags";
    Status(line);
  }

  const CommandLine& command_;
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace

int RunEngine(const std::vector<std::string>& args, std::ostream& standard_output,
              std::ostream& standard_error) {
  try {
    const CommandLine command = ParseCommandLine(args);
    if (command.task == Task::kHelp) {
      standard_output << HelpText();
      return 0;
    }
    Run(command, standard_output, standard_error).Perform();
    standard_output.flush();
    if (!standard_output)
      throw std::runtime_error("Cannot write to standard output");
    return 0;
  } catch (const std::exception& error) {
    standard_error << kName << error.what() << '\n';
    return 1;
  }
}

}  // namespace demo_engine
