#include "run/language_files.h"

#include "utils/cp1252.h"
#include "utils/paths.h"

namespace run {
namespace {

bool IsDelimiter(char c) {
  return c == '\\' || c == '/';
}

std::string LanguageFolder(const InstallationFolders& folders) {
  return folders.RootFolder + folders.LibSubfolder;
}

}  // namespace

InstallationFolders DeriveInstallationFolders(std::string_view program_path) {
  InstallationFolders folders;
  folders.RootFolder = utils::FolderPart(program_path);
  std::string& root = folders.RootFolder;
  // Windows names use the backslash; the native tests run with POSIX names, which keep theirs.
  const char delimiter = !root.empty() && root.back() == '/' ? '/' : '\\';
  const std::size_t n = root.size();
  const bool in_bin_folder = n >= 4 && IsDelimiter(root[n - 1]) &&
                             utils::LowerCase(root.substr(n - 4, 3)) == "bin" &&
                             (n == 4 || IsDelimiter(root[n - 5]) || root[n - 5] == ':');
  if (in_bin_folder) {
    root.resize(n - 4);
    folders.BinSubfolder = std::string("bin") + delimiter;
    folders.LibSubfolder = std::string("lib") + delimiter;
  }
  if (root.empty() || !IsDelimiter(root.back()))
    root += delimiter;
  return folders;
}

std::string EnginePath(const InstallationFolders& folders) {
  return folders.RootFolder + folders.BinSubfolder + "vandrel.exe";
}

std::string ParameterFilePath(const InstallationFolders& folders, std::string_view language_name) {
  return LanguageFolder(folders) + std::string(language_name) + ".par";
}

std::string AbbreviationsFilePath(const InstallationFolders& folders,
                                  std::string_view language_name) {
  return LanguageFolder(folders) + std::string(language_name) + "-abbreviations.";
}

std::string MultiWordFilePath(const InstallationFolders& folders, std::string_view language_name) {
  return LanguageFolder(folders) + std::string(language_name) + "-mwls.";
}

}  // namespace run
