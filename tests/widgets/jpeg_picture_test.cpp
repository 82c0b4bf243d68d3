#include "widgets/jpeg_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "assets/flags.h"

namespace widgets {
namespace {

struct Rgb {
  int red;
  int green;
  int blue;
};

// Small pictures carry visible compression artefacts along every edge, so colours are compared
// with a tolerance and sampled away from the edges.
constexpr int kTolerance = 60;

Rgb PixelAt(const RgbPicture& picture, int x, int y) {
  const unsigned char* p = &picture.rgb[static_cast<std::size_t>((y * picture.width + x) * 3)];
  return {p[0], p[1], p[2]};
}

::testing::AssertionResult Near(const RgbPicture& picture, int x, int y, Rgb expected) {
  const Rgb actual = PixelAt(picture, x, y);
  if (std::abs(actual.red - expected.red) <= kTolerance &&
      std::abs(actual.green - expected.green) <= kTolerance &&
      std::abs(actual.blue - expected.blue) <= kTolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") is (" << actual.red << ", " << actual.green << ", "
         << actual.blue << "), expected about (" << expected.red << ", " << expected.green << ", "
         << expected.blue << ")";
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{221, 0, 0};
constexpr Rgb kGold{255, 206, 0};
constexpr Rgb kBlue{1, 33, 105};
constexpr Rgb kCrossRed{200, 16, 46};
constexpr Rgb kWhite{255, 255, 255};

// A baseline JFIF file starts with the JFIF application marker and holds a baseline frame
// (SOF0) with three components.
void ExpectBaselineJfif(std::string_view jpeg) {
  ASSERT_GT(jpeg.size(), 20u);
  EXPECT_EQ(jpeg.substr(0, 4), std::string_view("\xFF\xD8\xFF\xE0", 4));
  EXPECT_EQ(jpeg.substr(6, 5), std::string_view("JFIF\0", 5));
  const std::size_t frame = jpeg.find(std::string_view("\xFF\xC0", 2));
  ASSERT_NE(frame, std::string_view::npos) << "no baseline frame";
  EXPECT_EQ(jpeg.find(std::string_view("\xFF\xC2", 2)), std::string_view::npos) << "progressive";
  EXPECT_EQ(static_cast<unsigned char>(jpeg[frame + 9]), 3) << "component count";
}

TEST(DecodeJpeg, TheGermanFlagHasBlackRedAndGoldBandsFromTopToBottom) {
  ExpectBaselineJfif(assets::GermanFlagJpeg());
  const auto picture = DecodeJpeg(assets::GermanFlagJpeg());
  ASSERT_TRUE(picture.has_value());
  ASSERT_EQ(picture->width, 25);
  ASSERT_EQ(picture->height, 15);
  ASSERT_EQ(picture->rgb.size(), 25u * 15u * 3u);
  for (int x : {1, 12, 23}) {
    EXPECT_TRUE(Near(*picture, x, 2, kBlack));
    EXPECT_TRUE(Near(*picture, x, 7, kRed));
    EXPECT_TRUE(Near(*picture, x, 12, kGold));
  }
}

TEST(DecodeJpeg, TheUnionFlagHasBlueFieldsInTheCornersAndARedCrossThroughTheCentre) {
  ExpectBaselineJfif(assets::UnionFlagJpeg());
  const auto picture = DecodeJpeg(assets::UnionFlagJpeg());
  ASSERT_TRUE(picture.has_value());
  ASSERT_EQ(picture->width, 25);
  ASSERT_EQ(picture->height, 15);
  // The blue triangles beside the diagonals, one in each quarter.
  for (auto [x, y] : {std::pair{7, 1}, {17, 1}, {7, 13}, {17, 13}})
    EXPECT_TRUE(Near(*picture, x, y, kBlue));
  // The red cross: the centre and both arms, out to the edges.
  for (auto [x, y] : {std::pair{12, 7}, {12, 1}, {12, 13}, {1, 7}, {23, 7}})
    EXPECT_TRUE(Near(*picture, x, y, kCrossRed));
  // The white border of the cross.
  for (auto [x, y] : {std::pair{4, 5}, {20, 9}, {10, 3}, {14, 11}})
    EXPECT_TRUE(Near(*picture, x, y, kWhite));
}

TEST(DecodeJpeg, RejectsWhatIsNoJpegPicture) {
  EXPECT_FALSE(DecodeJpeg("").has_value());
  EXPECT_FALSE(DecodeJpeg("GIF89a not a jpeg at all").has_value());
  const std::string_view flag = assets::GermanFlagJpeg();
  EXPECT_FALSE(DecodeJpeg(flag.substr(0, 40)).has_value()) << "cut off inside the headers";
}

}  // namespace
}  // namespace widgets
