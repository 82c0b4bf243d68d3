#pragma once

#include <functional>
#include <string>

#include "widgets/control.h"

namespace widgets {

// A single-line edit field. Its background colour is a property of its own: the form decides
// it together with the enabled state.
class Edit : public Control {
 public:
  Edit(std::string name, Control* parent, Bounds bounds)
      : Control(Kind::Edit, std::move(name), parent, bounds) {}

  const std::string& Text() const { return text_; }
  // Runs OnChange when the text changes.
  void SetText(const std::string& text);
  Colour GetColour() const { return colour_; }
  void SetColour(Colour colour);
  // The user clicks into the field: it takes the focus, then OnClick runs.
  void Click();
  // The keyboard focus moves on to the next control in tab order, as with Tab.
  void LeaveFocus();

  void FocusLeft() override;
  void FocusEntered() override;

  std::function<void()> OnChange;
  std::function<void()> OnClick;
  std::function<void()> OnEnter;
  std::function<void()> OnExit;

 private:
  std::string text_;
  Colour colour_ = Colour::Window;
};

}  // namespace widgets
