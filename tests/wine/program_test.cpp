// winvandrel.exe itself, started as a user starts it: from a folder with or without the engine.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "gui_support.h"
#include "support/temp_folder.h"
#include "utils/files.h"
#include "utils/paths.h"

namespace wine_tests {
namespace {

// The program is built beside the test program, in the build folder's src\app\.
std::string BuiltProgram() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return utils::FolderPart(path) + "..\\src\\app\\winvandrel.exe";
}

class StartedProgram {
 public:
  explicit StartedProgram(const std::string& program) {
    std::string command_line = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started_ = ::CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                nullptr, &startup, &process_) != FALSE;
  }
  ~StartedProgram() {
    if (!started_)
      return;
    if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
      ::TerminateProcess(process_.hProcess, 1);
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  bool Started() const { return started_; }

  // A visible top-level window of the program with this class (nullptr: any) and title.
  HWND FindWindowOf(const char* window_class, const std::string& title) const {
    struct Search {
      DWORD process;
      const char* window_class;
      const std::string* title;
      HWND found;
    } search{process_.dwProcessId, window_class, &title, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto& s = *reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          ::GetWindowThreadProcessId(window, &owner);
          if (owner == s.process && ::IsWindowVisible(window) && TextOf(window) == *s.title &&
              (s.window_class == nullptr || ClassOf(window) == s.window_class)) {
            s.found = window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  HWND WaitForWindow(const char* window_class, const std::string& title) const {
    for (int i = 0; i < 300; ++i) {
      if (HWND window = FindWindowOf(window_class, title))
        return window;
      ::Sleep(50);
    }
    return nullptr;
  }

  // The exit code once the program has ended; -1 when it did not end in time.
  long WaitForEnd() const {
    if (::WaitForSingleObject(process_.hProcess, 15000) != WAIT_OBJECT_0)
      return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
  }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

TEST(Program, WithoutTheEngineTellsTheUserAndEndsWithoutShowingTheWindow) {
  test_support::TempFolder folder;
  ASSERT_TRUE(::CopyFileA(BuiltProgram().c_str(), folder.File("winvandrel.exe").c_str(), FALSE))
      << BuiltProgram();
  StartedProgram program(folder.File("winvandrel.exe"));
  ASSERT_TRUE(program.Started());
  HWND box = program.WaitForWindow("#32770", "winvandrel");
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(TextOf(::GetDlgItem(box, 0xFFFF)),
            "Programs winvandrel.exe and vandrel.exe must be located in the same directory.");
  EXPECT_EQ(program.FindWindowOf(nullptr, "Vandrel (Windows)"), nullptr);
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program.WaitForEnd(), 0);
}

TEST(Program, WithTheEngineShowsTheWindowAndEndsWhenItCloses) {
  test_support::TempFolder folder;
  ASSERT_TRUE(::CopyFileA(BuiltProgram().c_str(), folder.File("winvandrel.exe").c_str(), FALSE));
  utils::WriteWholeFile(folder.File("vandrel.exe"), "MZ");
  StartedProgram program(folder.File("winvandrel.exe"));
  ASSERT_TRUE(program.Started());
  HWND window = program.WaitForWindow(nullptr, "Vandrel (Windows)");
  ASSERT_NE(window, nullptr) << "no main window";
  ::PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForEnd(), 0);
}

}  // namespace
}  // namespace wine_tests
