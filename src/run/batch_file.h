// The batch file of one run. It is a new file of the run's own in the user's temporary folder,
// so two windows running at once never share one and a run works from an installation folder
// it cannot write to; only when the temporary folder cannot be written is it "batchtemp.bat" in
// the root folder.
#pragma once

#include <string>
#include <string_view>

namespace run {

class BatchFile {
 public:
  // Creates the file in `temporary_folder` (empty when there is none), or names the fallback in
  // `root_folder`, which is not written yet.
  BatchFile(const std::string& temporary_folder, const std::string& root_folder);
  // Deletes the file if it is still the run's.
  ~BatchFile();
  BatchFile(const BatchFile&) = delete;
  BatchFile& operator=(const BatchFile&) = delete;

  const std::string& Name() const { return name_; }
  // Writes the file's contents; from then on it is the run's to delete.
  void Write(std::string_view text);
  // Deletes the file once, if the run created or wrote it: a file of that name that the run
  // never wrote is not its own.
  void Delete();

 private:
  std::string name_;
  bool owned_ = false;
};

}  // namespace run
