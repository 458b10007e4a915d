#include <gtest/gtest.h>

#include <random>

#include "ClientGen.h"
#include "common/Bytes.h"
#include "data/ClientColour.h"
#include "common/Limits.h"
#include "data/FrameDecoder.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

struct RawRun {
  int length;
  int key;     // the low four bits of the row
  int offset;  // column of the first pixel from the centre
  std::vector<std::uint8_t> pixels;
};

std::string rawFrame(int centreX, int centreY, int width, int height, const std::vector<RawRun>& runs) {
  std::string out;
  appendU16(out, static_cast<std::uint16_t>(centreX));
  appendU16(out, static_cast<std::uint16_t>(centreY));
  appendU16(out, static_cast<std::uint16_t>(width));
  appendU16(out, static_cast<std::uint16_t>(height));
  for (const RawRun& run : runs) {
    appendU16(out, static_cast<std::uint16_t>((run.length & 0xFFF) | (run.key << 12)));
    appendU16(out, static_cast<std::uint16_t>((run.offset & 0x3FF) << 6));
    for (const std::uint8_t p : run.pixels) out += static_cast<char>(p);
  }
  appendU16(out, 0x7FFF);
  appendU16(out, 0x7FFF);
  return out;
}

// A group at position `lead` of the file (after that many filler bytes). Palette index i has
// the colour i in the blue channel, so each pixel on the layer tells its palette index.
std::string rawGroup(const std::vector<std::string>& frames, std::size_t lead = 0) {
  std::string out(lead, '\xEE');
  for (int i = 0; i < 256; ++i) appendU16(out, static_cast<std::uint16_t>(i >> 3));
  appendU32(out, static_cast<std::uint32_t>(frames.size()));
  std::uint32_t offset = 4 + 4 * static_cast<std::uint32_t>(frames.size());
  for (const auto& f : frames) {
    appendU32(out, offset);
    offset += static_cast<std::uint32_t>(f.size());
  }
  for (const auto& f : frames) out += f;
  return out;
}

// Writes the palette index back, so the layer shows which pixel went where.
const ColourRule kIndexRule = [](std::uint8_t index, std::uint32_t) { return std::optional<std::uint32_t>(index); };

struct Decoded {
  Bitmap32 layer{270, 240, kKeyColour};
  DecodeResult result;
  std::vector<std::pair<int, int>> drawn() const {  // (x, y) of every pixel drawn, row by row
    std::vector<std::pair<int, int>> at;
    for (int y = 0; y < layer.height(); ++y)
      for (int x = 0; x < layer.width(); ++x)
        if (layer.pixel(x, y) != kKeyColour) at.emplace_back(x, y);
    return at;
  }
};

Decoded decode(const std::string& file, FrameRequest request, const ColourRule& rule = kIndexRule) {
  Decoded d;
  d.result = decodeFrame(asBytes(file), request, d.layer, rule);
  return d;
}

FrameRequest at(int x, int y, bool mirrored = false, DecodeKind kind = DecodeKind::Body) {
  FrameRequest r;
  r.base = {x, y};
  r.mirrored = mirrored;
  r.kind = kind;
  return r;
}

using Pixels = std::vector<std::pair<int, int>>;

TEST(FrameDecoder, Columns_StartFromTheCentreAndRunLeftwardsWhenMirrored) {
  const std::string file = rawGroup({rawFrame(30, 0, 60, 1, {{3, 0, -20, {1, 2, 3}}})});
  const Decoded plain = decode(file, at(128, 100));
  EXPECT_EQ(plain.drawn(), (Pixels{{108, 99}, {109, 99}, {110, 99}}));
  EXPECT_EQ(plain.layer.pixel(108, 99), 1u);
  EXPECT_EQ(plain.result.leftmost, 108);
  EXPECT_EQ(plain.result.rightmost, 110);

  const Decoded mirrored = decode(file, at(128, 100, true));
  EXPECT_EQ(mirrored.drawn(), (Pixels{{146, 99}, {147, 99}, {148, 99}}));
  EXPECT_EQ(mirrored.layer.pixel(148, 99), 1u);
  EXPECT_EQ(mirrored.layer.pixel(146, 99), 3u);
  EXPECT_EQ(mirrored.result.leftmost, 146);
}

