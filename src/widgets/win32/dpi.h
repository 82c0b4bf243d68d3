// The window is laid out in pixels at 96 dots per inch; a system-DPI-aware program scales every
// position, size and font height by the screen's DPI / 96.
#pragma once

#include "widgets/control.h"

namespace widgets::win32 {

constexpr int kLayoutDpi = 96;

// The screen's dots per inch as the system reports them to this program.
int ScreenDpi();

int Scale(int value, int dpi);
Bounds Scale(const Bounds& bounds, int dpi);

}  // namespace widgets::win32
