#include "files/PictureFile.h"

#include <algorithm>
#include <array>
#include <string>

#include "common/FileIo.h"
#include "files/BmpFile.h"
#include "files/PngFile.h"

namespace miro {

namespace {

bool startsWith(Bytes bytes, Bytes prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

}  // namespace

Status checkSavable(const Bitmap32& picture, std::string_view name) {
  if (picture.width() == 0 || picture.height() == 0)
    return Status::failure("Cannot write " + std::string(name) + ": the picture is empty");
  if (!isAllowedPictureSize(picture.width(), picture.height()))
    return Status::failure("Cannot write " + std::string(name) + ": the picture is too large (" +
                           std::to_string(picture.width()) + "x" + std::to_string(picture.height()) + ")");
  return Status::success();
}

Status decodePicture(Bytes bytes, Bitmap32& out, std::string_view name) {
  static constexpr std::array<std::uint8_t, 2> kBmpStart{'B', 'M'};
  static constexpr std::array<std::uint8_t, 8> kPngStart{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (startsWith(bytes, kBmpStart)) return decodeBmp(bytes, out, name);
  if (startsWith(bytes, kPngStart)) return decodePng(bytes, out, name);
  return Status::failure("Not a BMP or PNG picture: " + std::string(name));
}

Status readPicture(const std::filesystem::path& file, Bitmap32& out) {
  std::string bytes;
  if (Status status = readWholeFile(file, bytes); !status) return status;
  return decodePicture(asBytes(bytes), out, file.string());
}

}  // namespace miro
