#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "PictureFixtures.h"
#include "common/Bytes.h"
#include "files/Palette.h"
#include "files/Png8File.h"
#include "files/PngFile.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using test::TempFolder;

constexpr std::uint32_t kBackground = 0x00FF00;

// What libpng reads from a written file, untransformed: palette pictures keep their indices.
struct ReadBack {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bitDepth = 0;
  int colourType = 0;
  std::vector<std::uint32_t> palette;
  std::vector<int> alpha;  // one per palette entry; those tRNS leaves out are opaque
  bool hasTrns = false;
  bool hasBkgd = false;
  int backgroundIndex = -1;
  std::vector<std::pair<std::string, std::string>> texts;
  std::vector<std::uint8_t> samples;  // row by row, as stored
};

struct Input {
  const std::string* bytes;
  std::size_t position;
};

void readInput(png_structp png, png_bytep out, std::size_t count) {
  auto* input = static_cast<Input*>(png_get_io_ptr(png));
  if (count > input->bytes->size() - input->position) png_error(png, "short");
  std::memcpy(out, input->bytes->data() + input->position, count);
  input->position += count;
}

bool readInfo(png_structp png, png_infop info) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  return true;
}

bool readRows(png_structp png, png_bytepp rows, png_infop end) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, end);
  return true;
}

void collectTexts(png_structp png, png_infop info, ReadBack& out) {
  png_textp texts = nullptr;
  const int count = png_get_text(png, info, &texts, nullptr);
  for (int i = 0; i < count; ++i) out.texts.emplace_back(texts[i].key, texts[i].text);
}

bool readBack(const std::string& bytes, ReadBack& out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_infop end = png_create_info_struct(png);
  Input input{&bytes, 0};
  png_set_read_fn(png, &input, readInput);
  bool ok = readInfo(png, info);
  if (ok) {
    out.width = png_get_image_width(png, info);
    out.height = png_get_image_height(png, info);
    out.bitDepth = png_get_bit_depth(png, info);
    out.colourType = png_get_color_type(png, info);
    png_colorp palette = nullptr;
    int paletteSize = 0;
    if (png_get_PLTE(png, info, &palette, &paletteSize) != 0)
      for (int i = 0; i < paletteSize; ++i)
        out.palette.push_back(std::uint32_t{palette[i].red} << 16 | std::uint32_t{palette[i].green} << 8 |
                              palette[i].blue);
    out.alpha.assign(out.palette.size(), 255);
    png_bytep alpha = nullptr;
    int alphaSize = 0;
    if (png_get_tRNS(png, info, &alpha, &alphaSize, nullptr) != 0) {
      out.hasTrns = true;
      for (int i = 0; i < alphaSize && i < paletteSize; ++i) out.alpha[static_cast<std::size_t>(i)] = alpha[i];
    }
    png_color_16p background = nullptr;
    if (png_get_bKGD(png, info, &background) != 0) {
      out.hasBkgd = true;
      out.backgroundIndex = background->index;
    }
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    out.samples.resize(rowBytes * out.height);
    std::vector<png_bytep> rows(out.height);
    for (std::uint32_t y = 0; y < out.height; ++y) rows[y] = out.samples.data() + y * rowBytes;
    ok = readRows(png, rows.data(), end);
    collectTexts(png, info, out);
    collectTexts(png, end, out);
  }
  png_destroy_read_struct(&png, &info, &end);
  return ok;
}

// The chunk types of a PNG file, in order.
std::vector<std::string> chunkTypes(const std::string& bytes) {
  std::vector<std::string> types;
  std::size_t at = 8;
  while (at + 12 <= bytes.size()) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    const std::size_t length = std::size_t{p[0]} << 24 | std::size_t{p[1]} << 16 | std::size_t{p[2]} << 8 | p[3];
    types.push_back(bytes.substr(at + 4, 4));
    at += 12 + length;
  }
  return types;
}

// The picture a palette file shows, each index looked up.
std::vector<std::uint32_t> shownPixels(const ReadBack& file) {
  std::vector<std::uint32_t> pixels;
  for (const std::uint8_t index : file.samples) pixels.push_back(index < file.palette.size() ? file.palette[index] : ~0u);
  return pixels;
}

std::vector<std::uint32_t> distinctColours(const Bitmap32& picture) {
  std::vector<std::uint32_t> colours(picture.pixels());
  std::sort(colours.begin(), colours.end());
  colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
  return colours;
}

