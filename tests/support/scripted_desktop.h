// A desktop for tests: records every message, error, dialog, pointer change and command; answers
// dialogs from a queue; runs scripted user actions while a handler waits for the user.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "widgets/desktop.h"
#include "widgets/window.h"

namespace test_support {

class ScriptedDesktop : public widgets::Desktop {
 public:
  enum class DialogKind { Open, Save };
  struct Dialog {
    DialogKind kind;
    widgets::FileDialogRequest request;
  };
  struct Command {
    std::string command_line;
    std::string working_folder;
  };

  // The window whose closing ends a wait.
  void Attach(const widgets::Window& window) { window_ = &window; }

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  std::optional<std::string> ChooseFileToOpen(const widgets::FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const widgets::FileDialogRequest& request) override;
  widgets::WaitOutcome ProcessEventsUntil(const std::function<bool()>& condition) override;
  void SetBusyPointer(bool busy) override;
  void Repaint() override { ++repaints; }
  void RunCommand(const std::string& command_line, const std::string& working_folder) override;
  std::optional<std::string> DocumentsFolder() override { return documents_folder; }
  std::string TemporaryFolder() override { return temporary_folder; }
  char DecimalSeparator() override { return decimal_separator; }
  // Code page 850 for the Latin-1 letters and signs it has; "?" for the rest, as the system does.
  std::string AnsiToOem(std::string_view text) override;
  std::string OemToAnsi(std::string_view text) override;

  std::vector<std::string> messages;
  std::vector<std::string> errors;
  std::vector<Dialog> dialogs;
  std::vector<Command> commands;
  std::vector<bool> pointer_changes;
  int repaints = 0;

  // Answers of the coming dialogs, in order; nothing (or an empty queue) cancels.
  std::deque<std::optional<std::string>> dialog_answers;
  // What the user does while a handler waits: one action each time the wait looks for events.
  std::deque<std::function<void()>> actions_while_waiting;
  // Runs when a message box is shown, as if the user acted before closing it.
  std::function<void(const std::string&)> on_message;
  // Runs in place of a started program.
  std::function<void(const Command&)> on_command;

  std::optional<std::string> documents_folder;
  std::string temporary_folder;
  char decimal_separator = '.';

 private:
  std::optional<std::string> Answer(DialogKind kind, const widgets::FileDialogRequest& request);

  const widgets::Window* window_ = nullptr;
};

}  // namespace test_support
