#include <gtest/gtest.h>

#include <random>

#include "common/Bitmap32.h"
#include "common/LayerStack.h"

namespace miro {
namespace {

// Rows of a picture as text: one character a pixel, '.' for 0, digits for small values,
// 'g' for the key colour.
std::vector<std::string> rows(const Bitmap32& b) {
  std::vector<std::string> out;
  for (int y = 0; y < b.height(); ++y) {
    std::string line;
    for (const std::uint32_t p : b.row(y)) {
      line += p == 0 ? '.' : p == kKeyColour ? 'g' : static_cast<char>('0' + p);
    }
    out.push_back(line);
  }
  return out;
}

Bitmap32 numbered(int width, int height) {
  Bitmap32 b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.setPixel(x, y, static_cast<std::uint32_t>(1 + y * width + x));
  return b;
}

TEST(Bitmap32, Draw_TransparentSourceSkipsKeyColourAndClips) {
  Bitmap32 sprite(3, 2, kKeyColour);
  sprite.setPixel(0, 0, 5);
  sprite.setPixel(2, 1, 7);
  sprite.transparent = true;

  Bitmap32 target(4, 3);
  target.draw(-1, 2, sprite);  // only the bottom-left corner of the target is reached
  target.draw(2, 0, sprite);
  EXPECT_EQ(rows(target), (std::vector<std::string>{"..5.", "....", "...."}));

  sprite.transparent = false;
  target.draw(1, 1, sprite);
  EXPECT_EQ(rows(target), (std::vector<std::string>{"..5.", ".5gg", ".gg7"}));
}

TEST(Bitmap32, FillAndFrame_StayInsideTheRectangleAndThePicture) {
  Bitmap32 b(5, 4);
  b.frameRect({0, 0, 4, 4}, 1);
  b.fillRect({3, -2, 9, 2}, 2);
  EXPECT_EQ(rows(b), (std::vector<std::string>{"11122", "1..22", "1..1.", "1111."}));
}

TEST(Bitmap32, StretchDraw_TakesTheNearestSourcePixelByTheFloorRule) {
  const Bitmap32 source = numbered(3, 2);  // 1 2 3 / 4 5 6
  Bitmap32 target(5, 3);
  target.stretchDraw({0, 0, 5, 3}, source);
  // columns: floor(x * 3 / 5) = 0 0 1 1 2; rows: floor(y * 2 / 3) = 0 0 1
  EXPECT_EQ(rows(target), (std::vector<std::string>{"11223", "11223", "44556"}));

  Bitmap32 shrunk(2, 1);
  shrunk.stretchDraw({0, 0, 2, 1}, source);  // columns 0 and 1 of row 0
  EXPECT_EQ(rows(shrunk), (std::vector<std::string>{"12"}));

  Bitmap32 offset(4, 2);
  offset.stretchDraw({-2, 0, 4, 2}, source);  // a target partly left of the picture
  EXPECT_EQ(rows(offset), (std::vector<std::string>{"2233", "5566"}));
}

TEST(Bitmap32, Resize_KeepsTheTopLeftCorner) {
  Bitmap32 b = numbered(3, 2);
  b.resize(2, 3, kKeyColour);
  EXPECT_EQ(rows(b), (std::vector<std::string>{"12", "45", "gg"}));
  b.resize(4, 1);
  EXPECT_EQ(rows(b), (std::vector<std::string>{"12.."}));
}

TEST(LayerStack, Flatten_StacksLayersInOrderOverTheOpaqueComposite) {
  LayerStack layers(2, 1);
  EXPECT_FALSE(layers[0].transparent);
  EXPECT_TRUE(layers[45].transparent);
  EXPECT_EQ(layers[45].pixel(0, 0), kKeyColour);

  layers[3].setPixel(0, 0, 3);
  layers[30].setPixel(0, 0, 9);
  layers[2].setPixel(1, 0, 2);
  layers.flatten();
  EXPECT_EQ(rows(layers[0]), (std::vector<std::string>{"92"}));

  layers.setSize(262, 324);
  EXPECT_EQ(layers[17].width(), 262);
  EXPECT_EQ(layers[17].pixel(0, 0), kKeyColour);
}

}  // namespace
}  // namespace miro

