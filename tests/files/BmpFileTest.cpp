#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "PictureFixtures.h"
#include "common/Bytes.h"
#include "files/BmpFile.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using test::hexBytes;
using test::TempFolder;

// The parts of a BMP file; bmpFile() lays them out with headers that agree unless told otherwise.
struct BmpFixture {
  std::uint32_t headerSize = 40;
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t planes = 1;
  std::uint16_t bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::string masks{};  // after the first 40 bytes of the header, inside it or beyond it
  std::string palette{};
  std::string gap{};  // unused bytes before the pixels
  std::string pixels = hexBytes("56 34 12 00");
  std::optional<std::uint32_t> pixelOffset{};  // by default where the pixels are
};

std::string infoHeader(const BmpFixture& f) {
  std::string header;
  appendU32(header, f.headerSize);
  if (f.headerSize == 12) {
    appendU16(header, static_cast<std::uint16_t>(f.width));
    appendU16(header, static_cast<std::uint16_t>(f.height));
    appendU16(header, f.planes);
    appendU16(header, f.bits);
    return header;
  }
  appendU32(header, static_cast<std::uint32_t>(f.width));
  appendU32(header, static_cast<std::uint32_t>(f.height));
  appendU16(header, f.planes);
  appendU16(header, f.bits);
  appendU32(header, f.compression);
  appendU32(header, static_cast<std::uint32_t>(f.pixels.size()));
  appendU32(header, 2835);
  appendU32(header, 2835);
  appendU32(header, f.coloursUsed);
  appendU32(header, 0);
  header += f.masks;
  if (f.headerSize <= 1024 && header.size() < f.headerSize) header.resize(f.headerSize, '\0');
  return header;
}

std::string bmpFile(const BmpFixture& f) {
  const std::string header = infoHeader(f);
  const auto offset = static_cast<std::uint32_t>(14 + header.size() + f.palette.size() + f.gap.size());
  const std::string body = header + f.palette + f.gap + f.pixels;
  std::string out = "BM";
  appendU32(out, static_cast<std::uint32_t>(14 + body.size()));
  appendU32(out, 0);
  appendU32(out, f.pixelOffset.value_or(offset));
  return out + body;
}

const std::string kStandardMasks = hexBytes("0000ff00 00ff0000 ff000000");

struct GoodBmp {
  const char* name;
  BmpFixture file;
  int width;
  int height;
  std::vector<std::uint32_t> pixels;  // the top row first
};

std::vector<GoodBmp> goodBmps() {
  const std::string threeColours = hexBytes("56341200 ffffff00 00008000");  // 0x123456, white, 0x800000
  return {
      {"8-bit palette, bottom-up",
       {.width = 3, .height = 2, .bits = 8, .coloursUsed = 3, .palette = threeColours,
        .pixels = hexBytes("000102 00  020200 00")},
       3, 2, {0x800000, 0x800000, 0x123456, 0x123456, 0xFFFFFF, 0x800000}},
      {"4-bit palette shorter than promised",
       {.width = 3, .bits = 4, .palette = threeColours, .pixels = hexBytes("21 00 0000")},
       3, 1, {0x800000, 0xFFFFFF, 0x123456}},
      {"1-bit palette across a byte boundary",
       {.width = 10, .bits = 1, .palette = hexBytes("00000000 ffffff00"), .pixels = hexBytes("a0 c0 0000")},
       10, 1, {0xFFFFFF, 0, 0xFFFFFF, 0, 0, 0, 0, 0, 0xFFFFFF, 0xFFFFFF}},
      {"8-bit palette with a gap before the pixels",
       {.bits = 8, .coloursUsed = 1, .palette = hexBytes("56341200"), .gap = std::string(8, '\x77'),
        .pixels = hexBytes("00 000000")},
       1, 1, {0x123456}},
      {"32-bit, fourth byte ignored",
       {.width = 2, .bits = 32, .pixels = hexBytes("563412ff ccbbaa00")},
       2, 1, {0x123456, 0xAABBCC}},
      {"32-bit with colour masks after the header",
       {.width = 2, .bits = 32, .compression = 3, .masks = kStandardMasks, .pixels = hexBytes("563412ff ccbbaa00")},
       2, 1, {0x123456, 0xAABBCC}},
      {"32-bit with alpha mask after the header",
       {.bits = 32, .compression = 6, .masks = kStandardMasks + hexBytes("000000ff"), .pixels = hexBytes("56341280")},
       1, 1, {0x123456}},
      {"24-bit top-down",
       {.height = -2, .pixels = hexBytes("563412 00  ccbbaa 00")},
       1, 2, {0x123456, 0xAABBCC}},
      {"24-bit bottom-up without padding after the last row",
       {.height = 2, .pixels = hexBytes("563412 00  ccbbaa")},
       1, 2, {0xAABBCC, 0x123456}},
      {"V4 header, 24-bit",
       {.headerSize = 108, .pixels = hexBytes("563412 00")},
       1, 1, {0x123456}},
      {"V5 header, 32-bit with masks inside it",
       {.headerSize = 124, .width = 2, .height = 2, .bits = 32, .compression = 3,
        .masks = kStandardMasks + hexBytes("000000ff"), .pixels = hexBytes("010203ff 040506ff  070809ff 0a0b0cff")},
       2, 2, {0x090807, 0x0C0B0A, 0x030201, 0x060504}},
      {"OS/2 core header with three-byte palette entries",
       {.headerSize = 12, .width = 2, .bits = 8, .palette = hexBytes("563412 ccbbaa"), .pixels = hexBytes("0100 0000")},
       2, 1, {0xAABBCC, 0x123456}},
  };
}

