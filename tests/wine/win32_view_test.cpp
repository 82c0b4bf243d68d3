#include "widgets/win32/win32_view.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <thread>

#include "gui_support.h"
#include "support/temp_folder.h"
#include "test_window.h"
#include "view_checks.h"
#include "widgets/win32/win32_desktop.h"

namespace wine_tests {
namespace {

using widgets::win32::Win32Desktop;
using widgets::win32::Win32View;

class Win32ViewTest : public ::testing::Test {
 protected:
  Win32ViewTest() : desktop_("vandrel_tests"), view_(window_, desktop_) {
    view_.Show(SW_SHOWNORMAL);
    ::SetForegroundWindow(view_.Handle());
    Pump(&view_, 200);
  }

  HWND Native(const widgets::Control& control) const { return view_.NativeOf(control); }
  HWND Item(const widgets::RadioGroup& group, int index) const {
    return view_.ItemNativeOf(group, index);
  }
  void Click(HWND native) {
    ClickAt(ScreenCentre(native));
    Pump(&view_);
  }
  void Press(WORD key, bool shift = false) {
    PressKey(key, shift);
    Pump(&view_);
  }
  bool NativeChecked(HWND native) const {
    return ::SendMessageA(native, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  Win32Desktop desktop_;
  TestWindow window_;
  Win32View view_;
};

TEST_F(Win32ViewTest, CreatesEveryNativeControlWithTheModelsBoundsStateAndText) {
  ASSERT_EQ(view_.Dpi(), 96) << "the test rig runs at 96 DPI, where bounds are the model's";
  EXPECT_TRUE(NativesMirrorModel(view_, window_));
  RECT outer{};
  ::GetWindowRect(view_.Handle(), &outer);
  EXPECT_EQ(outer.left, 6);
  EXPECT_EQ(outer.top, 20);
  EXPECT_EQ(outer.right - outer.left, 790);
  EXPECT_EQ(outer.bottom - outer.top, 553);
  const LONG style = ::GetWindowLongA(view_.Handle(), GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0) << "the layout's size is fixed";
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(Item(window_.TagsOutRadioGroup, 0), nullptr) << "a frame-only group has no items";
  const RECT first = RectIn(Item(window_.LexInfoRadioGroup, 0), view_.Handle());
  const RECT third = RectIn(Item(window_.LexInfoRadioGroup, 2), view_.Handle());
  EXPECT_GT(third.left, first.left) << "the third of four items starts the second column";
  EXPECT_EQ(third.top, first.top);
  const RECT label = RectIn(Native(window_.OwnProgramLabel), view_.Handle());
  EXPECT_GT(label.right - label.left, 63) << "an auto-size label shows its whole caption";
}

TEST_F(Win32ViewTest, ChangesOfTheModelReachTheNativeControls) {
  window_.TokenCheckBox.SetChecked(false);
  window_.LangRadioGroup.SetItemIndex(3);
  window_.TagRadioButton2.SetChecked(true);
  window_.InputEdit.SetText("C:\\texts\\in.txt");
  window_.SetCaption("Another caption");
  window_.OutputGroupBox.SetEnabled(false);
  EXPECT_TRUE(NativesMirrorModel(view_, window_));
  EXPECT_FALSE(::IsWindowEnabled(Native(window_.TokenCheckBox))) << "its group box is disabled";
  window_.OutputGroupBox.SetEnabled(true);
  window_.OwnProgramLabel.SetCaption("X");
  window_.LangRadioGroup.SetItems({"A", "B", "C", "D", "E", "F", "G", "H", ""});
  EXPECT_TRUE(NativesMirrorModel(view_, window_));
}

TEST_F(Win32ViewTest, ClicksOnNativeControlsGoThroughTheModel) {
  Click(Native(window_.TokenCheckBox));
  EXPECT_FALSE(window_.TokenCheckBox.Checked());
  EXPECT_TRUE(window_.TokenCheckBox.Focused());
  EXPECT_FALSE(::IsWindowEnabled(Native(window_.InputLabel))) << "its handler disabled the label";

  Click(Item(window_.LexInfoRadioGroup, 2));
  EXPECT_EQ(window_.LexInfoRadioGroup.ItemIndex(), 2);
  EXPECT_TRUE(window_.LexInfoRadioGroup.Focused());

  Click(Native(window_.TagRadioButton2));
  EXPECT_TRUE(window_.TagRadioButton2.Checked());
  EXPECT_FALSE(window_.TagRadioButton1.Checked());
  EXPECT_TRUE(window_.ProbFactorEdit.Enabled());

  Click(Native(window_.TagRadioButton2));
  EXPECT_TRUE(window_.TagRadioButton2.Checked()) << "a second click leaves it checked";
  EXPECT_TRUE(NativesMirrorModel(view_, window_));
  EXPECT_TRUE(NativeChecked(Item(window_.LexInfoRadioGroup, 2)));
  EXPECT_FALSE(NativeChecked(Item(window_.LexInfoRadioGroup, 0)));
}

TEST_F(Win32ViewTest, AClickAtAnOverlappingEditsCentreFocusesTheEdit) {
  Click(Native(window_.OtherLangEdit));
  EXPECT_EQ(::GetFocus(), Native(window_.OtherLangEdit));
  EXPECT_TRUE(window_.OtherLangEdit.Focused());
  EXPECT_EQ(window_.LangRadioGroup.ItemIndex(), -1) << "the ninth item below took no click";

  // A disabled edit lets the click through to the radio button below, whose handler enables it.
  Click(Native(window_.ProbFactorEdit));
  EXPECT_TRUE(window_.TagRadioButton2.Checked());
  EXPECT_FALSE(window_.ProbFactorEdit.Focused());
  Click(Native(window_.ProbFactorEdit));
  EXPECT_EQ(::GetFocus(), Native(window_.ProbFactorEdit));
  EXPECT_TRUE(window_.ProbFactorEdit.Focused());
}

TEST_F(Win32ViewTest, TabAndShiftTabFollowTheModelsTabOrder) {
  Click(Item(window_.LangRadioGroup, 0));
  ASSERT_TRUE(window_.LangRadioGroup.Focused());
  Press(VK_TAB);
  EXPECT_TRUE(window_.OtherLangEdit.Focused());
  EXPECT_EQ(::GetFocus(), Native(window_.OtherLangEdit));
  Press(VK_TAB);
  EXPECT_TRUE(window_.TokenCheckBox.Focused());
  EXPECT_EQ(::GetFocus(), Native(window_.TokenCheckBox));
  Press(VK_TAB, true);
  EXPECT_TRUE(window_.OtherLangEdit.Focused());
  Press(VK_TAB, true);
  EXPECT_EQ(::GetFocus(), Item(window_.LangRadioGroup, 0)) << "the group's selected item";

  // Tabbing onto a radio button moves the focus only; the disabled edit is passed over.
  window_.TokenCheckBox.SetFocus();
  Press(VK_TAB);
  Press(VK_TAB);
  EXPECT_TRUE(window_.TagRadioButton2.Focused());
  EXPECT_EQ(::GetFocus(), Native(window_.TagRadioButton2));
  EXPECT_FALSE(window_.TagRadioButton2.Checked());
  Press(VK_TAB);
  EXPECT_TRUE(window_.LexInfoRadioGroup.Focused());
  EXPECT_EQ(::GetFocus(), Item(window_.LexInfoRadioGroup, 0));
}

TEST_F(Win32ViewTest, ArrowKeysMoveTheSelectionOfAFocusedRadioGroup) {
  window_.LexInfoRadioGroup.SetFocus();
  Pump(&view_);
  Press(VK_DOWN);
  EXPECT_EQ(window_.LexInfoRadioGroup.ItemIndex(), 1);
  EXPECT_EQ(::GetFocus(), Item(window_.LexInfoRadioGroup, 1));
  Press(VK_UP);
  Press(VK_UP);
  EXPECT_EQ(window_.LexInfoRadioGroup.ItemIndex(), 3) << "the selection wraps around";
}

TEST_F(Win32ViewTest, TypingChangesTheModelAndAClickIntoAnEditReachesItsHandler) {
  Click(Native(window_.InputEdit));
  EXPECT_EQ(window_.input_clicks, 1);
  EXPECT_TRUE(window_.InputEdit.Focused());
  TypeText("in.txt");
  Pump(&view_);
  EXPECT_EQ(window_.InputEdit.Text(), "in.txt");
  window_.InputEdit.SetText("other.txt");
  EXPECT_EQ(TextOf(Native(window_.InputEdit)), "other.txt");
}

TEST_F(Win32ViewTest, EditsPaintInTheirModelColour) {
  const auto background = [&](const widgets::Edit& edit) {
    RECT client{};
    ::GetClientRect(Native(edit), &client);
    return PixelAt(Native(edit), {client.right - 3, client.bottom / 2});
  };
  ASSERT_FALSE(window_.ProbFactorEdit.Enabled());
  EXPECT_EQ(background(window_.ProbFactorEdit), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(background(window_.OtherLangEdit), ::GetSysColor(COLOR_WINDOW));
  window_.TagRadioButton2.SetChecked(true);
  Pump(&view_);
  EXPECT_EQ(background(window_.ProbFactorEdit), ::GetSysColor(COLOR_WINDOW));
  window_.OtherLangEdit.SetColour(widgets::Colour::ButtonFace);
  Pump(&view_);
  EXPECT_EQ(background(window_.OtherLangEdit), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(Win32ViewTest, ThePicturesShowTheFlags) {
  const auto colour = [&](const widgets::Image& image, int x, int y) {
    const COLORREF pixel = PixelAt(Native(image), {x, y});
    return std::array<int, 3>{GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
  };
  const auto black = colour(window_.GermanImage, 12, 2);
  const auto gold = colour(window_.GermanImage, 12, 12);
  const auto blue = colour(window_.EnglishImage, 7, 1);
  EXPECT_LT(black[0] + black[1] + black[2], 120);
  EXPECT_GT(gold[0], 200);
  EXPECT_GT(gold[1], 150);
  EXPECT_LT(gold[2], 80);
  EXPECT_GT(blue[2], blue[0] + 40);
}

TEST_F(Win32ViewTest, AClickOnAFlagRunsItsHandler) {
  Click(Native(window_.GermanImage));
  EXPECT_EQ(TextOf(Native(window_.LangRadioGroup)), "Sprache");
  EXPECT_EQ(TextOf(Native(window_.TokenCheckBox)), "das Token");
  EXPECT_EQ(TextOf(Native(window_.ExitButton)), "Ende");
  Click(Native(window_.EnglishImage));
  EXPECT_EQ(TextOf(Native(window_.ExitButton)), "Exit");
}

TEST_F(Win32ViewTest, TooltipsCarryTheHintsAndStayTwentySeconds) {
  HWND tooltip = view_.TooltipHandle();
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(::SendMessageA(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 20000);
  EXPECT_EQ(::SendMessageA(tooltip, TTM_GETMAXTIPWIDTH, 0, 0), 400) << "long hints wrap";
  const auto hint_of = [&](HWND native) {
    return ToolText(tooltip, view_.Handle(), reinterpret_cast<UINT_PTR>(native), true)
        .value_or("<no tool>");
  };
  EXPECT_EQ(hint_of(Native(window_.TokenCheckBox)), "Output the token itself");
  EXPECT_EQ(hint_of(Native(window_.InputEdit)), "Click to choose the input file");
  EXPECT_EQ(hint_of(Native(window_.TagRadioButton1)), "<no tool>");
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(hint_of(Item(window_.LexInfoRadioGroup, i)), "Lexical information to output");
  EXPECT_EQ(
      ToolText(tooltip, view_.Handle(),
               static_cast<UINT_PTR>(::GetDlgCtrlID(Native(window_.TagsOutRadioGroup))), false),
      "Which tags to output")
      << "a frame-only group's hint covers its frame";

  window_.ExitButton.SetHint("Beendet das Programm");
  EXPECT_EQ(hint_of(Native(window_.ExitButton)), "Beendet das Programm");
  window_.ExitButton.SetHint("");
  EXPECT_EQ(hint_of(Native(window_.ExitButton)), "<no tool>");
  window_.TagRadioButton1.SetHint("Only the best");
  EXPECT_EQ(hint_of(Native(window_.TagRadioButton1)), "Only the best");
}

TEST_F(Win32ViewTest, AFailureInAHandlerIsShownInTheErrorBox) {
  DialogCatcher catcher(view_.Handle());
  Click(Native(window_.FailButton));
  ASSERT_EQ(catcher.Seen().size(), 1u);
  EXPECT_EQ(catcher.Seen()[0].title, "vandrel_tests");
  EXPECT_EQ(catcher.Seen()[0].text, "The file cannot be written.");
  EXPECT_TRUE(catcher.Seen()[0].has_icon);
  EXPECT_FALSE(catcher.Seen()[0].owner_windows_enabled);
  EXPECT_NE(view_.Handle(), nullptr);
}

// Whether a box was the active window once it had come up; it is then answered with OK.
bool box_was_active = false;

void CALLBACK AnswerActiveBox(HWND box, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(box, timer);
  box_was_active = ::GetActiveWindow() == box;
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(Win32ViewTest, ABoxBelongsToTheWindowAndGivesTheFocusBackToItsControl) {
  for (bool error : {false, true}) {
    window_.InputEdit.SetFocus();
    Pump(&view_);
    ASSERT_EQ(::GetFocus(), Native(window_.InputEdit));
    DialogCatcher catcher(view_.Handle());
    catcher.respond = [](HWND box) { ::SetTimer(box, 1, 200, &AnswerActiveBox); };
    box_was_active = false;
    if (error)
      desktop_.ShowError("The file cannot be written");
    else
      desktop_.ShowMessage("Vandrel finished");
    ASSERT_EQ(catcher.Seen().size(), 1u);
    EXPECT_EQ(catcher.Seen()[0].owner, view_.Handle()) << "one taskbar entry for the program";
    EXPECT_FALSE(catcher.Seen()[0].owner_windows_enabled) << "the box is modal to the window";
    EXPECT_TRUE(box_was_active) << "the box comes up in front";
    Pump(&view_);
    EXPECT_EQ(::GetActiveWindow(), view_.Handle());
    EXPECT_EQ(::GetFocus(), Native(window_.InputEdit)) << "the keyboard is where it was";
  }
}

// What another thread saw of the window while a program ran.
struct SeenDuringWait {
  bool disabled = false;
  bool hung = true;
  bool repainted = false;
};

TEST_F(Win32ViewTest, WhileAProgramRunsTheWindowPaintsButTakesNoInput) {
  test_support::TempFolder folder;
  const std::string program = folder.File("hold-program.exe");
  ASSERT_TRUE(::CopyFileA(VANDREL_HOLD_PROGRAM, program.c_str(), FALSE));
  const std::string event_name = "vandrel-tests-" + std::to_string(::GetCurrentProcessId());
  HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, event_name.c_str());
  window_.TokenCheckBox.SetFocus();
  Pump(&view_);
  HWND main = view_.Handle();
  HWND exit = Native(window_.ExitButton);
  SeenDuringWait seen;
  std::thread observer([&] {
    for (int i = 0; i < 1000 && ::IsWindowEnabled(main); ++i)
      ::Sleep(10);
    seen.disabled = !::IsWindowEnabled(main);
    // The system counts a window as hung when its thread has left it alone for five seconds.
    ::Sleep(5500);
    seen.hung = ::IsHungAppWindow(main) != FALSE;
    ::RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    for (int i = 0; i < 300 && !seen.repainted; ++i) {
      ::Sleep(10);
      seen.repainted = !::GetUpdateRect(main, nullptr, FALSE);
    }
    // Neither a close request nor the Exit button's command may reach the model meanwhile.
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(exit), BN_CLICKED),
                   reinterpret_cast<LPARAM>(exit));
    ::Sleep(300);
    ::SetEvent(release);
  });
  desktop_.RunCommand("\"" + program + "\" " + event_name, "");
  observer.join();
  ::CloseHandle(release);
  EXPECT_TRUE(seen.disabled);
  EXPECT_FALSE(seen.hung);
  EXPECT_TRUE(seen.repainted) << "the window painted while the program ran";
  EXPECT_FALSE(window_.IsClosed());
  EXPECT_TRUE(::IsWindowEnabled(main)) << "and takes input again afterwards";
  Pump(&view_);
  EXPECT_FALSE(window_.IsClosed());
  EXPECT_EQ(::GetFocus(), Native(window_.TokenCheckBox));
}

bool QuitRequested() {
  MSG message{};
  return ::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST_F(Win32ViewTest, TheCloseBoxAsksTheWindowAndEndsTheProgram) {
  bool allow = false;
  window_.OnCloseQuery = [&] { return allow; };
  HWND main = view_.Handle();
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  Pump(&view_);
  EXPECT_TRUE(::IsWindow(main)) << "the window refused to close";
  EXPECT_FALSE(window_.IsClosed());

  allow = true;
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  Pump(&view_);
  EXPECT_TRUE(window_.IsClosed());
  EXPECT_FALSE(::IsWindow(main));
  EXPECT_EQ(view_.Handle(), nullptr);
  EXPECT_TRUE(QuitRequested());
  window_.TokenCheckBox.SetChecked(false);
  window_.SetCaption("after the end");
}

TEST_F(Win32ViewTest, AnExitButtonThatClosesTheModelDestroysTheWindow) {
  HWND main = view_.Handle();
  Click(Native(window_.ExitButton));
  EXPECT_TRUE(window_.IsClosed());
  EXPECT_FALSE(::IsWindow(main));
  EXPECT_TRUE(QuitRequested());
}

TEST_F(Win32ViewTest, TheNestedLoopWaitsForTheUserOnRealMessages) {
  window_.OtherLangEdit.SetFocus();
  Pump(&view_);
  ASSERT_EQ(::GetFocus(), Native(window_.OtherLangEdit));
  TypeText("Welsh");
  PressKey(VK_TAB);
  const auto outcome =
      desktop_.ProcessEventsUntil([&] { return !window_.OtherLangEdit.Focused(); });
  EXPECT_EQ(outcome, widgets::WaitOutcome::ConditionMet);
  EXPECT_EQ(window_.OtherLangEdit.Text(), "Welsh");
  EXPECT_TRUE(window_.TokenCheckBox.Focused()) << "Tab inside the wait follows the tab order";
}

TEST_F(Win32ViewTest, OnlyAnotherControlOfTheWindowTakesTheFocusFromTheModel) {
  int exits = 0;
  window_.OtherLangEdit.OnExit = [&] { ++exits; };
  window_.OtherLangEdit.SetFocus();
  Pump(&view_);
  ASSERT_EQ(::GetFocus(), Native(window_.OtherLangEdit));
  {
    DialogCatcher catcher(view_.Handle());
    desktop_.ShowMessage("A box takes the focus for a while");
    ASSERT_EQ(catcher.Seen().size(), 1u);
  }
  Pump(&view_);
  HWND other = ::CreateWindowExA(0, "STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 300, 300, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ::SetForegroundWindow(other);
  Pump(&view_);
  EXPECT_NE(::GetActiveWindow(), view_.Handle());
  EXPECT_TRUE(window_.OtherLangEdit.Focused());
  ::DestroyWindow(other);
  ::SetForegroundWindow(view_.Handle());
  Pump(&view_);
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(window_.OtherLangEdit.Focused());
  EXPECT_EQ(::GetFocus(), Native(window_.OtherLangEdit)) << "the focus came back to the field";
  Press(VK_TAB);
  EXPECT_EQ(exits, 1);
}

TEST_F(Win32ViewTest, TheNestedLoopEndsWhenTheWindowClosesAndKeepsTheQuitRequest) {
  ::PostMessageA(view_.Handle(), WM_CLOSE, 0, 0);
  const auto outcome = desktop_.ProcessEventsUntil([] { return false; });
  EXPECT_EQ(outcome, widgets::WaitOutcome::WindowClosed);
  EXPECT_TRUE(window_.IsClosed());
  EXPECT_TRUE(QuitRequested()) << "the outer loop must end too";
}

TEST_F(Win32ViewTest, AQuitRequestTakenByTheNestedLoopIsPostedAgain) {
  ::PostQuitMessage(3);
  const auto outcome = desktop_.ProcessEventsUntil([] { return false; });
  EXPECT_EQ(outcome, widgets::WaitOutcome::WindowClosed);
  MSG message{};
  ASSERT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 3u);
}

TEST_F(Win32ViewTest, SavesAScreenshot) {
  SaveScreenshot(view_.Handle(), "test-window.bmp");
}

}  // namespace
}  // namespace wine_tests
