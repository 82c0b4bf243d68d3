#include "utils/paths.h"

namespace utils {
namespace {

std::size_t FilePartStart(std::string_view name) {
  const std::size_t last = name.find_last_of("\\/:");
  return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

std::string FolderPart(std::string_view name) {
  return std::string(name.substr(0, FilePartStart(name)));
}

std::string FilePart(std::string_view name) {
  return std::string(name.substr(FilePartStart(name)));
}

bool IsAbsoluteName(std::string_view name) {
  if (!name.empty() && (name[0] == '\\' || name[0] == '/'))
    return true;
  return name.size() >= 3 && name[1] == ':' && (name[2] == '\\' || name[2] == '/');
}

}  // namespace utils
