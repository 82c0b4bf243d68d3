// A click into one of the four file-name fields opens a file dialog; the texts come from the
// interface language shown at that moment.
#include "app/vandrel_form.h"

namespace app {
namespace {

enum class DialogKind { Open, Save };

// Shows the dialog; returns the chosen name, or tells the user that no file was chosen.
std::optional<std::string> PickFile(widgets::Desktop& desktop, DialogKind kind,
                                    const std::string& title, const std::string& filter,
                                    const std::string& cancel_message) {
  const widgets::FileDialogRequest request{title, filter, std::string()};
  std::optional<std::string> chosen = kind == DialogKind::Open ? desktop.ChooseFileToOpen(request)
                                                               : desktop.ChooseFileToSave(request);
  if (!chosen)
    desktop.ShowMessage(cancel_message);
  return chosen;
}

}  // namespace

void TVandrelForm::InputEditClick() {
  if (auto name = PickFile(desktop_, DialogKind::Open, Texts.InputDialogTitle, "",
                           Texts.InputFileNoun + Texts.NotOpenedPart)) {
    InputEdit.SetText(*name);
  }
}

void TVandrelForm::OutputEditClick() {
  const std::string filter =
      Texts.TextFilter + " (*.txt)|*.TXT|" + Texts.AllFilesFilter + " (*.*)|*.*";
  if (auto name = PickFile(desktop_, DialogKind::Save, Texts.OutputDialogTitle, filter,
                           Texts.OutputFileNoun + Texts.NotOpenedPart)) {
    OutputEdit.SetText(*name);
  }
}

void TVandrelForm::AuxLexEditClick() {
  if (auto name = PickFile(desktop_, DialogKind::Open, Texts.AuxLexDialogTitle, "",
                           Texts.AuxLexFileNoun + Texts.NotOpenedPart)) {
    AuxLexEdit.SetText(*name);
  }
}

// A program path with a blank is written in double quotes, so that the command still names the
// whole path when arguments follow.
void TVandrelForm::OwnProgramEditClick() {
  if (auto name = PickFile(desktop_, DialogKind::Open, Texts.OwnProgramDialogTitle,
                           Texts.ProgramFilter + " (*.exe)|*.EXE",
                           Texts.OwnProgramFileNoun + Texts.NotOpenedPart)) {
    OwnProgramEdit.SetText(name->find(' ') == std::string::npos ? *name : '"' + *name + '"');
  }
}

}  // namespace app
