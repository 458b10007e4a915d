#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "compose/Catalogue.h"
#include "compose/GumpCatalogue.h"

namespace miro {
namespace {

constexpr int kBack = 1, kHair = 2, kFacialHair = 3, kLowerTorso1 = 5, kFootwear = 6, kGloves = 10, kUpperTorso2 = 12,
              kOverChest = 13, kHat = 16, kRight1 = 17, kLeft = 18, kRing = 21, kRight2 = 22;

int lastItem(int slot) { return partSlot(slot).items - 1; }

struct GumpCase {
  int slot;
  int item;
  int male;
  int female;
};

TEST(GumpCatalogue, PartGump_ListedItems_GiveMaleAndFemaleGumps) {
  const GumpCase cases[] = {
      {kBack, 1, 50468, 60468},       {kHair, 1, 50700, 60700},         {kHair, 9, 50706, 60707},
      {kHair, 10, 50903, 60903},      {kHair, 11, 50713, 60714},        {kFacialHair, 1, 50800, 50800},
      {kFacialHair, 7, 50804, 50804}, {kLowerTorso1, 16, 50489, 60489}, {kLowerTorso1, 17, 50432, 50432},
      {kFootwear, 6, 50572, 60572},   {kFootwear, 7, 50475, 50475},     {kGloves, 3, 50545, 60545},
      {kGloves, 4, 50545, 60545},     {kGloves, 6, 50424, 60524},       {kOverChest, 5, 50987, 60987},
      {kOverChest, 6, 50990, 50990},  {kOverChest, 7, 50991, 50991},    {kOverChest, 8, 50994, 50994},
      {kOverChest, 9, 50517, 60517},  {kOverChest, 11, 50558, 50558},   {kOverChest, 12, 50559, 50559},
      {kHat, 22, 50564, 60564},       {kHat, 23, 50565, 50565},         {kHat, 24, 50928, 60928},
      {kHat, 27, 50566, 50566},       {kHat, 31, 50444, 50444},         {kHat, 32, 50445, 50445},
      {kHat, 33, 50446, 50446},       {kHat, 34, 50450, 50450},         {kHat, 39, 50516, 50516},
      {kHat, 40, 50441, 60441},       {kRight1, 1, 50611, 50611},       {kRight1, 15, 50625, 50625},
      {kRight1, 16, 50638, 50638},    {kRight1, 43, 50984, 50984},      {kRight1, 44, 50930, 50930},
      {kRight1, 54, 50940, 50940},    {kRight1, 55, 50464, 50464},      {kRight1, 68, 50650, 50650},
      {kLeft, 17, 50985, 50985},      {kRing, 1, 50498, 60498},         {kRight2, 38, 50610, 50610},
  };
  for (const GumpCase& c : cases) {
    EXPECT_EQ(partGump(c.slot, c.item, false), c.male) << c.slot << "/" << c.item;
    EXPECT_EQ(partGump(c.slot, c.item, true), c.female) << c.slot << "/" << c.item;
  }
}

TEST(GumpCatalogue, PartGump_EachSlot_HasGumpsForItsItemsOnly) {
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    for (const bool female : {false, true}) {
      EXPECT_EQ(partGump(slot, 0, female), std::nullopt) << slot;
      EXPECT_EQ(partGump(slot, -1, female), std::nullopt) << slot;
      EXPECT_EQ(partGump(slot, lastItem(slot) + 1, female), std::nullopt) << slot;
      for (int item = 1; item <= lastItem(slot); ++item)
        EXPECT_TRUE(partGump(slot, item, female)) << slot << "/" << item;
    }
  }
  EXPECT_EQ(partGump(0, 1, false), std::nullopt);
  EXPECT_EQ(partGump(kPartSlots + 1, 1, false), std::nullopt);
}

TEST(GumpCatalogue, PartGump_Female_IsMalePlus10000ButForListedOnes) {
  const std::pair<int, int> exceptions[] = {{kHair, 2},   {kLowerTorso1, 1}, {kFootwear, 1},
                                            {kGloves, 1}, {kOverChest, 5},   {kHat, 7}};
  const std::set<int> maleOnly = {kFacialHair, kRight1, kLeft, kRight2};
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    int others = 0;
    for (int item = 1; item <= lastItem(slot); ++item) {
      const int shift = *partGump(slot, item, true) - *partGump(slot, item, false);
      if (maleOnly.contains(slot))
        EXPECT_EQ(shift, 0) << slot << "/" << item;
      else
        others += shift != 10000;
    }
    const auto listed = std::ranges::find(exceptions, slot, &std::pair<int, int>::first);
    EXPECT_EQ(others, listed == std::end(exceptions) ? 0 : listed->second) << slot;
  }
}

TEST(GumpCatalogue, PartGump_Right2_DrawsRight1Gumps) {
  for (int item = 0; item <= lastItem(kRight1) + 1; ++item) {
    EXPECT_EQ(partGump(kRight2, item, false), partGump(kRight1, item, false)) << item;
    EXPECT_EQ(partGump(kRight2, item, true), partGump(kRight1, item, false)) << item;
  }
}

struct HueCase {
  int slot;
  int item;
  bool full;
};

