// Any bytes as FONTS.MUL and as HUES.MUL.
#include <cstdint>

#include "data/FontStore.h"
#include "data/HueTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const miro::Bytes bytes(data, size);
  miro::FontStore fonts;
  (void)fonts.load(bytes);
  miro::HueTable hues;
  (void)hues.load(bytes);
  (void)hues.colour(3000, 31);
  return 0;
}
