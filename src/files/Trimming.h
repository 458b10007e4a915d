#pragma once

#include <cstdint>

#include "common/Bitmap32.h"
#include "common/Geometry.h"

namespace miro {

// TrimToContent: cuts the picture to the box of the pixels of `area` (from the top-left corner)
// that differ from `empty` (0x00RRGGBB), moved to the top-left corner. Nothing is cut, and false
// is returned, when there is no such pixel.
bool trimToContent(Bitmap32& picture, int areaWidth, int areaHeight, std::uint32_t empty);

// TrimToRectangle: the rectangle of the picture moved to its top-left corner; a rectangle
// reaching beyond the area is cut to it (one wholly outside leaves an empty picture).
void trimToRectangle(Bitmap32& picture, const Rect& rectangle, int areaWidth, int areaHeight);

}  // namespace miro
