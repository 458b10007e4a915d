// Any bytes as gump data, and as a UOP container.
#include <cstdint>

#include "data/GumpStore.h"
#include "data/UopContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const miro::Bytes bytes(data, size);
  miro::Bitmap32 target(262, 324, miro::kKeyColour);
  const int height = size > 0 ? data[0] * 3 : 0;
  miro::drawGumpPicture({bytes, height, 0}, target, -5, 3, {0, 0, 190, 240}, miro::plainColourStep);
  if (const auto container = miro::UopContainer::open(bytes)) {
    std::string out;
    for (int gump = 0; gump < 4; ++gump) (void)container->read(bytes, gump, out);
  }
  return 0;
}
