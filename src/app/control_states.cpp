// The enabling rules: which choices apply, given the task, pairwise mode, the tokenizer, the
// language and the encoding.
#include "app/choices.h"
#include "app/vandrel_form.h"
#include "run/language_files.h"
#include "utils/files.h"

namespace app {

bool TVandrelForm::NewLanguageItemSelected() const {
  return LangRadioGroup.ItemIndex() == kNewLanguageItem;
}

bool TVandrelForm::BuiltInTokenization() const {
  return (TokRadioButton2.Enabled() && TokRadioButton2.Checked()) ||
         (TokRadioButton4.Enabled() && TokRadioButton4.Checked());
}

bool TVandrelForm::OwnTokenization() const {
  return (TokRadioButton3.Enabled() && TokRadioButton3.Checked()) ||
         (TokRadioButton4.Enabled() && TokRadioButton4.Checked());
}

// Row by row: later rows read enabled states that earlier rows set.
void TVandrelForm::UpdateControlStates() {
  LangRadioGroup.SetEnabled(true);
  EnableEdit(OtherLangEdit, NewLanguageItemSelected());
  CodingRadioGroup.SetEnabled(CodingRadioGroup.ItemIndex() < 0);
  for (widgets::Control* control : std::initializer_list<widgets::Control*>{
           &TaskRadioGroup, &QuietCheckBox, &LoadButton, &SaveButton, &VerifyButton, &RunButton,
           &ExitButton, &SignaturePanel, &SignatureLabel, &GermanImage, &EnglishImage}) {
    control->SetEnabled(true);
  }

  const bool tagging = TaskOfItem(TaskRadioGroup.ItemIndex()) == run::RunTask::Tag;
  const bool pairwise = FilesCheckBox.Checked();
  FilesCheckBox.SetEnabled(tagging);
  TokenCheckBox.SetEnabled(tagging);
  TagRadioButton1.SetEnabled(tagging);
  TagRadioButton2.SetEnabled(tagging);
  EnableEdit(ProbFactorEdit, tagging && TagRadioButton2.Checked());
  TagProbOutCheckBox.SetEnabled(tagging && TagRadioButton2.Checked());
  LemmaCheckBox.SetEnabled(tagging);
  UnknownCheckBox.SetEnabled(tagging && LemmaCheckBox.Checked());
  LexInfoRadioGroup.SetEnabled(tagging);
  ManTagProbBox.SetEnabled(tagging && TokRadioButton1.Checked());
  ManTagLemBox.SetEnabled(tagging && TokRadioButton1.Checked());
  SGMLCheckBox.SetEnabled(tagging);
  EOSCheckBox.SetEnabled(tagging && SGMLCheckBox.Checked());
  EnableEdit(EOSEdit, tagging && EOSCheckBox.Checked());
  for (widgets::RadioButton* button :
       {&TokRadioButton1, &TokRadioButton2, &TokRadioButton3, &TokRadioButton4}) {
    button->SetEnabled(tagging && !pairwise);
  }
  const bool built_in = tagging && BuiltInTokenization();
  const run::InstallationFolders folders{RootFolder, BinSubfolder, LibSubfolder};
  AbbrevsCheckBox.SetEnabled(built_in &&
                             utils::FileExists(run::AbbreviationsFilePath(folders, LanguageName)));
  MultiWordCheckBox.SetEnabled(built_in &&
                               utils::FileExists(run::MultiWordFilePath(folders, LanguageName)));
  DetachCliticsCheckBox.SetEnabled(built_in && CliticLanguage);
  DetachApostCheckBox.SetEnabled(built_in);
  PunctConvCheckBox.SetEnabled(built_in &&
                               CodingRadioGroup.ItemIndex() == ItemOf(TrainingEncoding::Latin1));
  OneLetCheckBox.SetEnabled(built_in);
  EnableEdit(OwnProgramEdit, tagging && OwnTokenization());
  OwnProgramLabel.SetEnabled(OwnProgramEdit.Enabled());
  CapHeurCheckBox.SetEnabled(tagging);
  HyphenHeurCheckBox.SetEnabled(tagging);
  LexProbOnlyCheckBox.SetEnabled(tagging);
  ReplaceFreqCheckBox.SetEnabled(tagging);
  EnableEdit(ReplaceFreqEdit, tagging && ReplaceFreqCheckBox.Checked());
  IgnPrefCheckBox.SetEnabled(tagging);
  AuxLexCheckBox.SetEnabled(tagging);
  EnableEdit(AuxLexEdit, tagging && AuxLexCheckBox.Checked());
  EnableEdit(InputEdit, tagging);
  InputLabel.SetEnabled(tagging);
  EnableEdit(OutputEdit, !tagging || !pairwise);
  OutputLabel.SetEnabled(OutputEdit.Enabled());
}

}  // namespace app
