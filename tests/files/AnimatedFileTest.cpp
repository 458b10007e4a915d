#include <gif_lib.h>
#include <gtest/gtest.h>
#include <webp/demux.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "PictureFixtures.h"
#include "files/AnimatedFile.h"
#include "files/GifFile.h"
#include "files/Palette.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using test::TempFolder;

constexpr std::uint32_t kBackground = 0x00FF00;

// Three frames of 3 x 2 whose figure moves, so that pixels drawn in one frame are background
// in the next; the third has more colours than the others.
std::vector<Bitmap32> walkingFrames() {
  constexpr std::uint32_t B = kBackground;
  return {test::pictureOf(3, 2, {0x102030, B, B, 0x405060, B, B}),
          test::pictureOf(3, 2, {B, 0x102030, B, B, 0x405060, B}),
          test::pictureOf(3, 2, {B, B, 0xFF0000, 0x0000FF, B, 0xFFFFFF})};
}

// One image of a GIF as giflib reads it.
struct GifImage {
  std::vector<std::uint32_t> pixels;  // through the image's colour map
  std::vector<std::uint32_t> colours;  // that colour map
  bool localMap = false;
  int delay = -1;  // -1: no graphics control extension
  int transparentIndex = NO_TRANSPARENT_COLOR;
  int disposal = -1;
};

struct GifReadBack {
  int width = 0;
  int height = 0;
  bool loopsForever = false;  // NETSCAPE2.0 with a loop count of 0
  std::vector<GifImage> images;
};

std::vector<std::uint32_t> coloursOf(const ColorMapObject* map) {
  std::vector<std::uint32_t> colours;
  for (int i = 0; i < map->ColorCount; ++i)
    colours.push_back(std::uint32_t{map->Colors[i].Red} << 16 | std::uint32_t{map->Colors[i].Green} << 8 |
                      map->Colors[i].Blue);
  return colours;
}

bool readGif(const std::string& bytes, GifReadBack& out) {
  test::GifInput input{&bytes, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&input, test::readGifInput, &error);
  if (gif == nullptr) return false;
  const bool ok = DGifSlurp(gif) == GIF_OK && gif->SColorMap != nullptr;
  if (ok) {
    out.width = gif->SWidth;
    out.height = gif->SHeight;
    for (int i = 0; i < gif->ImageCount; ++i) {
      const SavedImage& saved = gif->SavedImages[i];
      for (int b = 0; b + 1 < saved.ExtensionBlockCount; ++b) {
        const ExtensionBlock& name = saved.ExtensionBlocks[b];
        const ExtensionBlock& data = saved.ExtensionBlocks[b + 1];
        if (name.Function == APPLICATION_EXT_FUNC_CODE && name.ByteCount == 11 &&
            std::memcmp(name.Bytes, "NETSCAPE2.0", 11) == 0 && data.Function == CONTINUE_EXT_FUNC_CODE &&
            data.ByteCount == 3 && data.Bytes[0] == 1 && data.Bytes[1] == 0 && data.Bytes[2] == 0)
          out.loopsForever = true;
      }
      GifImage image;
      image.localMap = saved.ImageDesc.ColorMap != nullptr;
      image.colours = coloursOf(image.localMap ? saved.ImageDesc.ColorMap : gif->SColorMap);
      const std::size_t count = static_cast<std::size_t>(saved.ImageDesc.Width) * saved.ImageDesc.Height;
      for (std::size_t p = 0; p < count; ++p) image.pixels.push_back(image.colours[saved.RasterBits[p]]);
      GraphicsControlBlock control{};
      if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) {
        image.delay = control.DelayTime;
        image.transparentIndex = control.TransparentColor;
        image.disposal = control.DisposalMode;
      }
      out.images.push_back(std::move(image));
    }
  }
  DGifCloseFile(gif, &error);
  return ok;
}

TEST(AnimatedGif, Write_ThreeFrames_ReadBackLoopingWithDelaysAndTransparentBackground) {
  TempFolder dir;
  const std::vector<Bitmap32> frames = walkingFrames();
  ASSERT_TRUE(writeAnimatedGif(dir / "walk.gif", frames, 120, kBackground));
  const std::string bytes = test::readFile(dir / "walk.gif");
  EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
  GifReadBack gif;
  ASSERT_TRUE(readGif(bytes, gif));
  EXPECT_EQ(gif.width, 3);
  EXPECT_EQ(gif.height, 2);
  EXPECT_TRUE(gif.loopsForever);
  ASSERT_EQ(gif.images.size(), frames.size());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(i);
    const GifImage& image = gif.images[i];
    EXPECT_EQ(image.delay, 12);
    EXPECT_EQ(image.disposal, DISPOSE_BACKGROUND);
    ASSERT_GE(image.transparentIndex, 0);
    ASSERT_LT(static_cast<std::size_t>(image.transparentIndex), image.colours.size());
    EXPECT_EQ(image.colours[static_cast<std::size_t>(image.transparentIndex)], kBackground);
    EXPECT_EQ(image.pixels, frames[i].pixels());
  }
  // The third frame's colours differ from the first's, so it brings its own map.
  EXPECT_FALSE(gif.images[0].localMap);
  EXPECT_TRUE(gif.images[2].localMap);
}

