#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "common/Bitmap32.h"
#include "common/Bytes.h"
#include "common/Status.h"

namespace miro {

// Pictures larger than this are refused on reading and writing: no picture the program
// draws comes near it, and a damaged file must not make us allocate gigabytes.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 25;

inline bool isAllowedPictureSize(std::int64_t width, std::int64_t height) {
  return width >= 1 && height >= 1 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

// Success, or why `picture` may not be saved as `name`.
Status checkSavable(const Bitmap32& picture, std::string_view name);

// A BMP or PNG picture, told apart by its first bytes rather than its name.
Status decodePicture(Bytes bytes, Bitmap32& out, std::string_view name);
Status readPicture(const std::filesystem::path& file, Bitmap32& out);

}  // namespace miro
