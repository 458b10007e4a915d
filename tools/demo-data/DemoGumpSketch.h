#pragma once

// Drawing aids for the demo gumps: shapes are gathered in a mask, then painted into a gump in one
// colour with a darker outline.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "ClientGen.h"
#include "common/Geometry.h"

namespace miro::demo {

using clientgen::GumpImage;
using Colour15 = std::uint16_t;

// 5-bit grey level; level 0 would be transparent.
constexpr Colour15 grey(int level) { return clientgen::colour15(level, level, level); }

struct Shade {
  Colour15 fill;
  Colour15 edge;
};

class Mask {
 public:
  Mask(int width, int height);

  // Each shape is added to the mask; right and bottom lie just outside.
  Mask& rect(int left, int top, int right, int bottom);
  Mask& ellipse(int centreX, int centreY, int radiusX, int radiusY);
  // Every pixel within `radius` of the segment a-b.
  Mask& capsule(Point a, Point b, int radius);
  Mask& polygon(std::initializer_list<Point> corners);
  Mask& add(const Mask& other);
  Mask& cut(const Mask& other);
  Mask& keep(const Mask& other);

  bool has(int x, int y) const;
  int width() const { return width_; }
  int height() const { return height_; }
  // Holds every pixel of the mask (it may hold more after a cut).
  const Rect& box() const { return box_; }

 private:
  template <class Inside>
  void fill(Rect area, Inside inside);

  int width_;
  int height_;
  std::vector<std::uint8_t> bits_;
  Rect box_;
};

// The part of the mask in rows top..bottom - 1.
Mask rows(Mask mask, int top, int bottom);

// The mask's pixels in `shade.fill`, those beside a pixel outside the mask in `shade.edge`.
void paint(GumpImage& image, const Mask& mask, Shade shade);
void paint(GumpImage& image, const Mask& mask, Colour15 colour);

// The gump with its empty right and bottom margins cut off; its top-left corner stays in place.
GumpImage trimmed(const GumpImage& image);

}  // namespace miro::demo
