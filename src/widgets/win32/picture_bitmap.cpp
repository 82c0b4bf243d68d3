#include "widgets/win32/picture_bitmap.h"

#include <cstddef>

namespace widgets::win32 {

UniqueBitmap MakePictureBitmap(const RgbPicture& picture, int width, int height) {
  if (width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0)
    return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap)
    return {};
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  auto* rows = static_cast<unsigned char*>(bits);
  for (int y = 0; y < height; ++y) {
    const int source_y = y * picture.height / height;
    for (int x = 0; x < width; ++x) {
      const int source_x = x * picture.width / width;
      const unsigned char* source =
          &picture.rgb[(static_cast<std::size_t>(source_y) * picture.width + source_x) * 3];
      unsigned char* target = rows + static_cast<std::size_t>(y) * stride + x * 3;
      target[0] = source[2];
      target[1] = source[1];
      target[2] = source[0];
    }
  }
  ::GdiFlush();
  return bitmap;
}

}  // namespace widgets::win32
