#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "PictureFixtures.h"
#include "files/GifFile.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using test::TempFolder;

constexpr std::uint32_t kBackground = 0x00FF00;

// What giflib reads from a written file.
struct ReadBack {
  int width = 0;
  int height = 0;
  int imageCount = 0;
  int globalMapSize = 0;
  bool localMap = false;
  std::vector<std::uint32_t> palette;  // the global colour map
  int transparentIndex = -2;           // -2: no graphics control extension
  std::vector<std::uint8_t> indices;
};

bool readBack(const std::string& bytes, ReadBack& out) {
  test::GifInput input{&bytes, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&input, test::readGifInput, &error);
  if (gif == nullptr) return false;
  const bool ok = DGifSlurp(gif) == GIF_OK && gif->SColorMap != nullptr && gif->ImageCount >= 1;
  if (ok) {
    out.width = gif->SWidth;
    out.height = gif->SHeight;
    out.imageCount = gif->ImageCount;
    out.globalMapSize = gif->SColorMap->ColorCount;
    for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
      const GifColorType& c = gif->SColorMap->Colors[i];
      out.palette.push_back(std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue);
    }
    const SavedImage& image = gif->SavedImages[0];
    out.localMap = image.ImageDesc.ColorMap != nullptr;
    out.indices.assign(image.RasterBits,
                       image.RasterBits + static_cast<std::size_t>(image.ImageDesc.Width) * image.ImageDesc.Height);
    GraphicsControlBlock control{};
    if (DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK) out.transparentIndex = control.TransparentColor;
  }
  DGifCloseFile(gif, &error);
  return ok;
}

TEST(GifFile, Encode_SmallPictures_ReadBackEqualWithTheBackgroundTransparent) {
  struct Case {
    const char* name;
    Bitmap32 picture;
    int mapSize;
  };
  const Case cases[] = {
      {"background among others", test::pictureOf(3, 2, {0x102030, kBackground, 0x102030, 0xFFFFFF, 0, kBackground}), 4},
      {"no background", test::pictureOf(2, 2, {0x112233, 0x445566, 0x445566, 0x778899}), 4},
      {"only background", Bitmap32(4, 3, kBackground), 2},
      {"one pixel", Bitmap32(1, 1, 0xABCDEF), 2},
      {"five colours", test::pictureOf(5, 1, {1, 2, 3, 4, kBackground}), 8},
      {"255 colours and the background", test::noisePicture(15, 17), 256},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = encodeGif(c.picture, kBackground);
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
    ReadBack file;
    ASSERT_TRUE(readBack(bytes, file));
    EXPECT_EQ(file.width, c.picture.width());
    EXPECT_EQ(file.height, c.picture.height());
    EXPECT_EQ(file.imageCount, 1);
    EXPECT_FALSE(file.localMap);
    EXPECT_EQ(file.globalMapSize, c.mapSize);
    ASSERT_GE(file.transparentIndex, 0);
    ASSERT_LT(file.transparentIndex, file.globalMapSize);
    EXPECT_EQ(file.palette[static_cast<std::size_t>(file.transparentIndex)], kBackground);
    ASSERT_EQ(file.indices.size(), c.picture.pixels().size());
    for (std::size_t i = 0; i < file.indices.size(); ++i) {
      EXPECT_EQ(file.palette[file.indices[i]], c.picture.pixels()[i]) << i;
      EXPECT_EQ(file.indices[i] == file.transparentIndex, c.picture.pixels()[i] == kBackground) << i;
    }
  }
}

TEST(GifFile, Encode_ThousandColours_ReducedWithTheBackgroundExactlyTransparent) {
  Bitmap32 picture(44, 29, kBackground);
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 40; ++x)
      picture.setPixel(x + 2, y + 2, static_cast<std::uint32_t>(x * 6) << 16 | static_cast<std::uint32_t>(y * 10) << 8);
  ReadBack file;
  ASSERT_TRUE(readBack(encodeGif(picture, kBackground), file));
  EXPECT_EQ(file.globalMapSize, 256);
  ASSERT_GE(file.transparentIndex, 0);
  EXPECT_EQ(file.palette[static_cast<std::size_t>(file.transparentIndex)], kBackground);
  ASSERT_EQ(file.indices.size(), picture.pixels().size());
  for (std::size_t i = 0; i < file.indices.size(); ++i)
    ASSERT_EQ(file.indices[i] == file.transparentIndex, picture.pixels()[i] == kBackground) << i;
}

TEST(GifFile, Encode_EmptyPicture_GivesNothing) { EXPECT_EQ(encodeGif(Bitmap32(3, 0), kBackground), ""); }

TEST(GifFile, Write_ThenReadFile_GivesTheSameBytes) {
  TempFolder dir;
  const Bitmap32 picture = test::noisePicture(6, 4);
  ASSERT_TRUE(writeGif(dir / "paperdoll.gif", picture, kBackground));
  EXPECT_EQ(test::readFile(dir / "paperdoll.gif"), encodeGif(picture, kBackground));
}

TEST(GifFile, Write_DiskFull_KeepsTheOldFile) {
  TempFolder dir;
  test::writeFile(dir / "paperdoll.gif", "old");
  Status status = Status::success();
  {
    test::FileSizeLimit full(1000);
    status = writeGif(dir / "paperdoll.gif", test::noisePicture(40, 40), kBackground);
  }
  ASSERT_FALSE(status);
  EXPECT_NE(status.message().find("paperdoll.gif"), std::string::npos) << status.message();
  EXPECT_EQ(test::readFile(dir / "paperdoll.gif"), "old");
  EXPECT_EQ(test::listFolder(dir.path()), "paperdoll.gif");
}

TEST(GifFile, Write_EmptyPictureOrMissingFolder_FailsNamingTheFile) {
  TempFolder dir;
  const std::pair<std::filesystem::path, Bitmap32> cases[] = {
      {dir / "paperdoll.gif", Bitmap32()},
      {dir / "missing" / "paperdoll.gif", Bitmap32(2, 2, 0x123456)},
  };
  for (const auto& [file, picture] : cases) {
    SCOPED_TRACE(file.string());
    const Status status = writeGif(file, picture, kBackground);
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find("paperdoll.gif"), std::string::npos) << status.message();
  }
  EXPECT_EQ(test::listFolder(dir.path()), "");
}

}  // namespace
}  // namespace miro
