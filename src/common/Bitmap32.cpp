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
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

std::span<std::uint32_t> Bitmap32::row(int y) {
  return {pixels_.data() + index(0, y), static_cast<std::size_t>(width_)};
}

std::span<const std::uint32_t> Bitmap32::row(int y) const {
  return {pixels_.data() + index(0, y), static_cast<std::size_t>(width_)};
}

void Bitmap32::fill(std::uint32_t colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

void Bitmap32::fillRect(const Rect& rect, std::uint32_t colour) {
  const Rect r = intersect(rect, bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    auto line = row(y);
    std::fill(line.begin() + r.left, line.begin() + r.right, colour);
  }
}

void Bitmap32::frameRect(const Rect& rect, std::uint32_t colour) {
  if (rect.empty()) return;
  fillRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
  fillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  fillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void Bitmap32::draw(int x, int y, const Bitmap32& source) {
  const Rect r = intersect(Rect{x, y, x + source.width_, y + source.height_}, bounds());
  const auto count = static_cast<std::size_t>(r.width());
  for (int ty = r.top; ty < r.bottom; ++ty) {
    const std::uint32_t* from = source.row(ty - y).data() + (r.left - x);
    std::uint32_t* to = row(ty).data() + r.left;
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
  std::vector<int> sourceColumn(static_cast<std::size_t>(r.width()));
  for (int tx = r.left; tx < r.right; ++tx) {
    sourceColumn[static_cast<std::size_t>(tx - r.left)] =
        static_cast<int>((tx - target.left) * static_cast<std::int64_t>(source.width_) / tw);
  }
  for (int ty = r.top; ty < r.bottom; ++ty) {
    const auto sy = static_cast<int>((ty - target.top) * static_cast<std::int64_t>(source.height_) / th);
    const auto from = source.row(sy);
    std::uint32_t* to = row(ty).data() + r.left;
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
    std::copy_n(row(y).begin(), w, resized.row(y).begin());
  }
  *this = std::move(resized);
}

bool Bitmap32::operator==(const Bitmap32& other) const {
  return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

}  // namespace miro
