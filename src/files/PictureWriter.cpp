#include "files/PictureWriter.h"

#include "files/BmpFile.h"
#include "files/GifFile.h"
#include "files/Png8File.h"
#include "files/PngFile.h"

namespace miro {

PictureFormat pictureFormatOfSaveMode(int saveMode) {
  switch (saveMode) {
    case 0: return PictureFormat::Bmp;
    case 1: return PictureFormat::Png8;
    case 2: return PictureFormat::Gif;
    default: return PictureFormat::Png;
  }
}

std::optional<PictureFormat> pictureFormatOfName(std::string_view name) {
  if (name == "bmp") return PictureFormat::Bmp;
  if (name == "png8") return PictureFormat::Png8;
  if (name == "gif") return PictureFormat::Gif;
  if (name == "png") return PictureFormat::Png;
  return std::nullopt;
}

std::string_view extensionOf(PictureFormat format) {
  switch (format) {
    case PictureFormat::Bmp: return ".bmp";
    case PictureFormat::Gif: return ".gif";
    case PictureFormat::Png8:
    case PictureFormat::Png: return ".png";
  }
  return ".bmp";
}

Status writePicture(const std::filesystem::path& file, const Bitmap32& picture, PictureFormat format,
                    std::uint32_t background, int pngLevel) {
  switch (format) {
    case PictureFormat::Bmp: return writeBmp24(file, picture);
    case PictureFormat::Png8: return writePng8(file, picture, background, pngLevel);
    case PictureFormat::Gif: return writeGif(file, picture, background);
    case PictureFormat::Png: return writePng24(file, picture);
  }
  return Status::failure("Unknown picture format for " + file.string());
}

}  // namespace miro
