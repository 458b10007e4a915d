// Any bytes as an animation data file: every frame of the group at the start decoded.
#include <cstdint>

#include "data/FrameDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const miro::Bytes file(data, size);
  miro::Bitmap32 layer(270, 240, miro::kKeyColour);
  const miro::ColourRule rule = [](std::uint8_t i, std::uint32_t c) -> std::optional<std::uint32_t> {
    if (i == 0) return std::nullopt;
    return c;
  };
  const int frames = miro::frameCount(file, 0);
  for (int f = 0; f < frames && f < 64; ++f) {
    for (const auto kind : {miro::DecodeKind::Body, miro::DecodeKind::Part}) {
      miro::FrameRequest request{miro::AnimFile::Anim, 0, f, {128, 168}, f % 2 == 1, kind};
      request.everyOtherPixel = f % 3 == 0;
      (void)miro::decodeFrame(file, request, layer, rule);
    }
  }
  return 0;
}
