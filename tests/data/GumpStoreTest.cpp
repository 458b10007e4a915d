#include <gtest/gtest.h>

#include <random>

#include "ClientGen.h"
#include "common/Limits.h"
#include "data/ClientColour.h"
#include "data/GumpStore.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using clientgen::GumpImage;

// Gump data from a row table and runs given by hand.
std::string gumpData(const std::vector<std::uint32_t>& table, const std::vector<std::pair<int, int>>& runs) {
  std::string out;
  for (const auto position : table) appendU32(out, position);
  for (const auto& [colour, count] : runs) {
    appendU16(out, static_cast<std::uint16_t>(colour));
    appendU16(out, static_cast<std::uint16_t>(count));
  }
  return out;
}

// The picture as text: '.' for the key colour, '#' for anything drawn.
std::vector<std::string> shape(const Bitmap32& b) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.height(); ++y) {
    std::string line;
    for (const std::uint32_t p : b.row(y)) line += p == kKeyColour ? '.' : '#';
    rows.push_back(line);
  }
  return rows;
}

Bitmap32 drawn(const std::string& data, int height, Point at = {0, 0}, Rect clip = {0, 0, 6, 4}) {
  Bitmap32 target(6, 4, kKeyColour);
  drawGumpPicture({asBytes(data), height, 0}, target, at.x, at.y, clip, plainColourStep);
  return target;
}

TEST(GumpPicture, Runs_AreLaidOutFromTheLeftEdgeWithColourZeroTransparent) {
  // Row 0: 1 transparent, 2 red; row 1: no runs; row 2: 3 black (0x8000 is opaque), then blue.
  const std::string data = gumpData({3, 5, 5}, {{0, 1}, {0x7C00, 2}, {0x8000, 3}, {0x001F, 1}});
  const Bitmap32 b = drawn(data, 3);
  EXPECT_EQ(shape(b), (std::vector<std::string>{".##...", "......", "####..", "......"}));
  EXPECT_EQ(b.pixel(1, 0), 0xFF0000u);
  EXPECT_EQ(b.pixel(0, 2), 0u);
  EXPECT_EQ(b.pixel(3, 2), 0x0000FFu);

  EXPECT_EQ(shape(drawn(gumpData({1}, {{0, 6}}), 1)), (std::vector<std::string>(4, "......")));
}

TEST(GumpPicture, LastRow_EndsWhereTheDataEnds) {
  // Height 1 and 12 bytes: one table entry and two runs.
  const std::string data = gumpData({1}, {{0x1111, 2}, {0x2222, 1}});
  ASSERT_EQ(data.size(), 12u);
  EXPECT_EQ(shape(drawn(data, 1))[0], "###...");
  // Bytes short of a whole run at the end are not a run.
  EXPECT_EQ(shape(drawn(data + "\x01\x02\x03", 1))[0], "###...");
}

TEST(GumpPicture, ColoursConvertAsC255Over31AndIgnoreBit15) {
  EXPECT_EQ(scaleColour15(0x0421), 0x080808u);                   // 1 -> 8
  EXPECT_EQ(scaleColour15(16 << 10 | 16 << 5 | 16), 0x838383u);  // 16 -> 131
  EXPECT_EQ(scaleColour15(0x7FFF), 0xFFFFFFu);
  EXPECT_EQ(scaleColour15(0x8000 | 0x03E0), scaleColour15(0x03E0));

  std::vector<std::pair<std::uint16_t, std::uint32_t>> seen;
  Bitmap32 target(4, 1, kKeyColour);
  const std::string data = gumpData({1}, {{0x8421, 2}});
  drawGumpPicture({asBytes(data), 1, 0}, target, 0, 0, target.bounds(), [&](std::uint16_t raw, std::uint32_t colour) {
    seen.emplace_back(raw, colour);
    return 0x123456u;
  });
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen[0], std::make_pair(std::uint16_t(0x8421), 0x080808u));
  EXPECT_EQ(target.pixel(0, 0), 0x123456u);
  EXPECT_EQ(target.pixel(1, 0), 0x123456u);
  EXPECT_EQ(target.pixel(2, 0), kKeyColour);
}

TEST(GumpPicture, Clipping_CutsAtTheRectangleAndTheTarget) {
  // 8 x 5 of one colour, each row one run.
  const std::string data = gumpData({5, 6, 7, 8, 9}, {{1, 8}, {1, 8}, {1, 8}, {1, 8}, {1, 8}});
  EXPECT_EQ(shape(drawn(data, 5, {1, 1}, {2, 0, 4, 3})), (std::vector<std::string>{"......", "..##..", "..##..", "......"}));
  EXPECT_EQ(shape(drawn(data, 5, {-3, -2}, {0, 0, 100, 100})),
            (std::vector<std::string>{"#####.", "#####.", "#####.", "......"}));
}

