#include "widgets/win32/event_loop.h"

namespace widgets::win32 {

void DispatchEvent(MainWindow* window, const MSG& message) {
  if (window != nullptr && window->HandleNavigationKey(message))
    return;
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
}

int RunEventLoop(MainWindow& window) {
  MSG message{};
  while (::GetMessageA(&message, nullptr, 0, 0) > 0)
    DispatchEvent(&window, message);
  return static_cast<int>(message.wParam);
}

}  // namespace widgets::win32