TEST(AnimatedGif, Encode_Delays_GivenInHundredthsAtLeastOne) {
  const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {9, 1}, {10, 1}, {105, 10}, {kMaxAnimationDelayMs, 65535}};
  for (const auto& [ms, hundredths] : cases) {
    SCOPED_TRACE(ms);
    GifReadBack gif;
    ASSERT_TRUE(readGif(encodeAnimatedGif(walkingFrames(), ms, kBackground), gif));
    ASSERT_EQ(gif.images.size(), 3u);
    for (const GifImage& image : gif.images) EXPECT_EQ(image.delay, hundredths);
  }
}

TEST(AnimatedGif, Write_BadFrames_FailsNamingTheFileAndWritesNothing) {
  TempFolder dir;
  struct Case {
    const char* name;
    std::vector<Bitmap32> frames;
    int delay;
  };
  const Case cases[] = {
      {"no frames", {}, 100},
      {"sizes differ", {Bitmap32(3, 2, 1), Bitmap32(2, 3, 1)}, 100},
      {"an empty frame", {Bitmap32(3, 2, 1), Bitmap32()}, 100},
      {"negative delay", walkingFrames(), -10},
      {"delay too long", walkingFrames(), kMaxAnimationDelayMs + 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Status status = writeAnimatedGif(dir / "walk.gif", c.frames, c.delay, kBackground);
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find("walk.gif"), std::string::npos) << status.message();
    EXPECT_EQ(encodeAnimatedGif(c.frames, c.delay, kBackground), "");
    const Status webp = writeAnimatedWebp(dir / "walk.webp", c.frames, c.delay, kBackground);
    ASSERT_FALSE(webp);
    EXPECT_NE(webp.message().find("walk.webp"), std::string::npos) << webp.message();
  }
  EXPECT_EQ(test::listFolder(dir.path()), "");
}

TEST(AnimatedGif, Write_DiskFull_KeepsTheOldFile) {
  TempFolder dir;
  test::writeFile(dir / "walk.gif", "old");
  Status status = Status::success();
  {
    test::FileSizeLimit full(1000);
    status = writeAnimatedGif(dir / "walk.gif", {test::noisePicture(30, 30, 1), test::noisePicture(30, 30, 2)}, 100,
                              kBackground);
  }
  ASSERT_FALSE(status);
  EXPECT_EQ(test::readFile(dir / "walk.gif"), "old");
  EXPECT_EQ(test::listFolder(dir.path()), "walk.gif");
}

TEST(GifFrames, Encode_OneFrame_IsAStillWithoutLoop) {
  const IndexedPicture picture = toIndexedWithBackground(walkingFrames()[0], kBackground);
  const GifFrame frame{&picture, 0};
  GifReadBack gif;
  ASSERT_TRUE(readGif(encodeGifFrames(std::span(&frame, 1)), gif));
  ASSERT_EQ(gif.images.size(), 1u);
  EXPECT_FALSE(gif.loopsForever);
  EXPECT_EQ(gif.images[0].disposal, DISPOSAL_UNSPECIFIED);
  EXPECT_EQ(gif.images[0].pixels, walkingFrames()[0].pixels());
}

TEST(GifFrames, Encode_SamePaletteTwice_SharesTheGlobalMapAndKeepsEachDelay) {
  constexpr std::uint32_t B = kBackground;
  // Colours met in the same order give the same palette.
  const Bitmap32 firstPicture = test::pictureOf(3, 2, {0x102030, B, B, 0x405060, B, B});
  const Bitmap32 secondPicture = test::pictureOf(3, 2, {0x102030, B, 0x405060, B, B, 0x102030});
  const IndexedPicture first = toIndexedWithBackground(firstPicture, kBackground);
  const IndexedPicture second = toIndexedWithBackground(secondPicture, kBackground);
  ASSERT_EQ(first.palette, second.palette);
  const GifFrame gifFrames[] = {{&first, 7}, {&second, 300}};
  GifReadBack gif;
  ASSERT_TRUE(readGif(encodeGifFrames(gifFrames), gif));
  ASSERT_EQ(gif.images.size(), 2u);
  EXPECT_TRUE(gif.loopsForever);
  EXPECT_FALSE(gif.images[1].localMap);
  EXPECT_EQ(gif.images[0].delay, 7);
  EXPECT_EQ(gif.images[1].delay, 300);
  EXPECT_EQ(gif.images[1].pixels, secondPicture.pixels());
}