TEST(GumpPicture, DataThatPointsOutside_EndsTheRowOrTheGump) {
  // Row 0 points far outside the data; row 1 runs until the data ends; the table of five
  // rows is longer than the data, so row 3 ends the gump.
  const std::string data = gumpData({1000, 2}, {{1, 2}});
  EXPECT_EQ(shape(drawn(data, 5)), (std::vector<std::string>{"......", "##....", "......", "......"}));
  // A row whose end lies before its start has no runs.
  EXPECT_EQ(shape(drawn(gumpData({3, 2, 3}, {{1, 1}}), 2))[0], "......");
}

TEST(GumpPicture, EncodedGumps_DrawAsTheirImages) {
  std::mt19937 random(21);
  for (int round = 0; round < 10; ++round) {
    GumpImage image(1 + static_cast<int>(random() % 40), 1 + static_cast<int>(random() % 40));
    for (auto& c : image.colours) c = (random() % 3 == 0) ? 0 : static_cast<std::uint16_t>(random() % 4 + (random() & 0x8000));
    const std::string data = clientgen::encodeGumpData(image);
    Bitmap32 target(50, 50, kKeyColour);
    drawGumpPicture({asBytes(data), image.height, image.width}, target, 3, 4, target.bounds(), plainColourStep);
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const std::uint16_t c = image.at(x, y);
        ASSERT_EQ(target.pixel(3 + x, 4 + y), c == 0 ? kKeyColour : scaleColour15(c)) << round;
      }
    }
  }
}

// --- the gump files of a data folder ----------------------------------------------------------

GumpImage square(int size, std::uint16_t colour) {
  GumpImage image(size, size);
  for (auto& c : image.colours) c = colour;
  return image;
}

class GumpFiles : public testing::Test {
 protected:
  int drawnPixels(int gump) {
    Bitmap32 target(20, 20, kKeyColour);
    store.draw(gump, target, 0, 0, target.bounds(), plainColourStep);
    int count = 0;
    for (const std::uint32_t p : target.pixels()) count += p != kKeyColour;
    return count;
  }
  void writeMul() {
    clientgen::GumpFileWriter writer;
    writer.add(0, square(3, 0x7FFF));
    writer.add(5, square(4, 0x001F));
    test::writeFile(dir / "Gumpidx.mul", writer.index() + clientgen::encodeIndex({{-1, 10, 0}, {100, 0, 0}}));
    test::writeFile(dir / "gumpart.mul", writer.art());
  }
  void writeUop(const std::vector<clientgen::UopFile>& files) { test::writeFile(dir / "gumpartlegacymul.uop", clientgen::encodeUop(files, 2)); }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : reporter.messages) out.push_back(m.text);
    return out;
  }

  test::TempFolder dir;
  DataFolder folder{dir.path().string()};
  DataFileCache files;
  test::RecordingReporter reporter;
  GumpStore store{files, folder, reporter};
};

