#include "run/plan_checks.h"

#include "utils/cp1252.h"
#include "utils/files.h"
#include "utils/paths.h"

namespace run {
namespace {

// The name as the Windows file system reads it: trailing periods and blanks are dropped, and
// case does not count.
std::string ComparableName(std::string_view name) {
  while (!name.empty() && (name.back() == '.' || name.back() == ' '))
    name.remove_suffix(1);
  return utils::LowerCase(name);
}

// Two names of one file: the same file on disk, or, for a file not there yet, the same name.
bool SameFileOrName(const std::string& a, const std::string& b) {
  return utils::SameFile(a, b) || ComparableName(a) == ComparableName(b);
}

}  // namespace

std::optional<std::string> RunPlanProblem(const RunPlan& plan, const ui_text::NamedTexts& texts) {
  for (const std::string* user_file : {&plan.output_file, &plan.list_file}) {
    if (user_file->empty())
      continue;
    const std::string folder = utils::FolderPart(*user_file);
    if (!folder.empty() && !utils::FolderExists(folder))
      return texts.FolderPart + folder + texts.FolderMissingPart;
  }
  if (!plan.input_file.empty() && !plan.output_file.empty() &&
      SameFileOrName(plan.input_file, plan.output_file)) {
    return texts.FilePart + plan.output_file + texts.OutputIsInputPart;
  }
  for (const std::string* user_file : {&plan.input_file, &plan.output_file, &plan.list_file}) {
    if (user_file->empty())
      continue;
    for (const WorkFile& work_file : plan.work_files) {
      if (SameFileOrName(*user_file, work_file.name))
        return texts.FilePart + *user_file + texts.WorkFilePart;
    }
  }
  return std::nullopt;
}

}  // namespace run
