#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "PictureFixtures.h"
#include "common/Bytes.h"
#include "files/PngFile.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using test::hexBytes;
using test::TempFolder;

const std::string kSignature = hexBytes("89504e470d0a1a0a");

void appendU32BigEndian(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

std::string chunk(std::string_view type, std::string_view data) {
  std::string out;
  appendU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::string body = std::string(type) + std::string(data);
  out += body;
  appendU32BigEndian(out, static_cast<std::uint32_t>(
                              crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
  return out;
}

std::string ihdr(std::uint32_t width, std::uint32_t height, int depth, int colourType, int interlace = 0) {
  std::string data;
  appendU32BigEndian(data, width);
  appendU32BigEndian(data, height);
  data += static_cast<char>(depth);
  data += static_cast<char>(colourType);
  data += '\0';  // deflate
  data += '\0';  // adaptive filters
  data += static_cast<char>(interlace);
  return chunk("IHDR", data);
}

std::string deflated(std::string_view raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
            static_cast<uLong>(raw.size()), 9);
  out.resize(size);
  return out;
}

// Unfiltered scanlines: each row of raw pixel bytes behind a zero filter byte.
std::string idat(const std::vector<std::string>& rows) {
  std::string raw;
  for (const std::string& row : rows) raw += '\0' + row;
  return chunk("IDAT", deflated(raw));
}

// The seven Adam7 passes of an image of whole-byte pixels, as unfiltered scanlines.
std::string adam7Idat(const std::vector<std::string>& rows, std::size_t pixelBytes) {
  struct Pass {
    std::size_t x, y, dx, dy;
  };
  const Pass passes[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
  const std::size_t width = rows[0].size() / pixelBytes;
  std::string raw;
  for (const Pass& pass : passes) {
    if (pass.x >= width) continue;
    for (std::size_t y = pass.y; y < rows.size(); y += pass.dy) {
      raw += '\0';
      for (std::size_t x = pass.x; x < width; x += pass.dx) raw += rows[y].substr(x * pixelBytes, pixelBytes);
    }
  }
  return chunk("IDAT", deflated(raw));
}

std::string pngFile(const std::vector<std::string>& chunks) {
  std::string out = kSignature;
  for (const std::string& c : chunks) out += c;
  return out + chunk("IEND", "");
}

// Five by five RGB pixels, each colour telling its place.
std::vector<std::string> placeRows() {
  std::vector<std::string> rows;
  for (int y = 0; y < 5; ++y) {
    std::string row;
    for (int x = 0; x < 5; ++x) row += {static_cast<char>(x * 40), static_cast<char>(y * 40), static_cast<char>(x + y)};
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::uint32_t> placePixels() {
  std::vector<std::uint32_t> pixels;
  for (std::uint32_t y = 0; y < 5; ++y)
    for (std::uint32_t x = 0; x < 5; ++x) pixels.push_back((x * 40) << 16 | (y * 40) << 8 | (x + y));
  return pixels;
}

struct GoodPng {
  const char* name;
  std::string bytes;
  int width;
  int height;
  std::vector<std::uint32_t> pixels;
};

std::vector<GoodPng> goodPngs() {
  const std::string threeColours = chunk("PLTE", hexBytes("123456 abcdef ff0000"));
  return {
      {"RGB, 8 bits", pngFile({ihdr(2, 1, 8, 2), idat({hexBytes("123456 abcdef")})}), 2, 1, {0x123456, 0xABCDEF}},
      {"RGB, 16 bits", pngFile({ihdr(1, 1, 16, 2), idat({hexBytes("ffff 0000 8080")})}), 1, 1, {0xFF0080}},
      {"grey, 8 bits", pngFile({ihdr(2, 1, 8, 0), idat({hexBytes("00 80")})}), 2, 1, {0x000000, 0x808080}},
      {"grey, 1 bit", pngFile({ihdr(3, 1, 1, 0), idat({hexBytes("a0")})}), 3, 1, {0xFFFFFF, 0, 0xFFFFFF}},
      {"grey, 16 bits, gamma not applied", pngFile({ihdr(1, 1, 16, 0), chunk("gAMA", hexBytes("0000b18f")),
                                                     idat({hexBytes("8080")})}),
       1, 1, {0x808080}},
      {"grey with alpha", pngFile({ihdr(1, 1, 8, 4), idat({hexBytes("40 00")})}), 1, 1, {0x404040}},
      {"RGBA, clear pixel keeps its colour", pngFile({ihdr(2, 1, 8, 6), idat({hexBytes("11223300 445566ff")})}), 2, 1,
       {0x112233, 0x445566}},
      {"palette, 2 bits, with transparency",
       pngFile({ihdr(3, 1, 2, 3), threeColours, chunk("tRNS", hexBytes("00")), idat({hexBytes("84")})}), 3, 1,
       {0xFF0000, 0x123456, 0xABCDEF}},
      {"palette, 8 bits", pngFile({ihdr(2, 2, 8, 3), threeColours, idat({hexBytes("0001"), hexBytes("0200")})}), 2, 2,
       {0x123456, 0xABCDEF, 0xFF0000, 0x123456}},
      {"RGB, interlaced", pngFile({ihdr(5, 5, 8, 2, 1), adam7Idat(placeRows(), 3)}), 5, 5, placePixels()},
  };
}

TEST(PngFile, Decode_HandBuiltFiles_GiveTheirPixels) {
  for (const GoodPng& good : goodPngs()) {
    SCOPED_TRACE(good.name);
    Bitmap32 picture;
    const Status status = decodePng(asBytes(good.bytes), picture, "cape.png");
    ASSERT_TRUE(status) << status.message();
    ASSERT_EQ(picture.width(), good.width);
    ASSERT_EQ(picture.height(), good.height);
    EXPECT_EQ(picture.pixels(), good.pixels);
  }
}

struct BadPng {
  const char* name;
  std::string bytes;
  const char* reason;  // a part of the message, some of it libpng's
};

std::vector<BadPng> badPngs() {
  const std::string header = ihdr(2, 1, 8, 2);
  const std::string pixels = idat({hexBytes("123456 abcdef")});
  const std::string good = pngFile({header, pixels});
  std::string badCrc = good;
  badCrc[kSignature.size() + 8 + 13] ^= 1;
  return {
      {"empty", "", "ends too early"},
      {"signature only", kSignature, "ends too early"},
      {"wrong signature", "\x89PNX" + good.substr(4), "Not a PNG file"},
      {"header cut", good.substr(0, 20), "ends too early"},
      {"header CRC wrong", badCrc, "CRC"},
      {"zero width", pngFile({ihdr(0, 1, 8, 2), pixels}), "Invalid IHDR"},
      {"bit depth 3", pngFile({ihdr(2, 1, 3, 2), pixels}), "Invalid IHDR"},
      {"one pixel too wide", pngFile({ihdr(16385, 1, 8, 2), pixels}), "too large (16385x1)"},
      {"too many pixels", pngFile({ihdr(8192, 8192, 8, 2), pixels}), "too large (8192x8192)"},
      {"no pixels", pngFile({header}), "IEND: out of place"},
      {"pixels not deflated", pngFile({header, chunk("IDAT", "hello")}), "incorrect header check"},
      {"too few rows", pngFile({ihdr(2, 2, 8, 2), pixels}), "Not enough image data"},
      {"palette picture without palette", pngFile({ihdr(2, 1, 8, 3), idat({hexBytes("0000")})}), "Missing PLTE"},
      {"cut inside the pixels", good.substr(0, good.size() - 20), "ends too early"},
      // libpng would first allocate what these claim.
      {"text longer than the file", pngFile({header, chunk("tEXt", "Comment")}).replace(33, 4, "\x76\0\0\x1c"),
       "ends too early"},
      {"text chunk beyond the limit", pngFile({header, chunk("tEXt", std::string(9u << 20, 'x')), pixels}),
       "a chunk is too large"},
  };
}

TEST(PngFile, Decode_DamagedFiles_FailNamingTheFileAndLeaveThePicture) {
  for (const BadPng& bad : badPngs()) {
    SCOPED_TRACE(bad.name);
    Bitmap32 picture(2, 2, 0xABCDEF);
    const Status status = decodePng(asBytes(bad.bytes), picture, "cape.png");
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find("cape.png"), std::string::npos) << status.message();
    EXPECT_NE(status.message().find(bad.reason), std::string::npos) << status.message();
    EXPECT_EQ(picture, Bitmap32(2, 2, 0xABCDEF));
  }
}

TEST(PngFile, Decode_EveryCutOfAFile_Fails) {
  const std::string bytes = encodePng24(test::noisePicture(3, 2));
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    Bitmap32 picture;
    const Status status = decodePng(asBytes(bytes).first(size), picture, "cut.png");
    ASSERT_FALSE(status) << size;
    EXPECT_NE(status.message().find("cut.png"), std::string::npos) << status.message();
  }
}

TEST(PngFile, Encode24_AnySize_DecodesToTheSamePixels) {
  const std::pair<int, int> sizes[] = {{1, 1}, {2, 3}, {3, 2}, {5, 5}, {7, 2}, {33, 4}};
  for (const auto& [width, height] : sizes) {
    SCOPED_TRACE(testing::Message() << width << "x" << height);
    const Bitmap32 original = test::noisePicture(width, height, static_cast<std::uint32_t>(width * 100 + height));
    const std::string bytes = encodePng24(original);
    Bitmap32 decoded;
    const Status status = decodePng(asBytes(bytes), decoded, "round.png");
    ASSERT_TRUE(status) << status.message();
    EXPECT_EQ(decoded, original);
  }
}

TEST(PngFile, Encode24_ThreeByTwo_StartsWithAn8BitRgbHeader) {
  const std::string bytes = encodePng24(test::noisePicture(3, 2));
  const std::string expected = kSignature + hexBytes(
                                                "0000000d 49484452"  // 13 bytes of IHDR
                                                "00000003 00000002"  // 3x2
                                                "08 02 00 00 00");   // 8 bits, RGB, not interlaced
  EXPECT_EQ(bytes.substr(0, expected.size()), expected);
}

TEST(PngFile, Encode24_AnyCompressionLevel_DecodesAlike) {
  Bitmap32 original(40, 30, 0x336699);
  original.fillRect(Rect{5, 5, 20, 25}, 0xFFCC00);
  const int levels[] = {-3, 0, 1, 6, 9, 12};
  std::size_t storedSize = 0;
  for (const int level : levels) {
    SCOPED_TRACE(level);
    const std::string bytes = encodePng24(original, level);
    Bitmap32 decoded;
    const Status status = decodePng(asBytes(bytes), decoded, "level.png");
    ASSERT_TRUE(status) << status.message();
    EXPECT_EQ(decoded, original);
    if (level == 0) storedSize = bytes.size();
    if (level == 9) {
      EXPECT_LT(bytes.size() * 4, storedSize);
    }
  }
}

TEST(PngFile, Encode24_EmptyPicture_GivesNothing) { EXPECT_EQ(encodePng24(Bitmap32(0, 3)), ""); }

TEST(PngFile, Write24_ThenRead_GivesTheSamePixels) {
  TempFolder dir;
  const Bitmap32 original = test::noisePicture(5, 3);
  ASSERT_TRUE(writePng24(dir / "paperdoll.png", original));
  Bitmap32 read;
  const Status status = readPng(dir / "paperdoll.png", read);
  ASSERT_TRUE(status) << status.message();
  EXPECT_EQ(read, original);
}

TEST(PngFile, Write24_DiskFull_KeepsTheOldFile) {
  TempFolder dir;
  test::writeFile(dir / "paperdoll.png", "old");
  Status status = Status::success();
  {
    test::FileSizeLimit full(1000);
    status = writePng24(dir / "paperdoll.png", test::noisePicture(40, 40));
  }
  ASSERT_FALSE(status);
  EXPECT_NE(status.message().find("paperdoll.png"), std::string::npos) << status.message();
  EXPECT_EQ(test::readFile(dir / "paperdoll.png"), "old");
  EXPECT_EQ(test::listFolder(dir.path()), "paperdoll.png");
}

TEST(PngFile, Write24_EmptyOrHugePicture_IsRefusedAndNothingWritten) {
  const Bitmap32 pictures[] = {Bitmap32(), Bitmap32(5, 0), Bitmap32(1, 16385)};
  for (const Bitmap32& picture : pictures) {
    SCOPED_TRACE(testing::Message() << picture.width() << "x" << picture.height());
    TempFolder dir;
    const Status status = writePng24(dir / "paperdoll.png", picture);
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find("paperdoll.png"), std::string::npos) << status.message();
    EXPECT_EQ(test::listFolder(dir.path()), "");
  }
}

}  // namespace
}  // namespace miro
