#include "data/FrameDecoder.h"

#include <algorithm>

#include "common/Limits.h"
#include "common/Strings.h"
#include "data/ClientColour.h"

namespace miro {

namespace {

constexpr int kFailedToOpenAnimMul = 1061;
constexpr std::uint16_t kEndMarker = 0x7FFF;
constexpr std::size_t kPaletteSize = 512;

// Each palette entry through the colour rule once: what each index writes, if anything.
struct ColourTable {
  std::array<std::uint32_t, 256> colour{};
  std::array<bool, 256> writes{};
};

ColourTable applyRule(Bytes file, std::size_t group, const ColourRule& rule) {
  ColourTable table;
  for (int i = 0; i < 256; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const auto written = rule(static_cast<std::uint8_t>(i), widenColour15(u16Unchecked(file, group + 2 * index)));
    table.writes[index] = written.has_value();
    if (written) table.colour[index] = *written;
  }
  return table;
}

// The run header's column offset: bits 6-15 of the second word, a signed 10-bit number.
int columnOffset(std::uint16_t second) { return static_cast<std::int16_t>(second) >> 6; }

}  // namespace

std::string_view animDataFileName(AnimFile file) {
  switch (file) {
    case AnimFile::Anim: return "ANIM.MUL";
    case AnimFile::Anim2: return "ANIM2.MUL";
    case AnimFile::Anim3: return "ANIM3.MUL";
    case AnimFile::Anim4: return "ANIM4.MUL";
  }
  return "ANIM.MUL";
}

int frameCount(Bytes file, std::int32_t group) {
  if (group < 0) return 0;
  const auto count = u32At(file, static_cast<std::uint64_t>(group) + kPaletteSize);
  if (!count) return 0;
  return static_cast<int>(std::min<std::uint32_t>(*count, limits::kGroupFrames));
}

// Where frame `frame` of the group begins; nothing when it lies outside the file.
std::optional<std::uint64_t> frameStart(Bytes file, std::int32_t group, int frame) {
  if (group < 0 || frame < 0 || frame >= frameCount(file, group)) return std::nullopt;
  const auto at = static_cast<std::uint64_t>(group);
  const auto offset = u32At(file, at + kPaletteSize + 4 + 4 * static_cast<std::uint64_t>(frame));
  if (!offset || !fits(file, at + kPaletteSize + *offset, 8)) return std::nullopt;
  return at + kPaletteSize + *offset;
}

std::optional<FrameHeader> frameHeader(Bytes file, std::int32_t group, int frame) {
  const auto start = frameStart(file, group, frame);
  if (!start) return std::nullopt;
  const auto at = static_cast<std::size_t>(*start);
  return FrameHeader{static_cast<std::int16_t>(u16Unchecked(file, at)), static_cast<std::int16_t>(u16Unchecked(file, at + 2)),
                     u16Unchecked(file, at + 4), u16Unchecked(file, at + 6)};
}

namespace {

// A frame that cannot be found although the group says it has it, or a group whose header
// lies past the end of the file.
bool missingFrameIsDamage(Bytes file, std::int32_t group, int frame) {
  if (group < 0) return false;
  if (!fits(file, static_cast<std::uint64_t>(group), kPaletteSize + 4)) return true;
  return frame >= 0 && frame < frameCount(file, group);
}

}  // namespace

DecodeResult decodeFrame(Bytes file, const FrameRequest& request, Bitmap32& layer, const ColourRule& rule) {
  DecodeResult result;
  const auto found = frameHeader(file, request.group, request.frame);
  if (!found) {
    result.damaged = missingFrameIsDamage(file, request.group, request.frame);
    return result;
  }
  result.header = *found;
  const FrameHeader& header = result.header;
  std::uint64_t at = *frameStart(file, request.group, request.frame) + 8;
  const auto group = static_cast<std::uint64_t>(request.group);

  const ColourTable colours = applyRule(file, static_cast<std::size_t>(group), rule);
  const int y0 = request.base.y - header.centreY - header.height;
  if (request.kind != DecodeKind::Part) result.topRow = y0;
  int y = y0;
  int previousKey = -1;
  bool oddPixel = false;  // counts the pixels inside the layer, for every other pixel

  result.damaged = true;  // until the end marker is read
  for (int runs = 0; fits(file, at, 4) && runs < limits::kFrameRuns; ++runs) {
    const std::uint16_t first = u16Unchecked(file, at);
    const std::uint16_t second = u16Unchecked(file, at + 2);
    at += 4;
    const int length = first & 0x0FFF;
    if (first == kEndMarker || second == kEndMarker || (request.kind == DecodeKind::Part && length > header.width)) {
      result.damaged = false;
      break;
    }

    // Rows are counted by the changes of the 4-bit row key, not read whole.
    const int key = first >> 12;
    if (previousKey >= 0 && key != previousKey) y += (key - previousKey + 16) % 16;
    previousKey = key;

    const int column = (header.centreX + columnOffset(second)) % 512;  // keeps the sign of the sum
    const int step = request.mirrored ? -1 : 1;
    const int x0 = request.base.x + step * (column - header.centreX);

    if (y >= y0 + header.height || y >= layer.height()) {
      result.damaged = false;
      break;
    }
    if (y < 0) {
      at += static_cast<std::uint64_t>(length);
      continue;
    }
    const bool complete = fits(file, at, static_cast<std::uint64_t>(length));
    const int pixels = complete ? length : static_cast<int>(file.size() - at);
    if (pixels > 0 && request.kind == DecodeKind::Part) result.topRow = std::min(result.topRow, y);
    if (pixels > 0) {
      const int xLast = x0 + step * (pixels - 1);
      result.leftmost = std::min({result.leftmost, x0, xLast});
      if (request.kind == DecodeKind::Body) result.rightmost = std::max({result.rightmost, x0, xLast});
    }
    // Only the pixels that land inside the layer are visited.
    const int firstInside = std::max(0, step > 0 ? -x0 : x0 - layer.width() + 1);
    const int endInside = std::min(pixels, step > 0 ? layer.width() - x0 : x0 + 1);
    auto row = layer.row(y);
    for (int i = firstInside; i < endInside; ++i) {
      const std::uint8_t index = file[static_cast<std::size_t>(at) + static_cast<std::size_t>(i)];
      const int x = x0 + step * i;
      if (request.everyOtherPixel) {
        oddPixel = !oddPixel;
        if (!oddPixel) continue;
      }
      if (colours.writes[index]) row[static_cast<std::size_t>(x)] = colours.colour[index];
    }
    if (!complete) break;
    at += static_cast<std::uint64_t>(length);
  }
  return result;
}

std::shared_ptr<const MappedFile> FrameDecoder::open(AnimFile file) {
  auto mapped = files_.open(data_, animDataFileName(file));
  if (!mapped && file == AnimFile::Anim) reporter_.error(strings::text(kFailedToOpenAnimMul));
  return mapped;
}

DecodeResult FrameDecoder::decode(const FrameRequest& request, Bitmap32& layer, const ColourRule& rule) {
  const auto mapped = open(request.file);
  if (!mapped) return {};
  const DecodeResult result = decodeFrame(mapped->bytes(), request, layer, rule);
  if (result.damaged) reportDamage(request.file, request.group);
  return result;
}

void FrameDecoder::reportDamage(AnimFile file, std::int32_t group) {
  bool& reported = damageReported_[static_cast<std::size_t>(file)];
  if (reported) return;
  reported = true;
  reporter_.error(data_.file(animDataFileName(file)).string() + " is damaged: the animation at byte " +
                  std::to_string(group) + " runs past the end of the file.");
}

std::optional<FrameHeader> FrameDecoder::frameHeader(AnimFile file, std::int32_t group, int frame) {
  const auto mapped = open(file);
  if (!mapped) return std::nullopt;
  return miro::frameHeader(mapped->bytes(), group, frame);
}

int FrameDecoder::frameCount(AnimFile file, std::int32_t group) {
  const auto mapped = files_.open(data_, animDataFileName(file));
  return mapped ? miro::frameCount(mapped->bytes(), group) : 0;
}

}  // namespace miro
