#include "files/Trimming.h"

#include <algorithm>
#include <utility>

namespace miro {

namespace {

// The part of the picture inside `box`, as a picture of its own.
Bitmap32 cut(const Bitmap32& picture, const Rect& box) {
  Bitmap32 out(box.width(), box.height());
  for (int y = 0; y < box.height(); ++y) {
    const auto from = picture.row(box.top + y);
    std::copy_n(from.begin() + box.left, box.width(), out.row(y).begin());
  }
  return out;
}

}  // namespace

bool trimToContent(Bitmap32& picture, int areaWidth, int areaHeight, std::uint32_t empty) {
  const Rect area = intersect({0, 0, areaWidth, areaHeight}, picture.bounds());
  int left = area.right, top = area.bottom, right = -1, bottom = -1;
  for (int y = area.top; y < area.bottom; ++y) {
    const auto row = std::as_const(picture).row(y);
    for (int x = area.left; x < area.right; ++x) {
      if (row[static_cast<std::size_t>(x)] == empty) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return false;
  picture = cut(picture, {left, top, right + 1, bottom + 1});
  return true;
}

void trimToRectangle(Bitmap32& picture, const Rect& rectangle, int areaWidth, int areaHeight) {
  const Rect area = intersect({0, 0, areaWidth, areaHeight}, picture.bounds());
  picture = cut(picture, intersect(rectangle, area));
}

}  // namespace miro
