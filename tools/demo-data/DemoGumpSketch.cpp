#include "DemoGumpSketch.h"

#include <algorithm>
#include <vector>

namespace miro::demo {

Mask::Mask(int width, int height) : width_(width), height_(height), bits_(static_cast<std::size_t>(width * height)) {}

template <class Inside>
void Mask::fill(Rect area, Inside inside) {
  area = intersect(area, Rect{0, 0, width_, height_});
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (inside(x, y)) bits_[static_cast<std::size_t>(y * width_ + x)] = 1;
  box_ = unite(box_, area);
}

Mask& Mask::rect(int left, int top, int right, int bottom) {
  fill(Rect{left, top, right, bottom}, [](int, int) { return true; });
  return *this;
}

Mask& Mask::ellipse(int centreX, int centreY, int radiusX, int radiusY) {
  const double rx = radiusX + 0.5;
  const double ry = radiusY + 0.5;
  fill(Rect{centreX - radiusX, centreY - radiusY, centreX + radiusX + 1, centreY + radiusY + 1}, [&](int x, int y) {
    const double dx = (x - centreX) / rx;
    const double dy = (y - centreY) / ry;
    return dx * dx + dy * dy <= 1.0;
  });
  return *this;
}

Mask& Mask::capsule(Point a, Point b, int radius) {
  const double abx = b.x - a.x;
  const double aby = b.y - a.y;
  const double length2 = abx * abx + aby * aby;
  const double limit = (radius + 0.5) * (radius + 0.5);
  const Rect area{std::min(a.x, b.x) - radius, std::min(a.y, b.y) - radius, std::max(a.x, b.x) + radius + 1,
                  std::max(a.y, b.y) + radius + 1};
  fill(area, [&](int x, int y) {
    const double t = length2 == 0 ? 0 : std::clamp(((x - a.x) * abx + (y - a.y) * aby) / length2, 0.0, 1.0);
    const double dx = x - (a.x + t * abx);
    const double dy = y - (a.y + t * aby);
    return dx * dx + dy * dy <= limit;
  });
  return *this;
}

Mask& Mask::polygon(std::initializer_list<Point> corners) {
  const std::vector<Point> p(corners);
  Rect area{p[0].x, p[0].y, p[0].x + 1, p[0].y + 1};
  for (const Point& c : p) area = unite(area, Rect{c.x, c.y, c.x + 1, c.y + 1});
  // Even-odd rule at the pixel centres.
  fill(area, [&](int x, int y) {
    const double px = x + 0.5;
    const double py = y + 0.5;
    bool inside = false;
    for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
      if ((p[i].y > py) == (p[j].y > py)) continue;
      const double crossX = p[j].x + (py - p[j].y) * (p[i].x - p[j].x) / static_cast<double>(p[i].y - p[j].y);
      if (px < crossX) inside = !inside;
    }
    return inside;
  });
  return *this;
}

Mask& Mask::add(const Mask& other) {
  fill(other.box_, [&](int x, int y) { return other.has(x, y); });
  return *this;
}

Mask& Mask::cut(const Mask& other) {
  const Rect area = intersect(box_, other.box_);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (other.has(x, y)) bits_[static_cast<std::size_t>(y * width_ + x)] = 0;
  return *this;
}

Mask& Mask::keep(const Mask& other) {
  for (int y = box_.top; y < box_.bottom; ++y)
    for (int x = box_.left; x < box_.right; ++x)
      if (!other.has(x, y)) bits_[static_cast<std::size_t>(y * width_ + x)] = 0;
  box_ = intersect(box_, other.box_);
  return *this;
}

bool Mask::has(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return bits_[static_cast<std::size_t>(y * width_ + x)] != 0;
}

Mask rows(Mask mask, int top, int bottom) {
  Mask band(mask.width(), mask.height());
  band.rect(0, top, mask.width(), bottom);
  return mask.keep(band);
}

void paint(GumpImage& image, const Mask& mask, Shade shade) {
  const Rect area = intersect(mask.box(), Rect{0, 0, image.width, image.height});
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (!mask.has(x, y)) continue;
      const bool edge = !mask.has(x - 1, y) || !mask.has(x + 1, y) || !mask.has(x, y - 1) || !mask.has(x, y + 1);
      image.at(x, y) = edge ? shade.edge : shade.fill;
    }
  }
}

void paint(GumpImage& image, const Mask& mask, Colour15 colour) { paint(image, mask, Shade{colour, colour}); }

GumpImage trimmed(const GumpImage& image) {
  int width = 1;
  int height = 1;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (image.colours[static_cast<std::size_t>(y * image.width + x)] == 0) continue;
      width = std::max(width, x + 1);
      height = std::max(height, y + 1);
    }
  }
  GumpImage out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.at(x, y) = image.colours[static_cast<std::size_t>(y * image.width + x)];
  return out;
}

}  // namespace miro::demo