TEST(BmpFile, Decode_HandBuiltFiles_GiveTheirPixels) {
  for (const GoodBmp& good : goodBmps()) {
    SCOPED_TRACE(good.name);
    const std::string bytes = bmpFile(good.file);
    Bitmap32 picture;
    const Status status = decodeBmp(asBytes(bytes), picture, "cape.bmp");
    ASSERT_TRUE(status) << status.message();
    ASSERT_EQ(picture.width(), good.width);
    ASSERT_EQ(picture.height(), good.height);
    EXPECT_EQ(picture.pixels(), good.pixels);
  }
}

struct BadBmp {
  const char* name;
  std::string bytes;
  const char* reason;  // a part of the message
};

std::string bmpWith(void (*change)(BmpFixture&)) {
  BmpFixture fixture;
  change(fixture);
  return bmpFile(fixture);
}

std::vector<BadBmp> badBmps() {
  const std::string good = bmpFile({});
  return {
      {"empty", "", "ends too early"},
      {"only the magic", "BM", "ends too early"},
      {"wrong magic", "MB" + good.substr(2), "does not start with BM"},
      {"header cut", good.substr(0, 30), "ends too early"},
      {"header size 20", bmpWith([](BmpFixture& f) { f.headerSize = 20; }), "unsupported header size 20"},
      {"header size beyond the file", bmpWith([](BmpFixture& f) { f.headerSize = 0xFFFFFFFF; }), "ends too early"},
      {"two planes", bmpWith([](BmpFixture& f) { f.planes = 2; }), "bad plane count 2"},
      {"16 bits", bmpWith([](BmpFixture& f) { f.bits = 16; }), "16 bits per pixel are not supported"},
      {"0 bits", bmpWith([](BmpFixture& f) { f.bits = 0; }), "0 bits per pixel are not supported"},
      {"RLE8", bmpWith([](BmpFixture& f) { f.bits = 8; f.compression = 1; }), "compressed (RLE)"},
      {"RLE4", bmpWith([](BmpFixture& f) { f.bits = 4; f.compression = 2; }), "compressed (RLE)"},
      {"JPEG inside", bmpWith([](BmpFixture& f) { f.compression = 4; }), "JPEG or PNG"},
      {"unknown compression", bmpWith([](BmpFixture& f) { f.compression = 99; }), "unknown compression 99"},
      {"masks with 24 bits", bmpWith([](BmpFixture& f) { f.compression = 3; f.masks = kStandardMasks; }),
       "only supported with 32 bits"},
      {"masks in another order",
       bmpWith([](BmpFixture& f) { f.bits = 32; f.compression = 3; f.masks = hexBytes("000000ff 0000ff00 00ff0000"); }),
       "colour masks other than"},
      {"masks cut off", bmpWith([](BmpFixture& f) { f.bits = 32; f.compression = 3; f.pixels = "ab"; }),
       "ends too early"},
      {"zero width", bmpWith([](BmpFixture& f) { f.width = 0; }), "bad picture size 0x1"},
      {"negative width", bmpWith([](BmpFixture& f) { f.width = -1; }), "bad picture size -1x1"},
      {"zero height", bmpWith([](BmpFixture& f) { f.height = 0; }), "bad picture size 1x0"},
      {"core header zero width", bmpWith([](BmpFixture& f) { f.headerSize = 12; f.width = 0; }), "bad picture size"},
      {"one pixel too wide", bmpWith([](BmpFixture& f) { f.width = 16385; }), "too large (16385x1)"},
      {"one pixel too tall, top-down", bmpWith([](BmpFixture& f) { f.height = -16385; }), "too large (1x16385)"},
      {"lowest height", bmpWith([](BmpFixture& f) { f.height = std::numeric_limits<std::int32_t>::min(); }),
       "too large"},
      {"too many pixels", bmpWith([](BmpFixture& f) { f.width = 8192; f.height = 8192; }), "too large"},
      {"palette larger than the depth allows", bmpWith([](BmpFixture& f) { f.bits = 8; f.coloursUsed = 257; }),
       "palette of 257 colours is too large for 8 bits"},
      {"no palette", bmpWith([](BmpFixture& f) { f.bits = 8; }), "no colour palette"},
      {"palette cut off",
       bmpWith([](BmpFixture& f) { f.bits = 8; f.palette = hexBytes("56341200"); f.pixels = ""; f.pixelOffset = 62; }),
       "ends too early"},
      {"index outside the palette",
       bmpWith([](BmpFixture& f) { f.bits = 8; f.palette = hexBytes("56341200 ccbbaa00"); f.pixels = hexBytes("05000000"); }),
       "colour index 5 is outside the palette of 2 colours"},
      {"pixels inside the header", bmpWith([](BmpFixture& f) { f.pixelOffset = 20; }), "overlap the headers"},
      {"pixels over the colour masks",
       bmpWith([](BmpFixture& f) { f.bits = 32; f.compression = 3; f.masks = kStandardMasks; f.pixelOffset = 54; }),
       "overlap the headers"},
      {"pixels beyond the file", bmpWith([](BmpFixture& f) { f.pixelOffset = 1000; }), "ends too early"},
      {"pixels cut short", bmpWith([](BmpFixture& f) { f.width = 2; f.height = 2; f.pixels = std::string(10, 'x'); }),
       "ends too early"},
  };
}

