// A window with the parts of the program's main window that are hard for a native view: a
// radio group whose last item lies under an edit, an edit over a radio button's caption gap,
// a frame-only radio group, a two-column group, nested parents, a raised panel with pictures,
// and handlers that change other controls or fail.
#pragma once

#include <string>

#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/radio_button.h"
#include "widgets/radio_group.h"
#include "widgets/static_controls.h"
#include "widgets/window.h"

namespace wine_tests {

class TestWindow : public widgets::Window {
 public:
  TestWindow();

  widgets::RadioGroup LangRadioGroup{
      "LangRadioGroup",
      this,
      {16, 8, 105, 288},
      {"English", "French", "German", "Italian", "Spanish", "Russian", "Bulgarian", "Dutch", ""}};
  widgets::Edit OtherLangEdit{"OtherLangEdit", this, {42, 265, 65, 21}};
  widgets::GroupBox OutputGroupBox{"OutputGroupBox", this, {136, 96, 321, 227}};
  widgets::CheckBox TokenCheckBox{"TokenCheckBox", &OutputGroupBox, {8, 16, 97, 17}};
  widgets::RadioGroup TagsOutRadioGroup{"TagsOutRadioGroup", &OutputGroupBox, {8, 36, 305, 93}, {}};
  widgets::RadioButton TagRadioButton1{"TagRadioButton1", &OutputGroupBox, {16, 56, 113, 17}};
  widgets::RadioButton TagRadioButton2{"TagRadioButton2", &OutputGroupBox, {16, 80, 289, 17}};
  widgets::Edit ProbFactorEdit{"ProbFactorEdit", &OutputGroupBox, {152, 76, 33, 21}};
  widgets::RadioGroup LexInfoRadioGroup{
      "LexInfoRadioGroup",
      &OutputGroupBox,
      {8, 160, 305, 57},
      {"none", "proto format", "gramotron format", "proto format + probabilities"},
      2};
  widgets::Label OwnProgramLabel{"OwnProgramLabel", this, {150, 340, 63, 13}};
  widgets::Label InputLabel{"InputLabel", this, {16, 368, 257, 13}};
  widgets::Edit InputEdit{"InputEdit", this, {16, 384, 441, 21}};
  widgets::Button FailButton{"FailButton", this, {292, 472, 75, 25}};
  widgets::Button ExitButton{"ExitButton", this, {382, 472, 75, 25}};
  widgets::Panel SignaturePanel{"SignaturePanel", this, {472, 446, 297, 65}};
  widgets::Label SignatureLabel{"SignatureLabel", &SignaturePanel, {12, 12, 240, 43}, true};
  widgets::Image GermanImage;
  widgets::Image EnglishImage;

  int input_clicks = 0;
};

}  // namespace wine_tests
