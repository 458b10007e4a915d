#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "DemoData.h"
#include "DemoGumpFigure.h"
#include "compose/Catalogue.h"
#include "compose/GumpCatalogue.h"
#include "data/GumpStore.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace miro::demo {
namespace {

const std::vector<DemoFile>& generated() {
  static const std::vector<DemoFile> files = demoGumps();
  return files;
}

// What a gump draws into an empty picture.
struct Footprint {
  int pixels = 0;
  int grey = 0;
  int rawOne = 0;  // pixels of raw colour 1
  Rect box;
  long sumX = 0;
  long sumY = 0;

  double centreX() const { return pixels == 0 ? 0 : static_cast<double>(sumX) / pixels; }
  double centreY() const { return pixels == 0 ? 0 : static_cast<double>(sumY) / pixels; }
  int coloured() const { return pixels - grey; }
};

constexpr std::uint32_t kDrawn = 0xFF000000;

class DemoGumps : public testing::Test {
 protected:
  DemoGumps() {
    for (const DemoFile& file : generated()) test::writeFile(dir / file.name, file.bytes);
  }

  Footprint footprint(int gump, int width = kPaperdollWidth, int height = kPaperdollHeight, Point at = {}) {
    Bitmap32 target(width, height, 0);
    int rawOne = 0;
    store.draw(gump, target, at.x, at.y, target.bounds(), [&](std::uint16_t raw, std::uint32_t converted) {
      rawOne += raw == 1;
      return converted | kDrawn;
    });
    Footprint f;
    f.rawOne = rawOne;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t p = target.pixel(x, y);
        if ((p & kDrawn) == 0) continue;
        ++f.pixels;
        f.grey += (p & 0xFF) == ((p >> 8) & 0xFF) && (p & 0xFF) == ((p >> 16) & 0xFF);
        f.sumX += x;
        f.sumY += y;
        f.box = unite(f.box, Rect{x, y, x + 1, y + 1});
      }
    }
    return f;
  }

  // Every item of the catalogue, male and female.
  void forEachItem(const std::function<void(int slot, int item, bool female, int gump)>& check) {
    for (int slot = 1; slot <= kPartSlots; ++slot)
      for (int item = 1; item < partSlot(slot).items; ++item)
        for (const bool female : {false, true}) check(slot, item, female, *partGump(slot, item, female));
  }

  test::TempFolder dir;
  DataFileCache files;
  DataFolder folder{dir.path().string()};
  test::RecordingReporter reporter;
  GumpStore store{files, folder, reporter};
};

TEST_F(DemoGumps, Files_AreTheGumpIndexAndArtOfAFewMegabytes) {
  ASSERT_EQ(generated().size(), 2u);
  EXPECT_EQ(generated()[0].name, "gumpidx.mul");
  EXPECT_EQ(generated()[1].name, "GUMPART.MUL");
  EXPECT_LT(generated()[0].bytes.size() + generated()[1].bytes.size(), 4u << 20);
  EXPECT_EQ(store.source(), GumpSource::Mul);
}

TEST_F(DemoGumps, TwoRuns_GiveTheSameBytes) {
  const std::vector<DemoFile> again = demoGumps();
  ASSERT_EQ(again.size(), generated().size());
  for (std::size_t i = 0; i < again.size(); ++i) EXPECT_TRUE(again[i].bytes == generated()[i].bytes) << again[i].name;
}

TEST_F(DemoGumps, EveryCatalogueGump_DrawsPixels) {
  forEachItem([&](int slot, int item, bool female, int gump) {
    EXPECT_GT(footprint(gump).pixels, 0) << "slot " << slot << " item " << item << " female " << female;
  });
  for (int body = 0; body < 4; ++body) EXPECT_GT(footprint(*bodyGump(body)).pixels, 0) << body;
  for (const FramePicture& p : kFramePictures)
    EXPECT_GT(footprint(p.gump, kPaperdollWindowWidth, kPaperdollWindowHeight).pixels, 0) << p.gump;
  EXPECT_TRUE(reporter.messages.empty());
}

// The rows of the picture that hold what is worn in a slot.
struct WornArea {
  int slot;
  int top;
  int bottom;
};

