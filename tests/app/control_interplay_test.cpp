#include <gtest/gtest.h>

#include <random>

#include "support/form_fixture.h"
#include "utils/files.h"

namespace app {
namespace {

using test_support::FormTest;
using widgets::Colour;

class InterplayTest : public FormTest {
 protected:
  TVandrelForm& StartEnglish() {
    InstallEnglish();
    return Start();
  }

  // The enabled state of the controls that the rules set, and each edit's colour.
  std::string States() {
    TVandrelForm& form = Form();
    std::string states;
    for (const widgets::Control* control : form.TabOrder()) {
      states += control->Name() + (control->Enabled() ? "+ " : "- ");
    }
    for (const widgets::Edit* edit :
         {&form.OtherLangEdit, &form.ProbFactorEdit, &form.EOSEdit, &form.OwnProgramEdit,
          &form.ReplaceFreqEdit, &form.AuxLexEdit, &form.InputEdit, &form.OutputEdit}) {
      states += edit->Name() + (edit->GetColour() == Colour::Window ? "=window " : "=face ");
      EXPECT_EQ(edit->Enabled(), edit->GetColour() == Colour::Window) << edit->Name();
    }
    states += std::string("labels ") + (form.OwnProgramLabel.Enabled() ? "+" : "-") +
              (form.InputLabel.Enabled() ? "+" : "-") + (form.OutputLabel.Enabled() ? "+" : "-");
    return states;
  }

  // Picks another task and the same task again, which sets every control's state afresh from
  // the choices and the language files found now.
  static void ReviewStates(TVandrelForm& form) {
    const int task = form.TaskRadioGroup.ItemIndex();
    form.TaskRadioGroup.SetItemIndex(task == 0 ? 1 : 0);
    form.TaskRadioGroup.SetItemIndex(task);
  }

