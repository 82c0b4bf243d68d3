// winvandrel.exe itself, started as a user starts it: from a folder with or without the engine.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "gui_support.h"
#include "started_program.h"
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

using window_driving::StartedProgram;

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
