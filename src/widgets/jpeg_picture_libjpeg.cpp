#include "widgets/jpeg_picture.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace widgets {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; jumping back to
// the decoder turns it into a failed decode instead of the default exit of the process.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Every object with a destructor lives in the caller, so the jump skips none.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, std::string_view bytes,
            RgbPicture& picture) {
  if (setjmp(errors.jump) != 0)
    return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  const std::size_t row_size = static_cast<std::size_t>(picture.width) * 3;
  picture.rgb.resize(row_size * static_cast<std::size_t>(picture.height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.rgb.data() + row_size * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

std::optional<RgbPicture> DecodeJpeg(std::string_view bytes) {
  if (bytes.empty())
    return std::nullopt;
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpOnError;
  errors.base.output_message = IgnoreMessage;
  RgbPicture picture;
  const bool decoded = Decode(info, errors, bytes, picture);
  jpeg_destroy_decompress(&info);
  if (!decoded)
    return std::nullopt;
  return picture;
}

}  // namespace widgets