TEST(BmpFile, Decode_DamagedFiles_FailNamingTheFileAndLeaveThePicture) {
  for (const BadBmp& bad : badBmps()) {
    SCOPED_TRACE(bad.name);
    Bitmap32 picture(2, 2, 0xABCDEF);
    const Status status = decodeBmp(asBytes(bad.bytes), picture, "cape.bmp");
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find("cape.bmp"), std::string::npos) << status.message();
    EXPECT_NE(status.message().find(bad.reason), std::string::npos) << status.message();
    EXPECT_EQ(picture, Bitmap32(2, 2, 0xABCDEF));
  }
}

TEST(BmpFile, Decode_EveryCutOfAFile_Fails) {
  // Four pixels of 24 bits fill a row exactly, so every byte of the file is needed.
  const std::string bytes = encodeBmp24(test::noisePicture(4, 3));
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    Bitmap32 picture;
    const Status status = decodeBmp(asBytes(bytes).first(size), picture, "cut.bmp");
    ASSERT_FALSE(status) << size;
    EXPECT_NE(status.message().find("cut.bmp"), std::string::npos) << status.message();
  }
}

TEST(BmpFile, Decode_LargestAllowedSide_IsRead) {
  BmpFixture fixture{.width = 16384, .bits = 1, .palette = hexBytes("00000000 ffffff00")};
  fixture.pixels = std::string(16384 / 8, '\xFF');
  const std::string bytes = bmpFile(fixture);
  Bitmap32 picture;
  const Status status = decodeBmp(asBytes(bytes), picture, "wide.bmp");
  ASSERT_TRUE(status) << status.message();
  EXPECT_EQ(picture, Bitmap32(16384, 1, 0xFFFFFF));
}

