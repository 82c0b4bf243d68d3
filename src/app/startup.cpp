// Start-up: the installation folders, the engine check, the documents folder as current folder,
// and every choice at its default.
#include "app/choices.h"
#include "app/vandrel_form.h"
#include "run/language_files.h"
#include "ui_text/apply_text_set.h"
#include "utils/files.h"
#include "utils/numbers.h"

namespace app {

bool TVandrelForm::FormCreate() {
  const run::InstallationFolders folders = run::DeriveInstallationFolders(program_path_);
  RootFolder = folders.RootFolder;
  BinSubfolder = folders.BinSubfolder;
  LibSubfolder = folders.LibSubfolder;
  if (!utils::FileExists(run::EnginePath(folders))) {
    desktop_.ShowMessage(
        "Programs winvandrel.exe and vandrel.exe must be located in the same directory.");
    return false;
  }
  if (const auto documents = desktop_.DocumentsFolder())
    utils::SetCurrentFolder(*documents);

  LangRadioGroup.SetItemIndex(0);
  LanguageName = kLanguages[0].name;
  EnglishImageClick();
  TaskRadioGroup.SetItemIndex(ItemOf(run::RunTask::Tag));
  TokRadioButton2.SetChecked(true);
  UpdateControlStates();

  for (widgets::CheckBox* box :
       {&AbbrevsCheckBox, &MultiWordCheckBox, &DetachCliticsCheckBox, &OneLetCheckBox}) {
    box->SetChecked(box->Enabled());
  }
  for (widgets::CheckBox* box : {&DetachApostCheckBox, &PunctConvCheckBox}) {
    box->SetChecked(box->Enabled() && !NewLanguageItemSelected());
  }
  const char separator = desktop_.DecimalSeparator();
  ProbFactorEdit.SetText(utils::FormatNumber(0.5, separator));
  ReplaceFreqEdit.SetText(utils::FormatNumber(0.1, separator));
  return true;
}

void TVandrelForm::GermanImageClick() {
  ui_text::ApplyTextSet(ui_text::GermanTextSet(), *this, Texts);
}

void TVandrelForm::EnglishImageClick() {
  ui_text::ApplyTextSet(ui_text::EnglishTextSet(), *this, Texts);
}

void TVandrelForm::ExitButtonClick() {
  Close();
}

}  // namespace app
