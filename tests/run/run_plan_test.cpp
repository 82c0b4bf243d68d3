#include "run/run_plan.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace run {
namespace {

const RunSetting kTools{{"D:\\tools\\", "bin\\", "lib\\"}, "english", "C:\\temp\\vandrel-1.bat"};
constexpr const char* kEngine = "\"D:\\tools\\bin\\vandrel\" \"D:\\tools\\lib\\english.par\"";
constexpr const char* kOwnTokenizer = "D:\\tools\\tok.exe -x";

// A work file as "name: written by step, deleted after step".
std::string Describe(const WorkFile& file) {
  const auto step = [](RunStep s) {
    return s == RunStep::OwnProgram  ? "own program"
           : s == RunStep::Tokenizer ? "tokenizer"
                                     : "engine";
  };
  return file.name + ": " + step(file.written_by) + ", " + step(file.deleted_after);
}

struct PlanCase {
  const char* label;
  RunTask task;
  bool pairwise;
  Tokenization tokenization;
  const char* input;
  const char* output;
  // What the plan must hold.
  const char* work_folder;
  const char* own_program_command_line;
  const char* tokenizer_input;
  const char* tokenizer_output;
  std::string engine_command_line;
  const char* batch_working_folder;
  std::vector<std::string> work_files;  // the batch file, always last, is left out
  // The user's files that the run reads or writes: input, output, list.
  std::vector<std::string> user_files;
  // Optional changes to the default flags (-token -lemma).
  void (*adjust)(RunChoices&) = nullptr;
  std::string batch_line = "";  // the batch file's second line, when it differs
};

const std::string kTagged = std::string(kEngine) + " workfile1.txt res.txt -token -lemma";
const std::string kListed = std::string(kEngine) + "  -token -lemma -files pairs.txt";
const std::vector<std::string> kTagFiles{"D:\\texts\\in.txt", "D:\\out\\res.txt", ""};
const std::vector<std::string> kListFiles{"", "", "D:\\lists\\pairs.txt"};

PlanCase Listed(const char* label, Tokenization tokenization) {
  // The list's files are tokenized already, whatever tokenizer button is checked.
  return {label,
          RunTask::Tag,
          true,
          tokenization,
          "D:\\lists\\pairs.txt",
          "D:\\out\\ignored.txt",
          "D:\\lists\\",
          "",
          "",
          "",
          kListed,
          "D:\\lists\\",
          {},
          kListFiles};
}

const PlanCase kPlanCases[] = {
    {"BuiltInTokenizer",
     RunTask::Tag,
     false,
     Tokenization::BuiltIn,
     "D:\\texts\\in.txt",
     "D:\\out\\res.txt",
     "D:\\out\\",
     "",
     "D:\\texts\\in.txt",
     "D:\\out\\workfile1.txt",
     kTagged,
     "D:\\out\\",
     {"D:\\out\\workfile1.txt: tokenizer, engine"},
     kTagFiles},
    {"NoTokenization",
     RunTask::Tag,
     false,
     Tokenization::None,
     "D:\\texts\\in.txt",
     "D:\\out\\res.txt",
     "D:\\out\\",
     "",
     "",
     "",
     std::string(kEngine) + " D:\\texts\\in.txt res.txt -token -lemma",
     "D:\\out\\",
     {},
     kTagFiles},
    {"OwnProgram",
     RunTask::Tag,
     false,
     Tokenization::OwnProgram,
     "D:\\texts\\in.txt",
     "D:\\out\\res.txt",
     "D:\\out\\",
     "D:\\tools\\tok.exe -x D:\\texts\\in.txt D:\\out\\workfile0.txt",
     "",
     "",
     std::string(kEngine) + " workfile0.txt res.txt -token -lemma",
     "D:\\out\\",
     {"D:\\out\\workfile0.txt: own program, engine"},
     kTagFiles},
    {"OwnProgramThenBuiltIn",
     RunTask::Tag,
     false,
     Tokenization::OwnProgramThenBuiltIn,
     "D:\\texts\\in.txt",
     "D:\\out\\res.txt",
     "D:\\out\\",
     "D:\\tools\\tok.exe -x D:\\texts\\in.txt D:\\out\\workfile0.txt",
     "D:\\out\\workfile0.txt",
     "D:\\out\\workfile1.txt",
     kTagged,
     "D:\\out\\",
     {"D:\\out\\workfile0.txt: own program, tokenizer",
      "D:\\out\\workfile1.txt: tokenizer, engine"},
     kTagFiles},
    Listed("ListWithoutTokenization", Tokenization::None),
    Listed("ListWithBuiltIn", Tokenization::BuiltIn),
    Listed("ListWithOwnProgram", Tokenization::OwnProgram),
    Listed("ListWithOwnProgramThenBuiltIn", Tokenization::OwnProgramThenBuiltIn),
    // The tree tasks run in the root folder and leave the current folder; the input, the list
    // and the tokenizer play no part.
    {"ProbabilityTree",
     RunTask::ProbabilityTree,
     false,
     Tokenization::BuiltIn,
     "D:\\texts\\in.txt",
     "D:\\out\\tree.txt",
     "",
     "",
     "",
     "",
     "\"D:\\tools\\bin\\vandrel\" lib\\english.par -print-prob-tree >\"D:\\out\\tree.txt\"",
     "D:\\tools\\",
     {},
     {"", "D:\\out\\tree.txt", ""}},
    {"SuffixTreeToABareNameInTheRootFolder",
     RunTask::SuffixTree,
     true,
     Tokenization::OwnProgramThenBuiltIn,
     "D:\\lists\\pairs.txt",
     "tree.txt",
     "",
     "",
     "",
     "",
     "\"D:\\tools\\bin\\vandrel\" lib\\english.par -print-suffix-tree -quiet >\"tree.txt\"",
     "D:\\tools\\",
     {},
     {"", "D:\\tools\\tree.txt", ""},
     [](RunChoices& choices) { choices.flags.quiet = true; }},
    // Numbers reach the engine with a period; a tag named empty adds no flag.
    {"NumbersUnderACommaLocale",
     RunTask::Tag,
     false,
     Tokenization::None,
     "D:\\texts\\in.txt",
     "D:\\out\\res.txt",
     "D:\\out\\",
     "",
     "",
     "",
     std::string(kEngine) + " D:\\texts\\in.txt res.txt -token -lemma -sgml -threshold 0.25",
     "D:\\out\\",
     {},
     kTagFiles,
     [](RunChoices& choices) {
       choices.decimal_separator = ',';
       choices.flags.sgml = true;
       choices.flags.eos_tag = true;
       choices.flags.threshold = true;
       choices.flags.threshold_text = "0,25";
     }},
    // Names the command interpreter would split or run as a command of their own are quoted,
    // for the engine and for the own program alike; a percent sign is doubled in the batch file.
    {"AwkwardNames",
     RunTask::Tag,
     false,
     Tokenization::OwnProgram,
     "D:\\R&D texts\\in 1.txt",
     "D:\\R&D out\\res 100%.txt",
     "D:\\R&D out\\",
     "D:\\tools\\tok.exe -x \"D:\\R&D texts\\in 1.txt\" \"D:\\R&D out\\workfile0.txt\"",
     "",
     "",
     std::string(kEngine) + " workfile0.txt \"res 100%.txt\" -token -lemma",
     "D:\\R&D out\\",
     {"D:\\R&D out\\workfile0.txt: own program, engine"},
     {"D:\\R&D texts\\in 1.txt", "D:\\R&D out\\res 100%.txt", ""},
     nullptr,
     std::string(kEngine) + " workfile0.txt \"res 100%%.txt\" -token -lemma"},
};

class RunPlanTable : public ::testing::TestWithParam<PlanCase> {};

TEST_P(RunPlanTable, NamesEveryStepAndFile) {
  const PlanCase& c = GetParam();
  RunChoices choices;
  choices.task = c.task;
  choices.input_name = c.input;
  choices.output_name = c.output;
  choices.pairwise = c.pairwise;
  choices.tokenization = c.tokenization;
  choices.own_program_command = kOwnTokenizer;
  choices.flags.token = true;
  choices.flags.lemma = true;
  if (c.adjust)
    c.adjust(choices);

  const RunPlan plan = PlanRun(choices, kTools, ui_text::EnglishTextSet().named);
  EXPECT_EQ(plan.work_folder, c.work_folder);
  EXPECT_EQ(plan.own_program_command_line, c.own_program_command_line);
  EXPECT_EQ(plan.tokenizer_input, c.tokenizer_input);
  EXPECT_EQ(plan.tokenizer_output, c.tokenizer_output);
  EXPECT_EQ(plan.engine_command_line, c.engine_command_line);
  const std::string batch_line = c.batch_line.empty() ? c.engine_command_line : c.batch_line;
  EXPECT_EQ(plan.batch_lines, (std::vector<std::string>{"@echo off", batch_line, "pause"}));
  EXPECT_EQ(plan.batch_file, kTools.batch_file);
  EXPECT_EQ(plan.batch_working_folder, c.batch_working_folder);
  std::vector<std::string> work_files;
  for (const WorkFile& file : plan.work_files)
    work_files.push_back(Describe(file));
  std::vector<std::string> expected = c.work_files;
  expected.push_back(kTools.batch_file + ": engine, engine");
  EXPECT_EQ(work_files, expected);
  EXPECT_EQ((std::vector<std::string>{plan.input_file, plan.output_file, plan.list_file}),
            c.user_files);
}

INSTANTIATE_TEST_SUITE_P(TaskPairwiseAndTokenizer, RunPlanTable, ::testing::ValuesIn(kPlanCases),
                         [](const ::testing::TestParamInfo<PlanCase>& info) {
                           return std::string(info.param.label);
                         });

TEST(RunPlan, RefusesAnArgumentThatNoQuotingPassesThrough) {
  RunChoices choices;
  choices.input_name = "D:\\texts\\a\"b.txt";
  choices.output_name = "D:\\out\\res.txt";
  choices.own_program_command = kOwnTokenizer;
  for (const Tokenization tokenization : {Tokenization::None, Tokenization::OwnProgram}) {
    choices.tokenization = tokenization;
    try {
      PlanRun(choices, kTools, ui_text::EnglishTextSet().named);
      ADD_FAILURE() << "no refusal";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find("input file name"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace run
