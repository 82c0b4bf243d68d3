// The handlers of the task, pairwise mode, the tokenizer buttons, and the local rules between a
// control and the controls that hang on it.
#include "app/vandrel_form.h"

namespace app {

void TVandrelForm::TaskRadioGroupClick() {
  UpdateControlStates();
}

// Files named pairwise must already be tokenized: pairwise mode checks "none" and gives the
// earlier tokenizer choice back when it is switched off.
void TVandrelForm::FilesCheckBoxClick() {
  if (FilesCheckBox.Checked()) {
    SaveTokChoice();
    TokRadioButton1.SetChecked(true);
  } else {
    RestoreTokChoice();
  }
  UpdateControlStates();
}

std::array<widgets::RadioButton*, 4> TVandrelForm::TokenizerButtons() {
  return {&TokRadioButton1, &TokRadioButton2, &TokRadioButton3, &TokRadioButton4};
}

std::optional<run::Tokenization> TVandrelForm::CheckedTokenization() const {
  const widgets::RadioButton* buttons[] = {&TokRadioButton1, &TokRadioButton2, &TokRadioButton3,
                                           &TokRadioButton4};
  for (std::size_t i = 0; i < std::size(buttons); ++i) {
    if (buttons[i]->Checked())
      return static_cast<run::Tokenization>(i);
  }
  return std::nullopt;
}

// With no button checked the earlier saved choice stays.
void TVandrelForm::SaveTokChoice() {
  if (const auto checked = CheckedTokenization())
    SavedTokChoice = checked;
}

void TVandrelForm::RestoreTokChoice() {
  if (SavedTokChoice)
    TokenizerButtons()[static_cast<std::size_t>(*SavedTokChoice)]->SetChecked(true);
}

void TVandrelForm::TokRadioButton1Click() {
  UpdateControlStates();
}
void TVandrelForm::TokRadioButton2Click() {
  UpdateControlStates();
}
void TVandrelForm::TokRadioButton3Click() {
  UpdateControlStates();
}
void TVandrelForm::TokRadioButton4Click() {
  UpdateControlStates();
}

void TVandrelForm::TagRadioButton1Click() {
  EnableEdit(ProbFactorEdit, TagRadioButton2.Checked());
  TagProbOutCheckBox.SetEnabled(TagRadioButton2.Checked());
}

void TVandrelForm::TagRadioButton2Click() {
  TagRadioButton1Click();
}

void TVandrelForm::LemmaCheckBoxClick() {
  UnknownCheckBox.SetEnabled(LemmaCheckBox.Checked());
  if (!LemmaCheckBox.Checked())
    UnknownCheckBox.SetChecked(false);
}

void TVandrelForm::SGMLCheckBoxClick() {
  EOSCheckBox.SetEnabled(SGMLCheckBox.Checked());
  if (!SGMLCheckBox.Checked())
    EOSCheckBox.SetChecked(false);
  EnableEdit(EOSEdit, EOSCheckBox.Checked());
}

void TVandrelForm::EOSCheckBoxClick() {
  EnableEdit(EOSEdit, EOSCheckBox.Checked());
}

void TVandrelForm::ReplaceFreqCheckBoxClick() {
  EnableEdit(ReplaceFreqEdit, ReplaceFreqCheckBox.Checked());
}

void TVandrelForm::AuxLexCheckBoxClick() {
  EnableEdit(AuxLexEdit, AuxLexCheckBox.Checked());
}

}  // namespace app
