// Where the engine and the language files lie: one installation folder, either flat or with the
// subfolders bin\ (the programs) and lib\ (the language files).
#pragma once

#include <string>
#include <string_view>

namespace run {

struct InstallationFolders {
  std::string RootFolder;    // with its trailing delimiter
  std::string BinSubfolder;  // "bin\" or empty
  std::string LibSubfolder;  // "lib\" or empty
};

// From the program's own path: a program in a folder named bin (in any case) has the parent folder
// as root, with the bin and lib subfolders; any other program's folder is the root itself.
InstallationFolders DeriveInstallationFolders(std::string_view program_path);

std::string EnginePath(const InstallationFolders& folders);
std::string ParameterFilePath(const InstallationFolders& folders, std::string_view language_name);
// These two names end in a period, which the file system drops: the files have no extension.
std::string AbbreviationsFilePath(const InstallationFolders& folders,
                                  std::string_view language_name);
std::string MultiWordFilePath(const InstallationFolders& folders, std::string_view language_name);

}  // namespace run
