#include "run/batch_file.h"

#include "utils/files.h"

namespace run {
namespace {

// Names taken by runs that ended without clean-up are skipped; this many is enough for any
// temporary folder that is still usable.
constexpr int kNameAttempts = 1000;

}  // namespace

BatchFile::BatchFile(const std::string& temporary_folder, const std::string& root_folder) {
  for (int number = 1; !temporary_folder.empty() && number <= kNameAttempts; ++number) {
    const std::string name = temporary_folder + "vandrel-" + std::to_string(number) + ".bat";
    if (utils::CreateNewFile(name)) {
      name_ = name;
      owned_ = true;
      return;
    }
    if (!utils::FileExists(name) && !utils::FolderExists(name))
      break;  // the folder cannot be written
  }
  name_ = root_folder + "batchtemp.bat";
}

BatchFile::~BatchFile() {
  Delete();
}

void BatchFile::Write(std::string_view text) {
  owned_ = true;
  utils::WriteWholeFile(name_, text);
}

void BatchFile::Delete() {
  if (owned_)
    utils::DeleteFileQuietly(name_);
  owned_ = false;
}

}  // namespace run
