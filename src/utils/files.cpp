#include "utils/files.h"

#include <atomic>
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

FileWriter::FileWriter(const std::string& name, const std::string& reported_name)
    : name_(reported_name.empty() ? name : reported_name),
      handle_(new Handle{platform::CreateForWriting(name, name_)}) {
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

namespace {

std::atomic<const char*> pending_temporary_file{nullptr};

}  // namespace

const char* ReplacingFileWriter::PendingTemporaryFile() {
  return pending_temporary_file.load();
}

ReplacingFileWriter::ReplacingFileWriter(const std::string& name)
    : target_(platform::LinkTarget(name)) {
  if (platform::IsDevice(target_)) {
    writer_ = std::make_unique<FileWriter>(target_, name);
    return;
  }
  platform::CheckNotReadOnly(target_);
  temporary_ = target_ + ".saving";
  for (int number = 1; FileExists(temporary_); ++number) {
    temporary_ = target_ + ".saving" + std::to_string(number);
  }
  writer_ = std::make_unique<FileWriter>(temporary_, name);
  pending_temporary_file.store(temporary_.c_str());
}

ReplacingFileWriter::~ReplacingFileWriter() {
  pending_temporary_file.store(nullptr);
  if (!writer_)
    return;
  writer_.reset();
  if (!temporary_.empty())
    DeleteFileQuietly(temporary_);
}

void ReplacingFileWriter::Commit() {
  pending_temporary_file.store(nullptr);
  const std::unique_ptr<FileWriter> writer = std::move(writer_);
  try {
    writer->Close();
    if (!temporary_.empty())
      platform::MoveReplacing(temporary_, target_);
  } catch (...) {
    if (!temporary_.empty())
      DeleteFileQuietly(temporary_);
    throw;
  }
}

void ReplaceFileSafely(const std::string& name, std::string_view bytes) {
  ReplacingFileWriter writer(name);
  writer.Write(bytes);
  writer.Commit();
}

}  // namespace utils
