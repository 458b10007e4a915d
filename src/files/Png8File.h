#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/Bitmap32.h"
#include "common/Status.h"

namespace miro {

// A palette PNG of bit depth 8 (see toIndexedWithBackground): `background` has an entry of
// its own, which bKGD names and tRNS makes the only transparent one. `compressionLevel` is
// zlib's, 0 (none) to 9 (smallest). Empty when the picture cannot be encoded.
std::string encodePng8(const Bitmap32& picture, std::uint32_t background, int compressionLevel = 9);
Status writePng8(const std::filesystem::path& file, const Bitmap32& picture, std::uint32_t background,
                 int compressionLevel = 9);

}  // namespace miro