TEST(GifFrames, Encode_BadFrames_GivesNothing) {
  const IndexedPicture small = toIndexedWithBackground(Bitmap32(2, 2, 5), kBackground);
  const IndexedPicture large = toIndexedWithBackground(Bitmap32(3, 2, 5), kBackground);
  const GifFrame sizesDiffer[] = {{&small, 1}, {&large, 1}};
  const GifFrame delayTooLong[] = {{&small, 1}, {&small, 65536}};
  const GifFrame negativeDelay[] = {{&small, -1}};
  const GifFrame noPicture[] = {{&small, 1}, {nullptr, 1}};
  EXPECT_EQ(encodeGifFrames({}), "");
  EXPECT_EQ(encodeGifFrames(sizesDiffer), "");
  EXPECT_EQ(encodeGifFrames(delayTooLong), "");
  EXPECT_EQ(encodeGifFrames(negativeDelay), "");
  EXPECT_EQ(encodeGifFrames(noPicture), "");
}

// The canvas after each frame as libwebp's animation decoder gives it, RGBA.
struct WebpReadBack {
  int width = 0;
  int height = 0;
  int loopCount = -1;
  std::vector<int> timestamps;  // when each frame ends
  std::vector<std::vector<std::uint8_t>> canvases;
};

bool readWebp(const std::string& bytes, WebpReadBack& out) {
  const WebPData data{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
  WebPAnimDecoderOptions options;
  if (!WebPAnimDecoderOptionsInit(&options)) return false;
  options.color_mode = MODE_RGBA;
  WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
  if (decoder == nullptr) return false;
  WebPAnimInfo info;
  bool ok = WebPAnimDecoderGetInfo(decoder, &info) != 0;
  if (ok) {
    out.width = static_cast<int>(info.canvas_width);
    out.height = static_cast<int>(info.canvas_height);
    out.loopCount = static_cast<int>(info.loop_count);
    const std::size_t size = std::size_t{info.canvas_width} * info.canvas_height * 4;
    while (ok && WebPAnimDecoderHasMoreFrames(decoder)) {
      std::uint8_t* canvas = nullptr;
      int timestamp = 0;
      ok = WebPAnimDecoderGetNext(decoder, &canvas, &timestamp) != 0;
      if (ok) {
        out.timestamps.push_back(timestamp);
        out.canvases.emplace_back(canvas, canvas + size);
      }
    }
    ok = ok && out.canvases.size() == info.frame_count;
  }
  WebPAnimDecoderDelete(decoder);
  return ok;
}

void expectCanvasShows(const std::vector<std::uint8_t>& canvas, const Bitmap32& frame) {
  ASSERT_EQ(canvas.size(), frame.pixels().size() * 4);
  for (std::size_t i = 0; i < frame.pixels().size(); ++i) {
    const std::uint32_t colour = frame.pixels()[i];
    const std::uint8_t* rgba = &canvas[i * 4];
    if (colour == kBackground) {
      EXPECT_EQ(rgba[3], 0) << i;
      continue;
    }
    EXPECT_EQ(rgba[3], 255) << i;
    EXPECT_EQ(std::uint32_t{rgba[0]} << 16 | std::uint32_t{rgba[1]} << 8 | rgba[2], colour) << i;
  }
}

TEST(AnimatedWebp, Write_ThreeFrames_ReadBackLoopingWithTimestampsAndTransparentBackground) {
  TempFolder dir;
  const std::vector<Bitmap32> frames = walkingFrames();
  ASSERT_TRUE(writeAnimatedWebp(dir / "walk.webp", frames, 120, kBackground));
  WebpReadBack webp;
  ASSERT_TRUE(readWebp(test::readFile(dir / "walk.webp"), webp));
  EXPECT_EQ(webp.width, 3);
  EXPECT_EQ(webp.height, 2);
  EXPECT_EQ(webp.loopCount, 0);
  EXPECT_EQ(webp.timestamps, (std::vector<int>{120, 240, 360}));
  ASSERT_EQ(webp.canvases.size(), frames.size());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(i);
    expectCanvasShows(webp.canvases[i], frames[i]);
  }
}

TEST(AnimatedWebp, Encode_ManyColoursAndRepeatedFrames_EachFrameShownExactlyForItsTime) {
  // Lossless must stay exact with noise. A delay of 0 becomes 1 ms, the shortest WebP keeps.
  Bitmap32 figure = test::noisePicture(16, 12, 3);
  figure.fillRect(Rect{0, 0, 16, 3}, kBackground);
  const Bitmap32 other = test::noisePicture(16, 12, 4);
  const Bitmap32 empty(16, 12, kBackground);
  WebpReadBack webp;
  ASSERT_TRUE(readWebp(encodeAnimatedWebp({figure, figure, other, empty}, 0, kBackground), webp));
  // libwebp joins a frame equal to the one before into one frame of both durations.
  EXPECT_EQ(webp.timestamps, (std::vector<int>{2, 3, 4}));
  const Bitmap32* shown[] = {&figure, &other, &empty};
  ASSERT_EQ(webp.canvases.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    expectCanvasShows(webp.canvases[i], *shown[i]);
  }
}

}  // namespace
}  // namespace miro
