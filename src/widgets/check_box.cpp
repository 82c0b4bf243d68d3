#include "widgets/check_box.h"

namespace widgets {

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked)
    return;
  checked_ = checked;
  NotifyChanged();
  if (OnClick)
    OnClick();
}

void CheckBox::Click() {
  if (!Usable())
    return;
  SetFocus();
  SetChecked(!checked_);
}

}  // namespace widgets
