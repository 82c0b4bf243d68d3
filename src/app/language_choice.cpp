// The language choice: the language name, the encoding the parameter file was trained on, and
// whether the language has clitic tables; and the flow by which a new language's name is typed.
#include "app/choices.h"
#include "app/vandrel_form.h"
#include "utils/cp1252.h"

namespace app {

void TVandrelForm::LangRadioGroupClick() {
  EnableEdit(OtherLangEdit, false);
  const int item = LangRadioGroup.ItemIndex();
  if (NewLanguageItemSelected()) {
    if (!ChooseNewLanguage())
      return;
  } else if (item >= 0 && item < static_cast<int>(kLanguages.size())) {
    const Language& language = kLanguages[static_cast<std::size_t>(item)];
    LanguageName = language.name;
    CodingRadioGroup.SetItemIndex(ItemOf(language.encoding));
    CliticLanguage = language.clitics;
  }
  UpdateControlStates();
}

bool TVandrelForm::ChooseNewLanguage() {
  CodingRadioGroup.SetItemIndex(-1);
  EnableEdit(OtherLangEdit, true);
  if (OtherLangEdit.Text().empty()) {
    OtherLangEdit.SetFocus();
    OtherLangEntered = false;
    const widgets::WaitOutcome outcome =
        desktop_.ProcessEventsUntil([this] { return OtherLangEntered || IsClosed(); });
    // The choice belongs to the item that is selected when the wait ends.
    if (outcome == widgets::WaitOutcome::WindowClosed || IsClosed() || !NewLanguageItemSelected()) {
      return false;
    }
  }
  LanguageName = utils::LowerCase(OtherLangEdit.Text());
  CliticLanguage = false;
  return true;
}

void TVandrelForm::OtherLangEditExit() {
  OtherLangEntered = true;
  LanguageName = utils::LowerCase(OtherLangEdit.Text());
}

void TVandrelForm::CodingRadioGroupExit() {
  UpdateControlStates();
}

}  // namespace app
