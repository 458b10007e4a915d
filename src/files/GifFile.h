#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/Bitmap32.h"
#include "common/Status.h"

namespace miro {

// A GIF89a of one image (see toIndexedWithBackground): the palette is the global colour map,
// and a graphics control extension makes the background's entry transparent.
// Empty when the picture cannot be encoded.
std::string encodeGif(const Bitmap32& picture, std::uint32_t background);
Status writeGif(const std::filesystem::path& file, const Bitmap32& picture, std::uint32_t background);

}  // namespace miro