TEST(FrameDecoder, Rows_AreCountedByTheChangesOfTheRowKeyModulo16) {
  // Rows 0, 0, 2 (key 15 then 1 wraps: two rows down), 3; the frame's top is at by - cy - h.
  const std::string file = rawGroup({rawFrame(0, 10, 4, 20,
                                              {{1, 15, 0, {1}}, {1, 15, 2, {2}}, {1, 1, 0, {3}}, {1, 2, 1, {4}}})});
  const Decoded d = decode(file, at(50, 100));
  EXPECT_EQ(d.drawn(), (Pixels{{50, 70}, {52, 70}, {50, 72}, {51, 73}}));
  EXPECT_EQ(d.result.topRow, 70);
  EXPECT_EQ(d.result.header.height, 20);
}

TEST(FrameDecoder, RowsAboveTheLayer_AreSkippedAndTheRestStayInPlace) {
  std::vector<RawRun> runs;
  for (int row = 0; row < 6; ++row) runs.push_back({1, row, 0, {static_cast<std::uint8_t>(10 + row)}});
  const std::string file = rawGroup({rawFrame(0, 0, 1, 6, runs)});
  const Decoded d = decode(file, at(5, 3));  // the frame's top row is -3
  EXPECT_EQ(d.drawn(), (Pixels{{5, 0}, {5, 1}, {5, 2}}));
  EXPECT_EQ(d.layer.pixel(5, 0), 13u);
  EXPECT_EQ(d.result.topRow, -3);
}

TEST(FrameDecoder, RowsAtOrBelowTheLayerBottom_EndTheFrame) {
  std::vector<RawRun> runs;
  for (int row = 0; row < 6; ++row) runs.push_back({1, row, 0, {static_cast<std::uint8_t>(10 + row)}});
  const std::string file = rawGroup({rawFrame(0, 0, 1, 6, runs)});
  const Decoded d = decode(file, at(5, 242));  // rows 236..241
  EXPECT_EQ(d.drawn(), (Pixels{{5, 236}, {5, 237}, {5, 238}, {5, 239}}));
}

TEST(FrameDecoder, RowsBeyondTheFrameHeight_EndTheFrame) {
  const std::string file = rawGroup({rawFrame(0, 0, 2, 2, {{1, 0, 0, {1}}, {1, 1, 0, {2}}, {1, 2, 0, {3}}})});
  EXPECT_EQ(decode(file, at(5, 100)).drawn(), (Pixels{{5, 98}, {5, 99}}));
}

TEST(FrameDecoder, ColumnsOutsideTheLayer_AreDroppedButCountForTheLeftmostColumn) {
  const std::string file = rawGroup({rawFrame(0, 0, 8, 1, {{6, 0, -3, {1, 2, 3, 4, 5, 6}}})});
  const Decoded left = decode(file, at(1, 50));
  EXPECT_EQ(left.drawn(), (Pixels{{0, 49}, {1, 49}, {2, 49}, {3, 49}}));
  EXPECT_EQ(left.result.leftmost, -2);
  EXPECT_EQ(decode(file, at(268, 50)).drawn(), (Pixels{{265, 49}, {266, 49}, {267, 49}, {268, 49}, {269, 49}}));
}

TEST(FrameDecoder, PartDecodes_StopAtARunWiderThanTheFrameAndTakeTheSmallestRowDrawn) {
  const std::string file = rawGroup({rawFrame(0, 0, 2, 4, {{1, 1, 0, {1}}, {3, 2, 0, {2, 2, 2}}, {1, 3, 0, {3}}})});
  const Decoded part = decode(file, at(10, 100, false, DecodeKind::Part));
  EXPECT_EQ(part.drawn(), (Pixels{{10, 96}}));  // the first run's row is the frame's top row
  EXPECT_EQ(part.result.topRow, 96);
  EXPECT_EQ(part.result.rightmost, 0);  // kept for body decodes only

  const Decoded body = decode(file, at(10, 100));
  EXPECT_EQ(body.drawn().size(), 5u);
  EXPECT_EQ(body.result.topRow, 96);

  const Decoded empty = decode(rawGroup({rawFrame(0, 0, 2, 4, {})}), at(10, 100, false, DecodeKind::Part));
  EXPECT_EQ(empty.result.topRow, 256);
  EXPECT_EQ(empty.result.leftmost, 256);
}

