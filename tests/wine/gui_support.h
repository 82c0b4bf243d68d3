// Driving native windows in the Windows tests: pumping messages through the program's own
// dispatch step, reading back boxes, tooltips and pixels, catching dialogs.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "widgets/win32/event_loop.h"
#include "window_driving.h"

namespace wine_tests {

// Input, window texts and screenshots, shared with the demo driver.
using window_driving::ClassOf;
using window_driving::ClickAt;
using window_driving::PressKey;
using window_driving::SaveScreenshot;
using window_driving::ScreenCentre;
using window_driving::TextOf;
using window_driving::TypeText;

// Handles the queued messages for `milliseconds`.
void Pump(widgets::win32::MainWindow* window, DWORD milliseconds = 100);
// Handles messages until `condition` holds; false when it did not within the time.
bool PumpUntil(widgets::win32::MainWindow* window, const std::function<bool()>& condition,
               DWORD milliseconds = 3000);

// The window's rectangle in the client coordinates of `main`.
RECT RectIn(HWND window, HWND main);
// The text of a tooltip's tool, in the ANSI code page; nothing when there is no such tool.
// `id` is a window when `id_is_window`, else the number of an area of `owner`.
std::optional<std::string> ToolText(HWND tooltip, HWND owner, UINT_PTR id, bool id_is_window);

// The colour painted at the client point of `window`.
COLORREF PixelAt(HWND window, POINT client_point);

// A dialog box (a message box or a file dialog) as the test saw it when it opened.
struct SeenDialog {
  std::string title;
  std::string text;
  bool has_icon = false;
  RECT rect{};
  bool owner_windows_enabled = true;  // whether `watched` took input while the box was open
  HWND owner = nullptr;
};

// Watches for the dialog boxes that open on this thread, records them and answers each with
// `answer` (a command such as IDOK or IDCANCEL), or lets `respond` handle it.
class DialogCatcher {
 public:
  explicit DialogCatcher(HWND watched = nullptr, WPARAM answer = IDOK);
  ~DialogCatcher();
  DialogCatcher(const DialogCatcher&) = delete;
  DialogCatcher& operator=(const DialogCatcher&) = delete;

  void SetWatched(HWND watched) { watched_ = watched; }
  std::function<void(HWND dialog)> respond;
  const std::vector<SeenDialog>& Seen() const { return seen_; }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wparam, LPARAM lparam);
  void Saw(HWND dialog);

  HHOOK hook_;
  HWND watched_;
  WPARAM answer_;
  std::vector<SeenDialog> seen_;
  static DialogCatcher* active_;
};

}  // namespace wine_tests
