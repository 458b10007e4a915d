#pragma once

#include <cstdint>
#include <vector>

#include "common/Bitmap32.h"

namespace miro {

// A picture of at most 256 colours: each pixel is an entry of `palette`.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB, at most 256 entries
  std::vector<std::uint8_t> indices;   // row by row, width * height of them
  int transparentIndex = -1;           // the background's entry, or -1 for none
};

// The picture's own colours in order of first appearance when it has at most 256 of them.
// A picture of more is reduced to 255 colours, and the background is an extra entry of its
// own, so that exactly the pixels equal to it are transparent. The background's entry is
// the transparent one; when no pixel has that colour there is none.
IndexedPicture toIndexed(const Bitmap32& picture, std::uint32_t background);

// As toIndexed, but the background always has an entry of its own and is the transparent
// index, used by pixels or not, as file formats that name a background colour need. A
// picture of 256 colours none of which is the background is therefore reduced.
IndexedPicture toIndexedWithBackground(const Bitmap32& picture, std::uint32_t background);

}  // namespace miro
