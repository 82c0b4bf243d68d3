#include "support/form_fixture.h"

#include <filesystem>

namespace test_support {

void FormTest::MakeFolder(const std::string& path) {
  std::filesystem::create_directories(path);
}

}  // namespace test_support