TEST(BmpFile, Encode24_ThreeByTwo_GivesTheseBytes) {
  Bitmap32 picture(3, 2);
  picture.setPixel(0, 0, 0x010203);
  picture.setPixel(1, 0, 0x040506);
  picture.setPixel(2, 0, 0x070809);
  picture.setPixel(0, 1, 0x0A0B0C);
  picture.setPixel(1, 1, 0x0D0E0F);
  picture.setPixel(2, 1, 0x101112);
  const std::string expected = hexBytes(
      "424d 4e000000 00000000 36000000"                // file header: size 78, pixels at 54
      "28000000 03000000 02000000 0100 1800 00000000"  // 40-byte header, 3x2, 24 bits, uncompressed
      "18000000 130b0000 130b0000 00000000 00000000"   // 24 bytes of pixels, 2835 pixels a metre
      "0c0b0a 0f0e0d 121110 000000"                    // bottom row first, padded to 12 bytes
      "030201 060504 090807 000000");
  EXPECT_EQ(encodeBmp24(picture), expected);
}

TEST(BmpFile, Encode24_AnySize_DecodesToTheSamePixels) {
  const std::pair<int, int> sizes[] = {{1, 1}, {2, 3}, {3, 2}, {4, 1}, {5, 5}, {7, 2}, {33, 4}};
  for (const auto& [width, height] : sizes) {
    SCOPED_TRACE(testing::Message() << width << "x" << height);
    const Bitmap32 original = test::noisePicture(width, height, static_cast<std::uint32_t>(width * 100 + height));
    const std::string bytes = encodeBmp24(original);
    Bitmap32 decoded;
    const Status status = decodeBmp(asBytes(bytes), decoded, "round.bmp");
    ASSERT_TRUE(status) << status.message();
    EXPECT_EQ(decoded, original);
  }
}

TEST(BmpFile, Encode24_UnusedTopByte_IsNotStored) {
  Bitmap32 decoded;
  ASSERT_TRUE(decodeBmp(asBytes(encodeBmp24(Bitmap32(1, 1, 0xFF123456))), decoded, "top.bmp"));
  EXPECT_EQ(decoded.pixel(0, 0), 0x123456u);
}

TEST(BmpFile, Write24_ThenRead_GivesTheSamePixels) {
  TempFolder dir;
  const Bitmap32 original = test::noisePicture(5, 3);
  ASSERT_TRUE(writeBmp24(dir / "paperdoll.bmp", original));
  Bitmap32 read;
  const Status status = readBmp(dir / "paperdoll.bmp", read);
  ASSERT_TRUE(status) << status.message();
  EXPECT_EQ(read, original);
}

TEST(BmpFile, Write24_DiskFull_KeepsTheOldFile) {
  TempFolder dir;
  test::writeFile(dir / "paperdoll.bmp", "old");
  Status status = Status::success();
  {
    test::FileSizeLimit full(1000);
    status = writeBmp24(dir / "paperdoll.bmp", test::noisePicture(40, 40));
  }
  ASSERT_FALSE(status);
  EXPECT_NE(status.message().find("paperdoll.bmp"), std::string::npos) << status.message();
  EXPECT_EQ(test::readFile(dir / "paperdoll.bmp"), "old");
  EXPECT_EQ(test::listFolder(dir.path()), "paperdoll.bmp");
}

TEST(BmpFile, Write24_EmptyOrHugePicture_IsRefusedAndNothingWritten) {
  const Bitmap32 pictures[] = {Bitmap32(), Bitmap32(0, 5), Bitmap32(16385, 1)};
  for (const Bitmap32& picture : pictures) {
    SCOPED_TRACE(testing::Message() << picture.width() << "x" << picture.height());
    TempFolder dir;
    const Status status = writeBmp24(dir / "paperdoll.bmp", picture);
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find("paperdoll.bmp"), std::string::npos) << status.message();
    EXPECT_EQ(test::listFolder(dir.path()), "");
  }
}

TEST(BmpFile, Read_MissingFile_FailsNamingIt) {
  TempFolder dir;
  Bitmap32 picture;
  const Status status = readBmp(dir / "gone.bmp", picture);
  ASSERT_FALSE(status);
  EXPECT_NE(status.message().find("gone.bmp"), std::string::npos) << status.message();
}

}  // namespace
}  // namespace miro
