#include <gtest/gtest.h>

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "PictureFixtures.h"
#include "files/PngFile.h"
#include "files/SpriteSheet.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using test::TempFolder;

constexpr std::uint32_t kBackground = 0x00FF00;

// Two directions of unlike length and frames of unlike size: cells are 3 x 3, the sheet 3 x 2.
std::vector<SheetRow> twoDirections() {
  constexpr std::uint32_t B = kBackground;
  Bitmap32 keyed = test::pictureOf(1, 3, {B, 0x00FF00 + 1, 0x777777});
  keyed.transparent = true;  // a frame's own transparency must not reach the sheet
  keyed.transparentColour = 0x777777;
  return {
      {"(D)", 0, {test::pictureOf(2, 2, {0x111111, B, B, 0x222222}), test::pictureOf(3, 1, {B, 0x333333, B}), Bitmap32(1, 1, B)}},
      {"(S)", 2, {keyed}},
  };
}

Bitmap32 expectedSheet() {
  Bitmap32 sheet(9, 6, kBackground);
  sheet.setPixel(0, 0, 0x111111);
  sheet.setPixel(1, 1, 0x222222);
  sheet.setPixel(4, 0, 0x333333);
  sheet.setPixel(0, 4, 0x00FF01);
  sheet.setPixel(0, 5, 0x777777);
  return sheet;
}

nlohmann::json box(int x, int y, int width, int height) {
  return {{"x", x}, {"y", y}, {"width", width}, {"height", height}};
}

TEST(SpriteSheet, Write_TwoDirections_PngHasTheLayoutAndJsonDescribesIt) {
  TempFolder dir;
  ASSERT_TRUE(writeSpriteSheet(dir / "walk.png", twoDirections(), 150, kBackground));
  EXPECT_EQ(test::listFolder(dir.path()), "walk.json walk.png");

  Bitmap32 sheet;
  const std::string png = test::readFile(dir / "walk.png");
  ASSERT_TRUE(decodePng(Bytes(reinterpret_cast<const std::uint8_t*>(png.data()), png.size()), sheet, "walk.png"));
  EXPECT_EQ(sheet.width(), 9);
  EXPECT_EQ(sheet.height(), 6);
  EXPECT_EQ(sheet.pixels(), expectedSheet().pixels());

  const nlohmann::json json = nlohmann::json::parse(test::readFile(dir / "walk.json"));
  EXPECT_EQ(json["cell"], (nlohmann::json{{"width", 3}, {"height", 3}}));
  EXPECT_EQ(json["frames"], 3);
  EXPECT_EQ(json["delay"], 150);
  EXPECT_EQ(json["background"], "#00FF00");
  ASSERT_EQ(json["directions"].size(), 2u);
  const nlohmann::json& down = json["directions"][0];
  EXPECT_EQ(down["suffix"], "(D)");
  EXPECT_EQ(down["direction"], 0);
  EXPECT_EQ(down["row"], 0);
  EXPECT_EQ(down["frames"], 3);
  EXPECT_EQ(down["boxes"], (nlohmann::json{box(0, 0, 2, 2), box(1, 0, 1, 1), nullptr}));
  const nlohmann::json& south = json["directions"][1];
  EXPECT_EQ(south["suffix"], "(S)");
  EXPECT_EQ(south["direction"], 2);
  EXPECT_EQ(south["row"], 1);
  EXPECT_EQ(south["frames"], 1);
  EXPECT_EQ(south["boxes"], (nlohmann::json{box(0, 1, 1, 2)}));
}

TEST(SpriteSheet, Build_BackgroundColour_WrittenAsHexAndFillsEmptyCells) {
  SpriteSheet sheet;
  const std::vector<SheetRow> rows = {{"", 3, {Bitmap32(2, 1, 0x0A0B0C), Bitmap32(2, 1, 0x0A0B0C)}},
                                      {"", 5, {}}};
  ASSERT_TRUE(buildSpriteSheet(rows, 100, 0xABCDEF, sheet));
  EXPECT_EQ(sheet.picture.width(), 4);
  EXPECT_EQ(sheet.picture.height(), 2);
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(sheet.picture.pixel(x, 0), 0x0A0B0Cu);
    EXPECT_EQ(sheet.picture.pixel(x, 1), 0xABCDEFu);
  }
  const nlohmann::json json = nlohmann::json::parse(sheet.json);
  EXPECT_EQ(json["background"], "#ABCDEF");
  EXPECT_EQ(json["directions"][1]["frames"], 0);
  EXPECT_EQ(json["directions"][1]["boxes"], nlohmann::json::array());
}

TEST(SpriteSheet, Write_NoFramesOrMissingFolder_FailsNamingTheFileAndWritesNothing) {
  TempFolder dir;
  const std::pair<std::filesystem::path, std::vector<SheetRow>> cases[] = {
      {dir / "walk.png", {}},
      {dir / "walk.png", {{"(D)", 0, {}}}},
      {dir / "missing" / "walk.png", twoDirections()},
      {dir / "walk.json", twoDirections()},
  };
  for (const auto& [file, rows] : cases) {
    SCOPED_TRACE(file.string());
    const Status status = writeSpriteSheet(file, rows, 100, kBackground);
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find("walk."), std::string::npos) << status.message();
  }
  EXPECT_EQ(test::listFolder(dir.path()), "");
}

TEST(SpriteSheet, Write_TooLarge_Fails) {
  TempFolder dir;
  std::vector<SheetRow> rows(3, SheetRow{"", 0, {Bitmap32(8000, 1, 1), Bitmap32(8000, 1, 1), Bitmap32(8000, 1, 1)}});
  EXPECT_FALSE(writeSpriteSheet(dir / "walk.png", rows, 100, kBackground));
  EXPECT_EQ(test::listFolder(dir.path()), "");
}

TEST(SpriteSheet, Write_PngDiskFull_KeepsBothOldFiles) {
  TempFolder dir;
  test::writeFile(dir / "walk.png", "old png");
  test::writeFile(dir / "walk.json", "old json");
  Status status = Status::success();
  {
    test::FileSizeLimit full(1000);
    status = writeSpriteSheet(dir / "walk.png", {{"(D)", 0, {test::noisePicture(40, 40)}}}, 100, kBackground);
  }
  ASSERT_FALSE(status);
  EXPECT_NE(status.message().find("walk.png"), std::string::npos) << status.message();
  EXPECT_EQ(test::readFile(dir / "walk.png"), "old png");
  EXPECT_EQ(test::readFile(dir / "walk.json"), "old json");
  EXPECT_EQ(test::listFolder(dir.path()), "walk.json walk.png");
}

}  // namespace
}  // namespace miro
