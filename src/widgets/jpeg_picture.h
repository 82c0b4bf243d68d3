// Decoding of the window's JPEG (JFIF) pictures into plain RGB pixels: with libjpeg natively,
// with the system's imaging component on Windows.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace widgets {

struct RgbPicture {
  int width = 0;
  int height = 0;
  // Rows from top to bottom, three bytes (red, green, blue) per pixel, no padding.
  std::vector<unsigned char> rgb;
};

// Nothing when the bytes are not a JPEG picture that can be decoded.
std::optional<RgbPicture> DecodeJpeg(std::string_view bytes);

}  // namespace widgets
