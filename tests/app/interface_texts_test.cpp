#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "support/form_fixture.h"
#include "ui_text/text_set.h"
#include "widgets/radio_group.h"

namespace app {
namespace {

using test_support::FormTest;

// Every text and state of every control, to compare the window before and after a switch.
struct Snapshot {
  std::map<std::string, std::string> texts;
  std::map<std::string, std::string> states;
};

void Collect(widgets::Control& control, Snapshot& snapshot) {
  std::string& texts = snapshot.texts[control.Name()];
  texts = control.Caption() + "|" + control.Hint();
  std::string state = control.Enabled() ? "enabled" : "disabled";
  switch (control.GetKind()) {
    case widgets::Kind::CheckBox:
      state += static_cast<widgets::CheckBox&>(control).Checked() ? " checked" : "";
      break;
    case widgets::Kind::RadioButton:
      state += static_cast<widgets::RadioButton&>(control).Checked() ? " checked" : "";
      break;
    case widgets::Kind::RadioGroup: {
      auto& group = static_cast<widgets::RadioGroup&>(control);
      state += " item " + std::to_string(group.ItemIndex());
      for (const std::string& item : group.Items())
        texts += "|" + item;
      break;
    }
    case widgets::Kind::Edit: {
      auto& edit = static_cast<widgets::Edit&>(control);
      state += " text " + edit.Text();
      state += edit.GetColour() == widgets::Colour::Window ? " window" : " buttonface";
      break;
    }
    default:
      break;
  }
  snapshot.states[control.Name()] = state;
  for (widgets::Control* child : control.Children())
    Collect(*child, snapshot);
}

Snapshot Take(TVandrelForm& form) {
  Snapshot snapshot;
  Collect(form, snapshot);
  std::string named;
  for (const auto& [name, field] : ui_text::kNamedTextFields)
    named += form.Texts.*field + "|";
  snapshot.texts["named texts"] = named;
  snapshot.states["values"] = form.LanguageName + (form.CliticLanguage ? " clitics" : "");
  return snapshot;
}

TEST_F(FormTest, EachLanguageShowsTheCaptionsAndHintsOfItsSet) {
  InstallEnglish();
  TVandrelForm& form = Start();
  std::map<std::string, const widgets::Control*> controls;
  std::function<void(const widgets::Control&)> walk = [&](const widgets::Control& control) {
    controls[control.Name()] = &control;
    for (const widgets::Control* child : control.Children())
      walk(*child);
  };
  walk(form);
  for (bool german : {false, true}) {
    if (german)
      form.GermanImage.Click();
    const ui_text::TextSet& text_set =
        german ? ui_text::GermanTextSet() : ui_text::EnglishTextSet();
    std::map<std::string, std::string> captions(text_set.captions.begin(), text_set.captions.end());
    EXPECT_EQ(captions.size(), text_set.captions.size());  // each control once
    for (const auto& [name, caption] : captions)
      EXPECT_TRUE(controls.contains(name)) << name;
    captions["SignatureLabel"] = text_set.credits;
    for (const auto& [name, control] : controls) {
      if (control == &form)
        continue;  // the window caption is the same in both languages
      const auto caption = captions.find(name);
      EXPECT_EQ(control->Caption(), caption == captions.end() ? "" : caption->second) << name;
    }
    for (const auto& [name, hint] : text_set.hints) {
      ASSERT_TRUE(controls.contains(name)) << name;
      EXPECT_EQ(controls[name]->Hint(), hint) << name;
    }
  }
}

TEST_F(FormTest, OnlyTheListedControlsHaveHints) {
  InstallEnglish();
  TVandrelForm& form = Start();
  const std::vector<const widgets::Control*> hinted = {
      &form.OtherLangEdit,       &form.TaskRadioGroup,     &form.FilesCheckBox,
      &form.TokenCheckBox,       &form.TagProbOutCheckBox, &form.LemmaCheckBox,
      &form.UnknownCheckBox,     &form.QuietCheckBox,      &form.ManTagProbBox,
      &form.ManTagLemBox,        &form.SGMLCheckBox,       &form.EOSCheckBox,
      &form.AbbrevsCheckBox,     &form.MultiWordCheckBox,  &form.DetachCliticsCheckBox,
      &form.DetachApostCheckBox, &form.PunctConvCheckBox,  &form.OneLetCheckBox,
      &form.CapHeurCheckBox,     &form.HyphenHeurCheckBox, &form.LexProbOnlyCheckBox,
      &form.ReplaceFreqCheckBox, &form.IgnPrefCheckBox,    &form.AuxLexCheckBox,
      &form.TagsOutRadioGroup,   &form.LexInfoRadioGroup,  &form.TokRadioButton1,
      &form.TokRadioButton2,     &form.TokRadioButton3,    &form.TokRadioButton4,
      &form.OwnProgramEdit,      &form.AuxLexEdit,         &form.InputEdit,
      &form.OutputEdit,          &form.LoadButton,         &form.SaveButton,
      &form.VerifyButton,        &form.RunButton,          &form.ExitButton};
  for (bool german : {false, true}) {
    if (german)
      form.GermanImage.Click();
    std::function<void(const widgets::Control&)> check = [&](const widgets::Control& control) {
      const bool listed = std::find(hinted.begin(), hinted.end(), &control) != hinted.end();
      EXPECT_EQ(!control.Hint().empty(), listed) << control.Name();
      for (const widgets::Control* child : control.Children())
        check(*child);
    };
    check(form);
  }
  EXPECT_TRUE(form.ProbFactorEdit.Hint().empty());
}

TEST_F(FormTest, StartUpShowsTheEnglishTexts) {
  InstallEnglish();
  TVandrelForm& form = Start();
  EXPECT_EQ(form.OutputGroupBox.Caption(), "Output for each token");
  EXPECT_EQ(form.TagsOutRadioGroup.Caption(), "the speech-parts");
  EXPECT_EQ(form.OwnProgramLabel.Caption(), "Own Program");
  EXPECT_EQ(form.LangRadioGroup.Items()[8], "");
  EXPECT_EQ(form.SignatureLabel.Caption(), ui_text::EnglishTextSet().credits);
  EXPECT_EQ(form.Texts.FinishedMsg, "Vandrel finished");
}

TEST_F(FormTest, TheGermanFlagChangesTextsOnlyAndTheUnionFlagRestoresThem) {
  InstallEnglish();
  TVandrelForm& form = Start();
  form.LangRadioGroup.ClickItem(1);
  form.FilesCheckBox.Click();
  form.LemmaCheckBox.Click();
  const Snapshot english = Take(form);

  form.GermanImage.Click();
  const Snapshot german = Take(form);
  EXPECT_EQ(german.states, english.states);
  EXPECT_NE(german.texts, english.texts);
  EXPECT_EQ(form.LangRadioGroup.Items()[form.LangRadioGroup.ItemIndex()], "Franz\xF6sisch");
  EXPECT_EQ(form.TaskRadioGroup.Items()[form.TaskRadioGroup.ItemIndex()], "Text annotieren");
  EXPECT_EQ(form.Caption(), "Vandrel (Windows)");
  EXPECT_EQ(form.CodingRadioGroup.Items(),
            (std::vector<std::string>{"Latin-1", "WindowsWE", "Unicode"}));
  EXPECT_EQ(form.LangRadioGroup.Items()[8], "");
  EXPECT_EQ(form.Texts.InputFileNoun, "Eingabedatei");

  form.EnglishImage.Click();
  const Snapshot back = Take(form);
  EXPECT_EQ(back.texts, english.texts);
  EXPECT_EQ(back.states, english.states);
}

TEST_F(FormTest, ASwitchRunsNoHandler) {
  InstallEnglish();
  TVandrelForm& form = Start();
  form.ProbFactorEdit.SetText("x");
  desktop.messages.clear();
  form.GermanImage.Click();
  form.GermanImage.Click();
  form.EnglishImage.Click();
  EXPECT_TRUE(desktop.messages.empty());
}

}  // namespace
}  // namespace app
