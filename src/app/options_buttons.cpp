// Save and Load: the option set in an options file, bound key by key to the controls.
#include "app/choices.h"
#include "app/vandrel_form.h"
#include "options_file/options_text.h"
#include "utils/cp1252.h"
#include "utils/files.h"

namespace app {
namespace {

using options_file::ItemBinding;

// A file of many bad lines must not hold the window in message boxes: after this many, the rest
// are counted and told in one last box.
constexpr int kShownLineProblems = 10;
constexpr std::size_t kShownDetailLength = 80;

// A key or value as a message shows it: a long one is cut, and an ellipsis says so.
std::string ShownDetail(const std::string& detail) {
  if (detail.size() <= kShownDetailLength)
    return detail;
  return detail.substr(0, kShownDetailLength) + "\x85";
}

}  // namespace

options_file::OptionTable TVandrelForm::BuildOptionTable() {
  using options_file::TextBinding;
  using options_file::YesNoBinding;
  const auto yes_no = [](widgets::CheckBox& box) { return std::make_unique<YesNoBinding>(box); };
  const auto text = [](widgets::Edit& edit) { return std::make_unique<TextBinding>(edit); };
  return options_file::OptionTable(options_file::OptionRows{{
      {"Lang", std::make_unique<options_file::CustomBinding>(
                   [this] { return SavedLanguage(); },
                   [this](const std::string& value) { ApplyLanguage(value); })},
      {"Task", std::make_unique<ItemBinding>(
                   TaskRadioGroup, std::vector<std::string_view>{"tag", "probtree", "suftree"},
                   ItemBinding::Case::Any, ItemBinding::SavedWhen::ItemSelected)},
      {"IONames", yes_no(FilesCheckBox)},
      {"WriteToken", yes_no(TokenCheckBox)},
      {"WritePOS",
       std::make_unique<options_file::TagChoiceBinding>(TagRadioButton1, TagRadioButton2)},
      {"WritePOSFactor", text(ProbFactorEdit)},
      {"WriteProb", yes_no(TagProbOutCheckBox)},
      {"WriteLemma", yes_no(LemmaCheckBox)},
      {"WriteUnknownLemma", yes_no(UnknownCheckBox)},
      {"WriteLexInfo",
       std::make_unique<ItemBinding>(
           LexInfoRadioGroup,
           std::vector<std::string_view>{"none", "proto", "gramotron", "proto+prob"},
           ItemBinding::Case::Any, ItemBinding::SavedWhen::EnabledAndItemSelected)},
      {"WriteQuiet", yes_no(QuietCheckBox)},
      {"ReadManProb", yes_no(ManTagProbBox)},
      {"ReadManLemma", yes_no(ManTagLemBox)},
      {"ReadSGML", yes_no(SGMLCheckBox)},
      {"ReadEOS", yes_no(EOSCheckBox)},
      {"ReadEOSTag", text(EOSEdit)},
      {"TokChoice", std::make_unique<options_file::TokChoiceBinding>(TokenizerButtons())},
      {"OwnProgram", text(OwnProgramEdit)},
      {"TokAbbrevs", yes_no(AbbrevsCheckBox)},
      {"TokMultiW", yes_no(MultiWordCheckBox)},
      {"TokDetClit", yes_no(DetachCliticsCheckBox)},
      {"TokDetApost", yes_no(DetachApostCheckBox)},
      {"TokPunctConv", yes_no(PunctConvCheckBox)},
      {"TagCapHeur", yes_no(CapHeurCheckBox)},
      {"TagHyphenHeur", yes_no(HyphenHeurCheckBox)},
      {"TagLexProbOnly", yes_no(LexProbOnlyCheckBox)},
      {"TagReplaceZero", yes_no(ReplaceFreqCheckBox)},
      {"TagReplaceBy", text(ReplaceFreqEdit)},
      {"TagIgnorePrefix", yes_no(IgnPrefCheckBox)},
      {"TagAuxLex", yes_no(AuxLexCheckBox)},
      {"TagAuxLexFile", text(AuxLexEdit)},
      {"ReadFile", text(InputEdit)},
      {"WriteFile", text(OutputEdit)},
      {"TrainCoding", std::make_unique<ItemBinding>(
                          CodingRadioGroup,
                          std::vector<std::string_view>(kTrainingEncodingWords.begin(),
                                                        kTrainingEncodingWords.end()),
                          ItemBinding::Case::Exact, ItemBinding::SavedWhen::ItemSelected)},
      {"OneLetAbbrev", yes_no(OneLetCheckBox)},
  }});
}

std::optional<std::string> TVandrelForm::SavedLanguage() const {
  if (!NewLanguageItemSelected())
    return LanguageName;
  if (OtherLangEdit.Enabled())
    return OtherLangEdit.Text();
  return std::nullopt;
}

// A named language selects its item; any other name goes into the new-language field first, so
// the language choice finds it there and asks for nothing (an empty name is asked for).
void TVandrelForm::ApplyLanguage(const std::string& value) {
  LanguageName = utils::LowerCase(value);
  const auto named =
      std::find_if(kLanguages.begin(), kLanguages.end(),
                   [this](const Language& language) { return language.name == LanguageName; });
  if (named != kLanguages.end()) {
    LangRadioGroup.SetItemIndex(static_cast<int>(named - kLanguages.begin()));
  } else {
    OtherLangEdit.SetText(value);
    LangRadioGroup.SetItemIndex(kNewLanguageItem);
  }
  if (!IsClosed())
    UpdateControlStates();
}

std::string TVandrelForm::OptionsFilter() const {
  return Texts.OptionsFilter + " (*.cfg)|*.CFG";
}

// The file is written beside the chosen one and put in its place only when complete, so a
// failure never leaves a damaged options file.
void TVandrelForm::SaveButtonClick() {
  const std::optional<std::string> name =
      desktop_.ChooseFileToSave({Texts.SaveDialogTitle, OptionsFilter(), std::string()});
  if (!name) {
    desktop_.ShowMessage(Texts.OptionsFileNoun + Texts.NotOpenedPart);
    return;
  }
  utils::ReplaceFileSafely(*name, options_file::OptionsFileText(option_table_));
}

void TVandrelForm::LoadButtonClick() {
  const std::optional<std::string> name =
      desktop_.ChooseFileToOpen({Texts.LoadDialogTitle, OptionsFilter(), std::string()});
  if (!name) {
    desktop_.ShowMessage(Texts.OptionsFileNoun + Texts.NotOpenedPart);
    return;
  }
  const std::string text = utils::ReadWholeFile(*name);
  int problems = 0;
  const auto report = [this, &problems](options_file::LineProblem problem,
                                        const std::string& detail) {
    if (++problems > kShownLineProblems)
      return;
    switch (problem) {
      case options_file::LineProblem::NoEquals:
        desktop_.ShowMessage(Texts.NoEqualsMsg);
        break;
      case options_file::LineProblem::UnknownKey:
        desktop_.ShowMessage(Texts.BadKeyMsg + ": " + ShownDetail(detail));
        break;
      case options_file::LineProblem::UnknownValue:
        desktop_.ShowMessage(Texts.BadValueMsg + ": " + ShownDetail(detail));
        break;
    }
  };
  const options_file::LoadOutcome outcome =
      options_file::ApplyOptionsText(text, option_table_, report, [this] { return IsClosed(); });
  if (outcome == options_file::LoadOutcome::Stopped)
    return;
  if (problems > kShownLineProblems)
    desktop_.ShowMessage(Texts.MoreBadLinesMsg + std::to_string(problems - kShownLineProblems));
  UpdateControlStates();
  VerifyOptions();
}

}  // namespace app
