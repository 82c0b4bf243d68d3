// Verification reads the option set from the controls: a choice counts only while its control
// is enabled.
#include "app/choices.h"
#include "app/vandrel_form.h"
#include "run/language_files.h"
#include "run/verify.h"

namespace app {

bool TVandrelForm::VerifyOptions() {
  run::VerificationInput input;
  input.tree_task = TaskOfItem(TaskRadioGroup.ItemIndex()) != run::RunTask::Tag;
  input.input_name = InputEdit.Text();
  input.output_name = OutputEdit.Text();
  input.pairwise_checked = FilesCheckBox.Checked();
  input.parameter_file =
      run::ParameterFilePath({RootFolder, BinSubfolder, LibSubfolder}, LanguageName);
  input.language_name = LanguageName;
  input.own_program_in_use = OwnTokenization();
  input.own_program_command = OwnProgramEdit.Text();
  input.auxiliary_lexicon_in_use = AuxLexCheckBox.Enabled() && AuxLexCheckBox.Checked();
  input.auxiliary_lexicon_name = AuxLexEdit.Text();
  input.probability_factor_in_use = TagRadioButton2.Enabled() && TagRadioButton2.Checked();
  input.probability_factor = ProbFactorEdit.Text();
  input.replacement_frequency_in_use =
      ReplaceFreqCheckBox.Enabled() && ReplaceFreqCheckBox.Checked();
  input.replacement_frequency = ReplaceFreqEdit.Text();
  input.decimal_separator = desktop_.DecimalSeparator();
  const std::vector<std::string> boxes = run::VerifyOptions(input, Texts);
  for (const std::string& box : boxes)
    desktop_.ShowMessage(box);
  return boxes.empty();
}

void TVandrelForm::VerifyButtonClick() {
  if (VerifyOptions())
    desktop_.ShowMessage(Texts.VerifiedMsg);
}

}  // namespace app
