#include "widgets/win32/win32_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include <exception>
#include <stdexcept>
#include <string>

#include "utils/system_message_win32.h"
#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/jpeg_picture.h"
#include "widgets/radio_button.h"
#include "widgets/static_controls.h"
#include "widgets/win32/dpi.h"
#include "widgets/win32/picture_bitmap.h"

namespace widgets::win32 {
namespace {

constexpr char kWindowClass[] = "VandrelMainWindow";
constexpr int kFirstId = 100;
constexpr UINT_PTR kSubclassId = 1;
constexpr int kFontHeight = -11;

// A control takes input only while it and every control that contains it are enabled.
bool EffectivelyEnabled(const Control& control) {
  for (const Control* c = &control; c != nullptr; c = c->Parent()) {
    if (!c->Enabled())
      return false;
  }
  return true;
}

std::string NativeText(HWND handle) {
  const int length = ::GetWindowTextLengthA(handle);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(handle, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

// Setting only what differs keeps the caret where the user is typing.
void SetNativeText(HWND handle, const std::string& text) {
  if (NativeText(handle) != text)
    ::SetWindowTextA(handle, text.c_str());
}

void SetNativeCheck(HWND handle, bool checked) {
  const LRESULT state = checked ? BST_CHECKED : BST_UNCHECKED;
  if (::SendMessageA(handle, BM_GETCHECK, 0, 0) != state)
    ::SendMessageA(handle, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

// A group box, or the frame that a radio group draws around its items.
bool IsFrameOf(const Control& control, int item) {
  return control.GetKind() == Kind::GroupBox || (control.GetKind() == Kind::RadioGroup && item < 0);
}

// Frames lie at the bottom and edits on top; everything else lies between them.
int ZLayer(const Control& control, int item) {
  switch (control.GetKind()) {
    case Kind::GroupBox:
    case Kind::Panel:
      return 0;
    case Kind::RadioGroup:
      return item < 0 ? 0 : 1;
    case Kind::Edit:
      return 2;
    default:
      return 1;
  }
}
constexpr int kZLayers = 3;

int SystemColourIndex(Colour colour) {
  return colour == Colour::Window ? COLOR_WINDOW : COLOR_BTNFACE;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExA(instance, kWindowClass, &existing))
    return;
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
  window_class.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  if (!::RegisterClassExA(&window_class)) {
    throw std::runtime_error("The main window cannot be registered: " +
                             utils::SystemMessage(::GetLastError()));
  }
}

}  // namespace

template <typename Action>
void Win32View::Guarded(Action&& action) {
  try {
    action();
  } catch (const std::exception& failure) {
    desktop_.ShowError(failure.what());
  } catch (...) {
    desktop_.ShowError("Unexpected failure");
  }
}

Win32View::Win32View(Window& window, Win32Desktop& desktop)
    : window_(window), desktop_(desktop), dpi_(ScreenDpi()) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  RegisterWindowClass(instance, &WindowProc);
  const Bounds outer = Scale(window.GetBounds(), dpi_);
  ::CreateWindowExA(0, kWindowClass, window.Caption().c_str(),
                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, outer.left, outer.top, outer.width,
                    outer.height, nullptr, nullptr, instance, this);
  if (main_ == nullptr) {
    throw std::runtime_error("The main window cannot be created: " +
                             utils::SystemMessage(::GetLastError()));
  }
  font_ = ::CreateFontA(Scale(kFontHeight, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
  for (Control* child : window.Children())
    CreateNatives(*child);
  ArrangeZOrder();
  tooltips_ = std::make_unique<Tooltips>(main_, ::GetSystemMetrics(SM_CXSCREEN));
  ready_ = true;
  window.SetObserver(this);
  desktop.SetMainWindow(this);
  for (Control* child : window.Children())
    Sync(*child);
}

Win32View::~Win32View() {
  desktop_.SetMainWindow(nullptr);
  if (window_.Observer() == this)
    window_.SetObserver(nullptr);
  ready_ = false;
  if (HWND main = main_) {
    main_ = nullptr;
    ::DestroyWindow(main);
  }
  for (HBITMAP bitmap : bitmaps_)
    ::DeleteObject(bitmap);
  if (font_ != nullptr)
    ::DeleteObject(font_);
}

void Win32View::Show(int show_command) {
  if (main_ == nullptr)
    return;
  ::ShowWindow(main_, show_command);
  ::UpdateWindow(main_);
  if (window_.FocusedControl() == nullptr)
    Guarded([this] { window_.MoveFocus(window_.NextInTabOrder(nullptr, true)); });
  RestoreFocus();
}

HWND Win32View::NativeOf(const Control& control) const {
  const Native* native = FindFirst(control);
  return native != nullptr ? native->handle : nullptr;
}

HWND Win32View::ItemNativeOf(const RadioGroup& group, int index) const {
  const auto found = first_native_.find(&group);
  if (found == first_native_.end() || index < 0)
    return nullptr;
  const std::size_t position = found->second + 1 + static_cast<std::size_t>(index);
  if (position >= natives_.size() || natives_[position].control != &group)
    return nullptr;
  return natives_[position].handle;
}

// Creating the native controls.

void Win32View::CreateNatives(Control& control) {
  const Bounds bounds = Scale(control.WindowBounds(), dpi_);
  switch (control.GetKind()) {
    case Kind::CheckBox:
      AddNative(control, -1, WC_BUTTONA, BS_CHECKBOX, 0, bounds);
      break;
    case Kind::RadioButton:
      AddNative(control, -1, WC_BUTTONA, BS_RADIOBUTTON, 0, bounds);
      break;
    case Kind::RadioGroup: {
      AddNative(control, -1, WC_BUTTONA, BS_GROUPBOX, 0, bounds);
      const auto& group = static_cast<const RadioGroup&>(control);
      const Bounds origin = control.WindowBounds();
      for (int i = 0; i < static_cast<int>(group.Items().size()); ++i) {
        Bounds item = group.ItemBounds(i, kTextHeight);
        item.left += origin.left;
        item.top += origin.top;
        AddNative(control, i, WC_BUTTONA, BS_RADIOBUTTON, 0, Scale(item, dpi_));
      }
      break;
    }
    case Kind::Edit:
      AddNative(control, -1, WC_EDITA, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, bounds);
      break;
    case Kind::Label: {
      const bool wrap = static_cast<const Label&>(control).WordWrap();
      AddNative(control, -1, WC_STATICA, wrap ? SS_LEFT : SS_LEFTNOWORDWRAP, 0, bounds);
      break;
    }
    case Kind::Button:
      AddNative(control, -1, WC_BUTTONA, BS_PUSHBUTTON, 0, bounds);
      break;
    case Kind::GroupBox:
      AddNative(control, -1, WC_BUTTONA, BS_GROUPBOX, 0, bounds);
      break;
    case Kind::Panel:
      AddNative(control, -1, WC_STATICA, SS_OWNERDRAW, 0, bounds);
      break;
    case Kind::Image:
      AddNative(control, -1, WC_STATICA, SS_BITMAP | SS_NOTIFY, 0, bounds);
      ShowPicture(natives_.back());
      break;
    case Kind::Window:
      break;
  }
  for (Control* child : control.Children())
    CreateNatives(*child);
}

void Win32View::AddNative(Control& control, int item, const char* window_class, DWORD style,
                          DWORD extended_style, const Bounds& bounds) {
  const int id = kFirstId + static_cast<int>(natives_.size());
  HWND handle = ::CreateWindowExA(
      extended_style, window_class, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
      bounds.left, bounds.top, bounds.width, bounds.height, main_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
  if (handle == nullptr) {
    throw std::runtime_error("The control " + control.Name() +
                             " cannot be created: " + utils::SystemMessage(::GetLastError()));
  }
  ::SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  ::SetWindowSubclass(handle, &ControlProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  first_native_.emplace(&control, natives_.size());
  const Colour colour = control.GetKind() == Kind::Edit
                            ? static_cast<const Edit&>(control).GetColour()
                            : Colour::ButtonFace;
  natives_.push_back({&control, handle, item, colour});
}

void Win32View::ArrangeZOrder() {
  for (int layer = 0; layer < kZLayers; ++layer) {
    for (const Native& native : natives_) {
      if (ZLayer(*native.control, native.item) == layer) {
        ::SetWindowPos(native.handle, HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
    }
  }
}

void Win32View::ShowPicture(const Native& native) {
  const auto picture = DecodeJpeg(static_cast<const Image&>(*native.control).Jpeg());
  if (!picture)
    return;
  RECT area{};
  ::GetClientRect(native.handle, &area);
  HBITMAP bitmap = MakePictureBitmap(*picture, area.right, area.bottom);
  if (bitmap == nullptr)
    return;
  bitmaps_.push_back(bitmap);
  ::SendMessageA(native.handle, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

// Mirroring the model.

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
  HGDIOBJ previous = ::SelectObject(dc, font_);
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
  if ((::IsWindowEnabled(native.handle) != FALSE) != enabled)
    ::EnableWindow(native.handle, enabled);
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

// Focus.

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

// Messages.

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
      if (LOWORD(wparam) != WA_INACTIVE && HIWORD(wparam) == 0) {
        RestoreFocus();
        return 0;
      }
      break;
    case WM_SETFOCUS: {
      HWND target = FocusTarget(window_.FocusedControl());
      if (ready_ && target != nullptr && ::IsWindowEnabled(target))
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
  if (!ready_)
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
      if (ready_) {
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
        if (ready_ && ::PtInRect(&area, point)) {
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

// Lookup.

Win32View::Native* Win32View::Find(HWND handle) {
  if (handle == nullptr)
    return nullptr;
  const int index = ::GetDlgCtrlID(handle) - kFirstId;
  if (index < 0 || index >= static_cast<int>(natives_.size()))
    return nullptr;
  Native& native = natives_[static_cast<std::size_t>(index)];
  return native.handle == handle ? &native : nullptr;
}

const Win32View::Native* Win32View::FindFirst(const Control& control) const {
  const auto found = first_native_.find(&control);
  return found != first_native_.end() ? &natives_[found->second] : nullptr;
}

}  // namespace widgets::win32
