// A decoded picture as a bitmap for a static control.
#pragma once

#include <windows.h>

#include "widgets/jpeg_picture.h"

namespace widgets::win32 {

// A bitmap of `width` x `height` pixels showing `picture` stretched to that size, so the picture
// fills its control at any DPI. The caller deletes it; nullptr when it cannot be made.
HBITMAP MakePictureBitmap(const RgbPicture& picture, int width, int height);

}  // namespace widgets::win32
