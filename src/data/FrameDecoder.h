#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "common/Bitmap32.h"
#include "common/Bytes.h"
#include "common/Geometry.h"
#include "common/Reporter.h"
#include "data/DataFileCache.h"
#include "data/DataFolder.h"

namespace miro {

enum class AnimFile { Anim, Anim2, Anim3, Anim4 };
std::string_view animDataFileName(AnimFile file);  // "ANIM.MUL" ... "ANIM4.MUL"

// Body and mount decodes take the frame's first row as the top row; part decodes the
// smallest row drawn, and they stop at a run longer than the frame is wide.
enum class DecodeKind { Body, Mount, Part };

struct FrameHeader {
  std::int16_t centreX = 0;
  std::int16_t centreY = 0;
  std::uint16_t width = 0;
  std::uint16_t height = 0;
};

// What a decode leaves for its caller: the grey conversion and the sitting pose use it.
struct DecodeResult {
  FrameHeader header;
  bool damaged = false;  // the group or frame runs past the end of the file
  int leftmost = 256;    // smallest column drawn
  int topRow = 256;
  int rightmost = 0;   // largest column drawn, body decodes only
};

// Palette index and its colour -> the colour written, or nothing (the pixel stays empty).
using ColourRule = std::function<std::optional<std::uint32_t>(std::uint8_t index, std::uint32_t colour)>;

struct FrameRequest {
  AnimFile file = AnimFile::Anim;
  std::int32_t group = 0;  // byte position of the animation group
  int frame = 0;
  Point base;              // where the frame's centre goes on the layer
  bool mirrored = false;
  DecodeKind kind = DecodeKind::Body;
  // Only every other pixel inside the layer is written: the first, the third, ... (the
  // ethereal look of a mount).
  bool everyOtherPixel = false;
};

// Number of frames of the group at `group`; 0 when it lies outside the file.
int frameCount(Bytes file, std::int32_t group);

// The header of a frame; nothing when it lies outside the file.
std::optional<FrameHeader> frameHeader(Bytes file, std::int32_t group, int frame);

// Paints one frame of an animation group into a layer (expected cleared to the key colour).
// Anything that lies outside the file ends the decode there, keeping what was drawn.
DecodeResult decodeFrame(Bytes file, const FrameRequest& request, Bitmap32& layer, const ColourRule& rule);

// The same, reading the data file through the cache; "Failed to open ANIM.MUL." is reported
// when ANIM.MUL cannot be opened, the other files fail silently. The first damaged frame of
// each file is reported with the file's name.
class FrameDecoder {
 public:
  FrameDecoder(DataFileCache& files, const DataFolder& data, Reporter& reporter)
      : files_(files), data_(data), reporter_(reporter) {}

  DecodeResult decode(const FrameRequest& request, Bitmap32& layer, const ColourRule& rule);
  int frameCount(AnimFile file, std::int32_t group);
  // Reports a missing ANIM.MUL as a decode does.
  std::optional<FrameHeader> frameHeader(AnimFile file, std::int32_t group, int frame);

 private:
  std::shared_ptr<const MappedFile> open(AnimFile file);
  void reportDamage(AnimFile file, std::int32_t group);

  DataFileCache& files_;
  const DataFolder& data_;
  Reporter& reporter_;
  std::array<bool, 4> damageReported_{};
};

}  // namespace miro
