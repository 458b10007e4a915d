#include <gtest/gtest.h>

#include "ClientGen.h"
#include "data/HueTable.h"
#include "support/ClientData.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using clientgen::colour15;
using clientgen::HueEntry;

// Entry e: colour i has red e % 32, green i, blue 31 - i.
std::vector<HueEntry> numberedEntries(int count) {
  std::vector<HueEntry> entries(static_cast<std::size_t>(count));
  for (int e = 0; e < count; ++e) {
    for (int i = 0; i < 32; ++i) entries[static_cast<std::size_t>(e)].colours[static_cast<std::size_t>(i)] = colour15(e % 32, i, 31 - i);
  }
  return entries;
}

std::uint32_t widened(int r, int g, int b) {
  const auto w = [](int v) { return static_cast<std::uint32_t>((v << 3) | (v >> 2)); };
  return (w(r) << 16) | (w(g) << 8) | w(b);
}

TEST(HueTable, Load_RecordHIsEntryHMinusOneOfTheFile) {
  const std::string file = clientgen::encodeHues(numberedEntries(20));
  HueTable hues;
  ASSERT_TRUE(hues.load(asBytes(file)));
  EXPECT_EQ(hues.loadedRecords(), 24);  // three whole blocks
  EXPECT_EQ(hues.colour(0, 5), 0u);
  EXPECT_EQ(hues.colour(1, 0), widened(0, 0, 31));   // first entry of the first block
  EXPECT_EQ(hues.colour(9, 31), widened(8, 31, 0));  // first entry of the second block
  EXPECT_EQ(hues.colour(20, 7), widened(19, 7, 24));
  EXPECT_EQ(hues.colour(21, 7), 0u);  // an empty entry of the last block
  EXPECT_EQ(hues.colour(3199, 0), 0u);
  EXPECT_EQ(hues.colour(3200, 0), 0u);
  EXPECT_EQ(hues.colour(-1, 0), 0u);
  EXPECT_EQ(hues.colour(1, 32), 0u);
}

TEST(HueTable, Load_TrailingPartialBlockKeepsItsCompleteEntries) {
  const std::string file = clientgen::encodeHues(numberedEntries(16));
  HueTable hues;
  ASSERT_TRUE(hues.load(asBytes(file.substr(0, 708 + 4 + 88 * 3 + 50))));
  EXPECT_EQ(hues.loadedRecords(), 11);
  EXPECT_EQ(hues.colour(11, 3), widened(10, 3, 28));
  EXPECT_EQ(hues.colour(12, 3), 0u);  // cut inside its colours
}

TEST(HueTable, Load_399BlocksOrMoreAreRefused) {
  HueTable hues;
  EXPECT_TRUE(hues.load(asBytes(clientgen::encodeHues(numberedEntries(398 * 8)) + std::string(700, '\1'))));
  EXPECT_EQ(hues.loadedRecords(), 398 * 8 + 7);  // the partial block holds 7 whole entries
  EXPECT_FALSE(hues.load(asBytes(clientgen::encodeHues(numberedEntries(399 * 8)))));
  EXPECT_EQ(hues.loadedRecords(), 0);
  EXPECT_EQ(hues.colour(1, 0), 0u);
}

TEST(HueTable, LoadFromFolder_ReportsAMissingOrOversizedFile) {
  test::TempFolder dir;
  DataFileCache files;
  test::RecordingReporter reporter;
  HueTable hues;
  hues.load(DataFolder(dir.path().string()), files, reporter);
  ASSERT_EQ(reporter.messages.size(), 1u);
  EXPECT_EQ(reporter.messages[0].text, "Failed to load HUES.MUL.");
  EXPECT_EQ(reporter.messages[0].caption, "Error");

  test::writeFile(dir / "hues.mul", clientgen::encodeHues(numberedEntries(400 * 8)));
  hues.load(DataFolder(dir.path().string()), files, reporter);
  ASSERT_EQ(reporter.messages.size(), 2u);
  EXPECT_EQ(reporter.messages[1].text, "Memory buffer overflow.");

  test::writeFile(dir / "hues.mul", clientgen::encodeHues(numberedEntries(8)));
  hues.load(DataFolder(dir.path().string()), files, reporter);
  EXPECT_EQ(reporter.messages.size(), 2u);
  EXPECT_EQ(hues.loadedRecords(), 8);
}

