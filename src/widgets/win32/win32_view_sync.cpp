// Mirroring the model on the native controls, and the keyboard focus.
#include "widgets/win32/win32_view.h"

#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/radio_button.h"
#include "widgets/static_controls.h"
#include "widgets/win32/native_controls.h"

namespace widgets::win32 {

void Win32View::ControlChanged(Control& control) {
  if (ready_)
    Sync(control);
}

void Win32View::Sync(Control& control) {
  if (&control == &window_) {
    SetNativeText(main_, window_.Caption());
    return;
  }
  const auto found = first_native_.find(&control);
  if (found != first_native_.end()) {
    for (std::size_t i = found->second; i < natives_.size() && natives_[i].control == &control;
         ++i) {
      SyncNative(natives_[i]);
    }
  }
  SyncHints(control);
  if (control.GetKind() == Kind::RadioGroup)
    FollowSelection(static_cast<RadioGroup&>(control));
  // The enabled state of contained controls depends on their container's.
  for (Control* child : control.Children())
    Sync(*child);
}

// The width the static control needs to draw the whole caption on one line.
void Win32View::FitToCaption(HWND label, const std::string& caption) {
  HDC dc = ::GetDC(label);
  HGDIOBJ previous = ::SelectObject(dc, font_.Get());
  RECT extent{};
  ::DrawTextA(dc, caption.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
  ::SelectObject(dc, previous);
  ::ReleaseDC(label, dc);
  RECT current{};
  ::GetClientRect(label, &current);
  if (current.right != extent.right) {
    ::SetWindowPos(label, nullptr, 0, 0, extent.right, current.bottom,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32View::SyncNative(Native& native) {
  Control& control = *native.control;
  const bool enabled = EffectivelyEnabled(control);
  if ((::IsWindowEnabled(native.handle) != FALSE) != enabled) {
    ::EnableWindow(native.handle, enabled);
    // The focused control was disabled when the window last gave it the focus (Run, while its
    // run showed the closing box): it takes the focus now.
    if (enabled && ready_ && ::GetFocus() == main_ &&
        FocusTarget(window_.FocusedControl()) == native.handle) {
      SetNativeFocus(native.handle);
    }
  }
  switch (control.GetKind()) {
    case Kind::CheckBox:
      SetNativeText(native.handle, control.Caption());
      SetNativeCheck(native.handle, static_cast<const CheckBox&>(control).Checked());
      break;
    case Kind::RadioButton:
      SetNativeText(native.handle, control.Caption());
      SetNativeCheck(native.handle, static_cast<const RadioButton&>(control).Checked());
      break;
    case Kind::RadioGroup: {
      const auto& group = static_cast<const RadioGroup&>(control);
      if (native.item < 0) {
        SetNativeText(native.handle, control.Caption());
      } else if (native.item < static_cast<int>(group.Items().size())) {
        SetNativeText(native.handle, group.Items()[static_cast<std::size_t>(native.item)]);
        SetNativeCheck(native.handle, group.ItemIndex() == native.item);
      }
      break;
    }
    case Kind::Edit: {
      const auto& edit = static_cast<const Edit&>(control);
      SetNativeText(native.handle, edit.Text());
      if (native.painted_colour != edit.GetColour()) {
        native.painted_colour = edit.GetColour();
        ::InvalidateRect(native.handle, nullptr, TRUE);
      }
      break;
    }
    case Kind::Label:
      SetNativeText(native.handle, control.Caption());
      if (static_cast<const Label&>(control).AutoSize())
        FitToCaption(native.handle, control.Caption());
      break;
    case Kind::Button:
    case Kind::GroupBox:
      SetNativeText(native.handle, control.Caption());
      break;
    case Kind::Panel:
    case Kind::Image:
    case Kind::Window:
      break;
  }
}

// Mouse messages pass through a group frame to the main window, so a frame's hint is an area
// of the main window; its items are windows of their own.
void Win32View::SyncHints(Control& control) {
  const auto found = first_native_.find(&control);
  if (found == first_native_.end() || !tooltips_)
    return;
  const std::string& hint = control.Hint();
  for (std::size_t i = found->second; i < natives_.size() && natives_[i].control == &control; ++i) {
    const Native& native = natives_[i];
    if (IsFrameOf(*native.control, native.item)) {
      RECT area{};
      ::GetWindowRect(native.handle, &area);
      ::MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&area), 2);
      tooltips_->SetAreaHint(static_cast<UINT_PTR>(::GetDlgCtrlID(native.handle)), area, hint);
    } else {
      tooltips_->SetWindowHint(native.handle, hint);
    }
  }
}

// Moving the selection with the keyboard takes the focus along to the selected item.
void Win32View::FollowSelection(RadioGroup& group) {
  const Native* focused = Find(::GetFocus());
  if (focused == nullptr || focused->control != &group || group.ItemIndex() < 0)
    return;
  SetNativeFocus(ItemNativeOf(group, group.ItemIndex()));
}

void Win32View::FocusMoved(Control& control) {
  if (!ready_ || ::GetActiveWindow() != main_)
    return;
  // A click on a radio item has already put the focus where it belongs; moving it again would
  // cancel the click.
  const Native* focused = Find(::GetFocus());
  if (focused != nullptr && focused->control == &control)
    return;
  HWND target = FocusTarget(&control);
  SetNativeFocus(target != nullptr && ::IsWindowEnabled(target) ? target : main_);
}

void Win32View::WindowClosed() {
  Close();
}

void Win32View::Close() {
  if (main_ == nullptr)
    return;
  window_.SetObserver(nullptr);
  ready_ = false;
  HWND main = main_;
  main_ = nullptr;
  ::DestroyWindow(main);
  ::PostQuitMessage(0);
}

HWND Win32View::FocusTarget(Control* control) const {
  if (control == nullptr)
    return nullptr;
  if (control->GetKind() == Kind::RadioGroup) {
    const auto& group = static_cast<const RadioGroup&>(*control);
    return ItemNativeOf(group, group.ItemIndex() >= 0 ? group.ItemIndex() : 0);
  }
  return NativeOf(*control);
}

void Win32View::SetNativeFocus(HWND target) {
  if (target == nullptr || ::GetFocus() == target)
    return;
  const bool was_moving = moving_focus_;
  moving_focus_ = true;
  ::SetFocus(target);
  moving_focus_ = was_moving;
}

// The window keeps its focused control while another window is active and gives the focus
// back to it when it is active again.
void Win32View::RestoreFocus() {
  if (!ready_)
    return;
  HWND target = FocusTarget(window_.FocusedControl());
  SetNativeFocus(target != nullptr && ::IsWindowEnabled(target) ? target : main_);
}

}  // namespace widgets::win32
