#include "widgets/win32/win32_desktop.h"

#include <commdlg.h>
#include <gtest/gtest.h>

#include "gui_support.h"
#include "support/temp_folder.h"
#include "utils/files.h"
#include "utils/system_message_win32.h"
#include "widgets/win32/file_dialog.h"

namespace wine_tests {
namespace {

using widgets::win32::ApplicationTitle;
using widgets::win32::FileDialogKind;
using widgets::win32::Win32Desktop;

TEST(ApplicationTitle, IsTheProgramFilesNameWithoutItsExtension) {
  EXPECT_EQ(ApplicationTitle("C:\\tools\\bin\\winvandrel.exe"), "winvandrel");
  EXPECT_EQ(ApplicationTitle("D:\\my.tools\\tagger.front.exe"), "tagger.front");
  EXPECT_EQ(ApplicationTitle("winvandrel"), "winvandrel");
}

TEST(Win32Desktop, GivesTheDocumentsFolder) {
  Win32Desktop desktop("winvandrel");
  const auto folder = desktop.DocumentsFolder();
  ASSERT_TRUE(folder.has_value());
  const DWORD attributes = ::GetFileAttributesA(folder->c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << *folder;
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << *folder;
  EXPECT_TRUE(utils::SetCurrentFolder(*folder));
}

TEST(Win32Desktop, GivesTheLocalesDecimalSeparator) {
  Win32Desktop desktop("winvandrel");
  char formatted[32] = {};
  ASSERT_GT(::GetNumberFormatA(LOCALE_USER_DEFAULT, 0, "1.5", nullptr, formatted, sizeof formatted),
            0);
  EXPECT_EQ(desktop.DecimalSeparator(), formatted[1]) << formatted;
}

TEST(Win32Desktop, ConvertsBetweenTheAnsiAndTheOemCodePage) {
  Win32Desktop desktop("winvandrel");
  // In the OEM code pages 437 and 850 alike, e with acute accent is 0x82.
  EXPECT_EQ(desktop.AnsiToOem("caf\xE9 \"D:\\x\""), "caf\x82 \"D:\\x\"");
  EXPECT_EQ(desktop.OemToAnsi("caf\x82"), "caf\xE9");
  EXPECT_EQ(desktop.AnsiToOem(""), "");
  EXPECT_EQ(desktop.AnsiToOem(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Win32Desktop, RunCommandReportsAProgramThatDoesNotExist) {
  Win32Desktop desktop("winvandrel");
  const std::string command = "C:\\no-such-folder\\no-such-program.exe input.txt";
  try {
    desktop.RunCommand(command, "");
    FAIL() << "the command started";
  } catch (const std::runtime_error& failure) {
    const std::string system_text = utils::SystemMessage(2);
    EXPECT_EQ(system_text.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(std::string(failure.what()),
              "Create Process Error #2: " + system_text +
                  ". Possibly, a parameter with an internal space should be enclosed in quotes.");
  }
}

TEST(Win32Desktop, RunCommandWaitsForTheProgramInTheWorkingFolder) {
  Win32Desktop desktop("winvandrel");
  test_support::TempFolder folder;
  desktop.RunCommand("cmd.exe /c echo finished> result.txt", folder.Path());
  ASSERT_TRUE(utils::FileExists(folder.File("result.txt")));
  EXPECT_EQ(utils::ReadWholeFile(folder.File("result.txt")), "finished\r\n");
}

// A plain window that the boxes must keep from taking input.
class OwnerWindow {
 public:
  OwnerWindow()
      : handle_(::CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                  200, 100, nullptr, nullptr, nullptr, nullptr)) {}
  ~OwnerWindow() { ::DestroyWindow(handle_); }
  HWND Handle() const { return handle_; }

 private:
  HWND handle_;
};

TEST(Win32Desktop, AMessageBoxIsCentredModalAndHasNoIcon) {
  Win32Desktop desktop("winvandrel");
  OwnerWindow owner;
  DialogCatcher catcher(owner.Handle());
  desktop.ShowMessage("Program options verified.");
  ASSERT_EQ(catcher.Seen().size(), 1u);
  const SeenDialog& box = catcher.Seen()[0];
  EXPECT_EQ(box.title, "winvandrel");
  EXPECT_EQ(box.text, "Program options verified.");
  EXPECT_FALSE(box.has_icon);
  EXPECT_FALSE(box.owner_windows_enabled) << "the program's windows take no input meanwhile";
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle())) << "and take it again afterwards";
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((box.rect.left + box.rect.right) / 2, (work.left + work.right) / 2, 2);
  EXPECT_NEAR((box.rect.top + box.rect.bottom) / 2, (work.top + work.bottom) / 2, 2);
}

TEST(Win32Desktop, TheErrorBoxHasAStopIconAndEndsItsTextWithAPeriod) {
  Win32Desktop desktop("winvandrel");
  DialogCatcher catcher;
  desktop.ShowError("The file D:\\out\\res.txt cannot be created");
  ASSERT_EQ(catcher.Seen().size(), 1u);
  EXPECT_EQ(catcher.Seen()[0].title, "winvandrel");
  EXPECT_EQ(catcher.Seen()[0].text, "The file D:\\out\\res.txt cannot be created.");
  EXPECT_TRUE(catcher.Seen()[0].has_icon);
}

TEST(NativeFilter, SeparatesThePartsWithNulsAndEndsWithTwo) {
  using namespace std::string_literals;
  EXPECT_EQ(widgets::win32::NativeFilter("Text files (*.txt)|*.TXT|All files (*.*)|*.*"),
            "Text files (*.txt)\0*.TXT\0All files (*.*)\0*.*\0\0"s);
  EXPECT_EQ(widgets::win32::NativeFilter("Program files (*.exe)|*.EXE"),
            "Program files (*.exe)\0*.EXE\0\0"s);
  EXPECT_EQ(widgets::win32::NativeFilter(""), "");
}

TEST(FileDialogFlags, OpenNeedsAnExistingFileAndSaveAsksBeforeReplacing) {
  EXPECT_EQ(
      widgets::win32::FileDialogFlags(FileDialogKind::Open),
      static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER));
  EXPECT_EQ(
      widgets::win32::FileDialogFlags(FileDialogKind::Save),
      static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER));
}

constexpr int kFileNameField = 0x47C;  // the explorer dialog's file name box

TEST(Win32Desktop, TheOpenDialogGivesTheChosenFileAndNothingWhenCancelled) {
  Win32Desktop desktop("winvandrel");
  test_support::TempFolder folder;
  utils::WriteWholeFile(folder.File("in.txt"), "text");
  const widgets::FileDialogRequest request{"Name of INPUT file", "", ""};
  {
    DialogCatcher catcher(nullptr, IDCANCEL);
    EXPECT_FALSE(desktop.ChooseFileToOpen(request).has_value());
    ASSERT_EQ(catcher.Seen().size(), 1u);
    EXPECT_EQ(catcher.Seen()[0].title, "Name of INPUT file");
  }
  DialogCatcher catcher;
  catcher.respond = [&](HWND dialog) {
    ::SetDlgItemTextA(dialog, kFileNameField, folder.File("in.txt").c_str());
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  };
  const auto chosen = desktop.ChooseFileToOpen(request);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, folder.File("in.txt"));
}

