// The real Win32 desktop, with a record of every program the form starts: what the batch file
// held and which work files lay in the working folder just before and just after the program
// ran. The batch file, the command "path.bat" in quotes, is read before the call is passed on,
// since the run deletes it afterwards; the program itself is started by the real desktop.
#pragma once

// First, so that the desktop's AnsiToOem is renamed by the same windows.h macro everywhere.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "widgets/desktop.h"
#include "widgets/win32/win32_desktop.h"

namespace wine_tests {

// The work files found in a folder, by name, with their contents.
using WorkFiles = std::map<std::string, std::string>;
WorkFiles WorkFilesIn(const std::string& folder);

struct StartedCommand {
  std::string command_line;
  std::string working_folder;
  // The batch file's name and contents when the command is one; empty otherwise.
  std::string batch_file;
  std::string batch_text;
  WorkFiles before;
  WorkFiles after;
  // Filled by `observe` just before the program starts.
  bool run_button_enabled = true;
  bool exit_button_enabled = true;
  bool busy_pointer = false;
};

class RecordingDesktop final : public widgets::Desktop {
 public:
  explicit RecordingDesktop(widgets::win32::Win32Desktop& real) : real_(real) {}

  // Called with each command before it starts, to note the window's state.
  std::function<void(StartedCommand&)> observe;
  const std::vector<StartedCommand>& Commands() const { return commands_; }

  void ShowMessage(const std::string& text) override { real_.ShowMessage(text); }
  void ShowError(const std::string& text) override { real_.ShowError(text); }
  std::optional<std::string> ChooseFileToOpen(const widgets::FileDialogRequest& request) override {
    return real_.ChooseFileToOpen(request);
  }
  std::optional<std::string> ChooseFileToSave(const widgets::FileDialogRequest& request) override {
    return real_.ChooseFileToSave(request);
  }
  widgets::WaitOutcome ProcessEventsUntil(const std::function<bool()>& condition) override {
    return real_.ProcessEventsUntil(condition);
  }
  void SetBusyPointer(bool busy) override { real_.SetBusyPointer(busy); }
  void Repaint() override { real_.Repaint(); }
  void RunCommand(const std::string& command_line, const std::string& working_folder) override;
  std::optional<std::string> DocumentsFolder() override { return real_.DocumentsFolder(); }
  std::string TemporaryFolder() override { return real_.TemporaryFolder(); }
  char DecimalSeparator() override { return real_.DecimalSeparator(); }
  std::string AnsiToOem(std::string_view text) override { return real_.AnsiToOem(text); }
  std::string OemToAnsi(std::string_view text) override { return real_.OemToAnsi(text); }

 private:
  widgets::win32::Win32Desktop& real_;
  std::vector<StartedCommand> commands_;
};

}  // namespace wine_tests
