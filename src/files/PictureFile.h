#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "common/Bitmap32.h"
#include "common/Bytes.h"
#include "common/Limits.h"
#include "common/Status.h"

namespace miro {

// Pictures larger than the limits are refused on reading and writing: no picture the program
// draws comes near them, and a damaged file must not make us allocate gigabytes.
inline bool isAllowedPictureSize(std::int64_t width, std::int64_t height) {
  return width >= 1 && height >= 1 && width <= limits::kPictureSide && height <= limits::kPictureSide &&
         width * height <= limits::kPicturePixels;
}

// Success, or why `picture` may not be saved as `name`.
Status checkSavable(const Bitmap32& picture, std::string_view name);

// A BMP or PNG picture, told apart by its first bytes rather than its name.
Status decodePicture(Bytes bytes, Bitmap32& out, std::string_view name);
Status readPicture(const std::filesystem::path& file, Bitmap32& out);

}  // namespace miro
