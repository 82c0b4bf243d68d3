#pragma once

#include <functional>

#include "widgets/control.h"

namespace widgets {

class Button : public Control {
 public:
  Button(std::string name, Control* parent, Bounds bounds)
      : Control(Kind::Button, std::move(name), parent, bounds) {}

  // The user clicks the button.
  void Click() {
    if (!Usable())
      return;
    SetFocus();
    if (OnClick)
      OnClick();
  }

  std::function<void()> OnClick;
};

}  // namespace widgets
