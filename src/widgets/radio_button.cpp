#include "widgets/radio_button.h"

namespace widgets {

void RadioButton::SetChecked(bool checked) {
  if (checked_ == checked)
    return;
  checked_ = checked;
  NotifyChanged();
  if (!checked)
    return;
  for (Control* sibling : Parent()->Children()) {
    if (sibling != this && sibling->GetKind() == Kind::RadioButton) {
      static_cast<RadioButton*>(sibling)->SetChecked(false);
    }
  }
  if (OnClick)
    OnClick();
}

void RadioButton::Click() {
  if (!Usable())
    return;
  SetFocus();
  SetChecked(true);
}

}  // namespace widgets
