#include "support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <filesystem>

namespace test_support {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("vandrel-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path);
  path_ = path.string();
  path_ += static_cast<char>(std::filesystem::path::preferred_separator);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace test_support