TEST(FrameDecoder, ColourRule_GivesEachPixelItsColourOrLeavesItEmpty) {
  const std::string file = rawGroup({rawFrame(0, 0, 4, 1, {{4, 0, 0, {8, 16, 24, 32}}})});
  const ColourRule evenOnly = [](std::uint8_t index, std::uint32_t colour) -> std::optional<std::uint32_t> {
    if (index == 16) return std::nullopt;
    return colour | 0x010000;
  };
  const Decoded d = decode(file, at(0, 1), evenOnly);
  // Palette entry i holds blue i >> 3, widened: 1 -> 8, 3 -> 24, 4 -> 33.
  EXPECT_EQ(d.layer.pixel(0, 0), 0x010008u);
  EXPECT_EQ(d.layer.pixel(1, 0), kKeyColour);
  EXPECT_EQ(d.layer.pixel(2, 0), 0x010018u);
  EXPECT_EQ(d.layer.pixel(3, 0), 0x010021u);
}

TEST(FrameDecoder, PaletteColours_WidenEachChannel) {
  EXPECT_EQ(widenColour15(0x7FFF), 0xFFFFFFu);
  EXPECT_EQ(widenColour15(0x0421), 0x080808u);
  EXPECT_EQ(widenColour15(0x0000), 0u);
  EXPECT_EQ(widenColour15(0x7C00), 0xFF0000u);
  EXPECT_EQ(widenColour15(0x8010), 0x000084u);  // bit 15 is not used
}

