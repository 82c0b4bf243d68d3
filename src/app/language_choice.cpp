// The language choice: the language name, the encoding the parameter file was trained on, and
// whether the language has clitic tables; and the flow by which a new language's name is typed.
#include <array>

#include "app/vandrel_form.h"
#include "utils/cp1252.h"

namespace app {
namespace {

struct NamedLanguage {
  const char* name;
  int coding_item;  // 0 Latin-1, 2 Unicode
  bool clitics;
};

constexpr std::array<NamedLanguage, 8> kNamedLanguages = {{{"english", 0, true},
                                                           {"french", 0, true},
                                                           {"german", 0, false},
                                                           {"italian", 0, true},
                                                           {"spanish", 0, false},
                                                           {"russian", 2, false},
                                                           {"bulgarian", 2, false},
                                                           {"dutch", 0, false}}};

}  // namespace

void TVandrelForm::LangRadioGroupClick() {
  EnableEdit(OtherLangEdit, false);
  const int item = LangRadioGroup.ItemIndex();
  if (NewLanguageItemSelected()) {
    if (!ChooseNewLanguage())
      return;
  } else if (item >= 0 && item < static_cast<int>(kNamedLanguages.size())) {
    const NamedLanguage& language = kNamedLanguages[static_cast<std::size_t>(item)];
    LanguageName = language.name;
    CodingRadioGroup.SetItemIndex(language.coding_item);
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
