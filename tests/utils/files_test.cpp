#include "utils/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace utils {
namespace {

using test_support::TempFolder;

TEST(Files, WritesAndReadsBytesUnchanged) {
  TempFolder folder;
  std::string bytes("a\r\nb\nc\rd\x00\x1A\xFF", 11);
  WriteWholeFile(folder.File("bytes.txt"), bytes);
  EXPECT_EQ(ReadWholeFile(folder.File("bytes.txt")), bytes);
}

TEST(Files, ExistsOnlyForFiles) {
  TempFolder folder;
  EXPECT_FALSE(FileExists(folder.File("missing.txt")));
  EXPECT_FALSE(FileExists(folder.Path()));
  WriteWholeFile(folder.File("there.txt"), "x");
  EXPECT_TRUE(FileExists(folder.File("there.txt")));
}

TEST(Files, ANameEndingInOnePeriodNamesTheFileWithoutIt) {
  TempFolder folder;
  WriteWholeFile(folder.File("english-abbreviations"), "etc.\r\n");
  EXPECT_TRUE(FileExists(folder.File("english-abbreviations.")));
  EXPECT_EQ(ReadWholeFile(folder.File("english-abbreviations.")), "etc.\r\n");
  WriteWholeFile(folder.File("english-mwls."), "a b\tX\r\n");
  EXPECT_TRUE(FileExists(folder.File("english-mwls")));
}

TEST(Files, ReportsFailuresWithTheFileName) {
  TempFolder folder;
  const std::string missing = folder.File("missing.txt");
  try {
    ReadWholeFile(missing);
    FAIL() << "no exception";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("\"" + missing + "\""), std::string::npos);
  }
  EXPECT_THROW(WriteWholeFile(folder.File("no-such-folder/x.txt"), "x"), std::runtime_error);
}

TEST(Files, TellsOneFileFromAnotherByIdentityNotSpelling) {
  TempFolder folder;
  WriteWholeFile(folder.File("t.txt"), "x");
  WriteWholeFile(folder.File("other.txt"), "x");
  std::filesystem::create_directory(folder.File("sub"));
  const std::string t = folder.File("t.txt");
  struct Case {
    std::string a, b;
    bool same;
  } cases[] = {
      {t, t, true},
      {t, folder.File("./t.txt"), true},
      {t, folder.File("sub/../t.txt"), true},
      {t, folder.File("t.txt."), true},  // a final period is dropped, as on Windows
      {t, folder.File("other.txt"), false},
      {t, folder.File("missing.txt"), false},
      {folder.File("missing.txt"), folder.File("missing.txt"), false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SameFile(c.a, c.b), c.same) << c.a << " / " << c.b;
#ifndef _WIN32
  std::filesystem::create_symlink(t, folder.File("link.txt"));
  EXPECT_TRUE(SameFile(folder.File("link.txt"), t));
#endif
}

TEST(Files, DeletesQuietly) {
  TempFolder folder;
  WriteWholeFile(folder.File("gone.txt"), "x");
  DeleteFileQuietly(folder.File("gone.txt"));
  EXPECT_FALSE(FileExists(folder.File("gone.txt")));
  DeleteFileQuietly(folder.File("gone.txt"));
}

TEST(Files, ReplacesAFileSafely) {
  TempFolder folder;
  const std::string name = folder.File("options.cfg");
  WriteWholeFile(name, "old");
  ReplaceFileSafely(name, "new contents");
  EXPECT_EQ(ReadWholeFile(name), "new contents");
  EXPECT_FALSE(FileExists(name + ".saving"));
  // A device has no contents to keep, and no temporary file can lie beside it.
#ifdef _WIN32
  EXPECT_NO_THROW(ReplaceFileSafely("NUL", "ignored"));
#else
  EXPECT_NO_THROW(ReplaceFileSafely("/dev/null", "ignored"));
#endif
}

TEST(Files, AFailedSafeReplaceLeavesTheEarlierFile) {
  TempFolder folder;
  const std::string name = folder.File("options.cfg");
  WriteWholeFile(name, "earlier\r\n");
  // A folder in the place of the temporary file makes writing it fail.
  std::filesystem::create_directory(name + ".saving");
  EXPECT_THROW(ReplaceFileSafely(name, "new"), std::runtime_error);
  EXPECT_EQ(ReadWholeFile(name), "earlier\r\n");
  // A folder in the place of the file itself cannot be replaced; the new text goes nowhere.
  const std::string blocked = folder.File("blocked");
  std::filesystem::create_directory(blocked);
  EXPECT_THROW(ReplaceFileSafely(blocked, "new"), std::runtime_error);
  EXPECT_FALSE(FileExists(blocked + ".saving"));
}

TEST(Files, WritesLongOutputThroughTheBuffer) {
  TempFolder folder;
  std::string expected;
  {
    FileWriter writer(folder.File("long.txt"));
    for (int i = 0; i < 200000; ++i) {
      const std::string line = "token" + std::to_string(i) + "\r\n";
      writer.Write(line);
      expected += line;
    }
    writer.Write(std::string(3 << 20, 'x'));
    expected += std::string(3 << 20, 'x');
    writer.Close();
  }
  EXPECT_EQ(ReadWholeFile(folder.File("long.txt")), expected);
}

TEST(Files, ChangesTheCurrentFolderAndResolvesNamesAgainstIt) {
  TempFolder folder;
  const std::string before = CurrentFolder();
  ASSERT_TRUE(SetCurrentFolder(folder.Path()));
  WriteWholeFile("here.txt", "x");
  EXPECT_TRUE(FileExists(folder.File("here.txt")));
  EXPECT_TRUE(FileExists(AbsoluteName("here.txt")));
  EXPECT_EQ(AbsoluteName(folder.File("here.txt")), folder.File("here.txt"));
  EXPECT_EQ(AbsoluteName(""), "");
  EXPECT_FALSE(SetCurrentFolder(""));
  EXPECT_FALSE(SetCurrentFolder(folder.File("missing")));
  ASSERT_TRUE(SetCurrentFolder(before));
}

}  // namespace
}  // namespace utils
