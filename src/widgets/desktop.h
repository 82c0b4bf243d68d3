// Everything the window needs from the world outside it that a test must observe or script:
// message boxes, file dialogs, the nested event loop, the pointer, starting programs and the
// locale. Win32Desktop implements it on Windows; tests use a scripted desktop.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace widgets {

struct FileDialogRequest {
  std::string title;
  // Pairs of description and pattern joined by "|"; empty lists every file.
  std::string filter;
  std::string file_name;
};

enum class WaitOutcome { ConditionMet, WindowClosed };

class Desktop {
 public:
  virtual ~Desktop() = default;

  // A modal box with the text and an OK button, no icon.
  virtual void ShowMessage(const std::string& text) = 0;
  // The box for a failure that ended an operation: stop icon, ErrorBoxText of the text.
  virtual void ShowError(const std::string& text) = 0;

  // The open dialog accepts only an existing file; the save dialog asks before replacing one.
  // Both hide the read-only box and can be resized. A cancelled dialog gives nothing.
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;

  // Handles the window's events until `condition` holds or the window closes.
  virtual WaitOutcome ProcessEventsUntil(const std::function<bool()>& condition) = 0;

  virtual void SetBusyPointer(bool busy) = 0;
  virtual void Repaint() = 0;

  // Starts a program and waits for its end; the working folder is the current one when empty.
  // Throws std::runtime_error with the user's message when the program cannot start.
  virtual void RunCommand(const std::string& command_line, const std::string& working_folder) = 0;

  // The user's personal documents folder, when the system can give it.
  virtual std::optional<std::string> DocumentsFolder() = 0;
  // The user's folder for temporary files, with its trailing delimiter; empty when the system
  // names none.
  virtual std::string TemporaryFolder() = 0;
  virtual char DecimalSeparator() = 0;
  // Conversion between the ANSI and the OEM (console) code page, byte for byte.
  virtual std::string AnsiToOem(std::string_view text) = 0;
  virtual std::string OemToAnsi(std::string_view text) = 0;
};

// The error box shows the text with a period appended when its last character sorts after ".".
std::string ErrorBoxText(std::string_view text);

// The message for a program that could not be started: error number n and the system's text,
// with advice for the two errors that a command line typically causes.
std::string CreateProcessErrorText(unsigned long error_number, std::string_view system_text,
                                   std::size_t command_line_length);

}  // namespace widgets