TEST_F(DemoGumps, Items_SitWhereTheyAreWorn) {
  const Figure f = figureOf(false);
  const int wrist = f.wrist(kLeftSide).y;
  const int hand = f.hand(kLeftSide).y;
  const WornArea areas[] = {
      {1, f.shoulderY - 10, f.soleY},       // cloak
      {2, 0, f.chinY() + 25},               // hair
      {3, f.headY, f.chinY() + 30},         // beards
      {4, f.shoulderY - 8, f.hipY + 8},     // shirts
      {5, f.waistY - 10, f.soleY},          // trousers
      {6, f.kneeY - 30, kPaperdollHeight},  // footwear
      {7, f.waistY - 10, f.soleY},          // plate legs
      {8, f.shoulderY - 8, f.hipY + 16},    // torso armour
      {9, f.shoulderY - 8, hand},           // arms
      {10, wrist - 16, hand + 12},          // gloves
      {11, f.waistY - 10, f.soleY},         // skirts
      {12, f.shoulderY - 8, f.kneeY + 10},  // tops
      {13, f.shoulderY - 8, f.soleY},       // robes
      {14, f.waistY - 12, f.kneeY + 10},    // waist
      {15, f.headY, f.shoulderY + 25},      // neck
      {16, 0, f.shoulderY + 10},            // headgear
      {19, wrist - 10, wrist + 6},          // bracelet
      {20, f.headY, f.chinY()},             // earrings
      {21, hand - 4, hand + 10},            // ring
  };
  for (const WornArea& area : areas) {
    for (int item = 1; item < partSlot(area.slot).items; ++item) {
      for (const bool female : {false, true}) {
        const Rect box = footprint(*partGump(area.slot, item, female)).box;
        SCOPED_TRACE("slot " + std::to_string(area.slot) + " item " + std::to_string(item));
        EXPECT_GE(box.top, area.top);
        EXPECT_LE(box.bottom, area.bottom);
      }
    }
  }
}

TEST_F(DemoGumps, HeldItems_AreInTheirHand) {
  const Figure f = figureOf(false);
  for (const auto& [slot, side] : {std::pair{17, kRightSide}, std::pair{18, kLeftSide}, std::pair{22, kRightSide}}) {
    const Point hand = f.hand(side);
    const Rect grip{hand.x - 12, hand.y - 12, hand.x + 13, hand.y + 13};
    for (int item = 1; item < partSlot(slot).items; ++item) {
      const Footprint held = footprint(*partGump(slot, item, false));
      SCOPED_TRACE("slot " + std::to_string(slot) + " item " + std::to_string(item));
      EXPECT_FALSE(intersect(held.box, grip).empty());
      EXPECT_EQ(held.centreX() < f.x, side == kRightSide);
    }
  }
}

TEST_F(DemoGumps, Bodies_AreGreyFiguresOfTheirOwn) {
  std::vector<int> sizes;
  for (int body = 0; body < 4; ++body) {
    const Footprint figure = footprint(*bodyGump(body));
    EXPECT_EQ(figure.coloured(), 0) << body;
    EXPECT_GT(figure.box.height(), 180) << body;
    EXPECT_GT(figure.box.width(), 60) << body;
    EXPECT_LT(figure.box.width(), 100) << body;
    EXPECT_NEAR(figure.centreX(), kPaperdollWidth / 2.0, 3) << body;
    sizes.push_back(figure.pixels);
  }
  EXPECT_NE(sizes[0], sizes[1]);  // male and female differ
}

TEST_F(DemoGumps, ItemsHuedOnGreyOnly_KeepSomeColouredPixels) {
  forEachItem([&](int slot, int item, bool female, int gump) {
    if (partFullHue(slot, item)) return;
    const Footprint f = footprint(gump);
    EXPECT_GT(f.coloured(), 0) << "slot " << slot << " item " << item << " female " << female;
    EXPECT_GT(f.grey, 0) << "slot " << slot << " item " << item << " female " << female;
  });
}

TEST_F(DemoGumps, Masks_HoldRawColourOneForTheirEyes) {
  for (const int mask : {11, 12, 13, 14, 15, 40}) EXPECT_GT(footprint(*partGump(16, mask, false)).rawOne, 0) << mask;
  EXPECT_EQ(footprint(*partGump(16, 1, false)).rawOne, 0);
}

TEST_F(DemoGumps, WindowPictures_LieInsideTheWindowWithoutOverlappingButtons) {
  const Rect window{0, 0, kPaperdollWindowWidth, kPaperdollWindowHeight};
  std::vector<Rect> buttons;
  for (const FramePicture& p : kFramePictures) {
    const Footprint placed = footprint(p.gump, 400, 400, {p.left, p.top});
    EXPECT_EQ(intersect(placed.box, window), placed.box) << p.gump;
    EXPECT_GT(placed.coloured(), 0) << p.gump;
    if (p.option == FrameOption::Buttons) buttons.push_back(placed.box);
  }
  for (std::size_t i = 0; i < buttons.size(); ++i)
    for (std::size_t j = i + 1; j < buttons.size(); ++j)
      EXPECT_TRUE(intersect(buttons[i], buttons[j]).empty()) << i << " " << j;
  for (const int frame : {2000, 2001})
    EXPECT_EQ(footprint(frame, kPaperdollWindowWidth, kPaperdollWindowHeight).box, window) << frame;
}

}  // namespace
}  // namespace miro::demo
