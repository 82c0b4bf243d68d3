// The desktop of a Windows program: message boxes, the common file dialogs, the nested event
// loop, the pointer, starting programs, and the user's folders and locale.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "widgets/desktop.h"
#include "widgets/win32/event_loop.h"

namespace widgets::win32 {

// The title of every box: the program file's name without its extension.
std::string ApplicationTitle(std::string_view program_path);

class Win32Desktop final : public Desktop {
 public:
  explicit Win32Desktop(std::string title) : title_(std::move(title)) {}

  // The window that the dialogs belong to and whose events the nested loop handles; nullptr
  // when there is none (yet, or any more).
  void SetMainWindow(MainWindow* window) { window_ = window; }
  const std::string& Title() const { return title_; }
  bool Busy() const { return busy_; }
  // True while RunCommand waits for a program: the window then paints but takes no input.
  bool Waiting() const { return waiting_; }

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
  WaitOutcome ProcessEventsUntil(const std::function<bool()>& condition) override;
  void SetBusyPointer(bool busy) override;
  void Repaint() override;
  void RunCommand(const std::string& command_line, const std::string& working_folder) override;
  std::optional<std::string> DocumentsFolder() override;
  std::string TemporaryFolder() override;
  char DecimalSeparator() override;
  std::string AnsiToOem(std::string_view text) override;
  std::string OemToAnsi(std::string_view text) override;

 private:
  HWND MainHandle() const { return window_ != nullptr ? window_->Handle() : nullptr; }
  void ShowBox(const std::string& text, UINT style);
  void WaitForProcess(HANDLE process);

  std::string title_;
  MainWindow* window_ = nullptr;
  bool busy_ = false;
  bool waiting_ = false;
};

}  // namespace widgets::win32
