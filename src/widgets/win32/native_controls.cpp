#include "widgets/win32/native_controls.h"

namespace widgets::win32 {

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

void SetNativeText(HWND handle, const std::string& text) {
  if (NativeText(handle) != text)
    ::SetWindowTextA(handle, text.c_str());
}

void SetNativeCheck(HWND handle, bool checked) {
  const LRESULT state = checked ? BST_CHECKED : BST_UNCHECKED;
  if (::SendMessageA(handle, BM_GETCHECK, 0, 0) != state)
    ::SendMessageA(handle, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

bool IsFrameOf(const Control& control, int item) {
  return control.GetKind() == Kind::GroupBox || (control.GetKind() == Kind::RadioGroup && item < 0);
}

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

}  // namespace widgets::win32
