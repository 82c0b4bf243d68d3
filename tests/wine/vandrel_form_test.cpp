// The program's real main window under its native view.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "app/vandrel_form.h"
#include "gui_support.h"
#include "support/temp_folder.h"
#include "utils/files.h"
#include "view_checks.h"
#include "widgets/win32/win32_desktop.h"
#include "widgets/win32/win32_view.h"

namespace wine_tests {
namespace {

using widgets::win32::Win32Desktop;
using widgets::win32::Win32View;

// An installation folder with the engine beside the program, so start-up goes through.
class Installation {
 public:
  Installation() { utils::WriteWholeFile(folder_.File("vandrel.exe"), "MZ"); }
  std::string ProgramPath() const { return folder_.File("winvandrel.exe"); }

 private:
  test_support::TempFolder folder_;
};

// Input given while the new-language handler waits inside its nested loop.
void CALLBACK TypeNewLanguage(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  TypeText("Welsh");
  PressKey(VK_TAB);
}

// Ends a wait that went wrong, so the test fails instead of hanging.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  if (HWND window = ::FindWindowA(nullptr, "Vandrel (Windows)"))
    ::PostMessageA(window, WM_CLOSE, 0, 0);
}

class VandrelFormTest : public ::testing::Test {
 protected:
  VandrelFormTest() : desktop_("winvandrel"), form_(desktop_, installation_.ProgramPath()) {
    previous_folder_ = utils::CurrentFolder();
    started_ = form_.FormCreate();
    view_ = std::make_unique<Win32View>(form_, desktop_);
    view_->Show(SW_SHOWNORMAL);
    ::SetForegroundWindow(view_->Handle());
    Pump(view_.get(), 200);
    give_up_ = ::SetTimer(nullptr, 0, 20000, &GiveUp);
  }
  ~VandrelFormTest() override {
    ::KillTimer(nullptr, give_up_);
    view_.reset();
    utils::SetCurrentFolder(previous_folder_);
  }

  HWND Native(const widgets::Control& control) const { return view_->NativeOf(control); }
  HWND Item(const widgets::RadioGroup& group, int index) const {
    return view_->ItemNativeOf(group, index);
  }
  void Click(HWND native) {
    ClickAt(ScreenCentre(native));
    Pump(view_.get());
  }

