// Checks that a view's native controls show exactly what the model holds.
#pragma once

#include <gtest/gtest.h>

#include "widgets/win32/win32_view.h"

namespace wine_tests {

// Every control of the window has its native control at its bounds (scaled to the view's DPI),
// with its enabled state, text and check state; radio group items included.
::testing::AssertionResult NativesMirrorModel(const widgets::win32::Win32View& view,
                                              const widgets::Window& window);

// Every control in the window, depth first.
std::vector<widgets::Control*> AllControls(const widgets::Window& window);

}  // namespace wine_tests
