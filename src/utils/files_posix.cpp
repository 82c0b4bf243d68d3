#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "utils/files.h"
#include "utils/files_platform.h"

namespace utils {
namespace {

// Windows drops a final period from a name; so does this, except from "." and "..".
std::string NativeName(const std::string& name) {
  const std::size_t n = name.size();
  if (n >= 2 && name[n - 1] == '.' && name[n - 2] != '.' && name[n - 2] != '/') {
    return name.substr(0, n - 1);
  }
  return name;
}

[[noreturn]] void ThrowFileError(std::string_view verb, const std::string& name) {
  throw std::runtime_error(platform::FileErrorText(verb, name));
}

}  // namespace

namespace platform {

struct OpenFile {
  int descriptor;
};

std::string FileErrorText(std::string_view verb, const std::string& name) {
  return "Cannot " + std::string(verb) + " file \"" + name + "\". " + std::strerror(errno);
}

OpenFile* CreateForWriting(const std::string& name, const std::string& reported_name) {
  const int descriptor = ::open(NativeName(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (descriptor < 0)
    ThrowFileError("create", reported_name);
  return new OpenFile{descriptor};
}

void WriteAll(OpenFile& file, std::string_view bytes, const std::string& name) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(file.descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR)
        continue;
      ThrowFileError("write", name);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void CloseChecked(OpenFile* file, const std::string& name) {
  const int result = ::close(file->descriptor);
  delete file;
  if (result != 0)
    ThrowFileError("write", name);
}

void CloseQuietly(OpenFile* file) {
  ::close(file->descriptor);
  delete file;
}

void MoveReplacing(const std::string& from, const std::string& to) {
  // The new file keeps the permissions of the one it replaces.
  struct stat status {};
  if (::stat(NativeName(to).c_str(), &status) == 0)
    ::chmod(NativeName(from).c_str(), status.st_mode & 07777);
  if (::rename(NativeName(from).c_str(), NativeName(to).c_str()) != 0) {
    ThrowFileError("replace", to);
  }
}

std::string LinkTarget(const std::string& name) {
  struct stat status {};
  if (::lstat(NativeName(name).c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
    return name;
  char* resolved = ::realpath(NativeName(name).c_str(), nullptr);
  if (resolved == nullptr)
    return name;  // a dangling link is replaced itself
  std::string target(resolved);
  std::free(resolved);
  return target;
}

bool IsDevice(const std::string& name) {
  struct stat status {};
  return ::stat(NativeName(name).c_str(), &status) == 0 && !S_ISREG(status.st_mode) &&
         !S_ISDIR(status.st_mode);
}

void CheckNotReadOnly(const std::string& name) {
  // The mode, not access(), decides, so that a file marked read-only is kept also for the
  // administrator, as on Windows.
  struct stat status {};
  if (::stat(NativeName(name).c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
      (status.st_mode & 0222) == 0) {
    errno = EACCES;
    ThrowFileError("replace", name);
  }
}

}  // namespace platform

bool FileExists(const std::string& name) {
  struct stat status {};
  return ::stat(NativeName(name).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool FolderExists(const std::string& name) {
  struct stat status {};
  return ::stat(NativeName(name).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(NativeName(a).c_str(), &first) == 0 &&
         ::stat(NativeName(b).c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

std::string ReadWholeFile(const std::string& name, std::size_t spare, bool spare_half) {
  const int descriptor = ::open(NativeName(name).c_str(), O_RDONLY);
  if (descriptor < 0)
    ThrowFileError("open", name);
  std::string bytes;
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 && status.st_size > 0) {
    const auto file_size = static_cast<std::size_t>(status.st_size);
    bytes.reserve(file_size + spare + (spare_half ? file_size / 2 : 0));
  }
  char chunk[1 << 16];
  for (;;) {
    const ssize_t count = ::read(descriptor, chunk, sizeof chunk);
    if (count == 0)
      break;
    if (count < 0) {
      if (errno == EINTR)
        continue;
      const int read_error = errno;
      ::close(descriptor);
      errno = read_error;
      ThrowFileError("read", name);
    }
    bytes.append(chunk, static_cast<std::size_t>(count));
  }
  ::close(descriptor);
  return bytes;
}

bool CreateNewFile(const std::string& name) {
  const int descriptor = ::open(NativeName(name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  return descriptor >= 0 && ::close(descriptor) == 0;
}

void DeleteFileQuietly(const std::string& name) {
  ::unlink(NativeName(name).c_str());
}

bool SetCurrentFolder(const std::string& folder) {
  return !folder.empty() && ::chdir(NativeName(folder).c_str()) == 0;
}

std::string CurrentFolder() {
  std::string folder(4096, '\0');
  while (::getcwd(folder.data(), folder.size()) == nullptr) {
    if (errno != ERANGE)
      return "/";
    folder.resize(folder.size() * 2);
  }
  folder.resize(std::strlen(folder.c_str()));
  if (folder.back() != '/')
    folder += '/';
  return folder;
}

}  // namespace utils
