// Owns a drawing object (a font, a bitmap) and deletes it when it goes. The object must be
// selected into no device context by then, and a control showing it must be gone.
#pragma once

#include <windows.h>

#include <utility>

namespace widgets::win32 {

template <typename Object>
class UniqueGdiObject {
 public:
  UniqueGdiObject() = default;
  // Takes `object`; null owns nothing.
  explicit UniqueGdiObject(Object object) : object_(object) {}
  UniqueGdiObject(UniqueGdiObject&& other) noexcept
      : object_(std::exchange(other.object_, nullptr)) {}
  UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
    if (this != &other) {
      Delete();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  ~UniqueGdiObject() { Delete(); }

  Object Get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  void Delete() {
    if (object_ != nullptr)
      ::DeleteObject(std::exchange(object_, nullptr));
  }

  Object object_ = nullptr;
};

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;

}  // namespace widgets::win32
