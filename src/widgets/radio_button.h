#pragma once

#include <functional>

#include "widgets/control.h"

namespace widgets {

// Radio buttons with the same parent form one exclusive set.
class RadioButton : public Control {
 public:
  RadioButton(std::string name, Control* parent, Bounds bounds)
      : Control(Kind::RadioButton, std::move(name), parent, bounds) {}

  bool Checked() const { return checked_; }
  // Checking unchecks the siblings without running their handlers, then runs OnClick;
  // unchecking runs nothing.
  void SetChecked(bool checked);
  // The user clicks the button: it takes the focus and becomes checked.
  void Click();

  std::function<void()> OnClick;

 private:
  bool checked_ = false;
};

}  // namespace widgets
