#include "widgets/win32/dpi.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace widgets::win32 {
namespace {

TEST(Scale, KeepsTheLayoutAt96DpiAndScalesItByDpiOver96Otherwise) {
  const Bounds edit{152, 76, 33, 21};
  const Bounds same = Scale(edit, 96);
  EXPECT_EQ(same.left, 152);
  EXPECT_EQ(same.top, 76);
  EXPECT_EQ(same.width, 33);
  EXPECT_EQ(same.height, 21);
  const Bounds large = Scale(edit, 144);
  EXPECT_EQ(large.left, 228);
  EXPECT_EQ(large.top, 114);
  EXPECT_EQ(large.width, 50);  // 49.5 rounds up
  EXPECT_EQ(large.height, 32);
  EXPECT_EQ(Scale(-11, 120), -14);  // the font height: -13.75
}

// The test program carries the program's manifest.
TEST(Manifest, MakesTheProgramSystemDpiAware) {
  EXPECT_TRUE(::IsProcessDPIAware());
}

}  // namespace
}  // namespace widgets::win32
