// Owns a kernel handle (a file, a process, a thread) and closes it when it goes, so that no path
// out of a function, an exception included, leaves it open.
#pragma once

#include <windows.h>

#include <utility>

namespace utils::win32 {

class UniqueHandle {
 public:
  UniqueHandle() = default;
  // Takes `handle`; the null handle and INVALID_HANDLE_VALUE, which the system's functions
  // return on failure, own nothing.
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = other.Release();
    }
    return *this;
  }
  ~UniqueHandle() { Close(); }

  HANDLE Get() const { return handle_; }
  bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

  // Closes the handle now. False when the system reports a failure, which for a file written to
  // can be the failure of the last write; GetLastError() tells which.
  bool Close() {
    const HANDLE handle = Release();
    return handle == nullptr || handle == INVALID_HANDLE_VALUE || ::CloseHandle(handle) != 0;
  }

 private:
  HANDLE Release() { return std::exchange(handle_, nullptr); }

  HANDLE handle_ = nullptr;
};

}  // namespace utils::win32
