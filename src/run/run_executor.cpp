#include "run/run_executor.h"

#include "utils/files.h"

namespace run {
namespace {

// The batch file is left to its owner: deleted twice, it could take another window's file
// that got the same name in between.
void DeleteWorkFiles(const RunPlan& plan, bool (*chosen)(const WorkFile&, RunStep), RunStep step) {
  for (const WorkFile& file : plan.work_files) {
    if (chosen(file, step) && file.name != plan.batch_file)
      utils::DeleteFileQuietly(file.name);
  }
}

bool WrittenBy(const WorkFile& file, RunStep step) {
  return file.written_by == step;
}

bool DeletedAfter(const WorkFile& file, RunStep step) {
  return file.deleted_after == step;
}

}  // namespace

bool ExecuteRun(const RunPlan& plan, std::string_view batch_text, BatchFile& batch_file,
                widgets::Desktop& desktop, const TokenizeStep& tokenize) {
  utils::SetCurrentFolder(plan.work_folder);
  if (!plan.own_program_command_line.empty()) {
    // A stale output of an earlier run must not reach the next step if the program writes nothing.
    DeleteWorkFiles(plan, WrittenBy, RunStep::OwnProgram);
    desktop.RunCommand(plan.own_program_command_line, plan.work_folder);
    desktop.Repaint();
  }
  if (!plan.tokenizer_input.empty()) {
    const tokenizer::TokenizeOutcome outcome =
        tokenize(plan.tokenizer_input, plan.tokenizer_output);
    DeleteWorkFiles(plan, DeletedAfter, RunStep::Tokenizer);
    if (outcome == tokenizer::TokenizeOutcome::StoppedAtByteOrderMark) {
      DeleteWorkFiles(plan, WrittenBy, RunStep::Tokenizer);
      return false;
    }
  }
  batch_file.Write(batch_text);
  desktop.RunCommand('"' + batch_file.Name() + '"', plan.batch_working_folder);
  batch_file.Delete();
  DeleteWorkFiles(plan, DeletedAfter, RunStep::Engine);
  return true;
}

}  // namespace run