TEST(Win32Desktop, TheSaveDialogShowsItsTitleAndGivesNothingWhenCancelled) {
  Win32Desktop desktop("winvandrel");
  DialogCatcher catcher(nullptr, IDCANCEL);
  const widgets::FileDialogRequest request{
      "Name of OUTPUT file", "Text files (*.txt)|*.TXT|All files (*.*)|*.*", "old.txt"};
  EXPECT_FALSE(desktop.ChooseFileToSave(request).has_value());
  ASSERT_EQ(catcher.Seen().size(), 1u);
  EXPECT_EQ(catcher.Seen()[0].title, "Name of OUTPUT file");
}

TEST(Win32Desktop, TheBusyPointerIsTheHourglass) {
  Win32Desktop desktop("winvandrel");
  desktop.SetBusyPointer(true);
  EXPECT_TRUE(desktop.Busy());
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
  desktop.SetBusyPointer(false);
  EXPECT_FALSE(desktop.Busy());
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_ARROW));
}

TEST(Win32Desktop, WaitingWithoutAWindowEndsAtOnce) {
  Win32Desktop desktop("winvandrel");
  EXPECT_EQ(desktop.ProcessEventsUntil([] { return false; }), widgets::WaitOutcome::WindowClosed);
}

}  // namespace
}  // namespace wine_tests
