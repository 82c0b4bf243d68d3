#include "gui_support.h"

#include <commctrl.h>

namespace wine_tests {

void Pump(widgets::win32::MainWindow* window, DWORD milliseconds) {
  const DWORD start = ::GetTickCount();
  do {
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      widgets::win32::DispatchEvent(window, message);
    }
    ::Sleep(5);
  } while (::GetTickCount() - start < milliseconds);
}

bool PumpUntil(widgets::win32::MainWindow* window, const std::function<bool()>& condition,
               DWORD milliseconds) {
  const DWORD start = ::GetTickCount();
  while (!condition()) {
    if (::GetTickCount() - start > milliseconds)
      return false;
    Pump(window, 10);
  }
  return true;
}

RECT RectIn(HWND window, HWND main) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  ::MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The wide-character messages return a tool's whole text; the ANSI ones cut it short.
std::optional<std::string> ToolText(HWND tooltip, HWND owner, UINT_PTR id, bool id_is_window) {
  wchar_t text[1024] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner;
  tool.uId = id;
  tool.uFlags = id_is_window ? TTF_IDISHWND : 0;
  if (!::SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)))
    return std::nullopt;
  tool.lpszText = text;
  ::SendMessageW(tooltip, TTM_GETTEXTW, sizeof text / sizeof text[0],
                 reinterpret_cast<LPARAM>(&tool));
  char ansi[2048] = {};
  ::WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
  return std::string(ansi);
}

// The top-level window's own device context reads what has been painted into the window,
// whether or not the system has shown it on the screen yet.
COLORREF PixelAt(HWND window, POINT client_point) {
  HWND top = ::GetAncestor(window, GA_ROOT);
  ::UpdateWindow(top);
  ::ClientToScreen(window, &client_point);
  RECT outer{};
  ::GetWindowRect(top, &outer);
  HDC dc = ::GetWindowDC(top);
  const COLORREF colour = ::GetPixel(dc, client_point.x - outer.left, client_point.y - outer.top);
  ::ReleaseDC(top, dc);
  return colour;
}

DialogCatcher* DialogCatcher::active_ = nullptr;

DialogCatcher::DialogCatcher(HWND watched, WPARAM answer)
    : hook_(::SetWindowsHookExA(WH_CALLWNDPROCRET, &HookProc, nullptr, ::GetCurrentThreadId())),
      watched_(watched),
      answer_(answer) {
  active_ = this;
}

DialogCatcher::~DialogCatcher() {
  ::UnhookWindowsHookEx(hook_);
  active_ = nullptr;
}

// A dialog has its text, icon and position once WM_INITDIALOG has returned.
LRESULT CALLBACK DialogCatcher::HookProc(int code, WPARAM wparam, LPARAM lparam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
  if (code == HC_ACTION && active_ != nullptr && call->message == WM_INITDIALOG &&
      (::GetWindowLongA(call->hwnd, GWL_STYLE) & WS_CHILD) == 0 &&
      ClassOf(call->hwnd) == "#32770") {
    active_->Saw(call->hwnd);
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

void DialogCatcher::Saw(HWND dialog) {
  // A dialog is activated again when a box of its own closes; it is answered once.
  SeenDialog seen;
  seen.title = TextOf(dialog);
  // A message box shows its text in the static control 0xFFFF and its icon in control 0x440.
  seen.text = TextOf(::GetDlgItem(dialog, 0xFFFF));
  HWND icon = ::GetDlgItem(dialog, 0x440);
  seen.has_icon = icon != nullptr && (::GetWindowLongA(icon, GWL_STYLE) & WS_VISIBLE) != 0 &&
                  ::SendMessageA(icon, STM_GETICON, 0, 0) != 0;
  ::GetWindowRect(dialog, &seen.rect);
  seen.owner_windows_enabled = watched_ == nullptr || ::IsWindowEnabled(watched_) != FALSE;
  seen.owner = ::GetWindow(dialog, GW_OWNER);
  seen_.push_back(seen);
  if (respond)
    respond(dialog);
  else
    ::PostMessageA(dialog, WM_COMMAND, answer_, 0);
}

}  // namespace wine_tests
