#include "run/engine_command.h"

#include <gtest/gtest.h>

namespace run {
namespace {

const InstallationFolders kTools{"D:\\tools\\", "bin\\", "lib\\"};

const ui_text::NamedTexts& English() {
  return ui_text::EnglishTextSet().named;
}

EngineFlagChoices Defaults() {
  EngineFlagChoices choices;
  choices.token = true;
  choices.lemma = true;
  return choices;
}

TEST(EngineCommand, TagsWithTheDefaultFlags) {
  EXPECT_EQ(TaggingCommandLine(kTools, "english", "workfile1.txt", "res.txt",
                               EngineFlags(Defaults(), '.', English()), false, English()),
            "\"D:\\tools\\bin\\vandrel\" \"D:\\tools\\lib\\english.par\" workfile1.txt res.txt "
            "-token -lemma");
}

TEST(EngineCommand, TagsFilesNamedPairwiseInAList) {
  EXPECT_EQ(TaggingCommandLine(kTools, "english", "pairs.txt", "ignored.txt",
                               EngineFlags(Defaults(), '.', English()), true, English()),
            "\"D:\\tools\\bin\\vandrel\" \"D:\\tools\\lib\\english.par\"  -token -lemma -files "
            "pairs.txt");
}

TEST(EngineCommand, PrintsTheTrees) {
  EXPECT_EQ(TreeCommandLine(kTools, "english", TreeTask::ProbabilityTree, false,
                            "D:\\out\\tree.txt", English()),
            "\"D:\\tools\\bin\\vandrel\" lib\\english.par -print-prob-tree "
            ">\"D:\\out\\tree.txt\"");
  EXPECT_EQ(TreeCommandLine(kTools, "english", TreeTask::SuffixTree, true, "tree.txt", English()),
            "\"D:\\tools\\bin\\vandrel\" lib\\english.par -print-suffix-tree -quiet "
            ">\"tree.txt\"");
  EXPECT_EQ(TreeCommandLine({"D:\\tools\\", "", ""}, "new language", TreeTask::SuffixTree, false,
                            "t.txt", English()),
            "\"D:\\tools\\vandrel\" \"new language.par\" -print-suffix-tree >\"t.txt\"");
}

TEST(EngineFlags, EachFlagAloneInItsPlace) {
  struct Row {
    std::function<void(EngineFlagChoices&)> set;
    const char* flags;
  };
  const Row rows[] = {
      {[](EngineFlagChoices& c) { c.token = true; }, " -token"},
      {[](EngineFlagChoices& c) { c.lemma = true; }, " -lemma"},
      {[](EngineFlagChoices& c) { c.no_unknown = true; }, " -no-unknown"},
      {[](EngineFlagChoices& c) { c.sgml = true; }, " -sgml"},
      {[](EngineFlagChoices& c) { c.pt_with_prob = true; }, " -pt-with-prob"},
      {[](EngineFlagChoices& c) { c.pt_with_lemma = true; }, " -pt-with-lemma"},
      {[](EngineFlagChoices& c) { c.cap_heuristics = true; }, " -cap-heuristics"},
      {[](EngineFlagChoices& c) { c.hyphen_heuristics = true; }, " -hyphen-heuristics"},
      {[](EngineFlagChoices& c) {
         c.eos_tag = true;
         c.eos_tag_text = "SENT";
       },
       " -eos-tag SENT"},
      {[](EngineFlagChoices& c) { c.eos_tag = true; }, ""},
      {[](EngineFlagChoices& c) { c.eos_tag_text = "SENT"; }, ""},
      {[](EngineFlagChoices& c) { c.base = true; }, " -base"},
      {[](EngineFlagChoices& c) {
         c.eps = true;
         c.eps_text = "0,1";
       },
       " -eps 0.1"},
      {[](EngineFlagChoices& c) { c.eps = true; }, ""},
      {[](EngineFlagChoices& c) {
         c.threshold = true;
         c.threshold_text = "0,25";
       },
       " -threshold 0.25"},
      {[](EngineFlagChoices& c) { c.prob = true; }, ""},
      {[](EngineFlagChoices& c) {
         c.threshold = true;
         c.threshold_text = "1";
         c.prob = true;
       },
       " -threshold 1 -prob"},
      {[](EngineFlagChoices& c) { c.lex_info = 1; }, " -proto"},
      {[](EngineFlagChoices& c) { c.lex_info = 2; }, " -gramotron"},
      {[](EngineFlagChoices& c) { c.lex_info = 3; }, " -proto-with-prob"},
      {[](EngineFlagChoices& c) { c.quiet = true; }, " -quiet"},
      {[](EngineFlagChoices& c) { c.ignore_prefix = true; }, " -ignore-prefix"},
      {[](EngineFlagChoices& c) {
         c.lex = true;
         c.lex_text = "D:\\lex.txt";
       },
       " -lex D:\\lex.txt"},
      {[](EngineFlagChoices& c) { c.lex = true; }, ""},
  };
  for (const Row& row : rows) {
    EngineFlagChoices choices;
    row.set(choices);
    EXPECT_EQ(EngineFlags(choices, ',', English()), row.flags);
  }
}

TEST(EngineFlags, AllTogetherInTheEnginesOrder) {
  EngineFlagChoices c;
  c.token = c.lemma = c.no_unknown = c.sgml = c.pt_with_prob = c.pt_with_lemma = true;
  c.cap_heuristics = c.hyphen_heuristics = c.eos_tag = c.base = c.eps = c.threshold = true;
  c.prob = c.quiet = c.ignore_prefix = c.lex = true;
  c.eos_tag_text = "<s>";
  c.eps_text = "0.1";
  c.threshold_text = "0.5";
  c.lex_info = 3;
  c.lex_text = "aux lex.txt";
  EXPECT_EQ(EngineFlags(c, '.', English()),
            " -token -lemma -no-unknown -sgml -pt-with-prob -pt-with-lemma -cap-heuristics "
            "-hyphen-heuristics -eos-tag \"<s>\" -base -eps 0.1 -threshold 0.5 -prob "
            "-proto-with-prob -quiet -ignore-prefix -lex \"aux lex.txt\"");
}

TEST(ToEngineNumber, ReplacesOnlyTheFirstSeparator) {
  EXPECT_EQ(ToEngineNumber("0,25", ','), "0.25");
  EXPECT_EQ(ToEngineNumber("0.25", '.'), "0.25");
  EXPECT_EQ(ToEngineNumber("1,2,3", ','), "1.2,3");
  EXPECT_EQ(ToEngineNumber("5", ','), "5");
}

TEST(BatchArgument, QuotesWhatTheCommandInterpreterWouldSplitOrInterpret) {
  EXPECT_EQ(BatchArgument("res.txt", &ui_text::NamedTexts::InputNameNoun, English()), "res.txt");
  EXPECT_EQ(BatchArgument("D:\\my texts\\in.txt", &ui_text::NamedTexts::InputNameNoun, English()),
            "\"D:\\my texts\\in.txt\"");
  for (const char* special :
       {"a\tb", "R&D", "a|b", "a<b", "a>b", "a^b", "(a)", "a,b", "a;b", "a=b", "100%"}) {
    EXPECT_EQ(BatchArgument(special, &ui_text::NamedTexts::InputNameNoun, English()),
              '"' + std::string(special) + '"');
  }
  EXPECT_EQ(BatchArgument("", &ui_text::NamedTexts::InputNameNoun, English()), "\"\"");
  EXPECT_EQ(BatchArgument("D:\\my texts\\", &ui_text::NamedTexts::InputNameNoun, English()),
            "\"D:\\my texts\\\\\"");
}

// The refusal of `value` as the name of the output file, or "(none)".
std::string Refusal(const std::string& value, const ui_text::NamedTexts& texts) {
  try {
    BatchArgument(value, &ui_text::NamedTexts::OutputNameNoun, texts);
    return "(none)";
  } catch (const std::runtime_error& error) {
    return error.what();
  }
}

TEST(BatchArgument, RefusesWhatCannotBePassedInTheInterfaceLanguage) {
  for (const std::string& unsafe :
       std::vector<std::string>{"a\"b", "a\rb", "a\nb", std::string("a\0b", 3)}) {
    EXPECT_NE(Refusal(unsafe, English()), "(none)") << unsafe.c_str();
  }
  // The value is shown up to its NUL byte, and a "%2" in it stays as it is.
  EXPECT_EQ(Refusal(std::string("%2 a\"b\0c", 8), English()),
            "The output file name cannot be passed to the engine, because it contains a double "
            "quote, a line end or a NUL byte: %2 a\"b");
  EXPECT_EQ(Refusal("a\nb", ui_text::GermanTextSet().named),
            "Der Name der Ausgabedatei kann dem Tagger nicht \xFC"
            "bergeben werden, denn darin steht ein doppeltes Anf\xFC"
            "hrungszeichen, ein Zeilenende oder ein NUL-Byte: a\nb");
  EXPECT_THROW(TreeCommandLine(kTools, "english", TreeTask::SuffixTree, false, "a\"b", English()),
               std::runtime_error);
}

TEST(CommandLine, KeepsNamesWithBlanksAndSpecialCharactersTogether) {
  EXPECT_EQ(TaggingCommandLine({"D:\\R&D\\", "bin\\", "lib\\"}, "english", "workfile1.txt",
                               "my res.txt", "", false, English()),
            "\"D:\\R&D\\bin\\vandrel\" \"D:\\R&D\\lib\\english.par\" workfile1.txt \"my res.txt\"");
  EXPECT_EQ(EscapePercentSigns("\"C:\\100%\\vandrel\" a%b% c"), "\"C:\\100%%\\vandrel\" a%%b%% c");
}

TEST(OwnProgram, GetsItsTwoFilesQuotedAsTheEngineDoes) {
  EXPECT_EQ(
      OwnProgramCommandLine("tok.exe -x", "D:\\texts\\in.txt", "D:\\out\\workfile0.txt", English()),
      "tok.exe -x D:\\texts\\in.txt D:\\out\\workfile0.txt");
  EXPECT_EQ(OwnProgramCommandLine("\"C:\\Program Files\\t.exe\"", "D:\\my texts\\in.txt",
                                  "D:\\my out\\workfile0.txt", English()),
            "\"C:\\Program Files\\t.exe\" \"D:\\my texts\\in.txt\" \"D:\\my out\\workfile0.txt\"");
  EXPECT_EQ(OwnProgramCommandLine("t.bat", "D:\\R&D.txt", "D:\\a;b\\workfile0.txt", English()),
            "t.bat \"D:\\R&D.txt\" \"D:\\a;b\\workfile0.txt\"");
}

}  // namespace
}  // namespace run
