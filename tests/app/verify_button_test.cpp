#include <gtest/gtest.h>

#include "support/form_fixture.h"
#include "utils/files.h"

namespace app {
namespace {

using test_support::FormTest;

class VerifyButtonTest : public FormTest {
 protected:
  // Clicks Verify; true when it confirms the options. The messages shown are those of this click.
  bool VerifyConfirms(TVandrelForm& form) {
    desktop.messages.clear();
    form.VerifyButton.Click();
    return desktop.messages == std::vector<std::string>{"Program options verified."};
  }
};

TEST_F(VerifyButtonTest, ConfirmsWhenEverythingIsInOrder) {
  TVandrelForm& form = StartVerifiable();
  form.VerifyButton.Click();
  EXPECT_EQ(desktop.messages, std::vector<std::string>{"Program options verified."});
  form.GermanImage.Click();
  form.VerifyButton.Click();
  EXPECT_EQ(desktop.messages.back(),
            "Programmoptionen gepr\xFC"
            "ft.");
}

TEST_F(VerifyButtonTest, ShowsTheProblemsAndNoConfirmation) {
  TVandrelForm& form = StartVerifiable();
  form.InputEdit.SetText("");
  form.OutputEdit.SetText("");
  EXPECT_FALSE(VerifyConfirms(form));
  EXPECT_EQ(desktop.messages,
            std::vector<std::string>{"No input file named.\r\nNo output file named.\r\n\r\n"});
}

TEST_F(VerifyButtonTest, LooksOnlyAtChoicesInEffect) {
  TVandrelForm& form = StartVerifiable();
  form.OwnProgramEdit.SetText("missing.exe");
  form.AuxLexEdit.SetText("missing.lex");
  desktop.messages.clear();
  form.ProbFactorEdit.SetText("x");
  form.ReplaceFreqEdit.SetText("y");
  desktop.messages.clear();
  EXPECT_TRUE(VerifyConfirms(form));  // none of these is in effect

  form.TokRadioButton3.Click();
  form.TagRadioButton2.Click();
  EXPECT_FALSE(VerifyConfirms(form));
  EXPECT_EQ(desktop.messages.size(), 2u);
  EXPECT_NE(desktop.messages[0].find("File missing.exe not found."), std::string::npos);
  EXPECT_EQ(desktop.messages[1], "Invalid probability factor for outputting tags.");

  form.TaskRadioGroup.ClickItem(1);
  desktop.messages.clear();
  EXPECT_TRUE(VerifyConfirms(form));
}

TEST_F(VerifyButtonTest, TheParameterFileFollowsTheLanguage) {
  TVandrelForm& form = StartVerifiable();
  form.OtherLangEdit.SetText("Xyz");
  form.LangRadioGroup.ClickItem(8);
  EXPECT_FALSE(VerifyConfirms(form));
  EXPECT_EQ(desktop.messages.back().substr(0, 27), "\r\nFile xyz.par not found.\r\n");
}

}  // namespace
}  // namespace app
