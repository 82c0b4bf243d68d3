#include "run/language_files.h"

#include <gtest/gtest.h>

namespace run {
namespace {

TEST(InstallationFolders, FollowTheFolderThatHoldsTheProgram) {
  struct Row {
    const char* program;
    const char* root;
    const char* bin;
    const char* lib;
  };
  const Row rows[] = {
      {"D:\\tools\\bin\\winvandrel.exe", "D:\\tools\\", "bin\\", "lib\\"},
      {"D:\\tools\\BIN\\winvandrel.exe", "D:\\tools\\", "bin\\", "lib\\"},
      {"D:\\tools\\Bin\\winvandrel.exe", "D:\\tools\\", "bin\\", "lib\\"},
      {"D:\\tools\\winvandrel.exe", "D:\\tools\\", "", ""},
      // Only a folder named bin counts, not one whose name ends in "bin".
      {"D:\\Robin\\winvandrel.exe", "D:\\Robin\\", "", ""},
      {"D:\\cabin\\bin\\winvandrel.exe", "D:\\cabin\\", "bin\\", "lib\\"},
      {"D:\\bin\\winvandrel.exe", "D:\\", "bin\\", "lib\\"},
      {"/opt/vandrel/bin/winvandrel", "/opt/vandrel/", "bin/", "lib/"},
  };
  for (const Row& row : rows) {
    const InstallationFolders folders = DeriveInstallationFolders(row.program);
    EXPECT_EQ(folders.RootFolder, row.root) << row.program;
    EXPECT_EQ(folders.BinSubfolder, row.bin) << row.program;
    EXPECT_EQ(folders.LibSubfolder, row.lib) << row.program;
  }
}

TEST(LanguageFiles, AreNamedFromTheFoldersAndTheLanguage) {
  const InstallationFolders tools{"D:\\tools\\", "bin\\", "lib\\"};
  EXPECT_EQ(EnginePath(tools), "D:\\tools\\bin\\vandrel.exe");
  EXPECT_EQ(ParameterFilePath(tools, "english"), "D:\\tools\\lib\\english.par");
  EXPECT_EQ(AbbreviationsFilePath(tools, "english"), "D:\\tools\\lib\\english-abbreviations.");
  EXPECT_EQ(MultiWordFilePath(tools, "welsh"), "D:\\tools\\lib\\welsh-mwls.");
  const InstallationFolders flat{"D:\\tools\\", "", ""};
  EXPECT_EQ(EnginePath(flat), "D:\\tools\\vandrel.exe");
  EXPECT_EQ(ParameterFilePath(flat, ""), "D:\\tools\\.par");
}

}  // namespace
}  // namespace run
