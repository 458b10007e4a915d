#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/Bitmap32.h"
#include "common/Bytes.h"
#include "common/Status.h"

namespace miro {

// An 8-bit RGB PNG; `compressionLevel` is zlib's, 0 (none) to 9 (smallest).
// Empty when the picture cannot be encoded, as one without pixels cannot.
std::string encodePng24(const Bitmap32& picture, int compressionLevel = 9);
Status writePng24(const std::filesystem::path& file, const Bitmap32& picture);

// Any PNG: palette, grey and 16-bit pictures are turned into 8-bit RGB, and alpha is
// dropped with the colour under it kept. `name` is the file named in error messages.
// `out` is left as it was on failure.
Status decodePng(Bytes bytes, Bitmap32& out, std::string_view name);
Status readPng(const std::filesystem::path& file, Bitmap32& out);

}  // namespace miro
