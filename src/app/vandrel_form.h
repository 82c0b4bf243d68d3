// The main window: every control of the option set, the window-wide values, start-up and the
// event handlers. It is the only place that knows all controls; the subsystems get plain values
// or the few controls they work on.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "options_file/options_text.h"
#include "run/engine_command.h"
#include "run/language_files.h"
#include "run/run_plan.h"
#include "tokenizer/tokenizer.h"
#include "ui_text/text_set.h"
#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/desktop.h"
#include "widgets/edit.h"
#include "widgets/radio_button.h"
#include "widgets/radio_group.h"
#include "widgets/static_controls.h"
#include "widgets/window.h"

namespace app {

class TVandrelForm : public widgets::Window {
 public:
  TVandrelForm(widgets::Desktop& desktop, std::string program_path);

  // Start-up. Returns false when the program must end at once: the engine is missing and the
  // user has been told so.
  bool FormCreate();

  // Window-wide values.
  std::string RootFolder;
  std::string BinSubfolder;
  std::string LibSubfolder;
  std::string LanguageName;
  bool CliticLanguage = false;
  bool OtherLangEntered = false;
  // The named texts of the interface language shown now.
  ui_text::NamedTexts Texts;

  // The controls, parents before their children.
  widgets::RadioGroup LangRadioGroup;
  widgets::Edit OtherLangEdit;
  widgets::RadioGroup CodingRadioGroup;
  widgets::RadioGroup TaskRadioGroup;
  widgets::CheckBox FilesCheckBox;
  widgets::GroupBox OutputGroupBox;
  widgets::CheckBox TokenCheckBox;
  widgets::RadioGroup TagsOutRadioGroup;
  widgets::RadioButton TagRadioButton1;
  widgets::RadioButton TagRadioButton2;
  widgets::Edit ProbFactorEdit;
  widgets::CheckBox TagProbOutCheckBox;
  widgets::CheckBox LemmaCheckBox;
  widgets::CheckBox UnknownCheckBox;
  widgets::RadioGroup LexInfoRadioGroup;
  widgets::CheckBox QuietCheckBox;
  widgets::GroupBox InputGroupBox;
  widgets::CheckBox ManTagProbBox;
  widgets::CheckBox ManTagLemBox;
  widgets::CheckBox SGMLCheckBox;
  widgets::CheckBox EOSCheckBox;
  widgets::Edit EOSEdit;
  widgets::GroupBox PreprocessGroupBox;
  widgets::RadioButton TokRadioButton1;
  widgets::RadioButton TokRadioButton2;
  widgets::RadioButton TokRadioButton3;
  widgets::RadioButton TokRadioButton4;
  widgets::Label OwnProgramLabel;
  widgets::Edit OwnProgramEdit;
  widgets::CheckBox AbbrevsCheckBox;
  widgets::CheckBox MultiWordCheckBox;
  widgets::CheckBox DetachCliticsCheckBox;
  widgets::CheckBox DetachApostCheckBox;
  widgets::CheckBox PunctConvCheckBox;
  widgets::CheckBox OneLetCheckBox;
  widgets::GroupBox ProcGroupBox;
  widgets::CheckBox CapHeurCheckBox;
  widgets::CheckBox HyphenHeurCheckBox;
  widgets::CheckBox LexProbOnlyCheckBox;
  widgets::CheckBox ReplaceFreqCheckBox;
  widgets::Edit ReplaceFreqEdit;
  widgets::CheckBox IgnPrefCheckBox;
  widgets::CheckBox AuxLexCheckBox;
  widgets::Edit AuxLexEdit;
  widgets::Label InputLabel;
  widgets::Edit InputEdit;
  widgets::Label OutputLabel;
  widgets::Edit OutputEdit;
  widgets::Button LoadButton;
  widgets::Button VerifyButton;
  widgets::Button SaveButton;
  widgets::Button RunButton;
  widgets::Button ExitButton;
  widgets::Panel SignaturePanel;
  widgets::Label SignatureLabel;
  widgets::Image GermanImage;
  widgets::Image EnglishImage;

  // The handlers and helpers below are reached only through the controls, as a user reaches them.
 private:
  // vandrel_form_layout.cpp: each control's event to its handler.
  void WireHandlers();

  // startup.cpp: the interface language flags and Exit.
  void GermanImageClick();
  void EnglishImageClick();
  void ExitButtonClick();

  // language_choice.cpp: the language and its training encoding.
  void LangRadioGroupClick();
  void OtherLangEditExit();
  void CodingRadioGroupExit();
  // Selects the new-language item's name: the wait for it, then the rest of the choice. Returns
  // false when the rest of the choice is dropped (the window closed, or another item was chosen
  // meanwhile).
  bool ChooseNewLanguage();

  // choice_rules.cpp: the task, pairwise mode, the tokenizer buttons and the local rules between a
  // control and the controls that hang on it.
  void TaskRadioGroupClick();
  void FilesCheckBoxClick();
  void SaveTokChoice();
  void RestoreTokChoice();
  // The tokenizer buttons in the order of run::Tokenization, and the one that is checked.
  std::array<widgets::RadioButton*, 4> TokenizerButtons();
  std::optional<run::Tokenization> CheckedTokenization() const;
  void TokRadioButton1Click();
  void TokRadioButton2Click();
  void TokRadioButton3Click();
  void TokRadioButton4Click();
  void TagRadioButton1Click();
  void TagRadioButton2Click();
  void LemmaCheckBoxClick();
  void SGMLCheckBoxClick();
  void EOSCheckBoxClick();
  void ReplaceFreqCheckBoxClick();
  void AuxLexCheckBoxClick();

  // control_states.cpp: which controls are in effect.
  // Sets every dependent control's enabled state and edit colour from the current choices.
  void UpdateControlStates();
  bool NewLanguageItemSelected() const;
  bool BuiltInTokenization() const;
  bool OwnTokenization() const;

  // number_checks.cpp: the number fields checked as they are typed.
  void ProbFactorEditChange();
  void ReplaceFreqEditChange();

  // file_pickers.cpp: the file fields open a file dialog.
  void InputEditClick();
  void OutputEditClick();
  void AuxLexEditClick();
  void OwnProgramEditClick();

  // verify_button.cpp: Verify.
  // Shows every problem of the option set; true when there is none.
  bool VerifyOptions();
  void VerifyButtonClick();

  // options_buttons.cpp: Save and Load of the options file.
  void SaveButtonClick();
  void LoadButtonClick();
  options_file::OptionTable BuildOptionTable();
  std::optional<std::string> SavedLanguage() const;
  void ApplyLanguage(const std::string& value);
  std::string OptionsFilter() const;

  // run_button.cpp: Run.
  void RunButtonClick();
  void RunEngine();
  run::RunChoices RunChoices() const;
  tokenizer::TokenizeOutcome Tokenize(const std::string& input_name,
                                      const std::string& output_name);
  run::EngineFlagChoices EngineFlagChoices() const;
  std::string BatchFileText(const run::RunPlan& plan);
  run::InstallationFolders Folders() const;

  // The tokenizer choice that pairwise mode gives back when it is switched off; nothing while
  // none was saved.
  std::optional<run::Tokenization> SavedTokChoice;
  widgets::Desktop& desktop_;
  std::string program_path_;
  options_file::OptionTable option_table_;
  bool run_in_progress_ = false;
};

// Enables or disables an edit field together with its background colour: the window colour when
// enabled, the button-face colour when disabled.
void EnableEdit(widgets::Edit& edit, bool enabled);

}  // namespace app
