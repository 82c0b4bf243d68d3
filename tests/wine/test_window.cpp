#include "test_window.h"

#include <stdexcept>

#include "assets/flags.h"

namespace wine_tests {

TestWindow::TestWindow()
    : Window("TestWindow", {6, 20, 790, 553}),
      GermanImage("GermanImage", &SignaturePanel, {260, 14, 25, 15},
                  std::string(assets::GermanFlagJpeg())),
      EnglishImage("EnglishImage", &SignaturePanel, {260, 36, 25, 15},
                   std::string(assets::UnionFlagJpeg())) {
  SetCaption("Test window");
  LangRadioGroup.SetCaption("Language");
  OutputGroupBox.SetCaption("Output for each token ");
  TokenCheckBox.SetCaption("the token");
  TokenCheckBox.SetHint("Output the token itself");
  TagsOutRadioGroup.SetCaption("the tags ");
  TagsOutRadioGroup.SetHint("Which tags to output");
  TagRadioButton1.SetCaption("best tag only");
  TagRadioButton2.SetCaption("all tags with probability >              times best tag");
  LexInfoRadioGroup.SetCaption("lexical information ");
  LexInfoRadioGroup.SetHint("Lexical information to output");
  LexInfoRadioGroup.SetItemIndex(0);
  InputLabel.SetCaption("Input File");
  OwnProgramLabel.SetCaption("Own program file");
  OwnProgramLabel.SetAutoSize(true);
  InputEdit.SetHint("Click to choose the input file");
  OtherLangEdit.SetHint("Name of a new language");
  FailButton.SetCaption("Fail");
  ExitButton.SetCaption("Exit");
  ExitButton.SetHint("Leave the program");
  SignatureLabel.SetCaption(
      "A word-wrapped label on a raised panel, long enough for three lines of text in it.");
  ProbFactorEdit.SetText("0.5");
  TokenCheckBox.SetChecked(true);
  TagRadioButton1.SetChecked(true);
  ProbFactorEdit.SetEnabled(false);
  ProbFactorEdit.SetColour(widgets::Colour::ButtonFace);

  TagRadioButton1.OnClick = [this] {
    ProbFactorEdit.SetEnabled(false);
    ProbFactorEdit.SetColour(widgets::Colour::ButtonFace);
  };
  TagRadioButton2.OnClick = [this] {
    ProbFactorEdit.SetEnabled(true);
    ProbFactorEdit.SetColour(widgets::Colour::Window);
  };
  TokenCheckBox.OnClick = [this] { InputLabel.SetEnabled(TokenCheckBox.Checked()); };
  InputEdit.OnClick = [this] { ++input_clicks; };
  FailButton.OnClick = [] { throw std::runtime_error("The file cannot be written"); };
  ExitButton.OnClick = [this] { Close(); };
  GermanImage.OnClick = [this] {
    LangRadioGroup.SetCaption("Sprache");
    TokenCheckBox.SetCaption("das Token");
    ExitButton.SetCaption("Ende");
  };
  EnglishImage.OnClick = [this] {
    LangRadioGroup.SetCaption("Language");
    TokenCheckBox.SetCaption("the token");
    ExitButton.SetCaption("Exit");
  };

  SetTabOrder({&LangRadioGroup, &OtherLangEdit, &TokenCheckBox, &TagRadioButton1, &TagRadioButton2,
               &ProbFactorEdit, &LexInfoRadioGroup, &InputEdit, &FailButton, &ExitButton});
}

}  // namespace wine_tests
