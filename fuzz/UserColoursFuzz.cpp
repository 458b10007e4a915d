// Any bytes as add_colors.txt, the user's colour list.
#include <cstdint>

#include "FuzzInput.h"
#include "colour/UserColours.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  miro::fuzz::SilentReporter reporter;
  miro::UserColourList list = miro::parseUserColours(std::string_view(reinterpret_cast<const char*>(data), size), reporter);
  for (int item = -1; item < 3; ++item) list.select(item);
  if (const auto* colour = list.selected()) (void)colour->lastHue();
  return 0;
}