TEST(HueTable, Load_TheRealHueFileHas3000Records) {
  SKIP_WITHOUT_REAL_CLIENT_DATA();
  const auto file = test::realClientFile("HUES.MUL");
  ASSERT_TRUE(file);
  HueTable hues;
  ASSERT_TRUE(hues.load(asBytes(*file)));
  EXPECT_EQ(hues.loadedRecords(), 3000);
  int nonBlack = 0;
  for (HueId h = 1; h <= 3000; ++h) nonBlack += hues.colour(h, 31) != 0;
  EXPECT_GT(nonBlack, 2500);
  EXPECT_EQ(hues.colour(3001, 31), 0u);
}

TEST(HueTable, DrawnHue_OutsideTheTableIsNoHue) {
  EXPECT_EQ(drawnHue(0), 0);
  EXPECT_EQ(drawnHue(1), 1);
  EXPECT_EQ(drawnHue(3199), 3199);
  EXPECT_EQ(drawnHue(3200), 0);
  EXPECT_EQ(drawnHue(-5), 0);
  EXPECT_EQ(drawnHue(0x4001), 0x4001);
  EXPECT_EQ(drawnHue(0x8000), 0);
}

TEST(HueApplication, GreyAndSteps) {
  EXPECT_TRUE(isGrey(0x808080));
  EXPECT_FALSE(isGrey(0x808081));
  EXPECT_FALSE(isGrey(kKeyColour));
  EXPECT_EQ(brightnessStep(0x808080), 16);
  EXPECT_EQ(brightnessStep(0xFFFFFF), 31);
  EXPECT_EQ(brightnessStep(0x070707), 0);
}

TEST(HueApplication, ToGrey_AveragesColouredPixelsInsideTheClippedRectangle) {
  Bitmap32 picture(3, 2, 0x102030);
  picture.setPixel(1, 0, kKeyColour);
  picture.setPixel(2, 0, 0x405060);
  toGrey(picture, {1, -5, 10, 1});
  EXPECT_EQ(picture.pixel(0, 0), 0x102030u);  // left of the rectangle
  EXPECT_EQ(picture.pixel(1, 0), kKeyColour);
  EXPECT_EQ(picture.pixel(2, 0), 0x505050u);  // (0x40 + 0x50 + 0x60) / 3
  EXPECT_EQ(picture.pixel(2, 1), 0x102030u);  // below it

  picture.setPixel(0, 1, 0x102030);
  toGrey(picture, picture.bounds());
  EXPECT_EQ(picture.pixel(0, 1), 0x202020u);  // (16 + 32 + 48) / 3 = 32
}

TEST(HueApplication, SpeechLine_HuesGreyPixelsAndGreysColouredFontsFirst) {
  HueTable hues;
  ASSERT_TRUE(hues.load(asBytes(clientgen::encodeHues(numberedEntries(10)))));
  const auto line = [] {
    Bitmap32 b(4, 1, kKeyColour);
    b.setPixel(0, 0, 0x808080);
    b.setPixel(1, 0, 0x102030);  // a coloured glyph pixel
    b.setPixel(2, 0, 0xFFFFFF);
    return b;
  };
  Bitmap32 plain = line();
  hueSpeechLine(hues, 3, plain, 1);
  EXPECT_EQ(plain.pixel(0, 0), hues.colour(3, 16));
  EXPECT_EQ(plain.pixel(1, 0), 0x102030u);  // coloured pixels keep their value
  EXPECT_EQ(plain.pixel(2, 0), hues.colour(3, 31));
  EXPECT_EQ(plain.pixel(3, 0), kKeyColour);

  Bitmap32 coloured = line();
  hueSpeechLine(hues, 3, coloured, 4);
  EXPECT_EQ(coloured.pixel(1, 0), hues.colour(3, 4));  // grey 0x202020, step 4

  Bitmap32 none = line();
  hueSpeechLine(hues, 0, none, 4);
  EXPECT_EQ(none, line());
}

}  // namespace
}  // namespace miro
