// The program's event loop. Tab and Shift+Tab follow the window's own tab order rather than the
// order of the native child windows, so the loop lets the main window see every key message
// before it is translated and dispatched; nested loops use the same step.
#pragma once

#include <windows.h>

namespace widgets::win32 {

class MainWindow {
 public:
  virtual ~MainWindow() = default;
  // The native window; nullptr once it has closed.
  virtual HWND Handle() const = 0;
  // True when the message was a navigation key of the window and has been handled.
  virtual bool HandleNavigationKey(const MSG& message) = 0;
};

// Handles one message retrieved from the queue; `window` may be nullptr.
void DispatchEvent(MainWindow* window, const MSG& message);

// Handles messages until the quit request arrives; returns the program's exit code.
int RunEventLoop(MainWindow& window);

}  // namespace widgets::win32
