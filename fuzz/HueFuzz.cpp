// Any bytes as HUES.MUL, then a speech line hued from it.
#include <cstdint>

#include "data/HueTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  miro::HueTable hues;
  if (!hues.load(miro::Bytes(data, size))) return 0;
  miro::Bitmap32 line(24, 8, 0x808080);
  line.setPixel(1, 1, 0x00FF00);
  const miro::HueId hue = size > 2 ? data[1] | (data[2] << 8) : 3000;
  miro::hueSpeechLine(hues, hue, line, size > 0 ? data[0] % 10 : 4);
  (void)hues.colour(miro::drawnHue(hue), 31);
  return 0;
}
