#include "recording_desktop.h"

#include "utils/files.h"

namespace wine_tests {

WorkFiles WorkFilesIn(const std::string& folder) {
  WorkFiles found;
  for (const char* name : {"workfile0.txt", "workfile1.txt"}) {
    if (utils::FileExists(folder + name))
      found[name] = utils::ReadWholeFile(folder + name);
  }
  return found;
}

void RecordingDesktop::RunCommand(const std::string& command_line,
                                  const std::string& working_folder) {
  StartedCommand command;
  command.command_line = command_line;
  command.working_folder = working_folder;
  if (command_line.size() > 6 && command_line.front() == '"' && command_line.ends_with(".bat\"")) {
    command.batch_file = command_line.substr(1, command_line.size() - 2);
    if (utils::FileExists(command.batch_file))
      command.batch_text = utils::ReadWholeFile(command.batch_file);
  }
  const std::string folder = working_folder.empty() ? utils::CurrentFolder() : working_folder;
  command.before = WorkFilesIn(folder);
  if (observe)
    observe(command);
  // Kept even when the program cannot start, so a test sees what was tried.
  commands_.push_back(command);
  real_.RunCommand(command_line, working_folder);
  commands_.back().after = WorkFilesIn(folder);
}

}  // namespace wine_tests
