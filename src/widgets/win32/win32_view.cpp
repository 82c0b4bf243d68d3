// The view's life: the main window, a native control for every control, and their Z order.
#include "widgets/win32/win32_view.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "utils/system_message_win32.h"
#include "widgets/edit.h"
#include "widgets/jpeg_picture.h"
#include "widgets/static_controls.h"
#include "widgets/win32/dpi.h"
#include "widgets/win32/native_controls.h"
#include "widgets/win32/picture_bitmap.h"

namespace widgets::win32 {
namespace {

constexpr char kWindowClass[] = "VandrelMainWindow";
constexpr int kFontHeight = -11;
// The layout has a fixed size: the frame can be minimized but neither resized nor maximized.
constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW & ~(WS_THICKFRAME | WS_MAXIMIZEBOX);
// Hints wrap at a width that reads well, scaled like the layout.
constexpr int kHintWidth = 400;
// The icon resource of winvandrel.exe; programs without it (the tests) show Windows' own.
constexpr WORD kProgramIcon = 1;

HICON ProgramIcon(HINSTANCE instance, int size_metric) {
  const int size = ::GetSystemMetrics(size_metric);
  HICON icon = static_cast<HICON>(
      ::LoadImageA(instance, MAKEINTRESOURCEA(kProgramIcon), IMAGE_ICON, size, size, 0));
  return icon ? icon : ::LoadIconA(nullptr, IDI_APPLICATION);
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
  window_class.hIcon = ProgramIcon(instance, SM_CXICON);
  window_class.hIconSm = ProgramIcon(instance, SM_CXSMICON);
  window_class.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  if (!::RegisterClassExA(&window_class)) {
    throw std::runtime_error("The main window cannot be registered: " +
                             utils::SystemMessage(::GetLastError()));
  }
}

}  // namespace

Win32View::Win32View(Window& window, Win32Desktop& desktop)
    : Win32View(window, desktop, ScreenDpi()) {}

Win32View::Win32View(Window& window, Win32Desktop& desktop, int dpi)
    : window_(window), desktop_(desktop), dpi_(dpi) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  RegisterWindowClass(instance, &WindowProc);
  const Bounds outer = Scale(window.GetBounds(), dpi_);
  ::CreateWindowExA(0, kWindowClass, window.Caption().c_str(), kFrameStyle | WS_CLIPCHILDREN,
                    outer.left, outer.top, outer.width, outer.height, nullptr, nullptr, instance,
                    this);
  if (main_ == nullptr) {
    throw std::runtime_error("The main window cannot be created: " +
                             utils::SystemMessage(::GetLastError()));
  }
  font_ = UniqueFont(::CreateFontA(Scale(kFontHeight, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                   FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
  for (Control* child : window.Children())
    CreateNatives(*child);
  ArrangeZOrder();
  tooltips_ = std::make_unique<Tooltips>(main_, Scale(kHintWidth, dpi_));
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
  // The font and the bitmaps are deleted after this body, once the controls showing them are gone.
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
  ::SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
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
  UniqueBitmap bitmap = MakePictureBitmap(*picture, area.right, area.bottom);
  if (!bitmap)
    return;
  bitmaps_.push_back(std::move(bitmap));
  ::SendMessageA(native.handle, STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(bitmaps_.back().Get()));
}

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
