// Ends the programs that this test program started once a run has taken far longer than a run
// takes. The batch file's final pause reads the test program's standard input: when no newline
// comes, the watchdog turns what would be a test program stuck for ever into a failed test.
#pragma once

#include <windows.h>

#include <atomic>

namespace wine_tests {

class Watchdog {
 public:
  explicit Watchdog(DWORD milliseconds);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  // True when the time ran out and the started programs were ended.
  bool Fired() const { return fired_; }

 private:
  static DWORD WINAPI Watch(void* watchdog);

  DWORD milliseconds_;
  HANDLE done_;
  HANDLE thread_;
  std::atomic<bool> fired_{false};
};

}  // namespace wine_tests
