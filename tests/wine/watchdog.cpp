#include "watchdog.h"

#include <tlhelp32.h>

namespace wine_tests {
namespace {

// The command interpreter waiting at its pause is a child of this process; ending it lets the
// wait for it return.
void EndChildProcesses() {
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE)
    return;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot, &entry); more;
       more = ::Process32Next(snapshot, &entry)) {
    if (entry.th32ParentProcessID != ::GetCurrentProcessId())
      continue;
    if (HANDLE child = ::OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
      ::TerminateProcess(child, 1);
      ::CloseHandle(child);
    }
  }
  ::CloseHandle(snapshot);
}

}  // namespace

Watchdog::Watchdog(DWORD milliseconds)
    : milliseconds_(milliseconds),
      done_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      thread_(::CreateThread(nullptr, 0, &Watch, this, 0, nullptr)) {}

Watchdog::~Watchdog() {
  ::SetEvent(done_);
  ::WaitForSingleObject(thread_, INFINITE);
  ::CloseHandle(thread_);
  ::CloseHandle(done_);
}

DWORD WINAPI Watchdog::Watch(void* watchdog) {
  auto& self = *static_cast<Watchdog*>(watchdog);
  if (::WaitForSingleObject(self.done_, self.milliseconds_) == WAIT_TIMEOUT) {
    self.fired_ = true;
    EndChildProcesses();
  }
  return 0;
}

}  // namespace wine_tests
