#include "common/Bitmap32.h"

#include <algorithm>
#include <stdexcept>

namespace miro {

namespace {

int checkedSide(int side) {
  if (side < 0) throw std::invalid_argument("Bitmap32: negative size");
  return side;
}

}  // namespace

Bitmap32::Bitmap32(int width, int height, std::uint32_t fill)
    : width_(checkedSide(width)),
      height_(checkedSide(height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill),
      fillColour_(fill) {}

void Bitmap32::touch(const Rect& area) { written_ = unite(written_, intersect(area, bounds())); }

Rect Bitmap32::visibleArea() const {
  return transparent && fillColour_ == transparentColour ? written_ : bounds();
}

std::span<std::uint32_t> Bitmap32::row(int y) {
  touch({0, y, width_, y + 1});
  return {pixels_.data() + index(0, y), static_cast<std::size_t>(width_)};
}

void Bitmap32::setPixel(int x, int y, std::uint32_t colour) {
  touch({x, y, x + 1, y + 1});
  pixels_[index(x, y)] = colour;
}

std::span<const std::uint32_t> Bitmap32::row(int y) const {
  return {pixels_.data() + index(0, y), static_cast<std::size_t>(width_)};
}

void Bitmap32::fillArea(const Rect& area, std::uint32_t colour) {
  const Rect r = intersect(area, bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    std::uint32_t* line = pixels_.data() + index(0, y);
    std::fill(line + r.left, line + r.right, colour);
  }
}

void Bitmap32::fill(std::uint32_t colour) {
  if (colour == fillColour_) fillArea(written_, colour);
  else std::fill(pixels_.begin(), pixels_.end(), colour);
  fillColour_ = colour;
  written_ = Rect{};
}

void Bitmap32::fillRect(const Rect& rect, std::uint32_t colour) {
  const Rect r = intersect(rect, bounds());
  if (r == bounds()) return fill(colour);
  fillArea(r, colour);
  touch(r);
}

void Bitmap32::frameRect(const Rect& rect, std::uint32_t colour) {
  if (rect.empty()) return;
  fillRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
  fillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  fillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void Bitmap32::draw(int x, int y, const Bitmap32& source) {
  const Rect visible = source.visibleArea();
  const Rect r = intersect(Rect{x + visible.left, y + visible.top, x + visible.right, y + visible.bottom}, bounds());
  if (r.empty()) return;
  // A picture of one opaque colour over all of this one is a fill.
  if (source.written_.empty() && !source.skips(source.fillColour_) && r == bounds()) return fill(source.fillColour_);
  touch(r);
  const auto count = static_cast<std::size_t>(r.width());
  for (int ty = r.top; ty < r.bottom; ++ty) {
    const std::uint32_t* from = source.pixels_.data() + source.index(r.left - x, ty - y);
    std::uint32_t* to = pixels_.data() + index(r.left, ty);
    if (!source.transparent) {
      std::copy_n(from, count, to);
      continue;
    }
    const std::uint32_t key = source.transparentColour;
    for (std::size_t i = 0; i < count; ++i) to[i] = from[i] == key ? to[i] : from[i];
  }
}

void Bitmap32::stretchDraw(const Rect& target, const Bitmap32& source) {
  if (target.empty() || source.width_ == 0 || source.height_ == 0) return;
  const Rect r = intersect(target, bounds());
  const auto tw = static_cast<std::int64_t>(target.width());
  const auto th = static_cast<std::int64_t>(target.height());
  touch(r);
  std::vector<int> sourceColumn(static_cast<std::size_t>(r.width()));
  for (int tx = r.left; tx < r.right; ++tx) {
    sourceColumn[static_cast<std::size_t>(tx - r.left)] =
        static_cast<int>((tx - target.left) * static_cast<std::int64_t>(source.width_) / tw);
  }
  for (int ty = r.top; ty < r.bottom; ++ty) {
    const auto sy = static_cast<int>((ty - target.top) * static_cast<std::int64_t>(source.height_) / th);
    const auto from = source.row(sy);
    std::uint32_t* to = pixels_.data() + index(r.left, ty);
    for (std::size_t i = 0; i < sourceColumn.size(); ++i) {
      const std::uint32_t colour = from[static_cast<std::size_t>(sourceColumn[i])];
      if (!source.skips(colour)) to[i] = colour;
    }
  }
}

void Bitmap32::resize(int width, int height, std::uint32_t fill) {
  Bitmap32 resized(width, height, fill);
  resized.transparent = transparent;
  resized.transparentColour = transparentColour;
  const int w = std::min(width, width_);
  for (int y = 0; y < std::min(height, height_); ++y) {
    std::copy_n(pixels_.data() + index(0, y), w, resized.pixels_.data() + resized.index(0, y));
  }
  if (fill == fillColour_) {
    resized.written_ = intersect(written_, resized.bounds());
  } else {
    resized.written_ = Rect{0, 0, std::min(width, width_), std::min(height, height_)};
  }
  *this = std::move(resized);
}

bool Bitmap32::operator==(const Bitmap32& other) const {
  return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

}  // namespace miro
