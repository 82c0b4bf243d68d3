// File operations on real files, through the platform's own calls (files_win32.cpp,
// files_posix.cpp). Names are Windows-1252 bytes. As on Windows, a name that ends in a single
// period names the file without it ("english-abbreviations." opens "english-abbreviations").
// Failures that end an operation throw std::runtime_error with a message for the user that
// includes the system's description; expected outcomes are return values.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace utils {

// True when `name` is an existing file; a folder does not count.
bool FileExists(const std::string& name);

// True when `name` is an existing folder.
bool FolderExists(const std::string& name);

// Reads the whole file, with room reserved for `spare` more bytes, and for half the file's size
// more when `spare_half`.
std::string ReadWholeFile(const std::string& name, std::size_t spare = 0, bool spare_half = false);

// Creates or replaces `name` with `bytes`.
void WriteWholeFile(const std::string& name, std::string_view bytes);

// Writes `bytes` to a new file in the folder of `name`, then puts it in the place of `name`.
// On failure `name` is untouched and no temporary file stays behind.
void ReplaceFileSafely(const std::string& name, std::string_view bytes);

// Creates `name` as a new, empty file; false when it cannot, a file of that name being there
// already included. Never replaces a file, so two programs never get the same one.
bool CreateNewFile(const std::string& name);

// True when both names lead to one existing file, whatever their spelling (another relative
// form, a link, a short name): the file system's identity of the two files is compared. False
// when either does not exist.
bool SameFile(const std::string& a, const std::string& b);

// Deletes `name`; a file that is not there or cannot be deleted is no failure.
void DeleteFileQuietly(const std::string& name);

// Returns false when the folder cannot be made current (an empty name included).
bool SetCurrentFolder(const std::string& folder);

// The current folder with a trailing delimiter.
std::string CurrentFolder();

// `name` resolved against the current folder; absolute and empty names stay as they are.
std::string AbsoluteName(const std::string& name);

// A file written in pieces through a buffer, so a long output needs no copy in memory.
class FileWriter {
 public:
  // Creates or replaces the file; throws when it cannot be created. Messages name
  // `reported_name` when given, so a temporary file is reported as the file it stands for.
  explicit FileWriter(const std::string& name, const std::string& reported_name = {});
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  void Write(std::string_view bytes);
  // Writes what is buffered and closes the file; throws when that fails.
  void Close();

 private:
  struct Handle;
  void Flush();

  std::string name_;
  std::unique_ptr<Handle> handle_;
  std::string buffer_;
};

// A file written in pieces under a temporary name beside `name`, and put in the place of `name`
// only by Commit, so that a failure at any point leaves an earlier `name` as it was. A link is
// followed: the file it leads to is the one replaced. A device (such as a console) is written
// directly, since there is nothing in its place to keep.
class ReplacingFileWriter {
 public:
  // Throws when `name` is a read-only file or the temporary file cannot be created.
  explicit ReplacingFileWriter(const std::string& name);
  // Removes the temporary file unless Commit succeeded.
  ~ReplacingFileWriter();
  ReplacingFileWriter(const ReplacingFileWriter&) = delete;
  ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;

  void Write(std::string_view bytes) { writer_->Write(bytes); }
  // Closes the temporary file and moves it over the target; throws when either fails.
  void Commit();

  // The name of the temporary file being written now, or nullptr: for a handler of an
  // interruption, which may only remove it.
  static const char* PendingTemporaryFile();

 private:
  std::string target_;
  std::string temporary_;  // empty when writing a device directly
  std::unique_ptr<FileWriter> writer_;
};

}  // namespace utils