TEST_F(GumpFiles, MulFiles_DrawTheirGumpsAndAbsentOnesDrawNothingSilently) {
  writeMul();
  EXPECT_EQ(store.source(), GumpSource::Mul);
  EXPECT_EQ(store.count(), 2u);
  EXPECT_EQ(drawnPixels(0), 9);
  EXPECT_EQ(drawnPixels(5), 16);
  EXPECT_EQ(drawnPixels(3), 0);      // never added: lookup -1
  EXPECT_EQ(drawnPixels(6), 0);      // lookup -1
  EXPECT_EQ(drawnPixels(7), 0);      // length 0
  EXPECT_EQ(drawnPixels(5000), 0);   // beyond the index
  EXPECT_EQ(drawnPixels(-1), 0);
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(GumpFiles, MissingFiles_AreReportedOnEveryCall) {
  drawnPixels(0);
  drawnPixels(1);
  test::writeFile(dir / "GUMPIDX.MUL", clientgen::encodeIndex({{0, 8, 0}}));
  drawnPixels(0);
  EXPECT_EQ(texts(), (std::vector<std::string>{"Failed to load GUMPIDX.MUL.", "Failed to load GUMPIDX.MUL.",
                                               "Failed to load GUMPART.MUL."}));
  EXPECT_EQ(reporter.messages[0].caption, "Error");
  EXPECT_EQ(reporter.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(store.source(), GumpSource::None);
}

TEST_F(GumpFiles, UopContainer_ServesWhenAMulFileIsMissing) {
  test::writeFile(dir / "gumpidx.mul", "");  // GUMPART.MUL is missing
  writeUop({{uopGumpName(0), clientgen::uopGumpData(square(3, 0x7FFF)), 0},
            {uopGumpName(12), clientgen::uopGumpData(square(5, 0x03E1)), 1},
            {uopGumpName(50412), clientgen::uopGumpData(square(2, 0x7C00)), 1}});
  EXPECT_EQ(store.source(), GumpSource::Uop);
  EXPECT_EQ(store.count(), 3u);
  EXPECT_EQ(drawnPixels(0), 9);
  EXPECT_EQ(drawnPixels(12), 25);
  EXPECT_EQ(drawnPixels(50412), 4);
  EXPECT_EQ(drawnPixels(13), 0);
  EXPECT_TRUE(reporter.messages.empty());

  writeMul();  // both MUL files present: they win
  EXPECT_EQ(store.source(), GumpSource::Mul);
  EXPECT_EQ(drawnPixels(12), 0);
}

TEST_F(GumpFiles, UnsupportedCompression_IsReportedOncePerComposition) {
  writeUop({{uopGumpName(1), clientgen::uopGumpData(square(3, 1)), 3},
            {uopGumpName(2), clientgen::uopGumpData(square(3, 1)), 3},
            {uopGumpName(3), clientgen::uopGumpData(square(3, 1)), 0}});
  EXPECT_EQ(drawnPixels(1), 0);
  EXPECT_EQ(drawnPixels(2), 0);
  EXPECT_EQ(drawnPixels(3), 9);
  store.beginComposition();
  drawnPixels(1);
  EXPECT_EQ(texts(), std::vector<std::string>(2, "Gumps of this client use a compression that is not supported yet."));
}

// A container with gumps 0..3, each 2 x 2, in blocks of two; `damage` spoils it.
std::string containerWith(const std::function<void(std::string&)>& damage, int compression = 0) {
  std::vector<clientgen::UopFile> files;
  for (int n = 0; n < 4; ++n) files.push_back({uopGumpName(n), clientgen::uopGumpData(square(2, 0x7FFF)), compression});
  std::string bytes = clientgen::encodeUop(files, 2);
  damage(bytes);
  return bytes;
}

void put32(std::string& bytes, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
}

TEST_F(GumpFiles, CorruptContainers_EndCleanlyAndAreNamedOnce) {
  constexpr std::size_t kBlock1 = 28;
  constexpr std::size_t kBlock2 = 28 + 12 + 2 * 34;
  struct Case {
    const char* what;
    std::function<void(std::string&)> damage;
    int compression;
    std::vector<int> pixels;  // drawn of gumps 0..3
  };
  // Every case but the intact one names the container once.
  const std::vector<Case> cases = {
      {"intact", [](std::string&) {}, 0, {4, 4, 4, 4}},
      {"chain loops", [](std::string& b) { put32(b, kBlock2 + 4, kBlock1); }, 0, {4, 4, 4, 4}},
      {"chain leaves the file", [](std::string& b) { put32(b, kBlock1 + 4, 0xFFFFFF); }, 0, {4, 4, 0, 0}},
      {"count beyond the block", [](std::string& b) { put32(b, kBlock2, 3); }, 0, {4, 4, 0, 0}},
      {"negative count", [](std::string& b) { put32(b, kBlock1, 0xFFFFFFFF); }, 0, {0, 0, 0, 0}},
      {"data beyond the file", [](std::string& b) { put32(b, kBlock1 + 12 + 12, 0x7FFFFFF0); }, 0, {0, 4, 4, 4}},
      {"sizes disagree", [](std::string& b) { put32(b, kBlock1 + 12 + 34 + 16, 5); }, 0, {4, 0, 4, 4}},
      {"zlib sizes disagree", [](std::string& b) { put32(b, kBlock1 + 12 + 16, 500); }, 1, {0, 4, 4, 4}},
      {"zlib data spoilt", [](std::string& b) { b[b.size() - 3] ^= 0x5A; }, 1, {4, 4, 4, 0}},
      {"bad magic", [](std::string& b) { b[0] = 'X'; }, 0, {0, 0, 0, 0}},
      {"cut short", [](std::string& b) { b.resize(60); }, 0, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::writeFile(dir / "gumpartLegacyMUL.uop", containerWith(c.damage, c.compression));
    reporter.messages.clear();
    store.beginComposition();
    std::vector<int> pixels;
    for (int n = 0; n < 4; ++n) pixels.push_back(drawnPixels(n));
    EXPECT_EQ(pixels, c.pixels);
    if (std::string_view(c.what) == "intact") {
      EXPECT_TRUE(reporter.messages.empty());
    } else {
      ASSERT_EQ(reporter.messages.size(), 1u);
      EXPECT_NE(reporter.messages[0].text.find((dir / "gumpartLegacyMUL.uop").string()), std::string::npos)
          << reporter.messages[0].text;
    }
  }
}

TEST(UopTable, BlocksBeyondTheLimit_AreLeftOutAndTheTableCountsAsDamaged) {
  std::vector<clientgen::UopFile> files;
  for (std::size_t n = 0; n <= limits::kUopBlocks; ++n) files.push_back({uopGumpName(static_cast<int>(n)), "x", 0});
  const std::string bytes = clientgen::encodeUop(files, 1);  // a block for every file
  const auto container = UopContainer::open(asBytes(bytes));
  ASSERT_TRUE(container);
  EXPECT_EQ(container->size(), limits::kUopBlocks);
  EXPECT_FALSE(container->complete());
  const std::string whole = clientgen::encodeUop({files.begin(), files.end() - 1}, 1);
  EXPECT_TRUE(UopContainer::open(asBytes(whole))->complete());
}

}  // namespace
}  // namespace miro
