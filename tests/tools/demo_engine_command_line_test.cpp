#include "command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace demo_engine {
namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;)
    words.push_back(word);
  return words;
}

TEST(DemoEngineCommandLine, ReadsTheFormsThatTheWindowBuilds) {
  struct Row {
    const char* line;
    Task task;
    const char* input;
    const char* output;
    const char* list_file;
  };
  const Row rows[] = {
      {"D:\\tools\\lib\\english.par workfile1.txt res.txt -token -lemma", Task::kTagFile,
       "workfile1.txt", "res.txt", ""},
      {"D:\\tools\\lib\\english.par  -token -lemma -files pairs.txt", Task::kTagPairs, "", "",
       "pairs.txt"},
      {"D:\\tools\\lib\\english.par -files pairs.txt", Task::kTagPairs, "", "", "pairs.txt"},
      {"lib\\english.par -print-prob-tree", Task::kProbTree, "", "", ""},
      {"lib\\english.par -print-suffix-tree -quiet", Task::kSuffixTree, "", "", ""},
      {"english.par in.txt", Task::kTagFile, "in.txt", "", ""},
      {"-help", Task::kHelp, "", "", ""},
      {"english.par in.txt -unknown-flag -help", Task::kHelp, "", "", ""},
  };
  for (const Row& row : rows) {
    const CommandLine command = ParseCommandLine(Words(row.line));
    EXPECT_EQ(command.task, row.task) << row.line;
    if (row.task != Task::kHelp) {
      EXPECT_NE(command.parameter_file.find("english.par"), std::string::npos) << row.line;
    }
    EXPECT_EQ(command.input, row.input) << row.line;
    EXPECT_EQ(command.output, row.output) << row.line;
    EXPECT_EQ(command.list_file, row.list_file) << row.line;
  }
}

TEST(DemoEngineCommandLine, AcceptsEveryFlagThatTheWindowCanAdd) {
  const CommandLine command = ParseCommandLine(
      Words("e.par in out -token -lemma -no-unknown -sgml -pt-with-prob -pt-with-lemma "
            "-cap-heuristics -hyphen-heuristics -eos-tag SENT -base -eps 0.1 -threshold 0.25 "
            "-prob -proto-with-prob -quiet -ignore-prefix -lex aux.txt"));
  const TaggingOptions& tagging = command.tagging;
  EXPECT_TRUE(tagging.token && tagging.lemma && tagging.no_unknown && tagging.sgml &&
              tagging.manual_probabilities && tagging.manual_lemmas && tagging.cap_heuristics &&
              tagging.hyphen_heuristics && tagging.lexical_only && tagging.probabilities &&
              tagging.ignore_prefix && command.quiet);
  EXPECT_EQ(tagging.eos_tag, "SENT");
  ASSERT_TRUE(tagging.threshold.has_value());
  EXPECT_DOUBLE_EQ(*tagging.threshold, 0.25);
  EXPECT_EQ(tagging.lexical_info, LexicalInfo::kProtoWithProb);
  EXPECT_EQ(command.auxiliary_lexicon, "aux.txt");
  EXPECT_EQ(command.input, "in");
  EXPECT_EQ(command.output, "out");

  EXPECT_EQ(ParseCommandLine(Words("e.par in -proto")).tagging.lexical_info, LexicalInfo::kProto);
  EXPECT_EQ(ParseCommandLine(Words("e.par in -gramotron")).tagging.lexical_info,
            LexicalInfo::kGramotron);
  EXPECT_FALSE(ParseCommandLine(Words("e.par in")).tagging.threshold.has_value());
}

TEST(DemoEngineCommandLine, RefusesWhatItCannotRunWithAClearMessage) {
  struct Row {
    const char* line;
    const char* message;
  };
  const Row rows[] = {
      {"", "No parameter file given (see -help)"},
      {"-token", "No parameter file given"},
      {"e.par", "No input file given"},
      {"e.par in out -colour", "Unknown option -colour (see -help)"},
      {"e.par in out -", "Too many file names: \"-\""},
      {"e.par in out -threshold", "-threshold needs a value"},
      {"e.par in out -threshold 0,5",
       "-threshold needs a number with a period as decimal "
       "point, not \"0,5\""},
      {"e.par in out -eps x", "-eps needs a number"},
      {"e.par in out -eos-tag", "-eos-tag needs a value"},
      {"e.par in out -lex", "-lex needs a value"},
      {"e.par -files", "-files needs a value"},
      {"e.par My Documents\\in.txt res.txt -token", "Too many file names: \"res.txt\""},
      {"e.par in.txt -files pairs.txt",
       "With -files no input or output file is named, but "
       "\"in.txt\" was"},
      {"e.par -print-prob-tree out.txt", "With -print-prob-tree no input or output file"},
      {"e.par -print-prob-tree -print-suffix-tree",
       "-print-prob-tree and -print-suffix-tree cannot be combined"},
      {"e.par -files a -print-suffix-tree", "-files and -print-suffix-tree cannot be combined"},
  };
  for (const Row& row : rows) {
    try {
      ParseCommandLine(Words(row.line));
      ADD_FAILURE() << "accepted: " << row.line;
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(row.message), std::string::npos)
          << row.line << "\n  gave: " << error.what();
    }
  }
}

}  // namespace
}  // namespace demo_engine
