// A program started as a user starts it, and its windows. The program is ended when this object
// goes while it still runs.
#pragma once

#include <windows.h>

#include <string>

namespace window_driving {

class StartedProgram {
 public:
  // Starts `program` in `working_folder` (empty: the current folder).
  explicit StartedProgram(const std::string& program, const std::string& working_folder = {});
  ~StartedProgram();
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  bool Started() const { return started_; }
  bool Running() const;
  DWORD ProcessId() const { return process_.dwProcessId; }

  // A visible top-level window of the program with this class (nullptr: any) and title.
  HWND FindWindowOf(const char* window_class, const std::string& title) const;
  // Any visible top-level window of the program with this class.
  HWND FindWindowOf(const char* window_class) const;
  // nullptr when no such window shows within the time.
  HWND WaitForWindow(const char* window_class, const std::string& title,
                     DWORD milliseconds = 15000) const;

  // The exit code once the program has ended; -1 when it did not end in time.
  long WaitForEnd(DWORD milliseconds = 15000) const;

 private:
  HWND Find(const char* window_class, const std::string* title) const;

  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

}  // namespace window_driving
