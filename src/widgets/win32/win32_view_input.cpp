// Native input turned into calls of the model's setters, and the messages of the main window.
#include "widgets/win32/win32_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/radio_button.h"
#include "widgets/static_controls.h"
#include "widgets/win32/native_controls.h"

namespace widgets::win32 {
namespace {

int SystemColourIndex(Colour colour) {
  return colour == Colour::Window ? COLOR_WINDOW : COLOR_BTNFACE;
}

}  // namespace

bool Win32View::HandleNavigationKey(const MSG& message) {
  if (!ready_ || message.message != WM_KEYDOWN ||
      (message.hwnd != main_ && !::IsChild(main_, message.hwnd))) {
    return false;
  }
  if (::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0)
    return false;
  if (message.wParam == VK_TAB) {
    const bool forward = ::GetKeyState(VK_SHIFT) >= 0;
    Guarded([&] { window_.Tab(forward); });
    if (ready_) {
      Control* focused = window_.FocusedControl();
      if (focused != nullptr && focused->GetKind() == Kind::Edit)
        ::SendMessageA(NativeOf(*focused), EM_SETSEL, 0, -1);
    }
    return true;
  }
  int step = 0;
  if (message.wParam == VK_UP || message.wParam == VK_LEFT)
    step = -1;
  else if (message.wParam == VK_DOWN || message.wParam == VK_RIGHT)
    step = 1;
  const Native* native = Find(message.hwnd);
  if (step == 0 || native == nullptr || native->item < 0)
    return false;
  auto& group = static_cast<RadioGroup&>(*native->control);
  const int count = static_cast<int>(group.Items().size());
  const int next = ((native->item + step) % count + count) % count;
  Guarded([&] { group.ClickItem(next); });
  return true;
}

LRESULT CALLBACK Win32View::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* view = static_cast<Win32View*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    view->main_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
  }
  auto* view = reinterpret_cast<Win32View*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (view == nullptr || view->main_ != window)
    return ::DefWindowProcA(window, message, wparam, lparam);
  return view->HandleWindowMessage(message, wparam, lparam);
}

LRESULT Win32View::HandleWindowMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND main = main_;
  switch (message) {
    case WM_COMMAND:
      if (lparam != 0)
        HandleCommand(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return HandleControlColour(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam),
                                 message, wparam, lparam);
    case WM_DRAWITEM:
      DrawPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_ACTIVATE:
      if (TakesInput() && LOWORD(wparam) != WA_INACTIVE && HIWORD(wparam) == 0) {
        RestoreFocus();
        return 0;
      }
      break;
    case WM_SETFOCUS: {
      HWND target = FocusTarget(window_.FocusedControl());
      if (TakesInput() && target != nullptr && ::IsWindowEnabled(target))
        SetNativeFocus(target);
      return 0;
    }
    case WM_SETCURSOR:
      if (desktop_.Busy()) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_CLOSE:
      if (TakesInput())
        Guarded([this] { window_.Close(); });
      return 0;
    case WM_NCDESTROY:
      // Destroyed from outside the model: nothing may touch the window any more.
      if (window_.Observer() == this)
        window_.SetObserver(nullptr);
      ready_ = false;
      main_ = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcA(main, message, wparam, lparam);
}

void Win32View::HandleCommand(HWND handle, WORD notification) {
  if (!TakesInput())
    return;
  Native* native = Find(handle);
  if (native == nullptr)
    return;
  Control& control = *native->control;
  switch (control.GetKind()) {
    case Kind::CheckBox:
      if (notification == BN_CLICKED)
        Guarded([&] { static_cast<CheckBox&>(control).Click(); });
      break;
    case Kind::RadioButton:
      if (notification == BN_CLICKED && !moving_focus_)
        Guarded([&] { static_cast<RadioButton&>(control).Click(); });
      break;
    case Kind::RadioGroup:
      if (notification == BN_CLICKED && !moving_focus_ && native->item >= 0) {
        const int item = native->item;
        Guarded([&] { static_cast<RadioGroup&>(control).ClickItem(item); });
      }
      break;
    case Kind::Button:
      if (notification == BN_CLICKED)
        Guarded([&] { static_cast<Button&>(control).Click(); });
      break;
    case Kind::Edit:
      if (notification == EN_CHANGE) {
        const std::string text = NativeText(handle);
        Guarded([&] { static_cast<Edit&>(control).SetText(text); });
      }
      break;
    case Kind::Image:
      if (notification == STN_CLICKED)
        Guarded([&] { static_cast<Image&>(control).Click(); });
      break;
    default:
      break;
  }
}

// Edits paint in their own colour; a disabled edit asks with WM_CTLCOLORSTATIC.
LRESULT Win32View::HandleControlColour(HWND handle, HDC dc, UINT message, WPARAM wparam,
                                       LPARAM lparam) {
  Native* native = Find(handle);
  if (native == nullptr || native->control->GetKind() != Kind::Edit)
    return ::DefWindowProcA(main_, message, wparam, lparam);
  const Colour colour = static_cast<const Edit&>(*native->control).GetColour();
  native->painted_colour = colour;
  const int index = SystemColourIndex(colour);
  ::SetBkColor(dc, ::GetSysColor(index));
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  return reinterpret_cast<LRESULT>(::GetSysColorBrush(index));
}

void Win32View::DrawPanel(const DRAWITEMSTRUCT& item) {
  const Native* native = Find(item.hwndItem);
  if (native == nullptr || native->control->GetKind() != Kind::Panel)
    return;
  RECT area = item.rcItem;
  ::FillRect(item.hDC, &area, ::GetSysColorBrush(COLOR_BTNFACE));
  ::DrawEdge(item.hDC, &area, BDR_RAISEDINNER, BF_RECT);
}

LRESULT CALLBACK Win32View::ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                        UINT_PTR, DWORD_PTR view) {
  if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(control, &ControlProc, kSubclassId);
    return ::DefSubclassProc(control, message, wparam, lparam);
  }
  return reinterpret_cast<Win32View*>(view)->HandleControlMessage(control, message, wparam, lparam);
}

LRESULT Win32View::HandleControlMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETFOCUS: {
      const LRESULT result = ::DefSubclassProc(control, message, wparam, lparam);
      if (TakesInput()) {
        if (Native* native = Find(control))
          Guarded([&] { window_.MoveFocus(native->control); });
      }
      return result;
    }
    case WM_ERASEBKGND:
      // The main window leaves the area of its children alone, and a frame paints only its line
      // and caption; so a frame fills what it encloses, apart from the controls above it.
      if (const Native* native = Find(control);
          native != nullptr && IsFrameOf(*native->control, native->item)) {
        RECT area{};
        ::GetClientRect(control, &area);
        ::FillRect(reinterpret_cast<HDC>(wparam), &area, ::GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN: {
      const Native* native = Find(control);
      if (native != nullptr && native->control->GetKind() == Kind::Edit)
        pressed_edit_ = control;
      break;
    }
    case WM_LBUTTONUP:
      // A click into an edit counts when the button goes up inside it, as with any button.
      if (pressed_edit_ == control) {
        pressed_edit_ = nullptr;
        const LRESULT result = ::DefSubclassProc(control, message, wparam, lparam);
        RECT area{};
        ::GetClientRect(control, &area);
        const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        if (TakesInput() && ::PtInRect(&area, point)) {
          if (Native* native = Find(control))
            Guarded([&] { static_cast<Edit&>(*native->control).Click(); });
        }
        return result;
      }
      break;
    default:
      break;
  }
  return ::DefSubclassProc(control, message, wparam, lparam);
}

}  // namespace widgets::win32
