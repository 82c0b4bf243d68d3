#include "widgets/win32/dpi.h"

#include <windows.h>

namespace widgets::win32 {

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kLayoutDpi;
}

int Scale(int value, int dpi) {
  return ::MulDiv(value, dpi, kLayoutDpi);
}

Bounds Scale(const Bounds& bounds, int dpi) {
  return {Scale(bounds.left, dpi), Scale(bounds.top, dpi), Scale(bounds.width, dpi),
          Scale(bounds.height, dpi)};
}

}  // namespace widgets::win32
