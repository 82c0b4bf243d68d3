// A decoded picture as a bitmap for a static control.
#pragma once

#include <windows.h>

#include "widgets/jpeg_picture.h"
#include "widgets/win32/unique_gdi_object.h"

namespace widgets::win32 {

// A bitmap of `width` x `height` pixels showing `picture` stretched to that size, so the picture
// fills its control at any DPI; owns nothing when it cannot be made.
UniqueBitmap MakePictureBitmap(const RgbPicture& picture, int width, int height);

}  // namespace widgets::win32
