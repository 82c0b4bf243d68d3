// The top-level window: the root of the control tree. It keeps which control has the keyboard
// focus (the window's active control, which stays when another program is active), the tab
// order, and whether the window has closed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "widgets/control.h"

namespace widgets {

class Window : public Control {
 public:
  Window(std::string name, Bounds bounds);

  void SetObserver(ControlObserver* observer) { observer_ = observer; }
  ControlObserver* Observer() const { return observer_; }
  void NotifyChanged(Control& control);

  Control* FocusedControl() const { return focused_; }
  // Moves the focus to `control`: the control losing it runs its exit handler first, then the
  // control gaining it runs its enter handler. Moving to the focused control runs nothing.
  void MoveFocus(Control* control);

  // Every control that takes the keyboard focus, in the order Tab visits them.
  void SetTabOrder(std::vector<Control*> order) { tab_order_ = std::move(order); }
  const std::vector<Control*>& TabOrder() const { return tab_order_; }
  // The next enabled control after `from` in tab order (before it when `forward` is false).
  Control* NextInTabOrder(const Control* from, bool forward) const;
  // Tab or Shift+Tab pressed on the focused control.
  void Tab(bool forward);

  // Closes the window unless `OnCloseQuery` refuses; a closed window stays closed.
  void Close();
  bool IsClosed() const { return closed_; }

  std::function<bool()> OnCloseQuery;

 private:
  ControlObserver* observer_ = nullptr;
  Control* focused_ = nullptr;
  std::vector<Control*> tab_order_;
  bool closed_ = false;
};

}  // namespace widgets
