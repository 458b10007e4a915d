#include <gtest/gtest.h>

#include "files/Trimming.h"

namespace miro {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

TEST(Trimming, ToContent_CutsToTheBoxOfNonEmptyPixelsInTheArea) {
  Bitmap32 picture(270, 240, kWhite);
  picture.setPixel(100, 50, 1);
  picture.setPixel(120, 80, 2);
  picture.setPixel(265, 235, 3);  // outside a 200 x 200 area
  Bitmap32 trimmed = picture;
  ASSERT_TRUE(trimToContent(trimmed, 200, 200, kWhite));
  EXPECT_EQ(trimmed.width(), 21);
  EXPECT_EQ(trimmed.height(), 31);
  EXPECT_EQ(trimmed.pixel(0, 0), 1u);
  EXPECT_EQ(trimmed.pixel(20, 30), 2u);
  EXPECT_EQ(trimmed.pixel(1, 0), kWhite);

  Bitmap32 empty(270, 240, kWhite);
  EXPECT_FALSE(trimToContent(empty, 270, 240, kWhite));
  EXPECT_EQ(empty.width(), 270);  // written whole

  Bitmap32 background(270, 240, 0x123456);  // a background picture leaves no margin
  ASSERT_TRUE(trimToContent(background, 270, 240, kWhite));
  EXPECT_EQ(background.width(), 270);
  EXPECT_EQ(background.height(), 240);
}

TEST(Trimming, ToRectangle_CutsTheRectangleAndStopsAtTheArea) {
  Bitmap32 picture(270, 240, kWhite);
  picture.setPixel(10, 20, 7);
  picture.setPixel(269, 239, 8);
  Bitmap32 a = picture;
  trimToRectangle(a, {10, 20, 40, 60}, 270, 240);
  EXPECT_EQ(a.width(), 30);
  EXPECT_EQ(a.height(), 40);
  EXPECT_EQ(a.pixel(0, 0), 7u);

  Bitmap32 b = picture;
  trimToRectangle(b, {260, 230, 300, 300}, 270, 240);
  EXPECT_EQ(b.width(), 10);
  EXPECT_EQ(b.height(), 10);
  EXPECT_EQ(b.pixel(9, 9), 8u);
}

}  // namespace
}  // namespace miro
