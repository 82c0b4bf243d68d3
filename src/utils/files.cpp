#include "utils/files.h"

#include <stdexcept>

#include "utils/files_platform.h"
#include "utils/paths.h"

namespace utils {
namespace {

constexpr std::size_t kWriteBufferSize = 1 << 20;

}  // namespace

struct FileWriter::Handle {
  platform::OpenFile* file;
};

FileWriter::FileWriter(const std::string& name)
    : name_(name), handle_(new Handle{platform::CreateForWriting(name)}) {
  buffer_.reserve(kWriteBufferSize);
}

FileWriter::~FileWriter() {
  if (handle_)
    platform::CloseQuietly(handle_->file);
}

void FileWriter::Write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > kWriteBufferSize) {
    Flush();
    if (bytes.size() > kWriteBufferSize) {
      platform::WriteAll(*handle_->file, bytes, name_);
      return;
    }
  }
  buffer_.append(bytes);
}

void FileWriter::Flush() {
  if (!buffer_.empty())
    platform::WriteAll(*handle_->file, buffer_, name_);
  buffer_.clear();
}

void FileWriter::Close() {
  if (!handle_)
    return;
  try {
    Flush();
  } catch (...) {
    platform::CloseQuietly(handle_->file);
    handle_.reset();
    throw;
  }
  platform::OpenFile* file = handle_->file;
  handle_.reset();
  platform::CloseChecked(file, name_);
}

std::string AbsoluteName(const std::string& name) {
  if (name.empty() || IsAbsoluteName(name))
    return name;
  return CurrentFolder() + name;
}

void WriteWholeFile(const std::string& name, std::string_view bytes) {
  FileWriter writer(name);
  writer.Write(bytes);
  writer.Close();
}

void ReplaceFileSafely(const std::string& name, std::string_view bytes) {
  std::string temporary = name + ".saving";
  for (int number = 1; FileExists(temporary); ++number) {
    temporary = name + ".saving" + std::to_string(number);
  }
  try {
    WriteWholeFile(temporary, bytes);
    platform::MoveReplacing(temporary, name);
  } catch (...) {
    DeleteFileQuietly(temporary);
    throw;
  }
}

}  // namespace utils
