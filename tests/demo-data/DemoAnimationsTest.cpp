#include <gtest/gtest.h>

#include <map>

#include "DemoData.h"
#include "compose/Catalogue.h"
#include "data/AnimLookup.h"
#include "data/AnimTables.h"
#include "data/FrameDecoder.h"

namespace miro::demo {
namespace {

// The animation files are large; make them once for all the tests here.
const std::map<std::string, std::string>& animationFiles() {
  static const std::map<std::string, std::string> files = [] {
    std::map<std::string, std::string> byName;
    for (DemoFile& f : demoAnimations()) byName[f.name] = std::move(f.bytes);
    return byName;
  }();
  return files;
}

Bytes file(const std::string& name) { return asBytes(animationFiles().at(name)); }

AnimLookup demoLookup() {
  return buildAnimLookup({file("ANIM.IDX"), file("ANIM2.IDX"), file("ANIM3.IDX"), file("ANIM4.IDX")}, 0);
}

TEST(DemoAnimations, EveryAnimationTheTablesNameResolvesToAGroupWithFrames) {
  const AnimLookup lookup = demoLookup();
  const auto check = [&](int entry, const std::string& mul, const char* what) {
    const std::int32_t group = lookup[entry];
    ASSERT_GE(group, 0) << what << " entry " << entry;
    EXPECT_GT(frameCount(file(mul), group), 0) << what << " entry " << entry;
  };
  for (int e = 0; e < anim::kPeopleEntries; ++e) check(e, "ANIM.MUL", "people");
  for (int slot = 0; slot < static_cast<int>(anim::kFirstFileSlots.size()); ++slot) {
    if (anim::kFirstFileSlots[static_cast<std::size_t>(slot)] < 0) continue;
    for (int k = 0; k < anim::kGroupsPerBody; k += 7) check(anim::bodySlotEntry(slot, 0, 0) + k, "ANIM.MUL", "slot");
  }
  for (int i = 0; i < 11; ++i) check(anim::bodySlotEntry(190 + i, 4, 2), "ANIM3.MUL", "third-file slot");
  for (const auto& item : anim::kFourthFileList) {
    for (int k = 0; k < anim::kGroupsPerBody; k += 11) check(anim::bodySlotEntry(item.slot, 0, 0) + k, "ANIM4.MUL", "fourth-file slot");
  }
  for (int e = anim::kFirstMountBase; e < anim::kSecondMountBase; ++e) check(e, "ANIM.MUL", "first-file mount");
  for (int e = anim::kSecondMountBase; e < anim::kFourthMountBase; ++e) check(e, "ANIM2.MUL", "second-file mount");
  for (int e = anim::kFourthMountBase; e < anim::kFirstMountMoveBase; ++e) check(e, "ANIM4.MUL", "fourth-file mount");
  for (int e = anim::kFirstMountMoveBase; e < anim::kNeverFilledBase; ++e) check(e, "ANIM.MUL", "mount move");
  EXPECT_EQ(lookup.femaleVariantCount(), 16);
}

// Whether the program's tables give a body slot an animation in some file.
bool animated(int bodySlot) {
  if (bodySlot < static_cast<int>(anim::kFirstFileSlots.size()) && anim::kFirstFileSlots[static_cast<std::size_t>(bodySlot)] >= 0) {
    return true;
  }
  if (bodySlot >= anim::kFirstThirdFileSlot && bodySlot < anim::kFirstThirdFileSlot + 11) return true;
  for (const auto& item : anim::kFourthFileList) {
    if (item.slot == bodySlot) return true;
  }
  return false;
}

TEST(DemoAnimations, EveryItemOfTheCatalogueWithAnAnimationHasIt) {
  const AnimLookup lookup = demoLookup();
  int animatedItems = 0;
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    const PartSlotInfo& info = partSlot(slot);
    if (info.firstBodySlot < 0) continue;
    for (int item = 1; item < info.items; ++item) {
      const int bodySlot = info.firstBodySlot + item - 1;
      if (!animated(bodySlot)) continue;  // the necklaces have none in the game either
      ++animatedItems;
      EXPECT_NE(lookup[anim::bodySlotEntry(bodySlot, kStand, 0)], -1) << "slot " << slot << " item " << item << " body slot " << bodySlot;
    }
  }
  EXPECT_GT(animatedItems, 250);
}

TEST(DemoAnimations, WalkAndRunHaveTenFramesStandOneAndEveryOrdinalCountsEmptyRecords) {
  const AnimLookup lookup = demoLookup();
  const Bytes anim = file("ANIM.MUL");
  EXPECT_EQ(frameCount(anim, lookup[anim::peopleEntry(0, 0, 0)]), 10);
  EXPECT_EQ(frameCount(anim, lookup[anim::peopleEntry(1, 2, 3)]), 10);
  EXPECT_EQ(frameCount(anim, lookup[anim::peopleEntry(0, kStand, 1)]), 1);
  EXPECT_EQ(frameCount(anim, lookup[anim::peopleEntry(0, 21, 1)]), 7);
  int empty = 0;
  const Bytes index = file("ANIM.IDX");
  for (std::size_t at = 0; at + 12 <= index.size(); at += 12) {
    empty += static_cast<std::int32_t>(u32Unchecked(index, at)) == -1 || u32Unchecked(index, at + 4) == 0;
  }
  EXPECT_GT(empty, 10);
}

TEST(DemoAnimations, ItemsFollowTheFiguresPose) {
  // A walking man in boots: in every frame the boots lie over the body's feet.
  const AnimLookup lookup = demoLookup();
  const Bytes anim = file("ANIM.MUL");
  const int bootsSlot = partSlot(6).firstBodySlot + 1;  // "boots"
  const ColourRule own = [](std::uint8_t, std::uint32_t c) { return std::optional<std::uint32_t>(c); };
  for (int frame = 0; frame < 10; ++frame) {
    Bitmap32 body(270, 240, kKeyColour);
    Bitmap32 boots(270, 240, kKeyColour);
    decodeFrame(anim, {AnimFile::Anim, lookup[anim::peopleEntry(0, 0, 2)], frame, {128, 168}, false, DecodeKind::Body}, body, own);
    decodeFrame(anim, {AnimFile::Anim, lookup[anim::bodySlotEntry(bootsSlot, 0, 2)], frame, {128, 168}, false, DecodeKind::Part},
                boots, own);
    int bootPixels = 0, overBody = 0;
    for (int y = 0; y < 240; ++y) {
      for (int x = 0; x < 270; ++x) {
        if (boots.pixel(x, y) == kKeyColour) continue;
        ++bootPixels;
        overBody += body.pixel(x, y) != kKeyColour;
        EXPECT_GT(y, 140) << "boots high up at frame " << frame;
      }
    }
    EXPECT_GT(bootPixels, 10) << frame;
    EXPECT_GT(overBody * 10, bootPixels * 6) << frame;  // mostly on the figure
  }
}

TEST(DemoAnimations, TheSameBytesOnEveryRun) {
  const std::vector<DemoFile> again = demoAnimations();
  ASSERT_EQ(again.size(), animationFiles().size());
  for (const DemoFile& f : again) EXPECT_TRUE(f.bytes == animationFiles().at(f.name)) << f.name;
}

}  // namespace
}  // namespace miro::demo
