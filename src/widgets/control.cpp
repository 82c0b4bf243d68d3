#include "widgets/control.h"

#include "widgets/window.h"

namespace widgets {

Control::Control(Kind kind, std::string name, Control* parent, Bounds bounds)
    : kind_(kind), name_(std::move(name)), parent_(parent), bounds_(bounds) {
  if (parent_ != nullptr)
    parent_->children_.push_back(this);
}

Bounds Control::WindowBounds() const {
  Bounds result = bounds_;
  for (const Control* ancestor = parent_; ancestor != nullptr && ancestor->parent_ != nullptr;
       ancestor = ancestor->parent_) {
    result.left += ancestor->bounds_.left;
    result.top += ancestor->bounds_.top;
  }
  return result;
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled)
    return;
  enabled_ = enabled;
  NotifyChanged();
}

bool Control::Usable() const {
  for (const Control* control = this; control != nullptr; control = control->parent_) {
    if (!control->enabled_)
      return false;
  }
  return true;
}

void Control::SetCaption(const std::string& caption) {
  if (caption_ == caption)
    return;
  caption_ = caption;
  NotifyChanged();
}

void Control::SetHint(const std::string& hint) {
  if (hint_ == hint)
    return;
  hint_ = hint;
  NotifyChanged();
}

void Control::SetFocus() {
  Root().MoveFocus(this);
}

bool Control::Focused() const {
  const Control* root = this;
  while (root->parent_ != nullptr)
    root = root->parent_;
  return static_cast<const Window*>(root)->FocusedControl() == this;
}

Window& Control::Root() {
  Control* root = this;
  while (root->parent_ != nullptr)
    root = root->parent_;
  return *static_cast<Window*>(root);
}

void Control::NotifyChanged() {
  Root().NotifyChanged(*this);
}

}  // namespace widgets