  std::vector<const widgets::Control*> TokenizationOptions() {
    TVandrelForm& form = Form();
    return {&form.AbbrevsCheckBox,     &form.MultiWordCheckBox, &form.DetachCliticsCheckBox,
            &form.DetachApostCheckBox, &form.PunctConvCheckBox, &form.OneLetCheckBox};
  }
};

TEST_F(InterplayTest, EachNamedLanguageSetsItsNameEncodingAndClitics) {
  struct Row {
    int item;
    const char* name;
    int coding;
    bool clitics;
  };
  const Row rows[] = {{0, "english", 0, true},    {1, "french", 0, true},
                      {2, "german", 0, false},    {3, "italian", 0, true},
                      {4, "spanish", 0, false},   {5, "russian", 2, false},
                      {6, "bulgarian", 2, false}, {7, "dutch", 0, false}};
  TVandrelForm& form = StartEnglish();
  for (const Row& row : rows) {
    form.LangRadioGroup.ClickItem(row.item == 0 ? 1 : 0);
    form.LangRadioGroup.ClickItem(row.item);
    EXPECT_EQ(form.LanguageName, row.name);
    EXPECT_EQ(form.CodingRadioGroup.ItemIndex(), row.coding) << row.name;
    EXPECT_FALSE(form.CodingRadioGroup.Enabled()) << row.name;
    EXPECT_EQ(form.CliticLanguage, row.clitics) << row.name;
    EXPECT_EQ(form.DetachCliticsCheckBox.Enabled(), row.clitics) << row.name;
    EXPECT_EQ(form.PunctConvCheckBox.Enabled(), row.coding == 0) << row.name;
    EXPECT_FALSE(form.OtherLangEdit.Enabled()) << row.name;
  }
}

TEST_F(InterplayTest, TheLanguageFilesAreLookedForAfreshForTheSelectedLanguage) {
  TVandrelForm& form = StartEnglish();
  form.LangRadioGroup.ClickItem(2);
  EXPECT_FALSE(form.AbbrevsCheckBox.Enabled());
  EXPECT_FALSE(form.MultiWordCheckBox.Enabled());
  utils::WriteWholeFile(LibFile("german-abbreviations"), "usw.\r\n");
  form.LangRadioGroup.ClickItem(0);
  form.LangRadioGroup.ClickItem(2);
  EXPECT_TRUE(form.AbbrevsCheckBox.Enabled());
  EXPECT_FALSE(form.MultiWordCheckBox.Enabled());
  form.LangRadioGroup.ClickItem(0);
  EXPECT_TRUE(form.MultiWordCheckBox.Enabled());
  utils::DeleteFileQuietly(LibFile("english-mwls"));
  form.LangRadioGroup.ClickItem(2);
  form.LangRadioGroup.ClickItem(0);
  EXPECT_FALSE(form.MultiWordCheckBox.Enabled());
  EXPECT_TRUE(form.MultiWordCheckBox.Checked());  // a disabled option keeps its check
}

TEST_F(InterplayTest, ANewLanguageWaitsForItsNameUntilTheFocusLeavesTheField) {
  TVandrelForm& form = StartEnglish();
  bool focused_during_wait = false;
  desktop.actions_while_waiting = {[&] {
                                     focused_during_wait = form.OtherLangEdit.Focused();
                                     form.OtherLangEdit.SetText("W\xC9LSH");
                                     EXPECT_EQ(form.LanguageName, "english");
                                   },
                                   [&] { form.OtherLangEdit.LeaveFocus(); }};
  form.LangRadioGroup.ClickItem(8);
  EXPECT_TRUE(focused_during_wait);
  EXPECT_TRUE(desktop.actions_while_waiting.empty());
  EXPECT_EQ(form.LanguageName, "w\xE9lsh");
  EXPECT_FALSE(form.CliticLanguage);
  EXPECT_TRUE(form.OtherLangEntered);
  EXPECT_EQ(form.CodingRadioGroup.ItemIndex(), -1);
  EXPECT_TRUE(form.CodingRadioGroup.Enabled());
  EXPECT_TRUE(form.OtherLangEdit.Enabled());
  EXPECT_EQ(form.OtherLangEdit.GetColour(), Colour::Window);
  EXPECT_FALSE(form.PunctConvCheckBox.Enabled());
  EXPECT_FALSE(form.DetachCliticsCheckBox.Enabled());
  EXPECT_FALSE(form.AbbrevsCheckBox.Enabled());
  EXPECT_TRUE(form.DetachApostCheckBox.Enabled());
}

TEST_F(InterplayTest, ANewLanguageLeftEmptyHasAnEmptyName) {
  TVandrelForm& form = StartEnglish();
  desktop.actions_while_waiting = {[&] { form.OtherLangEdit.LeaveFocus(); }};
  form.LangRadioGroup.ClickItem(8);
  EXPECT_EQ(form.LanguageName, "");
  EXPECT_EQ(form.LangRadioGroup.ItemIndex(), 8);
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(InterplayTest, ANewLanguageWithItsNameAlreadyTypedNeedsNoWait) {
  TVandrelForm& form = StartEnglish();
  form.OtherLangEdit.SetText("Welsh");
  form.LangRadioGroup.ClickItem(8);  // a wait would fail: nothing is scripted
  EXPECT_EQ(form.LanguageName, "welsh");
  EXPECT_EQ(form.CodingRadioGroup.ItemIndex(), -1);
  EXPECT_TRUE(form.CodingRadioGroup.Enabled());
}

TEST_F(InterplayTest, ClosingTheWindowDuringTheWaitDropsTheRestOfTheChoice) {
  TVandrelForm& form = StartEnglish();
  desktop.actions_while_waiting = {[&] { form.Close(); }};  // the close box takes no focus
  form.LangRadioGroup.ClickItem(8);
  EXPECT_TRUE(form.IsClosed());
  EXPECT_EQ(form.LanguageName, "english");
  EXPECT_TRUE(form.CliticLanguage);
}

TEST_F(InterplayTest, AnotherLanguageChosenDuringTheWaitWins) {
  TVandrelForm& form = StartEnglish();
  desktop.actions_while_waiting = {[&] { form.OtherLangEdit.SetText("Welsh"); },
                                   [&] { form.LangRadioGroup.ClickItem(2); }};
  form.LangRadioGroup.ClickItem(8);
  EXPECT_EQ(form.LangRadioGroup.ItemIndex(), 2);
  EXPECT_EQ(form.LanguageName, "german");
  EXPECT_FALSE(form.CliticLanguage);
  EXPECT_EQ(form.CodingRadioGroup.ItemIndex(), 0);
  EXPECT_FALSE(form.CodingRadioGroup.Enabled());
  EXPECT_FALSE(form.OtherLangEdit.Enabled());
}

TEST_F(InterplayTest, TheEncodingOfANewLanguageIsChosenOnce) {
  TVandrelForm& form = StartEnglish();
  form.OtherLangEdit.SetText("Welsh");
  form.LangRadioGroup.ClickItem(8);
  form.CodingRadioGroup.ClickItem(0);
  EXPECT_TRUE(form.CodingRadioGroup.Enabled());  // until the focus leaves the group
  EXPECT_FALSE(form.PunctConvCheckBox.Enabled());
  form.InputEdit.SetFocus();
  EXPECT_FALSE(form.CodingRadioGroup.Enabled());
  EXPECT_TRUE(form.PunctConvCheckBox.Enabled());
  form.LangRadioGroup.ClickItem(0);
  form.LangRadioGroup.ClickItem(8);
  EXPECT_EQ(form.CodingRadioGroup.ItemIndex(), -1);
  EXPECT_TRUE(form.CodingRadioGroup.Enabled());
}

TEST_F(InterplayTest, EditingTheNewLanguageNameCountsAtOnceButTheFileBoxesFollowLater) {
  TVandrelForm& form = StartEnglish();
  form.OtherLangEdit.SetText("Welsh");
  form.LangRadioGroup.ClickItem(8);
  utils::WriteWholeFile(LibFile("english-abbreviations"), "etc.\r\n");
  form.OtherLangEdit.SetFocus();
  form.OtherLangEdit.SetText("English");
  form.OtherLangEdit.LeaveFocus();
  EXPECT_EQ(form.LanguageName, "english");
  EXPECT_FALSE(form.AbbrevsCheckBox.Enabled());
  ReviewStates(form);
  EXPECT_TRUE(form.AbbrevsCheckBox.Enabled());
}

TEST_F(InterplayTest, PairwiseModeForcesNoTokenizationAndGivesTheChoiceBack) {
  TVandrelForm& form = StartEnglish();
  widgets::RadioButton* buttons[] = {&form.TokRadioButton1, &form.TokRadioButton2,
                                     &form.TokRadioButton3, &form.TokRadioButton4};
  for (int number = 1; number <= 4; ++number) {
    buttons[number - 1]->Click();
    form.FilesCheckBox.Click();
    EXPECT_TRUE(form.TokRadioButton1.Checked()) << number;
    for (const widgets::RadioButton* button : buttons)
      EXPECT_FALSE(button->Enabled());
    for (const widgets::Control* option : TokenizationOptions()) {
      EXPECT_FALSE(option->Enabled()) << option->Name();
    }
    EXPECT_FALSE(form.OwnProgramEdit.Enabled());
    EXPECT_FALSE(form.OwnProgramLabel.Enabled());
    EXPECT_FALSE(form.OutputEdit.Enabled());
    EXPECT_EQ(form.OutputEdit.GetColour(), Colour::ButtonFace);
    EXPECT_FALSE(form.OutputLabel.Enabled());
    EXPECT_TRUE(form.ManTagProbBox.Enabled());
    EXPECT_TRUE(form.ManTagLemBox.Enabled());

    form.FilesCheckBox.Click();
    EXPECT_TRUE(buttons[number - 1]->Checked()) << number;
    const bool own = number >= 3;
    const bool built_in = number == 2 || number == 4;
    EXPECT_EQ(form.OwnProgramEdit.Enabled(), own) << number;
    EXPECT_EQ(form.OwnProgramLabel.Enabled(), own) << number;
    for (const widgets::Control* option : TokenizationOptions()) {
      EXPECT_EQ(option->Enabled(), built_in) << option->Name() << number;
    }
    EXPECT_EQ(form.ManTagProbBox.Enabled(), number == 1) << number;
    EXPECT_TRUE(form.OutputEdit.Enabled());
    EXPECT_TRUE(form.OutputLabel.Enabled());
  }
}

TEST_F(InterplayTest, RestoringWithNothingSavedChangesNoButton) {
  TVandrelForm& form = StartEnglish();
  form.TokRadioButton2.SetChecked(false);
  form.FilesCheckBox.Click();  // nothing checked: nothing saved
  EXPECT_TRUE(form.TokRadioButton1.Checked());
  form.FilesCheckBox.Click();
  EXPECT_TRUE(form.TokRadioButton1.Checked());
  EXPECT_FALSE(form.TokRadioButton2.Checked());

  form.TokRadioButton3.Click();
  form.FilesCheckBox.Click();
  form.FilesCheckBox.Click();
  form.TokRadioButton3.SetChecked(false);
  form.FilesCheckBox.Click();  // nothing checked: the saved choice stays
  form.FilesCheckBox.Click();
  EXPECT_TRUE(form.TokRadioButton3.Checked());
  EXPECT_FALSE(form.TokRadioButton1.Checked());
}

TEST_F(InterplayTest, ATreeTaskDisablesEveryTaggingChoiceAndTagTextRestoresThem) {
  TVandrelForm& form = StartEnglish();
  form.FilesCheckBox.Click();
  const std::string tagging = States();
  for (int task : {1, 2}) {
    form.TaskRadioGroup.ClickItem(task);
    EXPECT_FALSE(form.FilesCheckBox.Enabled());
    EXPECT_TRUE(form.FilesCheckBox.Checked());
    EXPECT_FALSE(form.InputEdit.Enabled());
    EXPECT_EQ(form.InputEdit.GetColour(), Colour::ButtonFace);
    EXPECT_FALSE(form.InputLabel.Enabled());
    EXPECT_TRUE(form.OutputEdit.Enabled());
    EXPECT_EQ(form.OutputEdit.GetColour(), Colour::Window);
    EXPECT_TRUE(form.OutputLabel.Enabled());
    for (const widgets::Control* control : form.TabOrder()) {
      const bool stays = control == &form.LangRadioGroup || control == &form.TaskRadioGroup ||
                         control == &form.QuietCheckBox || control == &form.OutputEdit ||
                         control->GetKind() == widgets::Kind::Button;
      EXPECT_EQ(control->Enabled(), stays) << control->Name();
    }
  }
  form.TaskRadioGroup.ClickItem(0);
  EXPECT_EQ(States(), tagging);
}

TEST_F(InterplayTest, UncheckingTheLemmaOrSgmlUnchecksWhatHangsOnIt) {
  TVandrelForm& form = StartEnglish();
  form.UnknownCheckBox.Click();
  form.LemmaCheckBox.Click();
  EXPECT_FALSE(form.UnknownCheckBox.Checked());
  EXPECT_FALSE(form.UnknownCheckBox.Enabled());
  form.LemmaCheckBox.Click();
  EXPECT_TRUE(form.UnknownCheckBox.Enabled());
  EXPECT_FALSE(form.UnknownCheckBox.Checked());

  form.SGMLCheckBox.Click();
  EXPECT_TRUE(form.EOSCheckBox.Enabled());
  EXPECT_FALSE(form.EOSEdit.Enabled());
  form.EOSCheckBox.Click();
  EXPECT_TRUE(form.EOSEdit.Enabled());
  EXPECT_EQ(form.EOSEdit.GetColour(), Colour::Window);
  form.SGMLCheckBox.Click();
  EXPECT_FALSE(form.EOSCheckBox.Checked());
  EXPECT_FALSE(form.EOSCheckBox.Enabled());
  EXPECT_FALSE(form.EOSEdit.Enabled());
  EXPECT_EQ(form.EOSEdit.GetColour(), Colour::ButtonFace);
}

TEST_F(InterplayTest, TheTagButtonsEnableTheFactorAndTheProbabilities) {
  TVandrelForm& form = StartEnglish();
  EXPECT_FALSE(form.ProbFactorEdit.Enabled());
  form.TagRadioButton2.Click();
  EXPECT_TRUE(form.ProbFactorEdit.Enabled());
  EXPECT_EQ(form.ProbFactorEdit.GetColour(), Colour::Window);
  EXPECT_TRUE(form.TagProbOutCheckBox.Enabled());
  form.TagRadioButton1.Click();
  EXPECT_FALSE(form.ProbFactorEdit.Enabled());
  EXPECT_EQ(form.ProbFactorEdit.GetColour(), Colour::ButtonFace);
  EXPECT_FALSE(form.TagProbOutCheckBox.Enabled());
}

TEST_F(InterplayTest, TheCheckBoxesOfTheTwoLastFieldsEnableThem) {
  TVandrelForm& form = StartEnglish();
  form.ReplaceFreqCheckBox.Click();
  form.AuxLexCheckBox.Click();
  EXPECT_TRUE(form.ReplaceFreqEdit.Enabled());
  EXPECT_TRUE(form.AuxLexEdit.Enabled());
  form.ReplaceFreqCheckBox.Click();
  form.AuxLexCheckBox.Click();
  EXPECT_EQ(form.ReplaceFreqEdit.GetColour(), Colour::ButtonFace);
  EXPECT_EQ(form.AuxLexEdit.GetColour(), Colour::ButtonFace);
}

TEST_F(InterplayTest, TheNumberFieldsAreCheckedOnEveryChange) {
  struct Row {
    char separator;
    const char* text;
    bool valid;
  };
  const Row rows[] = {{'.', "", false},     {'.', "-", false},     {'.', "-0", true},
                      {'.', "-0.5", true},  {'.', "0,5", false},   {',', "0,25", true},
                      {',', "0.25", false}, {',', " 1e-3 ", true}, {'.', "abc", false}};
  TVandrelForm& form = StartEnglish();
  form.TagRadioButton2.Click();
  form.ReplaceFreqCheckBox.Click();
  for (const Row& row : rows) {
    desktop.decimal_separator = row.separator;
    for (widgets::Edit* edit : {&form.ProbFactorEdit, &form.ReplaceFreqEdit}) {
      edit->SetText("7");
      desktop.messages.clear();
      edit->SetText(row.text);
      const std::string expected = edit == &form.ProbFactorEdit
                                       ? "Invalid probability factor for outputting tags."
                                       : "Invalid replacement for zero lexical frequencies.";
      EXPECT_EQ(desktop.messages,
                row.valid ? std::vector<std::string>{} : std::vector<std::string>{expected})
          << row.text;
      EXPECT_EQ(edit->Text(), row.text);
    }
  }
}

TEST_F(InterplayTest, EveryUserActionLeavesTheStatesThatTheUpdateWouldSet) {
  TVandrelForm& form = StartEnglish();
  utils::WriteWholeFile(LibFile("french-mwls"), "a b\tX\r\n");
  form.OtherLangEdit.SetText("Welsh");
  std::vector<std::function<void()>> actions = {
      [&] { form.LangRadioGroup.ClickItem(0); },   [&] { form.LangRadioGroup.ClickItem(1); },
      [&] { form.LangRadioGroup.ClickItem(5); },   [&] { form.LangRadioGroup.ClickItem(8); },
      [&] { form.TaskRadioGroup.ClickItem(0); },   [&] { form.TaskRadioGroup.ClickItem(1); },
      [&] { form.TaskRadioGroup.ClickItem(2); },   [&] { form.FilesCheckBox.Click(); },
      [&] { form.TokRadioButton1.Click(); },       [&] { form.TokRadioButton2.Click(); },
      [&] { form.TokRadioButton3.Click(); },       [&] { form.TokRadioButton4.Click(); },
      [&] { form.TagRadioButton1.Click(); },       [&] { form.TagRadioButton2.Click(); },
      [&] { form.LemmaCheckBox.Click(); },         [&] { form.UnknownCheckBox.Click(); },
      [&] { form.SGMLCheckBox.Click(); },          [&] { form.EOSCheckBox.Click(); },
      [&] { form.ReplaceFreqCheckBox.Click(); },   [&] { form.AuxLexCheckBox.Click(); },
      [&] { form.CodingRadioGroup.ClickItem(1); }, [&] { form.InputEdit.SetFocus(); },
  };
  std::mt19937 random(20261208);
  for (int step = 0; step < 3000; ++step) {
    actions[random() % actions.size()]();
    if (form.CodingRadioGroup.Focused())
      continue;  // its choice counts when focus leaves
    const std::string after_action = States();
    ReviewStates(form);
    ASSERT_EQ(after_action, States()) << "step " << step;
  }
}

}  // namespace
}  // namespace app