namespace miro {
namespace {

// The same operations on plain pixel arrays, without any bookkeeping.
struct PlainPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

TEST(Bitmap32, WrittenAreaBookkeeping_NeverChangesWhatThePixelsAre) {
  std::mt19937 random(17);
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const std::uint32_t colours[] = {kKeyColour, 0, 0x123456, 0xFFFFFF};
  for (int round = 0; round < 30; ++round) {
    Bitmap32 b(12, 9, kKeyColour);
    PlainPicture plain{12, 9, std::vector<std::uint32_t>(12 * 9, kKeyColour)};
    Bitmap32 sprite(5, 4, kKeyColour);
    sprite.transparent = true;
    for (int step = 0; step < 60; ++step) {
      const std::uint32_t c = colours[pick(4)];
      switch (pick(7)) {
        case 0:
          b.fill(c);
          std::fill(plain.pixels.begin(), plain.pixels.end(), c);
          break;
        case 1: {
          const Rect r{pick(14) - 2, pick(11) - 2, pick(14), pick(11)};
          b.fillRect(r, c);
          const Rect clipped = intersect(r, b.bounds());
          for (int y = clipped.top; y < clipped.bottom; ++y)
            for (int x = clipped.left; x < clipped.right; ++x) plain.at(x, y) = c;
          break;
        }
        case 2: {
          const int x = pick(plain.width), y = pick(plain.height);
          b.setPixel(x, y, c);
          plain.at(x, y) = c;
          break;
        }
        case 3: {
          const int x = pick(plain.width), y = pick(plain.height);
          b.row(y)[static_cast<std::size_t>(x)] = c;
          plain.at(x, y) = c;
          break;
        }
        case 4:
          if (pick(2) == 0) sprite.fill(kKeyColour);
          sprite.setPixel(pick(5), pick(4), colours[1 + pick(3)]);
          break;
        case 5: {
          const int x = pick(14) - 4, y = pick(12) - 4;
          sprite.transparent = pick(3) != 0;
          b.draw(x, y, sprite);
          for (int sy = 0; sy < sprite.height(); ++sy)
            for (int sx = 0; sx < sprite.width(); ++sx) {
              const int tx = x + sx, ty = y + sy;
              const std::uint32_t p = sprite.pixel(sx, sy);
              if (tx < 0 || ty < 0 || tx >= plain.width || ty >= plain.height) continue;
              if (!sprite.transparent || p != kKeyColour) plain.at(tx, ty) = p;
            }
          break;
        }
        case 6: {
          const int w = 8 + pick(6), h = 6 + pick(5);
          b.resize(w, h, c);
          PlainPicture resized{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), c)};
          for (int y = 0; y < std::min(h, plain.height); ++y)
            for (int x = 0; x < std::min(w, plain.width); ++x) resized.at(x, y) = plain.at(x, y);
          plain = resized;
          break;
        }
      }
      ASSERT_EQ(b.pixels(), plain.pixels) << "round " << round << " step " << step;
    }
  }
}

TEST(Bitmap32, DrawingAnOpaqueOneColourPictureOverAllOfAnotherFillsIt) {
  Bitmap32 target(4, 3, 7);
  target.setPixel(1, 1, 9);
  const Bitmap32 background(4, 3, 0x00FF00);  // not transparent: drawn as it is
  target.draw(0, 0, background);
  EXPECT_EQ(target, Bitmap32(4, 3, 0x00FF00));
  Bitmap32 wider(6, 5, 1);
  wider.draw(-1, -1, Bitmap32(8, 7, 2));
  EXPECT_EQ(wider, Bitmap32(6, 5, 2));
}

}  // namespace
}  // namespace miro
