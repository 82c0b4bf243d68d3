// Small facts about the native controls that mirror the model's controls.
#pragma once

#include <windows.h>

#include <string>

#include "widgets/control.h"

namespace widgets::win32 {

// A control takes input only while it and every control that contains it are enabled.
bool EffectivelyEnabled(const Control& control);

std::string NativeText(HWND handle);
// Setting only what differs keeps the caret where the user is typing.
void SetNativeText(HWND handle, const std::string& text);
void SetNativeCheck(HWND handle, bool checked);

// A group box, or the frame that a radio group draws around its items (`item` -1).
bool IsFrameOf(const Control& control, int item);

// Frames lie at the bottom and edits on top; everything else lies between them.
int ZLayer(const Control& control, int item);
constexpr int kZLayers = 3;

}  // namespace widgets::win32
