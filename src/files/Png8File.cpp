#include "files/Png8File.h"

#include "common/FileIo.h"
#include "files/Palette.h"
#include "files/PictureFile.h"
#include "files/PngFile.h"

namespace miro {

std::string encodePng8(const Bitmap32& picture, std::uint32_t background, int compressionLevel) {
  if (picture.width() <= 0 || picture.height() <= 0) return {};
  return encodePngIndexed(toIndexedWithBackground(picture, background), compressionLevel);
}

Status writePng8(const std::filesystem::path& file, const Bitmap32& picture, std::uint32_t background,
                 int compressionLevel) {
  if (Status status = checkSavable(picture, file.string()); !status) return status;
  const std::string bytes = encodePng8(picture, background, compressionLevel);
  if (bytes.empty()) return Status::failure("Cannot write " + file.string() + ": the PNG encoder failed");
  return writeFileAtomically(file, bytes);
}

}  // namespace miro
