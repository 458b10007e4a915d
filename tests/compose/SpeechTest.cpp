#include <gtest/gtest.h>

#include "ClientGen.h"
#include "compose/Speech.h"
#include "support/ComposeScene.h"

namespace miro {
namespace {

constexpr std::uint16_t kGrey15 = clientgen::colour15(19, 19, 19);  // 0x9C9C9C once loaded
constexpr std::uint16_t kRed15 = clientgen::colour15(31, 0, 0);

// Font 3: 'A' is 5 x 3 grey, 'B' 6 x 4 grey with a red first pixel, ' ' 3 wide and empty;
// the tallest glyph, 'T', is 1 x 9. Font 4 is the same in red.
FontStore testFonts() {
  std::vector<clientgen::Font> fonts(5);
  for (int f : {3, 4}) {
    auto& font = fonts[static_cast<std::size_t>(f)];
    font.resize(224);
    const std::uint16_t ink = f == 4 ? kRed15 : kGrey15;
    font['A' - 32] = {5, 3, std::vector<std::uint16_t>(15, ink)};
    font['B' - 32] = {6, 4, std::vector<std::uint16_t>(24, ink)};
    font['B' - 32].pixels[0] = kRed15;
    font[' ' - 32] = {3, 0, {}};
    font['T' - 32] = {1, 9, std::vector<std::uint16_t>(9, ink)};
  }
  FontStore store;
  store.load(asBytes(clientgen::encodeFonts(fonts)));
  return store;
}

class Speech : public testing::Test {
 protected:
  Speech() { s.composer.setSpeechPainter(&overlay); }
  SpeechLine& line(int k) { return s.outfit.speech[static_cast<std::size_t>(k)]; }
  const Bitmap32& layer(int k) { return s.layers[layer2d::kFirstSpeech + k]; }
  std::vector<std::pair<int, int>> drawnAt(int k) {
    std::vector<std::pair<int, int>> at;
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 270; ++x)
        if (layer(k).pixel(x, y) != kKeyColour) at.emplace_back(x, y);
    return at;
  }

