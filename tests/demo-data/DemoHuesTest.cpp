#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DemoData.h"
#include "common/Bytes.h"
#include "data/HueTable.h"

namespace miro {
namespace {

constexpr int kHues = 3000;

struct Channels {
  int red;
  int green;
  int blue;
  int sum() const { return red + green + blue; }
  int spread() const { return std::max({red, green, blue}) - std::min({red, green, blue}); }
};

Channels channels(std::uint32_t c) {
  return {static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF)};
}

const std::string& huesFile() {
  static const std::string file = demo::demoHues().at(0).bytes;
  return file;
}

const HueTable& hues() {
  static const HueTable table = [] {
    HueTable t;
    t.load(asBytes(huesFile()));
    return t;
  }();
  return table;
}

Channels at(int hue, int step) { return channels(hues().colour(hue, step)); }

std::string nameOf(int hue) {
  const std::size_t entry = static_cast<std::size_t>(hue - 1);
  const std::string name = huesFile().substr((entry / 8) * 708 + 4 + (entry % 8) * 88 + 68, 20);
  return name.substr(0, name.find('\0'));
}

std::string listed(const std::vector<int>& hues) {
  std::string out;
  for (const int h : hues) out += std::to_string(h) + " ";
  return out;
}

TEST(DemoHues, File_IsHuesMulOf375WholeBlocks) {
  const auto files = demo::demoHues();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].name, "HUES.MUL");
  EXPECT_EQ(files[0].bytes.size(), 375u * 708);
  HueTable table;
  ASSERT_TRUE(table.load(asBytes(files[0].bytes)));
  EXPECT_EQ(table.loadedRecords(), kHues);
}

TEST(DemoHues, EveryHue_GrowsLighterStepByStepAndIsNotBlack) {
  std::vector<int> falling;
  std::vector<int> flat;
  for (int hue = 1; hue <= kHues; ++hue) {
    for (int step = 1; step < 32; ++step) {
      if (at(hue, step).sum() < at(hue, step - 1).sum()) {
        falling.push_back(hue);
        break;
      }
    }
    if (at(hue, 31).sum() <= at(hue, 0).sum()) flat.push_back(hue);
  }
  EXPECT_TRUE(falling.empty()) << "darker at a higher step: " << listed(falling);
  EXPECT_TRUE(flat.empty()) << "no lighter at step 31 than at step 0: " << listed(flat);
}

TEST(DemoHues, EveryHue_HasAShortName) {
  std::vector<int> unnamed;
  for (int hue = 1; hue <= kHues; ++hue) {
    if (nameOf(hue).empty()) unnamed.push_back(hue);
  }
  EXPECT_TRUE(unnamed.empty()) << listed(unnamed);
  EXPECT_EQ(nameOf(1155), "Green highlight");
  EXPECT_EQ(nameOf(1166), "Magenta");
  EXPECT_EQ(nameOf(1177), "Gold");
}

enum class Look { RedFirst, GreenFirst, BlueFirst, RedGreenBlue, YellowNotBlue, NearlyGrey };

bool looks(Channels c, Look look) {
  switch (look) {
    case Look::RedFirst: return c.red > c.green && c.red > c.blue;
    case Look::GreenFirst: return c.green > c.red && c.green > c.blue;
    case Look::BlueFirst: return c.blue > c.red && c.blue > c.green;
    case Look::RedGreenBlue: return c.red > c.green && c.green > c.blue;
    case Look::YellowNotBlue: return std::min(c.red, c.green) > c.blue + 0x10;
    case Look::NearlyGrey: return c.spread() <= 0x20;
  }
  return false;
}

struct FamilyCase {
  const char* family;
  int first;
  int last;
  Look look;  // at step 16
};

TEST(DemoHues, Families_LookLikeTheirNames) {
  const FamilyCase cases[] = {
      {"skin", 1002, 1058, Look::RedGreenBlue},    {"pink", 1201, 1254, Look::RedFirst},
      {"blue", 1301, 1360, Look::BlueFirst},       {"green", 1401, 1454, Look::GreenFirst},
      {"orange", 1501, 1554, Look::RedGreenBlue},  {"red", 1601, 1654, Look::RedFirst},
      {"yellow", 1701, 1754, Look::YellowNotBlue}, {"neutral", 1801, 1908, Look::NearlyGrey},
      {"bulk red", 1164, 1164, Look::RedFirst},    {"bulk green", 1165, 1165, Look::GreenFirst},
      {"bulk blue", 1167, 1167, Look::BlueFirst},  {"blond", 1102, 1105, Look::RedGreenBlue},
  };
  for (const FamilyCase& c : cases) {
    std::vector<int> unlike;
    for (int hue = c.first; hue <= c.last; ++hue) {
      if (!looks(at(hue, 16), c.look)) unlike.push_back(hue);
    }
    EXPECT_TRUE(unlike.empty()) << c.family << ": " << listed(unlike);
  }
}

TEST(DemoHues, DyeTubGrid_FamiliesOfFiveGoFromDarkToLight) {
  for (int family = 0; family < 200; ++family) {
    const int first = 2 + family * 5;
    for (int shade = 1; shade < 5; ++shade) {
      const int darker = first + shade - 1;
      const int lighter = first + shade;
      if (darker == kHidingHue || lighter == kHidingHue) continue;  // its own look
      EXPECT_LT(at(darker, 20).sum(), at(lighter, 20).sum()) << lighter;
    }
  }
}

TEST(DemoHues, FixedRoleHues_HaveTheirLooks) {
  const Channels ghostLight = at(kGhostRobeHue, 31);
  const Channels ghostDark = at(kGhostRobeHue, 0);
  EXPECT_GE(std::min({ghostLight.red, ghostLight.green, ghostLight.blue}), 0xF0);
  EXPECT_GE(std::min({ghostDark.red, ghostDark.green, ghostDark.blue}), 0xA0);

  EXPECT_LE(at(kEtherealColours, 0).sum(), 3 * 0x10);
  EXPECT_TRUE(isGrey(hues().colour(kEtherealColours, 31)));
  EXPECT_GT(at(kEtherealColours, 31).red, 0x60);
  EXPECT_LT(at(kEtherealColours, 31).red, 0xE0);

  const Channels hiding = at(kHidingHue, 31);
  EXPECT_GT(hiding.sum(), 0);
  EXPECT_LE(std::max({hiding.red, hiding.green, hiding.blue}), 0x80);
  EXPECT_GE(hiding.blue, hiding.red);
  EXPECT_GE(hiding.blue, hiding.green);

  const Channels paperdollText = at(1106, 19);  // where the grey of the fonts falls
  EXPECT_TRUE(looks(paperdollText, Look::RedGreenBlue));
  EXPECT_GE(paperdollText.red, 0xC0);
}

TEST(DemoHues, TwoRuns_GiveTheSameBytes) { EXPECT_TRUE(demo::demoHues().at(0).bytes == huesFile()); }

}  // namespace
}  // namespace miro
