#include <windows.h>

#include <memory>
#include <stdexcept>
#include <utility>

#include "utils/files.h"
#include "utils/files_platform.h"
#include "utils/system_message_win32.h"
#include "utils/win32/unique_handle.h"

namespace utils {
namespace {

using win32::UniqueHandle;

[[noreturn]] void ThrowFileError(std::string_view verb, const std::string& name) {
  throw std::runtime_error(platform::FileErrorText(verb, name));
}

UniqueHandle OpenForReading(const std::string& name) {
  return UniqueHandle(::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// The volume and index that tell one file from every other; false when it cannot be opened.
bool IdentityOf(const std::string& name, BY_HANDLE_FILE_INFORMATION& information) {
  // No access rights are needed to ask for the identity, so a file open elsewhere still answers.
  const UniqueHandle handle(
      ::CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return handle.Valid() && ::GetFileInformationByHandle(handle.Get(), &information) != 0;
}

}  // namespace

namespace platform {

struct OpenFile {
  UniqueHandle handle;
};

std::string FileErrorText(std::string_view verb, const std::string& name) {
  return "Cannot " + std::string(verb) + " file \"" + name + "\". " +
         SystemMessage(::GetLastError());
}

OpenFile* CreateForWriting(const std::string& name, const std::string& reported_name) {
  UniqueHandle handle(::CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle.Valid())
    ThrowFileError("create", reported_name);
  return new OpenFile{std::move(handle)};
}

void WriteAll(OpenFile& file, std::string_view bytes, const std::string& name) {
  while (!bytes.empty()) {
    const DWORD piece = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(file.handle.Get(), bytes.data(), piece, &written, nullptr)) {
      ThrowFileError("write", name);
    }
    bytes.remove_prefix(written);
  }
}

void CloseChecked(OpenFile* file, const std::string& name) {
  const std::unique_ptr<OpenFile> owned(file);
  if (!owned->handle.Close())
    ThrowFileError("write", name);
}

void CloseQuietly(OpenFile* file) {
  delete file;
}

void MoveReplacing(const std::string& from, const std::string& to) {
  if (!::MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ThrowFileError("replace", to);
  }
}

// Links are rare on the desktops this serves; a link named as output is replaced itself.
std::string LinkTarget(const std::string& name) {
  return name;
}

bool IsDevice(const std::string& name) {
  const UniqueHandle handle(::CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                          nullptr));
  if (!handle.Valid())
    return false;
  const DWORD type = ::GetFileType(handle.Get());
  return type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
}

void CheckNotReadOnly(const std::string& name) {
  const DWORD attributes = ::GetFileAttributesA(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    ThrowFileError("replace", name);
  }
}

}  // namespace platform

bool FileExists(const std::string& name) {
  const DWORD attributes = ::GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string& name) {
  const DWORD attributes = ::GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool SameFile(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION first{};
  BY_HANDLE_FILE_INFORMATION second{};
  return IdentityOf(a, first) && IdentityOf(b, second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

std::string ReadWholeFile(const std::string& name, std::size_t spare, bool spare_half) {
  const UniqueHandle handle = OpenForReading(name);
  if (!handle.Valid())
    ThrowFileError("open", name);
  std::string bytes;
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(handle.Get(), &size) && size.QuadPart > 0) {
    const auto file_size = static_cast<std::size_t>(size.QuadPart);
    bytes.reserve(file_size + spare + (spare_half ? file_size / 2 : 0));
  }
  char chunk[1 << 16];
  for (;;) {
    DWORD count = 0;
    if (!::ReadFile(handle.Get(), chunk, sizeof chunk, &count, nullptr))
      ThrowFileError("read", name);
    if (count == 0)
      break;
    bytes.append(chunk, count);
  }
  return bytes;
}

bool CreateNewFile(const std::string& name) {
  UniqueHandle handle(::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  return handle.Valid() && handle.Close();
}

void DeleteFileQuietly(const std::string& name) {
  ::DeleteFileA(name.c_str());
}

bool SetCurrentFolder(const std::string& folder) {
  return !folder.empty() && ::SetCurrentDirectoryA(folder.c_str()) != 0;
}

std::string CurrentFolder() {
  std::string folder(MAX_PATH, '\0');
  DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
  if (length >= folder.size()) {
    folder.resize(length);
    length = ::GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
  }
  folder.resize(length);
  if (folder.empty() || folder.back() != '\\')
    folder += '\\';
  return folder;
}

}  // namespace utils
