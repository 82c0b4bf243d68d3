// One run as a plan: the programs it starts, the files it reads and writes, and when each work
// file goes. The plan is made from plain values before anything happens, so that it can be
// checked as a whole and then executed step by step.
#pragma once

#include <string>
#include <vector>

#include "run/engine_command.h"
#include "run/language_files.h"
#include "ui_text/text_set.h"

namespace run {

enum class RunTask { Tag, ProbabilityTree, SuffixTree };

// The four tokenizer buttons, in their order.
enum class Tokenization { None, BuiltIn, OwnProgram, OwnProgramThenBuiltIn };

// The choices of one run, read from the controls when it starts. The input and output names are
// absolute for the tag task; a tree task's output name is as the user wrote it, since the engine
// resolves it in the root folder.
struct RunChoices {
  RunTask task = RunTask::Tag;
  std::string input_name;
  std::string output_name;
  bool pairwise = false;
  Tokenization tokenization = Tokenization::BuiltIn;
  std::string own_program_command;  // with the program named absolutely
  EngineFlagChoices flags;
  char decimal_separator = '.';
};

// The installation's values.
struct RunSetting {
  InstallationFolders folders;
  std::string language_name;
  std::string batch_file;  // full name
};

enum class RunStep { OwnProgram, Tokenizer, Engine };

// A file that the run itself writes and deletes.
struct WorkFile {
  std::string name;  // full name
  RunStep written_by;
  RunStep deleted_after;
};

struct RunPlan {
  // Made current before the first step; empty for the tree tasks, which leave it as it is.
  std::string work_folder;
  // The user's files, full names; empty when the task gives them no part.
  std::string input_file;
  std::string output_file;
  std::string list_file;
  // Empty when no own program runs.
  std::string own_program_command_line;
  // Both empty when the built-in tokenizer does not run.
  std::string tokenizer_input;
  std::string tokenizer_output;
  // The engine's command line as the user's names give it, before the console's code page.
  std::string engine_command_line;
  std::string batch_file;
  // The batch file's lines, to be written in the console's code page.
  std::vector<std::string> batch_lines;
  std::string batch_working_folder;
  // In the order they are written; the batch file last.
  std::vector<WorkFile> work_files;
};

// Throws std::runtime_error with the user's message, in the language of `texts`, when a name
// cannot be passed to a program.
RunPlan PlanRun(const RunChoices& choices, const RunSetting& setting,
                const ui_text::NamedTexts& texts);

}  // namespace run