Bitmap32 pictureOf(int width, int height, std::vector<std::uint32_t> pixels) {
  Bitmap32 picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, pixels[static_cast<std::size_t>(y * width + x)]);
  return picture;
}

// 1000 colours in a 40x25 gradient, with a frame around it.
Bitmap32 gradientPicture(std::uint32_t frame = kBackground) {
  Bitmap32 picture(44, 29, frame);
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 40; ++x)
      picture.setPixel(x + 2, y + 2,
                       static_cast<std::uint32_t>(x * 6) << 16 | static_cast<std::uint32_t>(y * 10) << 8 |
                           static_cast<std::uint32_t>((x + y) * 3));
  return picture;
}

int maxChannelError(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift <= 16; shift += 8)
    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  return worst;
}

struct SmallPicture {
  const char* name;
  Bitmap32 picture;
};

std::vector<SmallPicture> smallPictures() {
  return {
      {"background in the middle", pictureOf(3, 2, {0x102030, kBackground, 0x102030, 0xFFFFFF, 0x000000, kBackground})},
      {"no background", pictureOf(2, 2, {0x112233, 0x445566, 0x445566, 0x778899})},
      {"only background", Bitmap32(4, 3, kBackground)},
      {"one pixel", Bitmap32(1, 1, 0xABCDEF)},
      {"255 colours, no background", test::noisePicture(15, 17)},
      {"256 colours with background", [] {
         Bitmap32 picture = test::noisePicture(16, 16);
         picture.setPixel(5, 5, kBackground);
         return picture;
       }()},
      {"noise", test::noisePicture(7, 5, 3)},
  };
}

