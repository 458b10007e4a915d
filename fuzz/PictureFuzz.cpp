// Any bytes as a BMP or PNG background picture.
#include <cstdint>

#include "files/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  miro::Bitmap32 picture;
  (void)miro::decodePicture(miro::Bytes(data, size), picture, "fuzz");
  return 0;
}