TEST(GumpCatalogue, PartFullHue_Items_GiveTheirFlags) {
  const HueCase cases[] = {
      {kRight1, 1, true},     {kRight2, 1, false},   {kRight1, 2, false},      {kRight2, 2, false},
      {kRight1, 9, false},    {kRight2, 9, true},    {kRight1, 13, true},      {kRight2, 13, false},
      {kRight1, 24, false},   {kRight2, 24, true},   {kRight1, 68, true},      {kRight2, 68, false},
      {kRight2, 43, false},   {kRight1, 43, true},   {kOverChest, 1, true},    {kOverChest, 2, false},
      {kOverChest, 8, false}, {kOverChest, 9, true}, {kUpperTorso2, 5, false}, {kUpperTorso2, 4, true},
      {kHat, 10, false},      {kHat, 11, true},      {kHat, 13, true},         {kLeft, 12, false},
      {kLeft, 11, true},      {kHair, 1, true},      {kRing, 1, true},         {kBack, 1, true},
      {kHat, 0, false},       {kRing, 2, false},
  };
  for (const HueCase& c : cases) EXPECT_EQ(partFullHue(c.slot, c.item), c.full) << c.slot << "/" << c.item;
}

TEST(GumpCatalogue, BodyGump_BodyItems_GiveTheirGumpsOrNone) {
  const std::pair<int, std::optional<int>> cases[] = {
      {0, 12},           {1, 13},           {2, 121},           {3, 120},
      {4, std::nullopt}, {5, std::nullopt}, {-1, std::nullopt}, {6, std::nullopt}};
  for (const auto& [item, gump] : cases) EXPECT_EQ(bodyGump(item), gump) << item;
}

TEST(GumpCatalogue, FramePictures_InDrawingOrder_UseDistinctLayers) {
  std::vector<int> gumps;
  std::set<int> indices;
  std::multiset<int> layers;
  for (const FramePicture& p : kFramePictures) {
    gumps.push_back(p.gump);
    indices.insert(p.index);
    layers.insert(p.layer);
    EXPECT_GE(p.left, 0);
    EXPECT_LT(p.left, kPaperdollWindowWidth);
    EXPECT_LT(p.top, kPaperdollWindowHeight);
  }
  EXPECT_EQ(gumps, (std::vector<int>{2000, 2001, 113, 50422, 2002, 2002, 11060, 2031, 2006, 2009, 2012, 2015, 22450,
                                     2021, 2027}));
  EXPECT_EQ(indices.size(), 15u);
  EXPECT_EQ(*indices.rbegin(), 14);
  EXPECT_EQ(layers.count(3), 2u);  // one of the two frames
  for (int layer = 1; layer <= 14; ++layer) EXPECT_EQ(layers.count(layer), layer == 3 ? 2u : 1u) << layer;
}

TEST(GumpCatalogue, FramePictures_Places_AsTheWindowLaysThemOut) {
  const FramePicture& emblem = kFramePictures[2];
  EXPECT_EQ(emblem.index, 0);
  EXPECT_EQ(emblem.left, 80);
  EXPECT_EQ(emblem.top, 4);
  EXPECT_EQ(kFramePictures[4].option, FrameOption::ProfileScroll);
  EXPECT_EQ(kFramePictures[4].left, 23);
  EXPECT_EQ(kFramePictures[5].option, FrameOption::PartyScroll);
  EXPECT_EQ(kFramePictures[5].left, 37);
  EXPECT_EQ(kFramePictures[5].top, 196);
  EXPECT_EQ(kFramePictures[6].top, 198);
  int top = 0;
  for (std::size_t i = 7; i < kFramePictures.size(); ++i) {  // the buttons: one column
    EXPECT_EQ(kFramePictures[i].left, 185);
    EXPECT_GT(kFramePictures[i].top, top);
    top = kFramePictures[i].top;
  }
  EXPECT_EQ(top, 233);
}

std::vector<int> shownGumps(const FrameOptions& options) {
  std::vector<int> gumps;
  for (const FramePicture& p : kFramePictures)
    if (framePictureShown(p, options)) gumps.push_back(p.gump);
  return gumps;
}

TEST(GumpCatalogue, FramePictureShown_Options_ChooseThePictures) {
  EXPECT_EQ(shownGumps({.ownCharacter = true}), (std::vector<int>{2000, 113}));
  EXPECT_EQ(shownGumps({.ownCharacter = false}), (std::vector<int>{2001, 113}));
  const FrameOptions all{true, true, true, true, true, true};
  EXPECT_EQ(shownGumps(all).size(), 14u);
  EXPECT_EQ(std::ranges::count(shownGumps(all), 2001), 0);
  FrameOptions other = all;
  other.ownCharacter = false;
  EXPECT_EQ(shownGumps(other), (std::vector<int>{2001, 113, 50422, 2002, 2027}));
  EXPECT_EQ(shownGumps({.ownCharacter = true, .partyScroll = true}), (std::vector<int>{2000, 113, 2002}));
  EXPECT_EQ(shownGumps({.ownCharacter = false, .profileScroll = true}), (std::vector<int>{2001, 113, 2002}));
}

}  // namespace
}  // namespace miro
