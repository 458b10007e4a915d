#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/Bitmap32.h"
#include "common/Bytes.h"
#include "common/Status.h"

namespace miro {

// A Windows BMP of 24 bits per pixel, bottom-up, with a 40-byte BITMAPINFOHEADER.
std::string encodeBmp24(const Bitmap32& picture);
Status writeBmp24(const std::filesystem::path& file, const Bitmap32& picture);

// Uncompressed BMPs of 1, 4 or 8 bits per pixel with a palette, or of 24 or 32 bits,
// stored bottom-up or top-down. `name` is the file named in error messages.
// `out` is left as it was on failure.
Status decodeBmp(Bytes bytes, Bitmap32& out, std::string_view name);
Status readBmp(const std::filesystem::path& file, Bitmap32& out);

}  // namespace miro
