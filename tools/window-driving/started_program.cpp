#include "started_program.h"

#include "window_driving.h"

namespace window_driving {

// A program started from the desktop has no console. Under Wine a program would otherwise share
// this one's, and so would the batch files it runs: their pause would read this program's input
// instead of waiting in a console window of their own.
StartedProgram::StartedProgram(const std::string& program, const std::string& working_folder) {
  std::string command_line = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  started_ =
      ::CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                       nullptr, working_folder.empty() ? nullptr : working_folder.c_str(), &startup,
                       &process_) != FALSE;
}

StartedProgram::~StartedProgram() {
  if (!started_)
    return;
  if (Running())
    ::TerminateProcess(process_.hProcess, 1);
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
}

bool StartedProgram::Running() const {
  return started_ && ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND StartedProgram::FindWindowOf(const char* window_class, const std::string& title) const {
  return Find(window_class, &title);
}

HWND StartedProgram::FindWindowOf(const char* window_class) const {
  return Find(window_class, nullptr);
}

HWND StartedProgram::Find(const char* window_class, const std::string* title) const {
  struct Search {
    DWORD process;
    const char* window_class;
    const std::string* title;
    HWND found;
  } search{process_.dwProcessId, window_class, title, nullptr};
  ::EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == s.process && ::IsWindowVisible(window) &&
            (s.title == nullptr || TextOf(window) == *s.title) &&
            (s.window_class == nullptr || ClassOf(window) == s.window_class)) {
          s.found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND StartedProgram::WaitForWindow(const char* window_class, const std::string& title,
                                   DWORD milliseconds) const {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (HWND window = FindWindowOf(window_class, title))
      return window;
    if (::GetTickCount() - start > milliseconds)
      return nullptr;
    ::Sleep(50);
  }
}

long StartedProgram::WaitForEnd(DWORD milliseconds) const {
  if (::WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0)
    return -1;
  DWORD code = 0;
  ::GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<long>(code);
}

}  // namespace window_driving
