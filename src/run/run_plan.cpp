#include "run/run_plan.h"

#include "utils/paths.h"

namespace run {
namespace {

constexpr const char* kOwnProgramOutput = "workfile0.txt";
constexpr const char* kTokenizerOutput = "workfile1.txt";

std::vector<std::string> BatchLines(const std::string& command_line) {
  return {"@echo off", EscapePercentSigns(command_line), "pause"};
}

void PlanTreeTask(const RunChoices& choices, const RunSetting& setting,
                  const ui_text::NamedTexts& texts, RunPlan& plan) {
  const std::string& output = choices.output_name;
  plan.output_file = utils::IsAbsoluteName(output) ? output : setting.folders.RootFolder + output;
  plan.engine_command_line = TreeCommandLine(
      setting.folders, setting.language_name,
      choices.task == RunTask::ProbabilityTree ? TreeTask::ProbabilityTree : TreeTask::SuffixTree,
      choices.flags.quiet, output, texts);
  plan.batch_working_folder = setting.folders.RootFolder;
}

void PlanTagTask(const RunChoices& choices, const RunSetting& setting,
                 const ui_text::NamedTexts& texts, RunPlan& plan) {
  // The engine runs in the work folder: the one of the list, or else the one of the output.
  std::string input_name = choices.input_name;
  std::string output_name = choices.output_name;
  if (choices.pairwise) {
    plan.work_folder = utils::FolderPart(input_name);
    plan.list_file = input_name;
    input_name = utils::FilePart(input_name);
  } else {
    plan.work_folder = utils::FolderPart(output_name);
    plan.input_file = input_name;
    plan.output_file = output_name;
    output_name = utils::FilePart(output_name);
  }
  // The list's files are tokenized already, whatever tokenizer button a loaded file checked.
  const Tokenization tokenization = choices.pairwise ? Tokenization::None : choices.tokenization;
  const bool own_program = tokenization == Tokenization::OwnProgram ||
                           tokenization == Tokenization::OwnProgramThenBuiltIn;
  const bool built_in =
      tokenization == Tokenization::BuiltIn || tokenization == Tokenization::OwnProgramThenBuiltIn;
  const std::string own_output = plan.work_folder + kOwnProgramOutput;
  const std::string tokenizer_output = plan.work_folder + kTokenizerOutput;

  std::string engine_input = input_name;
  if (own_program) {
    plan.own_program_command_line =
        OwnProgramCommandLine(choices.own_program_command, input_name, own_output, texts);
    plan.work_files.push_back(
        {own_output, RunStep::OwnProgram, built_in ? RunStep::Tokenizer : RunStep::Engine});
    engine_input = kOwnProgramOutput;
  }
  if (built_in) {
    plan.tokenizer_input = own_program ? own_output : input_name;
    plan.tokenizer_output = tokenizer_output;
    plan.work_files.push_back({tokenizer_output, RunStep::Tokenizer, RunStep::Engine});
    engine_input = kTokenizerOutput;
  }
  plan.engine_command_line = TaggingCommandLine(
      setting.folders, setting.language_name, engine_input, output_name,
      EngineFlags(choices.flags, choices.decimal_separator, texts), choices.pairwise, texts);
  plan.batch_working_folder = plan.work_folder;
}

}  // namespace

RunPlan PlanRun(const RunChoices& choices, const RunSetting& setting,
                const ui_text::NamedTexts& texts) {
  RunPlan plan;
  if (choices.task == RunTask::Tag) {
    PlanTagTask(choices, setting, texts, plan);
  } else {
    PlanTreeTask(choices, setting, texts, plan);
  }
  plan.batch_file = setting.batch_file;
  plan.batch_lines = BatchLines(plan.engine_command_line);
  plan.work_files.push_back({setting.batch_file, RunStep::Engine, RunStep::Engine});
  return plan;
}

}  // namespace run
