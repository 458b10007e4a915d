#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/Geometry.h"

namespace miro {

// Pure green marks an empty pixel in every layer.
inline constexpr std::uint32_t kKeyColour = 0x00FF00;

// A picture of 0x00RRGGBB pixels. When `transparent` is set, pixels equal to
// `transparentColour` are skipped wherever this picture is drawn onto another.
//
// The picture remembers the rectangle written since it was last filled with one colour: outside
// it every pixel has that colour. Filling and drawing touch only what can have changed, so the
// mostly empty layers of a composition cost little. Every non-const access counts as a write.
class Bitmap32 {
 public:
  Bitmap32() = default;
  Bitmap32(int width, int height, std::uint32_t fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  Rect bounds() const { return Rect{0, 0, width_, height_}; }

  std::span<std::uint32_t> row(int y);
  std::span<const std::uint32_t> row(int y) const;
  std::uint32_t pixel(int x, int y) const { return pixels_[index(x, y)]; }
  void setPixel(int x, int y, std::uint32_t colour);
  const std::vector<std::uint32_t>& pixels() const { return pixels_; }

  bool transparent = false;
  std::uint32_t transparentColour = kKeyColour;

  void fill(std::uint32_t colour);
  void fillRect(const Rect& rect, std::uint32_t colour);
  // The one-pixel outline just inside `rect`.
  void frameRect(const Rect& rect, std::uint32_t colour);
  void draw(int x, int y, const Bitmap32& source);
  // Nearest neighbour: target row y takes source row floor(y * source height / target height).
  void stretchDraw(const Rect& target, const Bitmap32& source);
  // New size with the top-left corner kept; pixels outside the old picture get `fill`.
  void resize(int width, int height, std::uint32_t fill = 0);

  bool operator==(const Bitmap32& other) const;

  // Outside this rectangle every pixel has the colour of the last fill.
  Rect writtenArea() const { return written_; }
  std::uint32_t fillColour() const { return fillColour_; }

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  bool skips(std::uint32_t colour) const { return transparent && colour == transparentColour; }
  void touch(const Rect& area);
  // Where drawing this picture can change a target: all of it, or only the written rectangle
  // when everything else is the transparent colour.
  Rect visibleArea() const;
  void fillArea(const Rect& area, std::uint32_t colour);

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
  std::uint32_t fillColour_ = 0;  // every pixel outside written_ has this colour
  Rect written_;
};

}  // namespace miro
