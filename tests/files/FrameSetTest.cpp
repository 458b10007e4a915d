#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "files/FrameSet.h"
#include "files/PictureFile.h"
#include "support/ComposeScene.h"

namespace miro {
namespace {

using test::block;
using test::groupOf;

// A man walking in every stored direction: frame f is 2 wide and 3 + f tall, one column further
// right each frame.
class FrameSets : public testing::Test {
 protected:
  FrameSets() {
    for (int stored = 0; stored < 5; ++stored) {
      std::vector<clientgen::IndexedFrame> frames;
      for (int f = 0; f < 4; ++f) frames.push_back(block(2, 3 + f, -f, 0, 128));
      s.place(AnimFile::Anim, anim::peopleEntry(0, 0, stored), groupOf(frames));
    }
    s.view.motion = 0;
    s.writeFiles();
  }
  FrameSetResult run(const FrameSetOptions& options) {
    return exportFrameSet(s.composer, s.outfit, s.priorities, s.view, out.path(), "walk", options,
                          [this](std::string_view status, const FrameSetDirection& d) {
                            statuses.push_back(std::string(status) + std::string(d.suffix));
                          });
  }
  Bitmap32 read(const std::string& name) {
    Bitmap32 b;
    EXPECT_TRUE(readPicture(out / name, b)) << name;
    return b;
  }

  test::Scene s;
  test::TempFolder out;
  std::vector<std::string> statuses;
};

TEST_F(FrameSets, Default_WritesEveryFrameOfTheCurrentDirectionUncut) {
  s.view.direction = 3;
  const FrameSetResult result = run({});
  ASSERT_TRUE(result.status) << result.status.message();
  EXPECT_EQ(test::listFolder(out.path()), "walk00.bmp walk01.bmp walk02.bmp walk03.bmp");
  EXPECT_EQ(read("walk02.bmp").width(), 270);
  EXPECT_EQ(statuses, (std::vector<std::string>{"Making animation.", "Saving animation date...", "Has saved."}));
  EXPECT_EQ(s.view.direction, 3);
}

TEST_F(FrameSets, EightWays_NamesEachDirectionAndRestoresTheCurrentOne) {
  s.view.direction = 6;
  FrameSetOptions options;
  options.directions = DirectionSet::EightWays;
  options.format = PictureFormat::Png;
  ASSERT_TRUE(run(options).status);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path()), {}), 32);
  for (const char* suffix : {"(D)", "(S)", "(L)", "(W)", "(U)", "(N)", "(R)", "(E)"}) {
    EXPECT_TRUE(std::filesystem::exists(out / (std::string("walk") + suffix + "03.png"))) << suffix;
  }
  EXPECT_EQ(statuses[1], "Saving animation date...(D)");
  EXPECT_EQ(statuses[15], "Saving animation date...(E)");
  EXPECT_EQ(s.view.direction, 6);
}

TEST_F(FrameSets, Trimming_CommonBoxEachOwnOrTheRectangle) {
  FrameSetOptions options;
  options.trimming = true;
  ASSERT_TRUE(run(options).status);
  // The union over the motion: columns 128 .. 132, rows 168 - 6 .. 167.
  for (int f = 0; f < 4; ++f) {
    const Bitmap32 b = read("walk0" + std::to_string(f) + ".bmp");
    EXPECT_EQ(b.width(), 5) << f;
    EXPECT_EQ(b.height(), 6) << f;
    EXPECT_NE(b.pixel(f, 5), 0xFFFFFFu) << f;  // the man keeps his place
  }
  options.eachToContent = true;
  ASSERT_TRUE(run(options).status);
  EXPECT_EQ(read("walk00.bmp").height(), 3);
  EXPECT_EQ(read("walk03.bmp").height(), 6);
  EXPECT_EQ(read("walk03.bmp").width(), 2);

  options.eachToContent = false;
  options.manual = true;
  options.manualRectangle = {100, 100, 140, 170};
  ASSERT_TRUE(run(options).status);
  EXPECT_EQ(read("walk01.bmp").width(), 40);
  EXPECT_EQ(read("walk01.bmp").height(), 70);
}

TEST_F(FrameSets, AnimatedFilesAndTheSheet_ComeBesideTheFrames) {
  FrameSetOptions options;
  options.directions = DirectionSet::FiveWays;
  options.format = PictureFormat::Png8;
  options.trimming = true;
  options.eachToContent = true;  // the animated files still share one size
  options.animated = FrameSetOptions::Animated::Gif;
  options.sheet = true;
  options.delayMs = 120;
  const FrameSetResult result = run(options);
  ASSERT_TRUE(result.status) << result.status.message();
  EXPECT_EQ(result.files.size(), 5u * 4u + 5u + 2u);
  const std::string gif = test::readFile(out / "walk(L).gif");
  EXPECT_EQ(gif.substr(0, 6), "GIF89a");
  EXPECT_NE(gif.find("NETSCAPE2.0"), std::string::npos);
  const auto json = nlohmann::json::parse(test::readFile(out / "walk-sheet.json"));
  EXPECT_EQ(json["delay"], 120);
  EXPECT_EQ(json["frames"], 4);
  EXPECT_EQ(json["directions"].size(), 5u);
  EXPECT_EQ(json["directions"][4]["suffix"], "(U)");
  Bitmap32 sheet;
  ASSERT_TRUE(readPicture(out / "walk-sheet.png", sheet));
  EXPECT_EQ(sheet.width(), 4 * 2);   // four frames of the widest cut, 2 pixels
  EXPECT_EQ(sheet.height(), 5 * 6);  // five directions of the tallest, 6 pixels

  options.animated = FrameSetOptions::Animated::Webp;
  options.sheet = false;
  ASSERT_TRUE(run(options).status);
  EXPECT_EQ(test::readFile(out / "walk(D).webp").substr(8, 4), "WEBP");
}

TEST_F(FrameSets, AWriterError_EndsTheRunAndNamesTheFile) {
  FrameSetOptions options;
  const FrameSetResult result =
      exportFrameSet(s.composer, s.outfit, s.priorities, s.view, out / "missing", "walk", options);
  ASSERT_FALSE(result.status);
  EXPECT_NE(result.status.message().find("walk00.bmp"), std::string::npos);
  EXPECT_TRUE(result.files.empty());
}

}  // namespace
}  // namespace miro
