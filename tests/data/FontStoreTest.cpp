#include <gtest/gtest.h>

#include "ClientGen.h"
#include "data/ClientColour.h"
#include "data/FontStore.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using clientgen::FontGlyph;

// Font f: glyph g is (g % 5) wide and (g % 7 + f) tall, its pixels numbered; glyph 10 of font 2
// has the colours 0 and 0x8000; font 9 has glyphs of height 0 only.
std::vector<clientgen::Font> sampleFonts() {
  std::vector<clientgen::Font> fonts(10);
  for (int f = 0; f < 9; ++f) {
    for (int g = 0; g < 224; ++g) {
      FontGlyph glyph{g % 5, g % 7 + f, {}};
      for (int p = 0; p < glyph.width * glyph.height; ++p) glyph.pixels.push_back(static_cast<std::uint16_t>(p + 1));
      fonts[static_cast<std::size_t>(f)].push_back(glyph);
    }
  }
  fonts[2][10] = FontGlyph{2, 1, {0x0000, 0x8000}};
  fonts[9] = {FontGlyph{4, 0, {}}, FontGlyph{0, 0, {}}};
  return fonts;
}

TEST(FontStore, Load_KeepsEveryGlyphConvertedWithTheGreatestHeight) {
  const std::string file = clientgen::encodeFonts(sampleFonts());
  FontStore fonts;
  ASSERT_EQ(fonts.load(asBytes(file)), FontStore::Load::Complete);
  const Glyph& g = fonts.glyph(3, 13);  // 3 wide, 6 + 3 tall
  EXPECT_EQ(g.width, 3);
  EXPECT_EQ(g.height, 9);
  ASSERT_EQ(g.pixels.size(), 27u);
  EXPECT_EQ(g.pixels[0], scaleColour15(1));
  EXPECT_EQ(g.pixels[26], scaleColour15(27));
  EXPECT_EQ(fonts.greatestHeight(0), 6);
  EXPECT_EQ(fonts.greatestHeight(8), 14);
  EXPECT_EQ(fonts.greatestHeight(9), 0);                            // all heights 0
  EXPECT_EQ(fonts.glyph(9, 0).width, 4);                            // advances, no pixels
  EXPECT_TRUE(fonts.glyph(9, 0).pixels.empty());
  EXPECT_EQ(fonts.glyph(2, 10).pixels, (std::vector<std::uint32_t>{0, 0}));  // 0x8000 is transparent
  EXPECT_EQ(fonts.glyphCount(0), 224 - 45 - 32 + 7);  // glyphs of width or height 0 have no pixels
  EXPECT_EQ(fonts.glyph(10, 0).width, 0);
  EXPECT_EQ(fonts.glyph(0, 224).width, 0);
}

TEST(FontStore, Load_LargeGlyphsAreKeptWholeAndSizesAreSignedBytes) {
  std::vector<clientgen::Font> fonts(1);
  fonts[0].push_back(FontGlyph{100, 60, std::vector<std::uint16_t>(6000, 0x7FFF)});
  fonts[0].push_back(FontGlyph{1, 200, std::vector<std::uint16_t>(200, 1)});
  FontStore store;
  ASSERT_EQ(store.load(asBytes(clientgen::encodeFonts(fonts))), FontStore::Load::Complete);
  EXPECT_EQ(store.glyph(0, 0).pixels.size(), 6000u);
  EXPECT_EQ(store.glyph(0, 1).height, -56);
  EXPECT_EQ(store.greatestHeight(0), 60);  // the comparison is signed
  EXPECT_EQ(store.glyph(0, 2).width, 0);
}

TEST(FontStore, Load_AShortFileKeepsTheWholeGlyphsItHolds) {
  const std::string file = clientgen::encodeFonts(sampleFonts());
  for (const std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{500}, file.size() / 2, file.size() - 1}) {
    SCOPED_TRACE(cut);
    FontStore fonts;
    EXPECT_EQ(fonts.load(asBytes(std::string_view(file).substr(0, cut))), FontStore::Load::Short);
    if (cut == file.size() - 1) {
      EXPECT_EQ(fonts.glyph(8, 223).width, 223 % 5);
      EXPECT_EQ(fonts.glyph(9, 1).width, 0);  // the last glyph of font 9 was cut
    }
  }
}

TEST(FontStore, LoadFromFolder_ReportsAMissingOrShortFile) {
  test::TempFolder dir;
  DataFileCache files;
  test::RecordingReporter reporter;
  FontStore fonts;
  fonts.load(DataFolder(dir.path().string()), files, reporter);
  test::writeFile(dir / "fonts.mul", clientgen::encodeFonts(sampleFonts()).substr(0, 100));
  fonts.load(DataFolder(dir.path().string()), files, reporter);
  ASSERT_EQ(reporter.messages.size(), 2u);
  EXPECT_EQ(reporter.messages[0].text, "Failed to open FONT.MUL.");
  EXPECT_EQ(reporter.messages[0].caption, "Error");
  EXPECT_EQ(reporter.messages[1].text, "FONTS.MUL is shorter than ten fonts; the missing glyphs are empty.");
}

}  // namespace
}  // namespace miro
