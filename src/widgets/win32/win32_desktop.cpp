#include "widgets/win32/win32_desktop.h"

#include <shlobj.h>

#include <optional>
#include <stdexcept>

#include "utils/paths.h"
#include "utils/system_message_win32.h"
#include "utils/win32/unique_handle.h"
#include "widgets/win32/file_dialog.h"

namespace widgets::win32 {

std::string ApplicationTitle(std::string_view program_path) {
  std::string name = utils::FilePart(program_path);
  const std::size_t period = name.rfind('.');
  if (period != std::string::npos && period > 0)
    name.erase(period);
  return name;
}

void Win32Desktop::ShowMessage(const std::string& text) {
  ShowBox(text, MB_OK);
}

void Win32Desktop::ShowError(const std::string& text) {
  ShowBox(ErrorBoxText(text), MB_OK | MB_ICONSTOP);
}

// A box belongs to the main window and is modal to it: it shares the window's taskbar entry,
// comes up active in front of it, and when it closes the window is active again and gives the
// focus back to its control. Before there is a window, a box is task-modal. Either way the box
// is centred on the screen.
void Win32Desktop::ShowBox(const std::string& text, UINT style) {
  HWND owner = MainHandle();
  ::MessageBoxA(owner, text.c_str(), title_.c_str(),
                style | (owner != nullptr ? MB_APPLMODAL | MB_SETFOREGROUND : MB_TASKMODAL));
}

std::optional<std::string> Win32Desktop::ChooseFileToOpen(const FileDialogRequest& request) {
  return ShowFileDialog(MainHandle(), FileDialogKind::Open, request);
}

std::optional<std::string> Win32Desktop::ChooseFileToSave(const FileDialogRequest& request) {
  return ShowFileDialog(MainHandle(), FileDialogKind::Save, request);
}

WaitOutcome Win32Desktop::ProcessEventsUntil(const std::function<bool()>& condition) {
  for (;;) {
    if (MainHandle() == nullptr)
      return WaitOutcome::WindowClosed;
    if (condition())
      return WaitOutcome::ConditionMet;
    MSG message{};
    const BOOL result = ::GetMessageA(&message, nullptr, 0, 0);
    if (result == 0) {
      // The quit request belongs to the outer loop, which must end as well.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return WaitOutcome::WindowClosed;
    }
    if (result < 0)
      return WaitOutcome::WindowClosed;
    DispatchEvent(window_, message);
  }
}

void Win32Desktop::SetBusyPointer(bool busy) {
  busy_ = busy;
  ::SetCursor(::LoadCursorA(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void Win32Desktop::Repaint() {
  if (HWND window = MainHandle()) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

void Win32Desktop::RunCommand(const std::string& command_line, const std::string& working_folder) {
  std::string line = command_line;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        working_folder.empty() ? nullptr : working_folder.c_str(), &startup,
                        &process)) {
    const DWORD error = ::GetLastError();
    throw std::runtime_error(
        CreateProcessErrorText(error, utils::SystemMessage(error), command_line.size()));
  }
  const utils::win32::UniqueHandle thread(process.hThread);
  const utils::win32::UniqueHandle program(process.hProcess);
  WaitForProcess(program.Get());
}

// While the program runs, the window keeps painting and answering the system, so that it is
// never taken for hung, but it takes no input: it is disabled, and the view ignores whatever
// command or close request reaches it meanwhile. A quit request is kept for the outer loop.
void Win32Desktop::WaitForProcess(HANDLE process) {
  HWND main = MainHandle();
  const bool disabled = main != nullptr && ::EnableWindow(main, FALSE) == FALSE;
  waiting_ = true;
  std::optional<int> quit_code;
  while (::MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) ==
         WAIT_OBJECT_0 + 1) {
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit_code = static_cast<int>(message.wParam);
        continue;
      }
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
  waiting_ = false;
  if (quit_code)
    ::PostQuitMessage(*quit_code);
  main = MainHandle();
  if (!disabled || main == nullptr)
    return;
  ::EnableWindow(main, TRUE);
  // The program's console had the foreground; the window takes it back, and with it the focus
  // goes back to its control.
  if (::GetActiveWindow() == main)
    ::SetFocus(main);
  else
    ::SetForegroundWindow(main);
}

std::optional<std::string> Win32Desktop::DocumentsFolder() {
  LPITEMIDLIST folder = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &folder)) || folder == nullptr)
    return std::nullopt;
  char path[MAX_PATH] = {};
  const BOOL found = ::SHGetPathFromIDListA(folder, path);
  ::CoTaskMemFree(folder);
  if (!found || path[0] == '\0')
    return std::nullopt;
  return std::string(path);
}

std::string Win32Desktop::TemporaryFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathA(sizeof path, path);
  return length == 0 || length > MAX_PATH ? std::string() : std::string(path, length);
}

char Win32Desktop::DecimalSeparator() {
  char separator[8] = {};
  if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) < 2)
    return '.';
  return separator[0];
}

std::string Win32Desktop::AnsiToOem(std::string_view text) {
  std::string result(text.size(), '\0');
  if (!text.empty())
    ::CharToOemBuffA(text.data(), result.data(), static_cast<DWORD>(text.size()));
  return result;
}

std::string Win32Desktop::OemToAnsi(std::string_view text) {
  std::string result(text.size(), '\0');
  if (!text.empty())
    ::OemToCharBuffA(text.data(), result.data(), static_cast<DWORD>(text.size()));
  return result;
}

}  // namespace widgets::win32
