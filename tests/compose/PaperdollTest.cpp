#include <gtest/gtest.h>

#include "ClientGen.h"
#include "compose/Paperdoll.h"
#include "data/ClientColour.h"
#include "support/ComposeScene.h"

namespace miro {
namespace {

using clientgen::colour15;
using clientgen::GumpImage;

// A gump of w x h pixels of one raw colour at (x, y) of an otherwise transparent picture.
GumpImage patch(int x, int y, int w, int h, std::uint16_t colour, int width = 190, int height = 240) {
  GumpImage image(width, height);
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col) image.at(col, row) = colour;
  return image;
}

constexpr std::uint16_t kGrey = colour15(16, 16, 16);  // converted 0x838383, step 16
constexpr std::uint16_t kRed = colour15(31, 0, 0);

class Paperdoll : public testing::Test {
 protected:
  void write() {
    test::writeFile(s.dir / "gumpidx.mul", gumps.index());
    test::writeFile(s.dir / "gumpart.mul", gumps.art());
  }
  PaperdollResult compose() {
    write();
    return composer.compose(s.outfit, s.priorities, s.view, view);
  }
  std::uint32_t at(int x, int y) { return s.layers[0].pixel(x, y); }

  test::Scene s;
  clientgen::GumpFileWriter gumps;
  GumpStore store{s.files, s.folder, s.reporter};
  FontStore fonts;
  PaperdollComposer composer{s.layers, store, s.hues, fonts};
  PaperdollView view;
};

TEST_F(Paperdoll, BodyAndParts_TakeTheGumpsOfTheirGenderAndTheirHues) {
  gumps.add(12, patch(10, 10, 5, 5, kGrey));      // male body
  gumps.add(13, patch(20, 10, 5, 5, kGrey));      // female body
  gumps.add(50706, patch(40, 0, 2, 2, kGrey));    // "receding" hair, male
  gumps.add(60707, patch(50, 0, 2, 2, kGrey));    // ... and female
  gumps.add(50611, patch(60, 0, 3, 1, kRed));     // the first weapon: female uses it too
  s.outfit.parts[2] = 9;
  s.outfit.parts[17] = 1;
  s.outfit.colours[0] = 7;
  s.outfit.colours[17] = 3;

  compose();
  EXPECT_EQ(s.layers[0].width(), 190);
  EXPECT_EQ(at(0, 0), 0x000000u);  // black behind the character
  EXPECT_EQ(at(10, 10), s.hues.colour(7, 16));  // grey body pixels hued
  EXPECT_EQ(at(40, 0), 0x838383u);
  EXPECT_EQ(at(60, 0), s.hues.colour(3, 31));   // weapons take the hue in full
  EXPECT_EQ(at(50, 0), 0x000000u);

  s.outfit.body = 3;  // savage female: the female body gump 13 is used for items 1 and 3? no: 120
  gumps.add(120, patch(30, 10, 5, 5, kGrey));
  compose();
  EXPECT_EQ(at(30, 10), s.hues.colour(7, 16));
  EXPECT_EQ(at(50, 0), 0x838383u);  // female hair gump 60707
  EXPECT_EQ(at(40, 0), 0x000000u);
  EXPECT_EQ(at(60, 0), s.hues.colour(3, 31));

  s.outfit.body = 5;  // none: no body, parts still drawn
  compose();
  EXPECT_EQ(at(30, 10), 0x000000u);
  EXPECT_EQ(at(50, 0), 0x838383u);
  EXPECT_TRUE(s.reporter.messages.empty());
}

TEST_F(Paperdoll, HatPixelsOfRawColourOne_StayBlackExceptOnTheOrcMask) {
  GumpImage hat = patch(0, 0, 2, 1, kGrey);
  hat.at(1, 0) = 1;
  gumps.add(50404, hat);   // hat item 1
  gumps.add(50416, hat);   // item 13, the orc mask
  s.outfit.colours[16] = 5;
  s.outfit.parts[16] = 1;
  compose();
  EXPECT_EQ(at(1, 0), 0x000000u);
  EXPECT_EQ(at(0, 0), s.hues.colour(5, 16));
  s.outfit.parts[16] = 13;
  compose();
  EXPECT_EQ(at(1, 0), s.hues.colour(5, 0));  // raw 1 is blue 1: converted 0x000008, red step 0, and
                                             // the orc mask is hued in full
}

TEST_F(Paperdoll, Ghost_KeepsBodyHairAndBeardAndShowsTheGhostRobe) {
  gumps.add(12, patch(0, 0, 1, 1, kGrey));
  gumps.add(50700, patch(1, 0, 1, 1, kGrey));   // hair item 1
  gumps.add(50476, patch(2, 0, 1, 1, kGrey));   // footwear item 1
  gumps.add(50970, patch(3, 0, 1, 1, kGrey));   // dresses item 4, the ghost robe
  s.outfit.parts[2] = 1;
  s.outfit.parts[6] = 1;
  s.view.effects.ghost = true;
  compose();
  EXPECT_NE(at(0, 0), 0x000000u);
  EXPECT_NE(at(1, 0), 0x000000u);
  EXPECT_EQ(at(2, 0), 0x000000u);
  EXPECT_EQ(at(3, 0), s.hues.colour(2301, 16));
}

TEST_F(Paperdoll, SharedPriorities_TheLaterSlotWinsEvenWhenEmpty) {
  gumps.add(50700, patch(0, 0, 1, 1, kGrey));   // hair
  gumps.add(50476, patch(1, 0, 1, 1, kGrey));   // footwear
  s.outfit.parts[2] = 1;
  s.outfit.parts[6] = 1;
  s.priorities.pd[6] = 2;
  compose();
  EXPECT_EQ(at(0, 0), 0x000000u);
  EXPECT_NE(at(1, 0), 0x000000u);
  s.outfit.parts[6] = 0;
  compose();
  EXPECT_EQ(at(0, 0), 0x000000u);
  s.priorities.pd[2] = 31;  // beyond the last layer: drawn in front
  compose();
  EXPECT_NE(at(0, 0), 0x000000u);
  EXPECT_EQ(test::countOther(s.layers[45], kKeyColour), 1);
}

// The window pictures each mark their own corner pixel with their layer number in blue.
void addWindowPictures(clientgen::GumpFileWriter& gumps) {
  for (const FramePicture& p : kFramePictures) {
    gumps.add(p.gump, patch(0, 0, 1, 1, colour15(0, 0, p.layer), 2, 2));
  }
}

TEST_F(Paperdoll, Window_ForAnotherCharacterHasOnlyItsOwnPictures) {
  addWindowPictures(gumps);
  gumps.add(12, patch(0, 0, 1, 1, kGrey));
  view.emulation = true;
  view.pdString.clear();
  view.frame = {false, true, true, true, true, true};
  compose();
  ASSERT_EQ(s.layers[0].width(), 262);
  std::vector<int> drawnLayers;
  for (int layer = 1; layer <= 14; ++layer) {
    if (test::countOther(s.layers[layer], kKeyColour) > 0) drawnLayers.push_back(layer);
  }
  // Frame, emblem, backpack, profile scroll and the one button of either window.
  EXPECT_EQ(drawnLayers, (std::vector<int>{1, 3, 4, 5, 14}));
  EXPECT_EQ(at(8, 19), 0x838383u);  // the character inside the window
  EXPECT_EQ(at(185, 233), scaleColour15(colour15(0, 0, 14)));

  view.frame.ownCharacter = true;
  compose();
  for (int layer = 1; layer <= 14; ++layer) EXPECT_GT(test::countOther(s.layers[layer], kKeyColour), 0) << layer;
  EXPECT_EQ(at(3, 19), scaleColour15(colour15(0, 0, 1)));  // the backpack over the character's corner
}

TEST_F(Paperdoll, PdString_DrawsLinesThirteenApartAndIsCutAtTheRightEdge) {
  std::vector<clientgen::Font> font(2, clientgen::Font(224));
  font[1]['I' - 32] = {2, 4, std::vector<std::uint16_t>(8, colour15(19, 19, 19))};
  font[1]['-' - 32] = {3, 1, std::vector<std::uint16_t>(3, kRed)};
  fonts.load(asBytes(clientgen::encodeFonts(font)));
  view.emulation = true;
  view.pdString = "I~~I-" + std::string(100, 'I');
  view.pdStringLeft = "250";
  view.pdStringTop = "10";
  compose();
  const Bitmap32& line = s.layers[layerPd::kPdString];
  EXPECT_EQ(line.pixel(250, 12), s.hues.colour(1106, 19));
  EXPECT_EQ(line.pixel(250, 25), kKeyColour);  // the empty line
  EXPECT_EQ(line.pixel(250, 38), s.hues.colour(1106, 19));
  EXPECT_EQ(line.pixel(252, 41), 0xFF0000u);  // coloured pixels unchanged, bottom-aligned
  EXPECT_EQ(line.pixel(261, 38), s.hues.colour(1106, 19));  // cut at the right edge
  EXPECT_EQ(at(250, 12), s.hues.colour(1106, 19));

  view.pdStringTop = "ten";
  const PaperdollResult result = compose();
  EXPECT_EQ(result.invalidFields, std::vector<std::string>{"PD string top"});
  EXPECT_EQ(line.pixel(250, 2), s.hues.colour(1106, 19));

  view.emulation = false;  // no window, no string
  compose();
  EXPECT_EQ(s.layers[0].width(), 190);
  EXPECT_EQ(test::countOther(s.layers[layerPd::kPdString], kKeyColour), 0);

  s.compose();  // back to the 2D view: its own size again
  EXPECT_EQ(s.layers[0].width(), 270);
  EXPECT_EQ(s.layers[45].height(), 240);
}

}  // namespace
}  // namespace miro
