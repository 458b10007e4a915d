#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "colour/HueNames.h"

namespace miro {
namespace {

TEST(HueName, EdgeCasesAndRangeBoundaries_GiveTheirCodeAndName) {
  struct Row {
    HueId hue;
    const char* hex;
    const char* name;
  };
  const Row rows[] = {
      {0, "0000", "Default"},
      {1, "0001", "Black"},
      {2, "0002", "Tub 0111"},
      {6, "0006", "Tub 0115"},
      {7, "0007", "Tub 0211"},
      {102, "0066", "Tub 0121"},
      {902, "0386", "Tub 0101"},
      {1001, "03E9", "Tub 2005"},
      {1002, "03EA", "Skin 01"},
      {1058, "0422", "Skin 57"},
      {1059, "0423", "Unknown"},
      {1101, "044D", "Unknown"},
      {1102, "044E", "Hair 01"},
      {1149, "047D", "Hair 48"},
      {1150, "047E", "Ice 5"},
      {1151, "047F", "Ice 4"},
      {1152, "0480", "Ice 1"},
      {1154, "0482", "Ice 3"},
      {1155, "0483", "Bulk 1"},
      {1164, "048C", "Bulk 10"},
      {1177, "0499", "Bulk 23"},
      {1178, "049A", "Unknown"},
      {1200, "04B0", "Unknown"},
      {1201, "04B1", "Pink 01"},
      {1254, "04E6", "Pink 54"},
      {1255, "04E7", "Unknown"},
      {1278, "04FE", "Unknown"},
      {1300, "0514", "Unknown"},
      {1301, "0515", "Blue 01"},
      {1360, "0550", "Blue 60"},
      {1361, "0551", "Unknown"},
      {1400, "0578", "Unknown"},
      {1401, "0579", "Green 01"},
      {1454, "05AE", "Green 54"},
      {1455, "05AF", "Unknown"},
      {1500, "05DC", "Unknown"},
      {1501, "05DD", "Orange 01"},
      {1554, "0612", "Orange 54"},
      {1555, "0613", "Unknown"},
      {1600, "0640", "Unknown"},
      {1601, "0641", "Red 01"},
      {1654, "0676", "Red 54"},
      {1655, "0677", "Unknown"},
      {1700, "06A4", "Unknown"},
      {1701, "06A5", "Yellow 01"},
      {1754, "06DA", "Yellow 54"},
      {1755, "06DB", "Unknown"},
      {1800, "0708", "Unknown"},
      {1801, "0709", "Neutral 001"},
      {1908, "0774", "Neutral 108"},
      {1909, "0775", "Unknown"},
      {2000, "07D0", "Unknown"},
      {2001, "07D1", "Snake 01"},
      {2018, "07E2", "Snake 18"},
      {2019, "07E3", "Unknown"},
      {2100, "0834", "Unknown"},
      {2101, "0835", "Bird 01"},
      {2130, "0852", "Bird 30"},
      {2131, "0853", "Unknown"},
      {2200, "0898", "Unknown"},
      {2201, "0899", "Slime 01"},
      {2224, "08B0", "Slime 24"},
      {2225, "08B1", "Unknown"},
      {2300, "08FC", "Unknown"},
      {2301, "08FD", "Animal 01"},
      {2318, "090E", "Animal 18"},
      {2319, "090F", "Unknown"},
      {2400, "0960", "Unknown"},
      {2401, "0961", "Metal 01"},
      {2430, "097E", "Metal 30"},
      {2431, "097F", "Unknown"},
      {3199, "0C7F", "Unknown"},
      {16384, "4000", "Unknown"},
      {16385, "4001", "Ethereal"},
      {16386, "4002", "Unknown"},
      {65535, "FFFF", "Unknown"},
      {65536, "10000", "Unknown"},
      {-1, "FFFFFFFF", "Unknown"},
      {-1201, "FFFFFB4F", "Unknown"},
      {INT32_MIN, "80000000", "Unknown"},
      {INT32_MAX, "7FFFFFFF", "Unknown"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(hueName(row.hue), row.name) << row.hue;
    EXPECT_EQ(colourCaption(row.hue, true), row.name) << row.hue;
    EXPECT_EQ(colourCaption(row.hue, false), row.hex) << row.hue;
  }
}

TEST(TubCode, AllTubHues_GiveDistinctCodesOfColumnRowAndShade) {
  std::set<int> codes;
  for (HueId hue = kFirstTubHue; hue <= kLastTubHue; ++hue) {
    const int code = tubCode(hue);
    EXPECT_GE(code / 100, 1) << hue;
    EXPECT_LE(code / 100, 20) << hue;
    EXPECT_GE(code % 10, 1) << hue;
    EXPECT_LE(code % 10, 5) << hue;
    codes.insert(code);
  }
  EXPECT_EQ(codes.size(), 1000u);
  EXPECT_EQ(tubCode(1), 0);
  EXPECT_EQ(tubCode(1002), 0);
}

TEST(BulkName, EveryBulkHue_HasItsRewardNameAndOthersNone) {
  const char* const names[] = {"green highlight", "dark blue",    "dark red",    "dark purple", "dark yellow",
                               "dark bluegreen",  "fire",         "Bluegreen",   "Purpleblue",  "Greenblue",
                               "Icelight",        "Firelight",    "Greenlight",  "Purplelight", "Brownlight",
                               "Slickness",       "Greenpurple",  "Blue red",    "Brightblue",  "Blaze",
                               "Darkness",        "Bluedarkblue", "Gold"};
  for (HueId hue = kFirstBulkHue; hue <= kLastBulkHue; ++hue) {
    EXPECT_EQ(bulkName(hue), names[hue - kFirstBulkHue]) << hue;
  }
  EXPECT_EQ(bulkName(1154), "");
  EXPECT_EQ(bulkName(1178), "");
  EXPECT_EQ(bulkName(1177 - 65536), "");
}

TEST(DescribeHue, NumberCodeAndName_BulkNameAdded) {
  EXPECT_EQ(describeHue(1201), "1201 (0x04B1): Pink 01");
  EXPECT_EQ(describeHue(1177), "1177 (0x0499): Bulk 23 / Gold");
  EXPECT_EQ(describeHue(0), "0 (0x0000): Default");
  EXPECT_EQ(describeHue(-1), "-1 (0xFFFFFFFF): Unknown");
  EXPECT_EQ(describeHue(70000), "70000 (0x11170): Unknown");
}

TEST(ColourCaptions, OutfitSlots_EveryButtonButSlot24InSlotOrder) {
  Outfit outfit;
  for (int slot = 0; slot < kColourSlots; ++slot) outfit.colours[static_cast<std::size_t>(slot)] = 1200 + slot;
  outfit.colours[23] = kEtherealHue;

  const auto hex = colourCaptions(outfit, false);
  const auto names = colourCaptions(outfit, true);
  ASSERT_EQ(hex.size(), 28u);
  ASSERT_EQ(names.size(), 28u);
  for (std::size_t i = 0; i < hex.size(); ++i) {
    const int slot = static_cast<int>(i < 24 ? i : i + 1);
    EXPECT_EQ(hex[i].slot, slot);
    EXPECT_EQ(names[i].slot, slot);
  }
  EXPECT_EQ(hex[0].caption, "04B0");
  EXPECT_EQ(names[0].caption, "Unknown");
  EXPECT_EQ(names[1].caption, "Pink 01");
  EXPECT_EQ(hex[23].caption, "4001");
  EXPECT_EQ(names[23].caption, "Ethereal");
  EXPECT_EQ(names[24].caption, "Pink 25");  // slot 25, the first speech line
  EXPECT_EQ(hex[27].caption, "04CC");       // slot 28, the main palette
}

}  // namespace
}  // namespace miro