  Installation installation_;
  Win32Desktop desktop_;
  app::TVandrelForm form_;
  std::string previous_folder_;
  bool started_ = false;
  std::unique_ptr<Win32View> view_;
  UINT_PTR give_up_ = 0;
};

TEST_F(VandrelFormTest, OpensWithEveryControlAsTheModelHasIt) {
  ASSERT_TRUE(started_);
  EXPECT_EQ(TextOf(view_->Handle()), "Vandrel (Windows)");
  EXPECT_TRUE(NativesMirrorModel(*view_, form_));
  EXPECT_TRUE(::IsWindowEnabled(Native(form_.RunButton)));
  EXPECT_FALSE(::IsWindowEnabled(Native(form_.OwnProgramEdit)));
}

TEST_F(VandrelFormTest, TheGermanFlagSwitchesTheNativeCaptions) {
  const std::string english_task = TextOf(Native(form_.TaskRadioGroup));
  Click(Native(form_.GermanImage));
  EXPECT_NE(TextOf(Native(form_.TaskRadioGroup)), english_task);
  EXPECT_EQ(TextOf(Native(form_.TaskRadioGroup)), form_.TaskRadioGroup.Caption());
  EXPECT_TRUE(NativesMirrorModel(*view_, form_));
  Click(Native(form_.EnglishImage));
  EXPECT_EQ(TextOf(Native(form_.TaskRadioGroup)), english_task);
}

TEST_F(VandrelFormTest, TooltipsCarryTheHintsOfTheCurrentLanguage) {
  for (bool german : {false, true}) {
    if (german)
      Click(Native(form_.GermanImage));
    int with_hint = 0;
    for (widgets::Control* control : AllControls(form_)) {
      HWND tool = control->GetKind() == widgets::Kind::RadioGroup
                      ? Item(static_cast<widgets::RadioGroup&>(*control), 0)
                      : Native(*control);
      if (tool == nullptr)
        continue;
      with_hint += control->Hint().empty() ? 0 : 1;
      const auto text =
          ToolText(view_->TooltipHandle(), view_->Handle(), reinterpret_cast<UINT_PTR>(tool), true);
      EXPECT_EQ(text.value_or(""), control->Hint())
          << control->Name() << (german ? " in German" : " in English");
    }
    EXPECT_GT(with_hint, 30);
  }
}

TEST_F(VandrelFormTest, NativeClicksLeaveTheNativeControlsAsTheModel) {
  Click(Native(form_.FilesCheckBox));
  EXPECT_TRUE(form_.FilesCheckBox.Checked());
  EXPECT_TRUE(form_.TokRadioButton1.Checked());
  EXPECT_FALSE(::IsWindowEnabled(Native(form_.OutputEdit)));
  EXPECT_TRUE(NativesMirrorModel(*view_, form_));
  Click(Native(form_.FilesCheckBox));
  EXPECT_FALSE(form_.FilesCheckBox.Checked());

  Click(Item(form_.TaskRadioGroup, 1));
  EXPECT_EQ(form_.TaskRadioGroup.ItemIndex(), 1);
  EXPECT_FALSE(::IsWindowEnabled(Native(form_.InputEdit)));
  EXPECT_TRUE(NativesMirrorModel(*view_, form_));
  Click(Item(form_.TaskRadioGroup, 0));

  Click(Native(form_.TokRadioButton4));
  EXPECT_TRUE(form_.TokRadioButton4.Checked());
  EXPECT_TRUE(::IsWindowEnabled(Native(form_.OwnProgramEdit)));
  EXPECT_TRUE(NativesMirrorModel(*view_, form_));
}

TEST_F(VandrelFormTest, DisabledEditsPaintInTheButtonFaceColour) {
  const auto background = [&](const widgets::Edit& edit) {
    RECT client{};
    ::GetClientRect(Native(edit), &client);
    return PixelAt(Native(edit), {client.right - 3, client.bottom / 2});
  };
  ASSERT_FALSE(form_.OwnProgramEdit.Enabled());
  EXPECT_EQ(background(form_.OwnProgramEdit), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(background(form_.EOSEdit), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(background(form_.InputEdit), ::GetSysColor(COLOR_WINDOW));
  Click(Native(form_.TokRadioButton3));
  EXPECT_EQ(background(form_.OwnProgramEdit), ::GetSysColor(COLOR_WINDOW));
}

TEST_F(VandrelFormTest, ClicksAtTheOverlappingEditsFocusTheEdits) {
  // While the name field is disabled, a click on it reaches the ninth item below it, and the
  // new-language choice puts the focus into the field.
  ASSERT_FALSE(form_.OtherLangEdit.Enabled());
  ClickAt(ScreenCentre(Native(form_.OtherLangEdit)));
  ::SetTimer(nullptr, 0, 300, &TypeNewLanguage);
  Pump(view_.get(), 1500);
  EXPECT_EQ(form_.LangRadioGroup.ItemIndex(), 8);
  EXPECT_EQ(form_.LanguageName, "welsh");
  ASSERT_TRUE(form_.OtherLangEdit.Enabled());
  Click(Native(form_.OtherLangEdit));
  EXPECT_TRUE(form_.OtherLangEdit.Focused());
  EXPECT_EQ(::GetFocus(), Native(form_.OtherLangEdit));

  ASSERT_FALSE(form_.ProbFactorEdit.Enabled());
  Click(Native(form_.ProbFactorEdit));
  EXPECT_TRUE(form_.TagRadioButton2.Checked()) << "the click reached the button below";
  Click(Native(form_.ProbFactorEdit));
  EXPECT_TRUE(form_.ProbFactorEdit.Focused());
  EXPECT_EQ(::GetFocus(), Native(form_.ProbFactorEdit));
}

TEST_F(VandrelFormTest, TabFromTheLanguageGroupReachesTheNewLanguageField) {
  Click(Item(form_.LangRadioGroup, 0));
  ASSERT_TRUE(form_.LangRadioGroup.Focused());
  PressKey(VK_TAB);
  Pump(view_.get());
  EXPECT_TRUE(form_.TaskRadioGroup.Focused()) << "past the field while it is disabled";

  // A name in the field: choosing the ninth item needs no wait.
  form_.OtherLangEdit.SetText("Welsh");
  RECT item{};
  ::GetWindowRect(Item(form_.LangRadioGroup, 8), &item);
  ClickAt({item.left + 6, (item.top + item.bottom) / 2});
  Pump(view_.get());
  ASSERT_EQ(form_.LangRadioGroup.ItemIndex(), 8);
  ASSERT_TRUE(form_.LangRadioGroup.Focused());
  PressKey(VK_TAB);
  Pump(view_.get());
  EXPECT_TRUE(form_.OtherLangEdit.Focused());
  EXPECT_EQ(::GetFocus(), Native(form_.OtherLangEdit));
  PressKey(VK_TAB, true);
  Pump(view_.get());
  EXPECT_EQ(::GetFocus(), Item(form_.LangRadioGroup, 8));
}

TEST_F(VandrelFormTest, TheNewLanguageWaitRunsOnTheRealMessageLoop) {
  HWND ninth = Item(form_.LangRadioGroup, 8);
  RECT item{};
  ::GetWindowRect(ninth, &item);
  // The radio circle at the item's left is not covered by the name field.
  ClickAt({item.left + 6, (item.top + item.bottom) / 2});
  ::SetTimer(nullptr, 0, 300, &TypeNewLanguage);
  Pump(view_.get(), 1500);
  ASSERT_FALSE(form_.IsClosed()) << "the wait did not end";
  EXPECT_EQ(form_.LangRadioGroup.ItemIndex(), 8);
  EXPECT_EQ(form_.OtherLangEdit.Text(), "Welsh");
  EXPECT_EQ(form_.LanguageName, "welsh");
  EXPECT_TRUE(form_.TaskRadioGroup.Focused());
  EXPECT_TRUE(NativesMirrorModel(*view_, form_));
}

TEST_F(VandrelFormTest, ClosingTheWindowDuringTheNewLanguageWaitEndsTheProgramCleanly) {
  HWND main = view_->Handle();
  RECT item{};
  ::GetWindowRect(Item(form_.LangRadioGroup, 8), &item);
  ClickAt({item.left + 6, (item.top + item.bottom) / 2});
  ::SetTimer(nullptr, 0, 300, &GiveUp);
  Pump(view_.get(), 1000);
  EXPECT_TRUE(form_.IsClosed());
  EXPECT_FALSE(::IsWindow(main));
  MSG quit{};
  EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace wine_tests
