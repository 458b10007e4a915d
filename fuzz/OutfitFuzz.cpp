// Any bytes as an outfit file (.uc2 or UOC; the loader tells them by content), written again.
#include <cstdint>

#include "FuzzInput.h"
#include "files/OutfitFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  miro::fuzz::writeScratchFile("outfit.uc2", std::string_view(reinterpret_cast<const char*>(data), size));
  miro::fuzz::SilentReporter reporter;
  miro::Outfit outfit;
  (void)miro::loadOutfit(miro::fuzz::scratchFolder() / "outfit.uc2", outfit, reporter);
  (void)miro::encodeOutfit(outfit);
  return 0;
}