  test::Scene s;
  FontStore fonts = testFonts();
  std::unique_ptr<SystemFont> system = SystemFont::openSpeechFont();
  SpeechOverlay overlay{fonts, s.hues, system.get()};
};

TEST_F(Speech, Glyphs_OverlapByAColumnAndShareTheirBottomEdge) {
  line(0) = {"AB", 3, false, "10", "20"};
  s.compose();
  // M = 9: 'A' (height 3) rows 20 + 2 + 6 .. ; 'B' starts at 10 + 5 - 1.
  EXPECT_EQ(layer(0).pixel(10, 28), 0x9C9C9Cu);
  EXPECT_EQ(layer(0).pixel(10, 27), kKeyColour);
  EXPECT_EQ(layer(0).pixel(14, 27), 0xFF0000u);  // 'B's first pixel
  EXPECT_EQ(layer(0).pixel(19, 30), 0x9C9C9Cu);
  EXPECT_EQ(drawnAt(0).size(), 15u + 24u - 3u);  // the shared column is written by 'B'
  EXPECT_EQ(s.layers[0].pixel(10, 28), 0x9C9C9Cu);  // over the composite
}

TEST_F(Speech, Tilde_StartsANewLineOneGreatestHeightBelow) {
  line(1) = {"A~~A", 3, false, "0", "0"};
  s.compose();
  const auto at = drawnAt(1);
  ASSERT_EQ(at.size(), 30u);
  EXPECT_EQ(at.front(), std::make_pair(0, 8));
  EXPECT_EQ(at.back(), std::make_pair(4, 28));  // two lines of 9 further down, at the left again
}

TEST_F(Speech, UnicodeColourAndHue_BrightenExactlyTheGlyphGreyThenHueTheGreys) {
  line(0) = {"B", 3, true, "0", "0"};
  s.outfit.colours[25] = 0;
  s.compose();
  EXPECT_EQ(layer(0).pixel(1, 7), 0xBDBDBDu);
  EXPECT_EQ(layer(0).pixel(0, 7), 0xFF0000u);

  s.outfit.colours[25] = 7;
  s.compose();
  EXPECT_EQ(layer(0).pixel(1, 7), s.hues.colour(7, 23));
  EXPECT_EQ(layer(0).pixel(0, 7), 0xFF0000u);  // coloured pixels keep their colour
  line(0).unicodeColour = false;
  s.compose();
  EXPECT_EQ(layer(0).pixel(1, 7), s.hues.colour(7, 19));

  line(0).font = 4;  // a coloured font is greyed first, so all of it takes the hue
  s.compose();
  EXPECT_EQ(layer(0).pixel(1, 7), s.hues.colour(7, 85 >> 3));
}

TEST_F(Speech, Labels_CentreAndPlaceTheLine) {
  line(0) = {std::string(20, 'A'), 3, false, "0", "0"};  // 20 glyphs: columns 0 .. 80
  line(2) = {"A", 3, false, "300", "0"};                  // wholly outside the picture
  overlay.aids[0] = {true, SpeechPlace::Name};
  overlay.aids[1] = {true, SpeechPlace::GuildTag};
  overlay.aids[2] = {true, SpeechPlace::GuildTag};
  s.place(AnimFile::Anim, anim::peopleEntry(0, kStand, 0), test::groupOf({test::block(3, 40, 0, 0, 128)}));
  s.compose();
  EXPECT_EQ(overlay.labels[0].horizontal, "X=095");  // 135 - 80 / 2
  EXPECT_EQ(overlay.labels[0].vertical, "Y=106");    // the body's top row 128, less 22
  EXPECT_EQ(overlay.labels[2].horizontal, "X=270");
  EXPECT_EQ(overlay.labels[2].vertical, "Y=090");
  EXPECT_FALSE(overlay.labels[1].horizontal);  // an empty line keeps what it had

  line(0).text = std::string(25, 'A');  // columns 0 .. 100: right - left = 100
  overlay.aids[0] = {true, SpeechPlace::GuildTag};
  s.compose();
  EXPECT_EQ(overlay.labels[0].horizontal, "X=085");
  EXPECT_EQ(overlay.labels[0].vertical, "Y=081");  // 128 - 9 - 38 for the first line

  s.view.effects.maskSpeech = true;
  overlay.aids[0] = {};
  s.compose();
  EXPECT_TRUE(drawnAt(0).empty());
  EXPECT_EQ(overlay.labels[0].horizontal, "X=085");  // a masked line keeps its labels
}

TEST_F(Speech, ShiftsThatAreNoNumbers_DrawAtZeroAndAreNamed) {
  line(0) = {"A", 3, false, "1O", "5"};
  s.compose();
  EXPECT_EQ(overlay.invalidFields, std::vector<std::string>{"speech line 1 horizontal shift"});
  EXPECT_EQ(layer(0).pixel(0, 13), 0x9C9C9Cu);
  EXPECT_EQ(decimalField("-12"), -12);
  EXPECT_EQ(decimalField("+7"), 7);
  EXPECT_EQ(decimalField(""), std::nullopt);
  EXPECT_EQ(decimalField("0x10"), std::nullopt);
  EXPECT_EQ(decimalField(" 3"), std::nullopt);
}

TEST_F(Speech, JapaneseRun_IsDrawnWithTheSystemFontAndItsOutline) {
  if (!system) GTEST_SKIP() << "no Japanese font installed";
  line(0) = {"A\xE3\x81\x82\xE3\x81\x84" "A", 3, false, "10", "50"};  // "Aあい A"
  s.compose();
  int grey = 0, outline = 0, rightmostOfRun = 0;
  for (const auto& [x, y] : drawnAt(0)) {
    const std::uint32_t p = layer(0).pixel(x, y);
    if (p == 0x9C9C9C && y < 58) continue;  // the leading 'A' ends at row 60; count the run only
    if (p == 0x9C9C9C) ++grey;
    if (p == 0x010000) ++outline;
    if (y >= 50 && y < 66 && p != 0x9C9C9C) rightmostOfRun = std::max(rightmostOfRun, x);
  }
  EXPECT_GT(grey, 20);
  EXPECT_GT(outline, grey);
  // The 'A' after the run starts just right of the run.
  EXPECT_EQ(layer(0).pixel(rightmostOfRun + 1, 58), 0x9C9C9Cu);
}

}  // namespace
}  // namespace miro
