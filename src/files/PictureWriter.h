#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "common/Bitmap32.h"
#include "common/Status.h"

namespace miro {

// The output formats of pictures: 0 BMP, 1 PNG 8-bit, 2 GIF, 3 (or more) full-colour PNG.
enum class PictureFormat { Bmp, Png8, Gif, Png };

PictureFormat pictureFormatOfSaveMode(int saveMode);
std::optional<PictureFormat> pictureFormatOfName(std::string_view name);  // bmp, png8, gif, png
std::string_view extensionOf(PictureFormat format);                       // ".bmp", ".png", ".gif"

// Writes the picture in the format; `background` (0x00RRGGBB) is the transparent colour of PNG
// 8-bit and GIF; `pngLevel` the zlib level of PNG 8-bit.
Status writePicture(const std::filesystem::path& file, const Bitmap32& picture, PictureFormat format,
                    std::uint32_t background, int pngLevel = 9);

}  // namespace miro
