#pragma once

namespace miro {

struct Point {
  int x = 0;
  int y = 0;
};

// A rectangle as the window system keeps it: right and bottom lie just outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect&) const = default;
};

inline Rect intersect(const Rect& a, const Rect& b) {
  Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
         a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  if (r.empty()) return Rect{};
  return r;
}

// The smallest rectangle holding both.
inline Rect unite(const Rect& a, const Rect& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return Rect{a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
              a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

}  // namespace miro
