#include "widgets/edit.h"

#include "widgets/window.h"

namespace widgets {

void Edit::SetText(const std::string& text) {
  if (text_ == text)
    return;
  text_ = text;
  NotifyChanged();
  if (OnChange)
    OnChange();
}

void Edit::SetColour(Colour colour) {
  if (colour_ == colour)
    return;
  colour_ = colour;
  NotifyChanged();
}

void Edit::Click() {
  if (!Usable())
    return;
  SetFocus();
  if (OnClick)
    OnClick();
}

void Edit::LeaveFocus() {
  if (Focused())
    Root().Tab(true);
}

void Edit::FocusLeft() {
  if (OnExit)
    OnExit();
}

void Edit::FocusEntered() {
  if (OnEnter)
    OnEnter();
}

}  // namespace widgets
