// A fresh installation for one end-to-end run, in the layout with bin\ and lib\: the demo engine
// as bin\vandrel.exe, the copying test program as the own program, and the English language
// files of the demo in lib\. Removed with everything in it at the end of the test.
#pragma once

#include <string>

#include "support/temp_folder.h"

namespace wine_tests {

class TestInstallation {
 public:
  // The installation lies in a folder `folder_name` of a fresh temporary folder.
  explicit TestInstallation(const std::string& folder_name = "vandrel");

  // The installation folder, with its trailing backslash.
  const std::string& Root() const { return root_; }
  std::string File(const std::string& name) const { return root_ + name; }
  // The path the program would have in this installation.
  std::string ProgramPath() const { return File("bin\\winvandrel.exe"); }
  std::string CopyProgramPath() const { return File("bin\\copy-input.exe"); }

  // Creates the folder `name` in the installation, with its parents; returns it with a trailing
  // backslash.
  std::string MakeFolder(const std::string& name) const;

 private:
  test_support::TempFolder temp_;
  std::string root_;
};

}  // namespace wine_tests
