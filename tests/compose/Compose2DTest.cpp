#include <gtest/gtest.h>

#include "compose/Playback.h"
#include "data/AnimTables.h"
#include "data/ClientColour.h"
#include "support/ComposeScene.h"

namespace miro {
namespace {

using test::block;
using test::groupOf;
using test::region;

constexpr std::uint32_t kWhite = 0xFFFFFF;

std::uint32_t grey(int index) {
  return widenColour15(clientgen::colour15(index / 8, index / 8, index / 8));
}

// Slot 2 (hair) item 1 and slot 6 (footwear) item 2 are body slots 1 and 37.
constexpr int kHairSlot = 1;
constexpr int kBootsSlot = 37;

class Compose2D : public testing::Test {
 protected:
  // A standing man of 3 x 6 pixels, with 2 x 2 hair on top and a row of boots, facing `direction`.
  void dressedMan(int direction) {
    const int stored = kStoredDirection[static_cast<std::size_t>(direction)];
    s.view.direction = direction;
    s.place(AnimFile::Anim, anim::peopleEntry(0, kStand, stored), groupOf({block(3, 6, 0, 0, 128)}));
    s.place(AnimFile::Anim, anim::bodySlotEntry(kHairSlot, kStand, stored), groupOf({block(2, 2, 0, 4, 200)}));
    s.place(AnimFile::Anim, anim::bodySlotEntry(kBootsSlot, kStand, stored), groupOf({block(3, 1, 0, 0, 96)}));
    s.outfit.parts[2] = 1;
    s.outfit.parts[6] = 2;
  }
  std::vector<std::string> around(Rect area, const std::map<std::uint32_t, char>& legend) {
    return region(s.layers[0], area, legend, kWhite);
  }