TEST(Palette, ToIndexed_FewColours_TakesThemInOrderOfFirstAppearance) {
  struct Case {
    const char* name;
    Bitmap32 picture;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
    int transparentIndex;
  };
  const Case cases[] = {
      {"background second", pictureOf(3, 2, {0x102030, kBackground, 0x102030, 0xFFFFFF, kBackground, 0}),
       {0x102030, kBackground, 0xFFFFFF, 0},
       {0, 1, 0, 2, 1, 3},
       1},
      {"no background", pictureOf(2, 1, {0x445566, 0x112233}), {0x445566, 0x112233}, {0, 1}, -1},
      {"only background", Bitmap32(2, 1, kBackground), {kBackground}, {0, 0}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const IndexedPicture indexed = toIndexed(c.picture, kBackground);
    EXPECT_EQ(indexed.width, c.picture.width());
    EXPECT_EQ(indexed.height, c.picture.height());
    EXPECT_EQ(indexed.palette, c.palette);
    EXPECT_EQ(indexed.indices, c.indices);
    EXPECT_EQ(indexed.transparentIndex, c.transparentIndex);
  }
}

TEST(Palette, ToIndexedWithBackground_BackgroundMissing_AppendsItsEntry) {
  const IndexedPicture indexed = toIndexedWithBackground(pictureOf(2, 1, {0x445566, 0x112233}), kBackground);
  EXPECT_EQ(indexed.palette, (std::vector<std::uint32_t>{0x445566, 0x112233, kBackground}));
  EXPECT_EQ(indexed.indices, (std::vector<std::uint8_t>{0, 1}));
  EXPECT_EQ(indexed.transparentIndex, 2);
}

// Checks what a reduced picture must keep: at most 256 entries, and the transparent one used
// by exactly the background's pixels.
void expectReducedKeepsBackground(const Bitmap32& picture, const IndexedPicture& indexed) {
  ASSERT_LE(indexed.palette.size(), 256u);
  ASSERT_GE(indexed.transparentIndex, 0);
  ASSERT_EQ(indexed.indices.size(), picture.pixels().size());
  EXPECT_EQ(indexed.palette[static_cast<std::size_t>(indexed.transparentIndex)], kBackground);
  EXPECT_EQ(std::count(indexed.palette.begin(), indexed.palette.end(), kBackground), 1);
  int worst = 0;
  for (std::size_t i = 0; i < indexed.indices.size(); ++i) {
    const std::uint8_t index = indexed.indices[i];
    ASSERT_LT(index, indexed.palette.size());
    ASSERT_EQ(index == indexed.transparentIndex, picture.pixels()[i] == kBackground) << i;
    worst = std::max(worst, maxChannelError(indexed.palette[index], picture.pixels()[i]));
  }
  EXPECT_LE(worst, 24);  // a smooth gradient in 255 colours stays close to itself
}

TEST(Palette, ToIndexed_ThousandColours_ReducesAndKeepsTheBackgroundExact) {
  const Bitmap32 picture = gradientPicture();
  ASSERT_EQ(distinctColours(picture).size(), 1001u);
  const IndexedPicture indexed = toIndexed(picture, kBackground);
  expectReducedKeepsBackground(picture, indexed);
  EXPECT_EQ(toIndexed(picture, kBackground).indices, indexed.indices);  // the same every time
}

TEST(Palette, ToIndexed_ManyColoursWithoutBackground_HasNoTransparentEntry) {
  const Bitmap32 picture = gradientPicture(0x000001);
  const IndexedPicture indexed = toIndexed(picture, kBackground);
  EXPECT_EQ(indexed.transparentIndex, -1);
  EXPECT_LE(indexed.palette.size(), 255u);
  EXPECT_EQ(std::count(indexed.palette.begin(), indexed.palette.end(), kBackground), 0);
}

TEST(Palette, ToIndexedWithBackground_256OtherColours_ReducesToMakeRoom) {
  Bitmap32 picture(16, 16);
  for (std::uint32_t i = 0; i < 256; ++i) picture.setPixel(static_cast<int>(i % 16), static_cast<int>(i / 16), i * 0x10101);
  ASSERT_EQ(toIndexed(picture, kBackground).palette.size(), 256u);  // exact: the background is not needed
  const IndexedPicture indexed = toIndexedWithBackground(picture, kBackground);
  expectReducedKeepsBackground(picture, indexed);
}

TEST(Png8File, Encode_SmallPictures_ReadBackWithTheirColoursAndOneTransparentEntry) {
  for (const SmallPicture& small : smallPictures()) {
    SCOPED_TRACE(small.name);
    const Bitmap32& picture = small.picture;
    ReadBack file;
    ASSERT_TRUE(readBack(encodePng8(picture, kBackground), file));
    EXPECT_EQ(file.width, static_cast<std::uint32_t>(picture.width()));
    EXPECT_EQ(file.height, static_cast<std::uint32_t>(picture.height()));
    EXPECT_EQ(file.bitDepth, 8);
    EXPECT_EQ(file.colourType, PNG_COLOR_TYPE_PALETTE);
    EXPECT_EQ(shownPixels(file), picture.pixels());

    // The palette is the picture's colours, and the background's entry if no pixel has it.
    std::vector<std::uint32_t> expected = distinctColours(picture);
    if (!std::binary_search(expected.begin(), expected.end(), kBackground)) expected.push_back(kBackground);
    std::vector<std::uint32_t> palette = file.palette;
    std::sort(palette.begin(), palette.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(palette, expected);

    ASSERT_TRUE(file.hasTrns);
    ASSERT_EQ(std::count(file.alpha.begin(), file.alpha.end(), 0), 1);
    EXPECT_EQ(std::count(file.alpha.begin(), file.alpha.end(), 255), static_cast<long>(file.alpha.size()) - 1);
    const auto clear = static_cast<std::size_t>(std::find(file.alpha.begin(), file.alpha.end(), 0) - file.alpha.begin());
    EXPECT_EQ(file.palette[clear], kBackground);
    ASSERT_TRUE(file.hasBkgd);
    EXPECT_EQ(file.backgroundIndex, static_cast<int>(clear));
    EXPECT_EQ(file.texts, (std::vector<std::pair<std::string, std::string>>{{"Comment", "Generator:Mirolane 2"}}));
  }
}

TEST(Png8File, Encode_ThenDecodePng_GivesThePicture) {
  for (const SmallPicture& small : smallPictures()) {
    SCOPED_TRACE(small.name);
    Bitmap32 decoded;
    const Status status = decodePng(asBytes(encodePng8(small.picture, kBackground)), decoded, "cape.png");
    ASSERT_TRUE(status) << status.message();
    EXPECT_EQ(decoded, small.picture);
  }
}

TEST(Png8File, Encode_ThousandColours_AtMost256EntriesAndBackgroundStaysTransparent) {
  const Bitmap32 picture = gradientPicture();
  ReadBack file;
  ASSERT_TRUE(readBack(encodePng8(picture, kBackground), file));
  ASSERT_LE(file.palette.size(), 256u);
  ASSERT_EQ(file.samples.size(), picture.pixels().size());
  ASSERT_EQ(std::count(file.alpha.begin(), file.alpha.end(), 0), 1);
  for (std::size_t i = 0; i < file.samples.size(); ++i) {
    const std::uint8_t index = file.samples[i];
    ASSERT_LT(index, file.palette.size());
    ASSERT_EQ(file.alpha[index] == 0, picture.pixels()[i] == kBackground) << i;
  }
  EXPECT_EQ(file.palette[static_cast<std::size_t>(file.backgroundIndex)], kBackground);
  EXPECT_EQ(file.alpha[static_cast<std::size_t>(file.backgroundIndex)], 0);
}

TEST(Png8File, Encode_Level0AndLevel9_SamePixelsStoredBiggerThanCompressed) {
  Bitmap32 picture(60, 40, kBackground);
  picture.fillRect(Rect{10, 5, 30, 20}, 0x884422);
  picture.fillRect(Rect{20, 10, 5, 25}, 0x224488);
  const std::string stored = encodePng8(picture, kBackground, 0);
  const std::string compressed = encodePng8(picture, kBackground, 9);
  ReadBack storedFile;
  ReadBack compressedFile;
  ASSERT_TRUE(readBack(stored, storedFile));
  ASSERT_TRUE(readBack(compressed, compressedFile));
  EXPECT_EQ(shownPixels(storedFile), picture.pixels());
  EXPECT_EQ(shownPixels(compressedFile), picture.pixels());
  EXPECT_GT(stored.size(), picture.pixels().size());  // a byte a pixel, and then some
  EXPECT_LT(compressed.size() * 4, stored.size());
}

TEST(Png8File, Encode_EmptyPicture_GivesNothing) {
  EXPECT_EQ(encodePng8(Bitmap32(), kBackground), "");
  EXPECT_EQ(encodePng8(Bitmap32(0, 3), kBackground), "");
}

TEST(Png8File, Write_ThenRead_GivesTheSamePixels) {
  TempFolder dir;
  const Bitmap32 picture = smallPictures()[0].picture;
  ASSERT_TRUE(writePng8(dir / "paperdoll.png", picture, kBackground));
  Bitmap32 read;
  const Status status = readPng(dir / "paperdoll.png", read);
  ASSERT_TRUE(status) << status.message();
  EXPECT_EQ(read, picture);
}

TEST(Png8File, Write_DiskFull_KeepsTheOldFile) {
  TempFolder dir;
  test::writeFile(dir / "paperdoll.png", "old");
  Status status = Status::success();
  {
    test::FileSizeLimit full(1000);
    status = writePng8(dir / "paperdoll.png", test::noisePicture(40, 40), kBackground, 0);
  }
  ASSERT_FALSE(status);
  EXPECT_NE(status.message().find("paperdoll.png"), std::string::npos) << status.message();
  EXPECT_EQ(test::readFile(dir / "paperdoll.png"), "old");
  EXPECT_EQ(test::listFolder(dir.path()), "paperdoll.png");
}

TEST(Png8File, Write_EmptyPictureOrMissingFolder_FailsNamingTheFile) {
  TempFolder dir;
  const std::pair<std::filesystem::path, Bitmap32> cases[] = {
      {dir / "paperdoll.png", Bitmap32()},
      {dir / "missing" / "paperdoll.png", Bitmap32(2, 2, 0x123456)},
  };
  for (const auto& [file, picture] : cases) {
    SCOPED_TRACE(file.string());
    const Status status = writePng8(file, picture, kBackground);
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find("paperdoll.png"), std::string::npos) << status.message();
  }
  EXPECT_EQ(test::listFolder(dir.path()), "");
}

TEST(PngFile, Encode24_HasTheCommentAndNoTransparencyOrBackground) {
  const std::string bytes = encodePng24(Bitmap32(3, 2, kBackground));
  EXPECT_EQ(chunkTypes(bytes), (std::vector<std::string>{"IHDR", "tEXt", "IDAT", "IEND"}));
  ReadBack file;
  ASSERT_TRUE(readBack(bytes, file));
  EXPECT_EQ(file.colourType, PNG_COLOR_TYPE_RGB);
  EXPECT_FALSE(file.hasTrns);
  EXPECT_FALSE(file.hasBkgd);
  EXPECT_EQ(file.texts, (std::vector<std::pair<std::string, std::string>>{{"Comment", "Generator:Mirolane 2"}}));
}

TEST(Png8File, Encode_ChunkOrder_PaletteBeforeTransparencyAndPixels) {
  const std::string bytes = encodePng8(smallPictures()[0].picture, kBackground);
  EXPECT_EQ(chunkTypes(bytes), (std::vector<std::string>{"IHDR", "PLTE", "tRNS", "bKGD", "tEXt", "IDAT", "IEND"}));
}

}  // namespace
}  // namespace miro