TEST(FrameDecoder, FramesAndGroupsOutsideTheFile_DrawNothingOrWhatWasReached) {
  std::vector<std::string> frames;
  for (int f = 0; f < 40; ++f) frames.push_back(rawFrame(0, 0, 1, 1, {{1, 0, 0, {static_cast<std::uint8_t>(f)}}}));
  const std::string file = rawGroup(frames, 100);
  FrameRequest r = at(5, 5);
  r.group = 100;
  r.frame = 39;  // more than 32 frames work
  EXPECT_EQ(decode(file, r).layer.pixel(5, 4), 39u);
  r.frame = 40;
  EXPECT_TRUE(decode(file, r).drawn().empty());
  r.frame = -1;
  EXPECT_TRUE(decode(file, r).drawn().empty());
  r.frame = 0;
  r.group = static_cast<std::int32_t>(file.size()) - 10;
  EXPECT_TRUE(decode(file, r).drawn().empty());
  r.group = -5;
  EXPECT_TRUE(decode(file, r).drawn().empty());

  // A file cut inside the second run keeps the first run and the part of the second it holds.
  const std::string whole = rawGroup({rawFrame(0, 0, 4, 2, {{2, 0, 0, {1, 2}}, {4, 1, 0, {3, 4, 5, 6}}})});
  const Decoded cut = decode(whole.substr(0, whole.size() - 6), at(0, 2));
  EXPECT_EQ(cut.drawn(), (Pixels{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));

  // A frame offset that points outside the file.
  std::string badOffset = rawGroup({rawFrame(0, 0, 1, 1, {{1, 0, 0, {1}}})});
  badOffset[516] = '\x7F';
  EXPECT_TRUE(decode(badOffset, at(0, 1)).drawn().empty());
}

TEST(FrameDecoder, Damage_IsToldApartFromWhatTheGroupDoesNotHave) {
  const std::string whole = rawGroup({rawFrame(0, 0, 4, 2, {{2, 0, 0, {1, 2}}, {4, 1, 0, {3, 4, 5, 6}}})});
  std::string badOffset = whole;
  badOffset[516] = '\x7F';
  std::string noEndMarker = whole.substr(0, whole.size() - 4);
  struct Case {
    const char* what;
    std::string file;
    int group;
    int frame;
    bool damaged;
  };
  const std::vector<Case> cases = {
      {"whole", whole, 0, 0, false},
      {"frame beyond the group's count", whole, 0, 1, false},
      {"no group", whole, -1, 0, false},
      {"cut inside a run", whole.substr(0, whole.size() - 6), 0, 0, true},
      {"no end marker", noEndMarker, 0, 0, true},
      {"frame offset outside the file", badOffset, 0, 0, true},
      {"group beyond the file", whole, static_cast<int>(whole.size()) + 10, 0, true},
      {"group header cut", whole.substr(0, 514), 0, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrameRequest r = at(0, 2);
    r.group = c.group;
    r.frame = c.frame;
    EXPECT_EQ(decode(c.file, r).result.damaged, c.damaged);
  }
}

TEST(FrameDecoder, FrameCount_IsBoundedWhateverTheGroupClaims) {
  std::string group = rawGroup({rawFrame(0, 0, 1, 1, {{1, 0, 0, {1}}})});
  for (int i = 0; i < 4; ++i) group[512 + static_cast<std::size_t>(i)] = '\xFF';
  EXPECT_EQ(frameCount(asBytes(group), 0), limits::kGroupFrames);
}

TEST(FrameDecoder, EncodedFrames_DecodeToTheirPictures) {
  std::mt19937 random(11);
  for (int round = 0; round < 20; ++round) {
    std::uniform_int_distribution<int> size(1, 60);
    clientgen::IndexedFrame frame(size(random), size(random) + 20, 25, 30);
    std::uniform_int_distribution<int> pixel(-40, 255);  // many empty pixels and empty rows
    const bool sparse = round % 2 == 0;
    for (int y = 0; y < frame.height; ++y) {
      const bool emptyRow = sparse && (y % 23) < 19;
      for (int x = 0; x < frame.width; ++x) frame.at(x, y) = emptyRow ? -1 : std::max(-1, pixel(random));
    }
    clientgen::AnimGroup group;
    for (int i = 0; i < 256; ++i) group.palette[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(i >> 3);
    group.frames = {frame, frame};
    const std::string file = clientgen::encodeGroup(group);

    FrameRequest r = at(100, 200);
    r.frame = 1;
    const Decoded d = decode(file, r);
    const int left = 100 - frame.centreX;
    const int top = 200 - frame.centreY - frame.height;
    for (int y = 0; y < frame.height; ++y) {
      for (int x = 0; x < frame.width; ++x) {
        const int expected = frame.at(x, y);
        ASSERT_EQ(d.layer.pixel(left + x, top + y), expected < 0 ? kKeyColour : static_cast<std::uint32_t>(expected))
            << "round " << round << " at " << x << "," << y;
      }
    }
    EXPECT_EQ(d.drawn().size(), static_cast<std::size_t>(std::count_if(frame.pixels.begin(), frame.pixels.end(),
                                                                       [](int p) { return p >= 0; })));
  }
}

// Decoding into the layer only what lands inside it must give the same pixels and columns as
// decoding into a layer wide enough to hold the whole frame.
TEST(FrameDecoder, FramesAcrossTheLayerEdges_MatchAnUnclippedDecode) {
  constexpr int kShift = 400;
  std::mt19937 random(5);
  std::uniform_int_distribution<int> pixel(-30, 255);
  for (int round = 0; round < 60; ++round) {
    clientgen::IndexedFrame frame(40 + round % 7, 12, 20, 3);
    for (int& p : frame.pixels) p = std::max(-1, pixel(random));
    clientgen::AnimGroup group;
    group.frames = {frame};
    const std::string file = clientgen::encodeGroup(group);
    FrameRequest r = at(-40 + round * 6, 100, round % 2 == 1, round % 3 == 0 ? DecodeKind::Part : DecodeKind::Body);
    SCOPED_TRACE("base x " + std::to_string(r.base.x) + (r.mirrored ? " mirrored" : ""));
    const Decoded clipped = decode(file, r);
    FrameRequest wide = r;
    wide.base.x += kShift;
    Decoded whole;
    whole.layer = Bitmap32(270 + 2 * kShift, 240, kKeyColour);
    whole.result = decodeFrame(asBytes(file), wide, whole.layer, kIndexRule);
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 270; ++x) ASSERT_EQ(clipped.layer.pixel(x, y), whole.layer.pixel(x + kShift, y)) << x << "," << y;
    // The columns of the frame's pixels, from 256 and 0 on, count wherever they land.
    int minColumn = frame.width;
    int maxColumn = -1;
    for (int y = 0; y < frame.height; ++y)
      for (int x = 0; x < frame.width; ++x)
        if (frame.at(x, y) >= 0) minColumn = std::min(minColumn, x), maxColumn = std::max(maxColumn, x);
    const int step = r.mirrored ? -1 : 1;
    const int a = r.base.x + step * (minColumn - frame.centreX);
    const int b = r.base.x + step * (maxColumn - frame.centreX);
    EXPECT_EQ(clipped.result.leftmost, std::min({256, a, b}));
    EXPECT_EQ(clipped.result.rightmost, r.kind == DecodeKind::Body ? std::max({0, a, b}) : 0);
    EXPECT_EQ(clipped.result.topRow, whole.result.topRow);

    // Every other pixel counts only the pixels inside the layer, in the order they are decoded.
    r.everyOtherPixel = true;
    const Decoded halved = decode(file, r);
    bool odd = false;
    for (int y = 0; y < 240; ++y) {
      for (int n = 0; n < 270; ++n) {
        const int x = r.mirrored ? 269 - n : n;
        if (clipped.layer.pixel(x, y) == kKeyColour) continue;
        odd = !odd;
        ASSERT_EQ(halved.layer.pixel(x, y), odd ? clipped.layer.pixel(x, y) : kKeyColour) << x << "," << y;
      }
    }
  }
}

class FrameDecoderFiles : public testing::Test {
 protected:
  test::TempFolder dir;
  DataFolder folder{dir.path().string()};
  DataFileCache files;
  test::RecordingReporter reporter;
  FrameDecoder decoder{files, folder, reporter};
  Bitmap32 layer{270, 240, kKeyColour};
};

TEST_F(FrameDecoderFiles, MissingFiles_OnlyAnimMulIsReported) {
  FrameRequest r = at(10, 10);
  decoder.decode(r, layer, kIndexRule);
  ASSERT_EQ(reporter.messages.size(), 1u);
  EXPECT_EQ(reporter.messages[0].text, "Failed to open ANIM.MUL.");
  EXPECT_EQ(reporter.messages[0].caption, "Error");
  for (const AnimFile other : {AnimFile::Anim2, AnimFile::Anim3, AnimFile::Anim4}) {
    r.file = other;
    decoder.decode(r, layer, kIndexRule);
  }
  EXPECT_EQ(reporter.messages.size(), 1u);
}

TEST_F(FrameDecoderFiles, ManyDecodes_OpenTheFileOnceUntilItChanges) {
  test::writeFile(dir / "anim3.mul", rawGroup({rawFrame(0, 0, 1, 1, {{1, 0, 0, {7}}})}));
  FrameRequest r = at(10, 10);
  r.file = AnimFile::Anim3;
  for (int i = 0; i < 25; ++i) decoder.decode(r, layer, kIndexRule);
  EXPECT_EQ(files.openCount(), 1);
  EXPECT_EQ(layer.pixel(10, 9), 7u);
  EXPECT_EQ(decoder.frameCount(AnimFile::Anim3, 0), 1);

  test::writeFile(dir / "anim3.mul", rawGroup({rawFrame(0, 0, 1, 1, {{1, 0, 0, {9}}}), rawFrame(0, 0, 1, 1, {})}));
  decoder.decode(r, layer, kIndexRule);
  EXPECT_EQ(files.openCount(), 2);
  EXPECT_EQ(layer.pixel(10, 9), 9u);

  std::filesystem::remove(dir / "anim3.mul");
  EXPECT_EQ(decoder.frameCount(AnimFile::Anim3, 0), 0);
  EXPECT_TRUE(reporter.messages.empty());
}

}  // namespace
}  // namespace miro