  test::Scene s;
};

TEST_F(Compose2D, DressedCharacter_MirroredAndHuedByTheRules) {
  dressedMan(3);  // stored direction 3, mirrored: columns run leftwards from x = 128
  s.outfit.colours[0] = 7;  // grey body pixels take colour r >> 3 of hue 7
  s.outfit.colours[6] = 3;  // full-hue boots
  const Compose2DResult result = s.compose();
  EXPECT_EQ(result.frameCount, 1);
  const std::map<std::uint32_t, char> legend = {
      {s.hues.colour(7, 16), 'B'}, {grey(200), 'H'}, {s.hues.colour(3, 12), 'F'}};
  EXPECT_EQ(around({125, 161, 130, 169}, legend), (std::vector<std::string>{
                                                      ".....",
                                                      ".BHH.",
                                                      ".BHH.",
                                                      ".BBB.",
                                                      ".BBB.",
                                                      ".BBB.",
                                                      ".FFF.",
                                                      ".....",
                                                  }));
  EXPECT_EQ(test::countOther(s.layers[0], kWhite), 18);
  EXPECT_TRUE(s.reporter.messages.empty());
}

TEST_F(Compose2D, Priorities_OneLayerEachSoTheLaterSlotOfAPriorityReplacesTheEarlier) {
  dressedMan(0);
  const Rect hairRow{126, 162, 131, 163};
  const std::map<std::uint32_t, char> legend = {{grey(128), 'B'}, {grey(200), 'H'}, {grey(96), 'F'}};

  s.priorities.twoD[6] = 2;  // the boots share the hair's layer: only the boots show
  s.compose();
  EXPECT_EQ(around(hairRow, legend), std::vector<std::string>{"..BBB"});
  s.outfit.parts[6] = 0;  // the later slot empty: neither shows
  s.compose();
  EXPECT_EQ(around(hairRow, legend), std::vector<std::string>{"..BBB"});
  EXPECT_EQ(test::countOther(s.layers[6], kKeyColour), 0);

  s.outfit.parts[6] = 2;
  s.priorities.twoD[6] = 6;
  s.priorities.twoD[2] = 32;  // the hair on layer 36, in front of everything
  s.compose();
  EXPECT_EQ(test::countOther(s.layers[36], kKeyColour), 4);
  EXPECT_EQ(around({126, 162, 131, 163}, legend), std::vector<std::string>{"..HHB"});
}

TEST_F(Compose2D, Effects_HidingSilhouetteAndGhost) {
  dressedMan(0);
  s.outfit.colours[0] = 7;
  s.outfit.colours[2] = 9;
  // The ghost robe: dresses item 4 is body slot 87.
  s.place(AnimFile::Anim, anim::bodySlotEntry(87, kStand, 0), groupOf({block(1, 3, -3, 1, 64)}));

  s.view.effects.hiding = true;
  s.compose();
  EXPECT_EQ(s.layers[0].pixel(129, 165), s.hues.colour(905, (grey(128) & 0xFF) >> 3));
  EXPECT_EQ(s.layers[0].pixel(128, 162), s.hues.colour(905, (grey(200) & 0xFF) >> 3));  // the hair's own hue is not used

  s.view.effects.hiding = false;
  s.view.effects.silhouette = true;
  s.compose();
  EXPECT_EQ(test::countOther(s.layers[0], kWhite), 18);
  EXPECT_EQ(s.layers[0].pixel(128, 162), 0x000000u);
  EXPECT_EQ(s.layers[0].pixel(130, 167), 0x000000u);

  s.view.effects.silhouette = false;
  s.view.effects.ghost = true;
  s.compose();
  const std::map<std::uint32_t, char> legend = {
      {s.hues.colour(7, 16), 'B'}, {s.hues.colour(9, 25), 'H'}, {s.hues.colour(0x8FD, 8), 'R'}};
  // Hair kept, boots gone, the robe in the ghost hue whatever the dresses slot holds.
  EXPECT_EQ(around({127, 162, 132, 168}, legend), (std::vector<std::string>{
                                                      ".HHB.",
                                                      ".HHB.",
                                                      ".BBBR",
                                                      ".BBBR",
                                                      ".BBBR",
                                                      ".BBB.",
                                                  }));
}

TEST_F(Compose2D, Mount_DrawnOnlyUnderRidingMotionsFromItsOwnGroups) {
  s.outfit.mount = 1;
  s.place(AnimFile::Anim, anim::peopleEntry(0, 23, 0), groupOf({block(1, 1, 0, 20, 128)}));
  s.place(AnimFile::Anim, anim::peopleEntry(0, 26, 0), groupOf({block(1, 1, 0, 20, 136)}));
  s.place(AnimFile::Anim, anim::firstMountEntry(0, 0, 0), groupOf({block(4, 2, 1, 0, 64)}));
  s.place(AnimFile::Anim, anim::firstMountMoveEntry(0, 0, 0), groupOf({block(5, 2, 1, 0, 72)}));

  s.compose();  // "Stand": no mount
  EXPECT_EQ(test::countOther(s.layers[3], kKeyColour), 0);

  s.view.motion = 23;  // "Horseback Ride Walk": the mount's walk
  s.compose();
  EXPECT_EQ(test::countOther(s.layers[3], kKeyColour), 8);
  EXPECT_EQ(s.layers[3].pixel(127, 166), grey(64));
  EXPECT_EQ(s.layers[4].pixel(128, 147), grey(128));

  s.view.motion = 36;  // "Horseback Walk one handed attack": body action 26 over the mount's own walk
  s.compose();
  EXPECT_EQ(test::countOther(s.layers[3], kKeyColour), 10);
  EXPECT_EQ(s.layers[3].pixel(127, 166), grey(72));
  EXPECT_EQ(s.layers[4].pixel(128, 147), grey(136));

  s.view.motion = 30;  // "Turn": no rider on a mount
  s.compose();
  EXPECT_EQ(test::countOther(s.layers[3], kKeyColour), 0);
}

TEST_F(Compose2D, SecondFileMounts_AreLoweredAndShowFramesUpToFourOnly) {
  s.view.motion = 25;
  s.outfit.mount = 9;  // lowered by 4 more pixels
  std::vector<clientgen::IndexedFrame> frames;
  for (int f = 0; f < 8; ++f) frames.push_back(block(1, 1, 0, 0, 8 * (f + 1)));
  s.place(AnimFile::Anim2, anim::secondMountEntry(0, 2, 0), groupOf(frames));
  s.compose(7);
  EXPECT_EQ(test::countOther(s.layers[3], kKeyColour), 1);
  EXPECT_EQ(s.layers[3].pixel(128, 171), grey(40));  // frame 4

  s.outfit.mount = 10;  // lowered by 9, but it has no group here
  s.compose(2);
  EXPECT_EQ(test::countOther(s.layers[3], kKeyColour), 0);
}

TEST_F(Compose2D, EtherealMount_EveryOtherPixelInTheColoursOfHue1109) {
  s.view.motion = 25;
  s.outfit.mount = 1;
  s.outfit.colours[kMountColourSlot] = 0x4001;
  s.place(AnimFile::Anim, anim::firstMountEntry(0, 2, 0), groupOf({block(5, 1, 0, 0, 64)}));
  s.compose();
  const std::uint32_t e = s.hues.colour(1109, (grey(64) & 0xFF) >> 3);
  const std::map<std::uint32_t, char> legend = {{e, 'E'}};
  EXPECT_EQ(around({127, 167, 134, 168}, legend), std::vector<std::string>{".E.E.E."});

  s.view.effects.silhouette = true;  // not ethereal any more: the whole mount in black
  s.compose();
  EXPECT_EQ(around({127, 167, 134, 168}, {{0, 'K'}}), std::vector<std::string>{".KKKKK."});
}

TEST_F(Compose2D, Shadow_FlattenedSlantedAndDroppedUnderTheFigure) {
  s.place(AnimFile::Anim, anim::peopleEntry(0, kStand, 0), groupOf({block(2, 4, 0, 0, 128)}));
  s.view.effects.showShadow = true;
  s.compose();
  const std::map<std::uint32_t, char> legend = {{grey(128), 'B'}, {0x000000, 'S'}};
  // The body's rows but its last turn black, are halved in height, dropped to row 84 of the
  // half picture three columns to the left, and slanted to the right from the bottom up.
  EXPECT_EQ(around({124, 163, 132, 169}, legend), (std::vector<std::string>{
                                                      "........",
                                                      "....BB..",
                                                      "....BB..",
                                                      "..SSBB..",
                                                      ".SS.BB..",
                                                      "........",
                                                  }));
  EXPECT_EQ(test::countOther(s.layers[2], kKeyColour), 4);

  s.view.motion = 21;  // frame 5 of a dying motion has no shadow
  s.place(AnimFile::Anim, anim::peopleEntry(0, 21, 0), groupOf(std::vector(6, block(2, 4, 0, 0, 128))));
  s.compose(5);
  EXPECT_EQ(test::countOther(s.layers[2], kKeyColour), 0);
  s.compose(4);
  EXPECT_EQ(test::countOther(s.layers[2], kKeyColour), 4);

  s.view.effects.shadowOnly = true;  // the shadow without the character
  s.compose(4);
  EXPECT_EQ(test::countOther(s.layers[0], kWhite), 4);
}

// "Sit on chair" facing 2 or 7: a standing figure one pixel wide and 40 tall, each row its own
// colour, is bent by the sitting pose.
class SittingPose : public Compose2D, public testing::WithParamInterface<int> {
 protected:
  std::map<std::uint32_t, int> placeStandingColumn(int stored) {
    clientgen::AnimGroup group;
    std::map<std::uint32_t, int> rowOfColour;
    clientgen::IndexedFrame frame(1, 40, 0, 0);
    for (int r = 0; r < 40; ++r) {
      group.palette[static_cast<std::size_t>(r)] = clientgen::colour15(r % 32, r / 32, 5);
      frame.at(0, r) = r;
      rowOfColour[widenColour15(group.palette[static_cast<std::size_t>(r)])] = 128 + r;
    }
    group.frames = {frame};
    s.place(AnimFile::Anim, anim::peopleEntry(0, kStand, stored), group);
    return rowOfColour;
  }
};

TEST_P(SittingPose, BendsTheStandingFigureByTheSixSteps) {
  const int direction = GetParam();
  const auto rowOfColour = placeStandingColumn(1);
  s.view.motion = kSitOnChair;
  s.view.direction = direction;
  s.compose();

  // Where each row of the figure (rows 128..167) ends up: rows above row 152 move down by 4;
  // row 152 is lost; rows 153..167 move down by 3 and sideways by one more pixel for every two
  // rows, up to nine.
  std::map<std::pair<int, int>, int> expected;  // (x, y) -> original row
  for (int r = 128; r <= 167; ++r) {
    if (r < 152) expected[{128, r + 4}] = r;
    if (r > 152) {
      const int shift = std::min(9, (r - 153) / 2 + 1);
      expected[{direction == 2 ? 128 - shift : 128 + shift, r + 3}] = r;
    }
  }
  std::map<std::pair<int, int>, int> found;
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 270; ++x) {
      const std::uint32_t p = s.layers[0].pixel(x, y);
      if (p == kWhite) continue;
      ASSERT_TRUE(rowOfColour.count(p)) << x << "," << y;
      found[{x, y}] = rowOfColour.at(p);
    }
  }
  EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(Directions, SittingPose, testing::Values(2, 7));

TEST_F(Compose2D, SitOnChairFacingAway_DrawsBodyAndParts24PixelsLower) {
  dressedMan(3);
  s.view.motion = kSitOnChair;  // action 25 in direction 3
  s.place(AnimFile::Anim, anim::peopleEntry(0, 25, 3), groupOf({block(3, 6, 0, 0, 128)}));
  s.place(AnimFile::Anim, anim::bodySlotEntry(kHairSlot, 25, 3), groupOf({block(2, 2, 0, 4, 200)}));
  s.compose();
  EXPECT_EQ(s.layers[4].pixel(127, 186), grey(128));
  EXPECT_EQ(s.layers[4].pixel(127, 185), kKeyColour);
  EXPECT_EQ(s.layers[6].pixel(127, 186), grey(200));
}

TEST_F(Compose2D, FemaleBody_TakesTheFemaleVariantOfThePart) {
  // "leather ninja pants" (bottoms item 9) is body slot 28; its female variant is slot 231.
  s.lookup.setFemaleVariant(28, true);
  s.place(AnimFile::Anim4, anim::bodySlotEntry(28, kStand, 0), groupOf({block(1, 1, 0, 0, 64)}));
  s.place(AnimFile::Anim4, anim::bodySlotEntry(231, kStand, 0), groupOf({block(1, 1, 0, 0, 160)}));
  s.outfit.parts[5] = 9;
  s.outfit.body = 4;  // "none male": no body, the part still drawn
  const Compose2DResult result = s.compose();
  EXPECT_EQ(result.frameCount, std::nullopt);
  EXPECT_EQ(s.layers[9].pixel(128, 167), grey(64));
  EXPECT_EQ(test::countOther(s.layers[4], kKeyColour), 0);
  for (const int female : {1, 3, 5}) {
    s.outfit.body = female;
    s.compose();
    EXPECT_EQ(s.layers[9].pixel(128, 167), grey(160)) << female;
  }
}

TEST_F(Compose2D, FullApron_IsLeftOutOfRidingAndSeatedFiguresSeenFromBehind) {
  s.outfit.parts[12] = 1;  // body slot 77
  s.view.motion = 25;
  for (const int stored : {1, 3}) {
    s.place(AnimFile::Anim, anim::bodySlotEntry(77, 25, stored), groupOf({block(1, 1, 0, 0, 64)}));
  }
  s.view.direction = 6;
  s.compose();
  EXPECT_EQ(test::countOther(s.layers[16], kKeyColour), 0);
  s.view.direction = 2;
  s.compose();
  EXPECT_EQ(test::countOther(s.layers[16], kKeyColour), 1);
}

TEST_F(Compose2D, MissingDataFiles_OnlyAnimMulIsReportedOncePerElement) {
  dressedMan(0);
  s.view.motion = 25;
  s.outfit.mount = 12;
  s.lookup.entries()[static_cast<std::size_t>(anim::secondMountEntry(3, 2, 0))] = 0;
  s.lookup.entries()[static_cast<std::size_t>(anim::peopleEntry(0, 25, 0))] = 0;
  s.lookup.entries()[static_cast<std::size_t>(anim::bodySlotEntry(kHairSlot, 25, 0))] = 0;
  s.composer.compose(s.outfit, s.priorities, s.view, 0);  // nothing written to the folder
  ASSERT_EQ(s.reporter.messages.size(), 2u);  // the body and the hair; the boots have no group here
  EXPECT_EQ(s.reporter.messages[0].text, "Failed to open ANIM.MUL.");
}

TEST_F(Compose2D, Background_ColourOrPictureUnderEverything) {
  s.view.backgroundColour = 0x0000FF;  // red, as the settings keep colours (0x00BBGGRR)
  s.compose();
  EXPECT_EQ(s.layers[0].pixel(0, 0), 0xFF0000u);

  s.view.superimpose = true;
  s.view.backgroundPicture = Bitmap32(10, 5, 0x123456);
  s.compose();
  EXPECT_EQ(s.layers[0].pixel(9, 4), 0x123456u);
  EXPECT_EQ(s.layers[0].pixel(10, 4), 0xFF0000u);  // beyond the picture: the colour

  s.view.backgroundPicture = Bitmap32(40, 70, 0x123456);
  s.view.trimmingFrame = Rect{10, 20, 30, 60};
  const Compose2DResult result = s.compose();
  EXPECT_TRUE(result.trimmingFrame);
  EXPECT_EQ(s.layers[40].pixel(10, 20), 0xFF0000u);
  EXPECT_EQ(s.layers[40].pixel(29, 59), 0xFF0000u);
  EXPECT_EQ(s.layers[40].pixel(11, 21), kKeyColour);
  EXPECT_EQ(s.layers[0].pixel(10, 20), 0x123456u);  // the frame stays out of the composite
}

TEST(ContentBounds, CountsPixelsOtherThanTheKeyGivenInWindowsOrder) {
  Bitmap32 picture(270, 240, 0xFFFFFF);
  EXPECT_EQ(contentBounds(picture, 0xFFFFFF), (Bounds{270, 240, 0, 0}));
  picture.setPixel(5, 7, 0x0000FF);
  picture.setPixel(9, 3, 0xFF0000);
  EXPECT_EQ(contentBounds(picture, 0xFFFFFF), (Bounds{5, 3, 9, 7}));
  EXPECT_EQ(contentBounds(picture, 0x0000FF), (Bounds{0, 0, 269, 239}));  // red in 0x00BBGGRR is 0xFF0000
  Bitmap32 reds(4, 4, 0xFF0000);
  reds.setPixel(2, 1, 0xFFFFFFFF);
  EXPECT_EQ(contentBounds(reds, 0x0000FF), (Bounds{4, 4, 0, 0}));
}

TEST_F(Compose2D, Playback_ClampsThePositionAndComposesEveryFrame) {
  std::vector<clientgen::IndexedFrame> frames;
  for (int f = 0; f < 12; ++f) frames.push_back(block(1, 1 + f, 0, 0, 128));
  s.place(AnimFile::Anim, anim::peopleEntry(0, kStand, 0), groupOf(frames));
  s.writeFiles();
  s.view.frame = 20;
  const StillResult still = composeStill(s.composer, s.outfit, s.priorities, s.view);
  EXPECT_TRUE(still.clamped);
  EXPECT_EQ(s.view.frame, 11);
  EXPECT_EQ(s.view.frameMax, 11);
  EXPECT_EQ(test::countOther(s.layers[0], kWhite), 12);

  FrameCache cache;
  buildPlaybackFrames(s.composer, s.outfit, s.priorities, s.view, cache);
  ASSERT_EQ(cache.size(), 12u);  // more than ten frames: all of them
  for (int f = 0; f < 12; ++f) EXPECT_EQ(test::countOther(cache[static_cast<std::size_t>(f)], kWhite), f + 1) << f;
  EXPECT_EQ(test::countOther(s.layers[0], kWhite), 12);  // the layers hold the last frame
}

}  // namespace
}  // namespace miro
