// Input as the user gives it, through the system's input queue, and what a window shows: its
// text, its class, its picture. Works on the windows of other programs as well.
#pragma once

#include <windows.h>

#include <string>

namespace window_driving {

void ClickAt(POINT screen_point);
void PressKey(WORD key, bool shift = false);
void TypeText(const std::string& text);

POINT ScreenCentre(HWND window);
std::string TextOf(HWND window);
// The text of a control, also of another program's, where TextOf reads only what the system
// keeps for the window (for an edit, not its content). Empty when the window does not answer.
std::string ControlText(HWND window);
std::string ClassOf(HWND window);

// Saves the window as it is painted as `name` in the folder that VANDREL_SCREENSHOTS
// names; does nothing when it names none. The desktop window gives the whole screen.
// Windows of this thread are repainted first.
void SaveScreenshot(HWND window, const std::string& name);

}  // namespace window_driving
