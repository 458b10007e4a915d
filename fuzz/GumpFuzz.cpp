// Any bytes as the gump files of a data folder: the first byte chooses gumpidx.mul and
// GUMPART.MUL (even) or gumpartLegacyMUL.uop (odd); gumps 0 to 15 are drawn from them.
#include <cstdint>

#include "FuzzInput.h"
#include "data/GumpStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  miro::fuzz::clearScratchFolder();
  const auto files = miro::fuzz::splitFiles(data + 1, size - 1);
  if (data[0] % 2 == 0) {
    miro::fuzz::writeScratchFile("gumpidx.mul", files[0]);
    if (files.size() > 1) miro::fuzz::writeScratchFile("GUMPART.MUL", files[1]);
  } else {
    miro::fuzz::writeScratchFile("gumpartLegacyMUL.uop", files[0]);
  }
  miro::DataFileCache cache;
  const miro::DataFolder folder(miro::fuzz::scratchFolder().string());
  miro::fuzz::SilentReporter reporter;
  miro::GumpStore gumps(cache, folder, reporter);
  (void)gumps.count();
  miro::Bitmap32 target(262, 324, miro::kKeyColour);
  for (int gump = 0; gump < 16; ++gump) gumps.draw(gump, target, gump - 8, 3 * gump - 20, {0, 0, 190, 240}, miro::plainColourStep);
  return 0;
}
