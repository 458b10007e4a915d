#include <gtest/gtest.h>

#include "compose/Catalogue.h"
#include "compose/Outfit.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

TEST(Catalogue, ListsHoldTheirItemsWordForWord) {
  EXPECT_EQ(bodyItems().size(), 6u);
  EXPECT_EQ(bodyItems()[2], "savege male (Body)");
  for (int s = 1; s <= kPartSlots; ++s) EXPECT_EQ(partItems(s).size(), static_cast<std::size_t>(partSlot(s).items)) << s;
  EXPECT_EQ(partItems(5)[8], "leather shorts (female)");
  EXPECT_EQ(partItems(16)[5], "staraw hat");
  EXPECT_EQ(partItems(17)[3], "excutioner's axe");
  EXPECT_EQ(partItems(22), partItems(17));
  EXPECT_EQ(partItems(22)[0], "none (Right hand1)");
  EXPECT_EQ(partItems(18)[1], "lantan (burned)");
  EXPECT_EQ(partItems(17)[68], "NG wepon (whip)");
  EXPECT_EQ(motionItems().size(), 40u);
  EXPECT_EQ(motionItems()[35], "Sit on chair");
  EXPECT_EQ(designMountItems().size(), 9u);
  EXPECT_EQ(partSlot(5).layerName, "BOTTIMS1");
  EXPECT_EQ(partSlot(14).layerName, "HARF_APRON");
  EXPECT_EQ(partSlot(19).outfitSection, "Blacelet");
  EXPECT_EQ(partListName(3), "PartsBox4");
  EXPECT_EQ(colourButtonName(22), "ColBtn23");
  EXPECT_EQ(listHintId(22), 2074);
}

TEST(Catalogue, MotionsGiveTheirActions) {
  const std::pair<std::pair<int, int>, int> cases[] = {
      {{0, 0}, 0}, {{29, 0}, 29}, {{36, 0}, 26}, {{38, 5}, 26}, {{37, 1}, 29}, {{39, 0}, 29},
      {{35, 2}, 4}, {{35, 7}, 4},  {{35, 3}, 25}, {{35, 6}, 25}, {{34, 0}, 34}};
  for (const auto& [input, action] : cases) EXPECT_EQ(actionOfMotion(input.first, input.second), action);
  EXPECT_TRUE(isRidingMotion(23));
  EXPECT_TRUE(isRidingMotion(39));
  EXPECT_FALSE(isRidingMotion(30));
  EXPECT_FALSE(isRidingMotion(35));
}

class PriorityFile : public testing::Test {
 protected:
  test::TempFolder dir;
  ProgramFolder home{dir.path(), ProgramFolder::Source::HomeOption};
};

TEST_F(PriorityFile, Missing_GivesSlotOrderAndSavingWritesEverySection) {
  const Priorities loaded = loadPriorities(home);
  for (int s = 1; s <= kPartSlots; ++s) {
    EXPECT_EQ(loaded.twoD[static_cast<std::size_t>(s)], s);
    EXPECT_EQ(loaded.pd[static_cast<std::size_t>(s)], s);
  }
  ASSERT_TRUE(savePriorities(home, loaded));
  const std::string text = test::readFile(dir / "MIRO2attr.ini");
  EXPECT_TRUE(text.starts_with("[CLOAK]\r\n2D=1\r\nPD=1\r\n\r\n[HAIR]\r\n2D=2\r\nPD=2\r\n")) << text;
  EXPECT_NE(text.find("[BOTTIMS1]\r\n2D=5\r\nPD=5\r\n"), std::string::npos);
  EXPECT_NE(text.find("[RIGHT_HAND2]\r\n2D=22\r\nPD=22\r\n"), std::string::npos);
}

