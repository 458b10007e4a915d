#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "ClientGen.h"
#include "DemoData.h"
#include "DemoFonts.h"
#include "common/Bytes.h"
#include "data/ClientColour.h"
#include "data/FontStore.h"
#include "data/HueTable.h"

namespace miro {
namespace {

using clientgen::colour15;

const std::uint32_t kGlyphGrey = scaleColour15(colour15(19, 19, 19));  // 0x9C9C9C
const std::uint32_t kOutline = scaleColour15(colour15(1, 1, 1));
constexpr int kSpeechFont = 3;

int glyphOf(int code) { return code - 32; }

bool installedFontFound() { return !demo::findFontFiles().regular.empty(); }

// The fonts as made from the installed DejaVu Sans, and as made without any font file.
enum class Faces { Installed, Missing };

const std::string& fontsFile(Faces faces) {
  static const std::string installed = demo::demoFonts().at(0).bytes;
  static const std::string missing = clientgen::encodeFonts(demo::makeFonts({"/nonexistent/DejaVuSans.ttf", {}}));
  return faces == Faces::Installed ? installed : missing;
}

const FontStore& fontsOf(Faces faces) {
  static const auto load = [](Faces f) {
    FontStore store;
    store.load(asBytes(fontsFile(f)));
    return store;
  };
  static const FontStore installed = load(Faces::Installed);
  static const FontStore missing = load(Faces::Missing);
  return faces == Faces::Installed ? installed : missing;
}

bool isGlyphPixel(std::uint32_t p) { return p != 0 && p != kOutline; }

std::uint32_t pixelAt(const Glyph& g, int x, int y) {
  if (x < 0 || y < 0 || x >= g.width || y >= g.height) return 0;
  return g.pixels[static_cast<std::size_t>(y * g.width + x)];
}

bool touchesGlyph(const Glyph& g, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if ((dx != 0 || dy != 0) && isGlyphPixel(pixelAt(g, x + dx, y + dy))) return true;
    }
  }
  return false;
}

// A glyph pixel with a transparent neighbour or at the box's edge, or an outline pixel away from the glyph.
bool outlineIsBroken(const Glyph& g) {
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      const std::uint32_t p = pixelAt(g, x, y);
      if (p == kOutline && !touchesGlyph(g, x, y)) return true;
      if (!isGlyphPixel(p)) continue;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          if (pixelAt(g, x + dx, y + dy) == 0) return true;
        }
      }
    }
  }
  return false;
}

class DemoFontsOf : public testing::TestWithParam<Faces> {
 protected:
  const FontStore& fonts() const { return fontsOf(GetParam()); }
};

