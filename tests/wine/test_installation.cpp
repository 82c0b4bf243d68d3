#include "test_installation.h"

#include <windows.h>

#include <filesystem>
#include <stdexcept>

namespace wine_tests {
namespace {

void CopyInto(const std::string& from, const std::string& to) {
  if (!::CopyFileA(from.c_str(), to.c_str(), FALSE))
    throw std::runtime_error("could not copy " + from + " to " + to);
}

}  // namespace

TestInstallation::TestInstallation(const std::string& folder_name)
    : root_(temp_.File(folder_name) + "\\") {
  MakeFolder("bin");
  MakeFolder("lib");
  CopyInto(VANDREL_DEMO_ENGINE, File("bin\\vandrel.exe"));
  CopyInto(VANDREL_COPY_INPUT, CopyProgramPath());
  const std::string demo = std::string(VANDREL_SOURCE_DIR) + "/demo/";
  for (const char* language : {"english", "russian"}) {
    for (const char* ending : {".par", "-abbreviations", "-mwls"})
      CopyInto(demo + language + ending, File("lib\\") + language + ending);
  }
}

std::string TestInstallation::MakeFolder(const std::string& name) const {
  std::filesystem::create_directories(root_ + name);
  return root_ + name + "\\";
}

}  // namespace wine_tests
