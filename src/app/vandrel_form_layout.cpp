// The window layout: every control at its parent, position and size, with its initial state,
// the tab order, and the handlers wired to the controls.
#include "app/choices.h"
#include "app/vandrel_form.h"
#include "assets/flags.h"

namespace app {
namespace {

const std::vector<std::string> kCodingItems(kTrainingEncodingWords.begin(),
                                            kTrainingEncodingWords.end());
const std::vector<std::string> kTaskItems = {"Tag text", "Output probability tree only",
                                             "Output suffix/prefix tree only"};
const std::vector<std::string> kLexInfoItems = {"none", "proto format", "gramotron format",
                                                "proto format + probabilities"};

}  // namespace

TVandrelForm::TVandrelForm(widgets::Desktop& desktop, std::string program_path)
    : Window("VandrelForm", {6, 20, 790, 553}),
      LangRadioGroup("LangRadioGroup", this, {16, 8, 105, 288}, LanguageItems()),
      OtherLangEdit("OtherLangEdit", this, {42, 265, 65, 21}),
      CodingRadioGroup("CodingRadioGroup", this, {16, 296, 105, 65}, kCodingItems),
      TaskRadioGroup("TaskRadioGroup", this, {136, 8, 329, 73}, kTaskItems),
      FilesCheckBox("FilesCheckBox", this, {248, 23, 211, 17}),
      OutputGroupBox("OutputGroupBox", this, {136, 96, 329, 227}),
      TokenCheckBox("TokenCheckBox", &OutputGroupBox, {8, 16, 97, 17}),
      TagsOutRadioGroup("TagsOutRadioGroup", &OutputGroupBox, {8, 36, 314, 93}, {}),
      TagRadioButton1("TagRadioButton1", &OutputGroupBox, {16, 56, 113, 17}),
      TagRadioButton2("TagRadioButton2", &OutputGroupBox, {16, 80, 298, 17}),
      ProbFactorEdit("ProbFactorEdit", &OutputGroupBox, {159, 76, 30, 21}),
      TagProbOutCheckBox("TagProbOutCheckBox", &OutputGroupBox, {72, 100, 193, 17}),
      LemmaCheckBox("LemmaCheckBox", &OutputGroupBox, {8, 136, 89, 17}),
      UnknownCheckBox("UnknownCheckBox", &OutputGroupBox, {88, 136, 235, 17}),
      LexInfoRadioGroup("LexInfoRadioGroup", &OutputGroupBox, {8, 160, 314, 57}, kLexInfoItems, 2),
      QuietCheckBox("QuietCheckBox", this, {152, 340, 273, 17}),
      InputGroupBox("InputGroupBox", this, {472, 8, 297, 108}),
      ManTagProbBox("ManTagProbBox", &InputGroupBox, {10, 16, 261, 17}),
      ManTagLemBox("ManTagLemBox", &InputGroupBox, {10, 37, 261, 17}),
      SGMLCheckBox("SGMLCheckBox", &InputGroupBox, {10, 58, 273, 17}),
      EOSCheckBox("EOSCheckBox", &InputGroupBox, {10, 79, 121, 17}),
      EOSEdit("EOSEdit", &InputGroupBox, {136, 76, 153, 21}),
      PreprocessGroupBox("PreprocessGroupBox", this, {472, 120, 297, 169}),
      TokRadioButton1("TokRadioButton1", &PreprocessGroupBox, {8, 16, 65, 17}),
      TokRadioButton2("TokRadioButton2", &PreprocessGroupBox, {64, 16, 65, 17}),
      TokRadioButton3("TokRadioButton3", &PreprocessGroupBox, {132, 16, 65, 17}),
      TokRadioButton4("TokRadioButton4", &PreprocessGroupBox, {184, 16, 108, 17}),
      OwnProgramLabel("OwnProgramLabel", &PreprocessGroupBox, {8, 40, 63, 13}),
      OwnProgramEdit("OwnProgramEdit", &PreprocessGroupBox, {108, 36, 179, 21}),
      AbbrevsCheckBox("AbbrevsCheckBox", &PreprocessGroupBox, {10, 60, 273, 17}),
      MultiWordCheckBox("MultiWordCheckBox", &PreprocessGroupBox, {10, 77, 215, 17}),
      DetachCliticsCheckBox("DetachCliticsCheckBox", &PreprocessGroupBox, {10, 94, 210, 17}),
      DetachApostCheckBox("DetachApostCheckBox", &PreprocessGroupBox, {10, 111, 223, 17}),
      PunctConvCheckBox("PunctConvCheckBox", &PreprocessGroupBox, {10, 128, 271, 17}),
      OneLetCheckBox("OneLetCheckBox", &PreprocessGroupBox, {10, 145, 257, 17}),
      ProcGroupBox("ProcGroupBox", this, {472, 292, 297, 149}),
      CapHeurCheckBox("CapHeurCheckBox", &ProcGroupBox, {10, 16, 273, 17}),
      HyphenHeurCheckBox("HyphenHeurCheckBox", &ProcGroupBox, {10, 37, 265, 17}),
      LexProbOnlyCheckBox("LexProbOnlyCheckBox", &ProcGroupBox, {10, 58, 281, 17}),
      ReplaceFreqCheckBox("ReplaceFreqCheckBox", &ProcGroupBox, {10, 79, 229, 17}),
      ReplaceFreqEdit("ReplaceFreqEdit", &ProcGroupBox, {240, 77, 45, 21}),
      IgnPrefCheckBox("IgnPrefCheckBox", &ProcGroupBox, {10, 100, 281, 17}),
      AuxLexCheckBox("AuxLexCheckBox", &ProcGroupBox, {10, 121, 103, 17}),
      AuxLexEdit("AuxLexEdit", &ProcGroupBox, {112, 118, 172, 21}),
      InputLabel("InputLabel", this, {16, 368, 257, 13}),
      InputEdit("InputEdit", this, {16, 384, 449, 21}),
      OutputLabel("OutputLabel", this, {16, 416, 257, 13}),
      OutputEdit("OutputEdit", this, {16, 432, 449, 21}),
      LoadButton("LoadButton", this, {16, 472, 75, 25}),
      VerifyButton("VerifyButton", this, {110, 472, 75, 25}),
      SaveButton("SaveButton", this, {204, 472, 75, 25}),
      RunButton("RunButton", this, {297, 472, 75, 25}),
      ExitButton("ExitButton", this, {390, 472, 75, 25}),
      SignaturePanel("SignaturePanel", this, {472, 446, 297, 65}),
      SignatureLabel("SignatureLabel", &SignaturePanel, {12, 8, 240, 52}, true),
      GermanImage("GermanImage", &SignaturePanel, {260, 14, 25, 15},
                  std::string(assets::GermanFlagJpeg())),
      EnglishImage("EnglishImage", &SignaturePanel, {260, 36, 25, 15},
                   std::string(assets::UnionFlagJpeg())),
      desktop_(desktop),
      program_path_(std::move(program_path)),
      option_table_(BuildOptionTable()) {
  SetCaption("Vandrel (Windows)");
  LangRadioGroup.SetCaption("Language");
  CodingRadioGroup.SetCaption("Trained on");
  TaskRadioGroup.SetCaption("Task");
  TaskRadioGroup.SetItemIndex(ItemOf(run::RunTask::Tag));
  FilesCheckBox.SetCaption("I/O filenames pairwise in file");
  OutputGroupBox.SetCaption("Output for each token ");
  TokenCheckBox.SetCaption("the token");
  TokenCheckBox.SetChecked(true);
  TagsOutRadioGroup.SetCaption("the tags ");
  TagRadioButton1.SetCaption("best tag only");
  TagRadioButton1.SetChecked(true);
  TagRadioButton2.SetCaption("all tags with probability >              times best tag");
  ProbFactorEdit.SetText("0.5");
  TagProbOutCheckBox.SetCaption("the tag probabilities");
  LemmaCheckBox.SetCaption("the lemma");
  LemmaCheckBox.SetChecked(true);
  UnknownCheckBox.SetCaption("the token in place of unknown lemma");
  UnknownCheckBox.SetEnabled(false);
  LexInfoRadioGroup.SetCaption("lexical information ");
  LexInfoRadioGroup.SetItemIndex(0);
  QuietCheckBox.SetCaption("Suppress status messages");
  InputGroupBox.SetCaption("Input Options");
  ManTagProbBox.SetCaption("Manual tags have probability");
  ManTagLemBox.SetCaption("Manual tags have lemma");
  SGMLCheckBox.SetCaption("SGML tags present");
  EOSCheckBox.SetCaption("End of sentence tag");
  EOSEdit.SetText("SENT");
  EnableEdit(EOSEdit, false);
  PreprocessGroupBox.SetCaption("Tokenization Options");
  TokRadioButton1.SetCaption("none");
  TokRadioButton2.SetCaption("built-in");
  TokRadioButton3.SetCaption("own");
  TokRadioButton4.SetCaption("own + built-in");
  OwnProgramLabel.SetCaption("Own program");
  OwnProgramLabel.SetAutoSize(true);
  AbbrevsCheckBox.SetCaption("Use abbreviations file");
  MultiWordCheckBox.SetCaption("Use multi-word file");
  MultiWordCheckBox.SetEnabled(false);
  DetachCliticsCheckBox.SetCaption("Auto-detach clitics");
  DetachApostCheckBox.SetCaption("Auto-detach word-final apostrophes");
  PunctConvCheckBox.SetCaption("Convert Windows punctuation to Latin-1");
  OneLetCheckBox.SetCaption("1-letter word followed by period is an abbreviation");
  ProcGroupBox.SetCaption("Tagging Options");
  CapHeurCheckBox.SetCaption("Use capital heuristics");
  HyphenHeurCheckBox.SetCaption("Use hyphen heuristics");
  LexProbOnlyCheckBox.SetCaption("Use only lexical probabilities for tagging");
  ReplaceFreqCheckBox.SetCaption("Replace zero lexical frequencies by");
  ReplaceFreqEdit.SetText("0.1");
  IgnPrefCheckBox.SetCaption("Ignore prefix tree");
  AuxLexCheckBox.SetCaption("Auxiliary lexicon");
  InputLabel.SetCaption("Input File");
  OutputLabel.SetCaption("Output File");
  LoadButton.SetCaption("Load");
  VerifyButton.SetCaption("Verify");
  SaveButton.SetCaption("Save");
  RunButton.SetCaption("Run");
  RunButton.SetEnabled(false);
  ExitButton.SetCaption("Exit");

  SetTabOrder({&LangRadioGroup,
               &OtherLangEdit,
               &TaskRadioGroup,
               &FilesCheckBox,
               &TokenCheckBox,
               &TagRadioButton1,
               &TagRadioButton2,
               &ProbFactorEdit,
               &TagProbOutCheckBox,
               &LemmaCheckBox,
               &UnknownCheckBox,
               &LexInfoRadioGroup,
               &ManTagProbBox,
               &ManTagLemBox,
               &SGMLCheckBox,
               &EOSCheckBox,
               &EOSEdit,
               &AbbrevsCheckBox,
               &MultiWordCheckBox,
               &DetachCliticsCheckBox,
               &DetachApostCheckBox,
               &PunctConvCheckBox,
               &TokRadioButton1,
               &TokRadioButton2,
               &TokRadioButton3,
               &TokRadioButton4,
               &OwnProgramEdit,
               &OneLetCheckBox,
               &CapHeurCheckBox,
               &HyphenHeurCheckBox,
               &LexProbOnlyCheckBox,
               &ReplaceFreqCheckBox,
               &ReplaceFreqEdit,
               &IgnPrefCheckBox,
               &AuxLexCheckBox,
               &AuxLexEdit,
               &InputEdit,
               &OutputEdit,
               &VerifyButton,
               &RunButton,
               &ExitButton,
               &LoadButton,
               &SaveButton,
               &CodingRadioGroup,
               &QuietCheckBox});
  WireHandlers();
}

void TVandrelForm::WireHandlers() {
  LangRadioGroup.OnClick = [this] { LangRadioGroupClick(); };
  OtherLangEdit.OnExit = [this] { OtherLangEditExit(); };
  CodingRadioGroup.OnExit = [this] { CodingRadioGroupExit(); };
  TaskRadioGroup.OnClick = [this] { TaskRadioGroupClick(); };
  FilesCheckBox.OnClick = [this] { FilesCheckBoxClick(); };
  TagRadioButton1.OnClick = [this] { TagRadioButton1Click(); };
  TagRadioButton2.OnClick = [this] { TagRadioButton2Click(); };
  ProbFactorEdit.OnChange = [this] { ProbFactorEditChange(); };
  LemmaCheckBox.OnClick = [this] { LemmaCheckBoxClick(); };
  SGMLCheckBox.OnClick = [this] { SGMLCheckBoxClick(); };
  EOSCheckBox.OnClick = [this] { EOSCheckBoxClick(); };
  TokRadioButton1.OnClick = [this] { TokRadioButton1Click(); };
  TokRadioButton2.OnClick = [this] { TokRadioButton2Click(); };
  TokRadioButton3.OnClick = [this] { TokRadioButton3Click(); };
  TokRadioButton4.OnClick = [this] { TokRadioButton4Click(); };
  OwnProgramEdit.OnClick = [this] { OwnProgramEditClick(); };
  ReplaceFreqCheckBox.OnClick = [this] { ReplaceFreqCheckBoxClick(); };
  ReplaceFreqEdit.OnChange = [this] { ReplaceFreqEditChange(); };
  AuxLexCheckBox.OnClick = [this] { AuxLexCheckBoxClick(); };
  AuxLexEdit.OnClick = [this] { AuxLexEditClick(); };
  InputEdit.OnClick = [this] { InputEditClick(); };
  OutputEdit.OnClick = [this] { OutputEditClick(); };
  LoadButton.OnClick = [this] { LoadButtonClick(); };
  VerifyButton.OnClick = [this] { VerifyButtonClick(); };
  SaveButton.OnClick = [this] { SaveButtonClick(); };
  RunButton.OnClick = [this] { RunButtonClick(); };
  // Neither Exit nor the close box ends the program while a run is in progress.
  OnCloseQuery = [this] { return !run_in_progress_; };
  ExitButton.OnClick = [this] { ExitButtonClick(); };
  GermanImage.OnClick = [this] { GermanImageClick(); };
  EnglishImage.OnClick = [this] { EnglishImageClick(); };
}

void EnableEdit(widgets::Edit& edit, bool enabled) {
  edit.SetEnabled(enabled);
  edit.SetColour(enabled ? widgets::Colour::Window : widgets::Colour::ButtonFace);
}

}  // namespace app