TEST_F(PriorityFile, Load_TakesDecimalOrHexAndDefaultsTheRest) {
  test::writeFile(dir / "miro2attr.ini",
                  "[hair]\n2d=0x1F\npd=7\n[TORSO1]\n2D=33\nPD=0\n[HEAD]\n2D=abc\n[RING]\nPD=32\n");
  const Priorities p = loadPriorities(home);
  EXPECT_EQ(p.twoD[2], 31);
  EXPECT_EQ(p.pd[2], 7);
  EXPECT_EQ(p.twoD[8], 8);  // outside 1..32
  EXPECT_EQ(p.pd[8], 8);
  EXPECT_EQ(p.twoD[16], 16);
  EXPECT_EQ(p.pd[16], 16);
  EXPECT_EQ(p.pd[21], 32);
}

TEST_F(PriorityFile, Save_UpdatesInPlaceAndKeepsOtherSectionsAndKeys) {
  test::writeFile(dir / "MIRO2attr.ini", "; mine\r\n[Extra]\r\nkeep=1\r\n[HAIR]\r\n2D=2\r\nNote=x\r\nPD=2\r\n");
  Priorities p;
  p.twoD[2] = 30;
  ASSERT_TRUE(savePriorities(home, p));
  const std::string text = test::readFile(dir / "MIRO2attr.ini");
  EXPECT_TRUE(text.starts_with("; mine\r\n[Extra]\r\nkeep=1\r\n[HAIR]\r\n2D=30\r\nNote=x\r\nPD=2\r\n\r\n[CLOAK]"))
      << text;
  EXPECT_EQ(loadPriorities(home).twoD[2], 30);
}

TEST_F(PriorityFile, DiskFull_KeepsTheOldFileAndNamesIt) {
  const std::string old = "[Notes]\r\nText=" + std::string(3000, 'n') + "\r\n[HAIR]\r\n2D=9\r\nPD=9\r\n";
  test::writeFile(dir / "MIRO2attr.ini", old);
  Priorities p;
  p.twoD[2] = 30;
  Status saved = Status::success();
  {
    test::FileSizeLimit full(1000);
    saved = savePriorities(home, p);
  }
  ASSERT_FALSE(saved);
  EXPECT_NE(saved.message().find("MIRO2attr.ini"), std::string::npos) << saved.message();
  EXPECT_EQ(test::readFile(dir / "MIRO2attr.ini"), old);
  EXPECT_EQ(test::listFolder(dir.path()), "MIRO2attr.ini");
}

TEST(ResetOutfit, ClearsTheOutfitButKeepsSpeechColoursPriorityAndOtherEffects) {
  Outfit outfit;
  ViewState view;
  for (int slot = 0; slot < kColourSlots; ++slot) outfit.colours[static_cast<std::size_t>(slot)] = 100 + slot;
  outfit.body = 3;
  outfit.parts[7] = 1;
  outfit.mount = 5;
  outfit.speech[2].text = "hello";
  view = ViewState{};
  view.motion = 23;
  view.direction = 6;
  view.frame = 3;
  view.effects = {true, true, true, true, true, true, true};

  resetOutfit(outfit, view);
  for (int slot = 0; slot < kColourSlots; ++slot) {
    const bool kept = slot == 24 || slot == 25 || slot == 26 || slot == 28;
    EXPECT_EQ(outfit.colour(slot), kept ? 100 + slot : 0) << slot;
  }
  EXPECT_EQ(outfit.body, 0);
  EXPECT_EQ(outfit.part(7), 0);
  EXPECT_EQ(outfit.mount, 0);
  EXPECT_EQ(outfit.speech[2].text, "hello");
  EXPECT_EQ(view.motion, kStand);
  EXPECT_EQ(view.direction, 0);
  EXPECT_EQ(view.frame, 3);
  EXPECT_FALSE(view.effects.hiding);
  EXPECT_FALSE(view.effects.shadowOnly);
  EXPECT_FALSE(view.effects.silhouette);
  EXPECT_TRUE(view.effects.showShadow);
  EXPECT_TRUE(view.effects.ghost);
  EXPECT_TRUE(view.effects.maskSpeech);
  EXPECT_TRUE(view.effects.showBorder);
}

}  // namespace
}  // namespace miro