TEST_P(DemoFontsOf, File_LoadsWholeAndStaysSmall) {
  FontStore store;
  EXPECT_EQ(store.load(asBytes(fontsFile(GetParam()))), FontStore::Load::Complete);
  EXPECT_LT(fontsFile(GetParam()).size(), 400'000u);
}

TEST_P(DemoFontsOf, EveryFont_Is8To16PixelsTallWithEveryPrintableAsciiGlyph) {
  for (int font = 0; font < FontStore::kFonts; ++font) {
    EXPECT_GE(fonts().greatestHeight(font), 8) << font;
    EXPECT_LE(fonts().greatestHeight(font), 16) << font;
    for (int code = '!'; code <= '~'; ++code) {
      const Glyph& g = fonts().glyph(font, glyphOf(code));
      EXPECT_TRUE(std::any_of(g.pixels.begin(), g.pixels.end(), isGlyphPixel)) << font << " " << code;
      EXPECT_LE(g.width, 30) << font << " " << code;
    }
  }
}

TEST_P(DemoFontsOf, SpeechFontA_IsGreyInADarkOutline) {
  const Glyph& a = fonts().glyph(kSpeechFont, glyphOf('A'));
  ASSERT_FALSE(a.pixels.empty());
  const std::set<std::uint32_t> colours(a.pixels.begin(), a.pixels.end());
  EXPECT_EQ(colours, (std::set<std::uint32_t>{0, kOutline, kGlyphGrey}));
}

TEST_P(DemoFontsOf, Space_IsWideAndBlankInEveryFont) {
  for (int font = 0; font < FontStore::kFonts; ++font) {
    const Glyph& space = fonts().glyph(font, glyphOf(' '));
    EXPECT_GT(space.width, 0) << font;
    EXPECT_TRUE(std::all_of(space.pixels.begin(), space.pixels.end(), [](std::uint32_t p) { return p == 0; })) << font;
  }
}

TEST_P(DemoFontsOf, Glyphs_AreColouredInFonts4And6AndGreyInTheOthers) {
  for (int font = 0; font < FontStore::kFonts; ++font) {
    std::set<std::uint32_t> colours;
    bool outlined = false;
    for (int g = 0; g < FontStore::kGlyphs; ++g) {
      for (const std::uint32_t p : fonts().glyph(font, g).pixels) {
        if (isGlyphPixel(p)) colours.insert(p);
        outlined = outlined || p == kOutline;
      }
    }
    EXPECT_TRUE(outlined) << font;
    if (font == 4 || font == 6) {
      EXPECT_FALSE(colours.empty()) << font;
      EXPECT_TRUE(std::none_of(colours.begin(), colours.end(), isGrey)) << font;
    } else {
      EXPECT_EQ(colours, std::set<std::uint32_t>{kGlyphGrey}) << font;
    }
  }
}

TEST_P(DemoFontsOf, EveryGlyph_HasAWholeOutlineInsideItsBox) {
  for (int font = 0; font < FontStore::kFonts; ++font) {
    for (int g = 0; g < FontStore::kGlyphs; ++g) EXPECT_FALSE(outlineIsBroken(fonts().glyph(font, g))) << font << " " << g + 32;
  }
}

TEST_P(DemoFontsOf, ControlCodes_AreEmptyAndLatin1LettersAreDrawn) {
  for (int font = 0; font < FontStore::kFonts; ++font) {
    for (int code = 0x7F; code < 0xA0; ++code) EXPECT_EQ(fonts().glyph(font, glyphOf(code)).width, 0) << font << " " << code;
    for (const int code : {0xC5, 0xE9, 0xFF}) EXPECT_FALSE(fonts().glyph(font, glyphOf(code)).pixels.empty()) << font << " " << code;
  }
}

INSTANTIATE_TEST_SUITE_P(DemoFonts, DemoFontsOf, testing::Values(Faces::Installed, Faces::Missing),
                         [](const testing::TestParamInfo<Faces>& info) { return info.param == Faces::Installed ? "Installed" : "Missing"; });

// Rows between the glyph's lowest glyph pixel and the bottom of its box.
int rowsBelowInk(const Glyph& g) {
  for (int y = g.height - 1; y >= 0; --y) {
    for (int x = 0; x < g.width; ++x) {
      if (isGlyphPixel(pixelAt(g, x, y))) return g.height - 1 - y;
    }
  }
  return -1;
}

TEST(DemoFonts, InstalledFace_GivesLettersOnOneBaselineWithDescenders) {
  if (!installedFontFound()) GTEST_SKIP() << "DejaVu Sans is not installed";
  const FontStore& fonts = fontsOf(Faces::Installed);
  for (int font = 0; font < FontStore::kFonts; ++font) {
    const int baseline = rowsBelowInk(fonts.glyph(font, glyphOf('H')));
    for (const int code : {'A', 'x', 'n', '1'}) EXPECT_EQ(rowsBelowInk(fonts.glyph(font, glyphOf(code))), baseline) << font << " " << code;
    for (const int code : {'g', 'p', 'y'}) EXPECT_LT(rowsBelowInk(fonts.glyph(font, glyphOf(code))), baseline) << font << " " << code;
    EXPECT_LT(fonts.glyph(font, glyphOf('i')).width, fonts.glyph(font, glyphOf('W')).width) << font;
  }
}

TEST(DemoFonts, TwoRuns_GiveTheSameBytes) {
  EXPECT_TRUE(demo::demoFonts().at(0).bytes == fontsFile(Faces::Installed));
  EXPECT_TRUE(clientgen::encodeFonts(demo::makeFonts({})) == fontsFile(Faces::Missing));
}

}  // namespace
}  // namespace miro
