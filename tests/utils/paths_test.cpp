#include "utils/paths.h"

#include <gtest/gtest.h>

namespace utils {
namespace {

TEST(Paths, SplitsFolderAndFileParts) {
  struct Row {
    const char* name;
    const char* folder;
    const char* file;
  };
  const Row rows[] = {{"D:\\out\\res.txt", "D:\\out\\", "res.txt"},
                      {"res.txt", "", "res.txt"},
                      {"D:res.txt", "D:", "res.txt"},
                      {"D:\\tools\\", "D:\\tools\\", ""},
                      {"/tmp/x/out.txt", "/tmp/x/", "out.txt"},
                      {"", "", ""}};
  for (const Row& row : rows) {
    EXPECT_EQ(FolderPart(row.name), row.folder) << row.name;
    EXPECT_EQ(FilePart(row.name), row.file) << row.name;
  }
}

TEST(Paths, TellsAbsoluteNames) {
  EXPECT_TRUE(IsAbsoluteName("D:\\texts\\in.txt"));
  EXPECT_TRUE(IsAbsoluteName("\\\\server\\share\\in.txt"));
  EXPECT_TRUE(IsAbsoluteName("/tmp/in.txt"));
  EXPECT_FALSE(IsAbsoluteName("in.txt"));
  EXPECT_FALSE(IsAbsoluteName("texts\\in.txt"));
  EXPECT_FALSE(IsAbsoluteName("D:in.txt"));
  EXPECT_FALSE(IsAbsoluteName(""));
}

}  // namespace
}  // namespace utils
