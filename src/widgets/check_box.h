#pragma once

#include <functional>

#include "widgets/control.h"

namespace widgets {

class CheckBox : public Control {
 public:
  CheckBox(std::string name, Control* parent, Bounds bounds)
      : Control(Kind::CheckBox, std::move(name), parent, bounds) {}

  bool Checked() const { return checked_; }
  // Runs OnClick when the state changes.
  void SetChecked(bool checked);
  // The user clicks the box: it toggles and takes the focus.
  void Click();

  std::function<void()> OnClick;

 private:
  bool checked_ = false;
};

}  // namespace widgets
