#include "widgets/window.h"

#include <algorithm>

namespace widgets {

Window::Window(std::string name, Bounds bounds)
    : Control(Kind::Window, std::move(name), nullptr, bounds) {}

void Window::NotifyChanged(Control& control) {
  if (observer_ != nullptr && !closed_)
    observer_->ControlChanged(control);
}

void Window::MoveFocus(Control* control) {
  if (focused_ == control || closed_)
    return;
  Control* losing = focused_;
  focused_ = control;
  if (observer_ != nullptr && control != nullptr)
    observer_->FocusMoved(*control);
  if (losing != nullptr)
    losing->FocusLeft();
  if (control != nullptr && focused_ == control)
    control->FocusEntered();
}

Control* Window::NextInTabOrder(const Control* from, bool forward) const {
  if (tab_order_.empty())
    return nullptr;
  const auto count = static_cast<std::ptrdiff_t>(tab_order_.size());
  auto position = std::find(tab_order_.begin(), tab_order_.end(), from) - tab_order_.begin();
  if (position == count)
    position = forward ? count - 1 : 0;
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t index = ((position + (forward ? step : -step)) % count + count) % count;
    Control* candidate = tab_order_[static_cast<std::size_t>(index)];
    bool usable = true;
    for (const Control* c = candidate; c != nullptr; c = c->Parent())
      usable = usable && c->Enabled();
    if (usable)
      return candidate;
  }
  return nullptr;
}

void Window::Tab(bool forward) {
  Control* next = NextInTabOrder(focused_, forward);
  if (next != nullptr)
    MoveFocus(next);
}

void Window::Close() {
  if (closed_)
    return;
  if (OnCloseQuery && !OnCloseQuery())
    return;
  closed_ = true;
  if (observer_ != nullptr)
    observer_->WindowClosed();
}

}  // namespace widgets
