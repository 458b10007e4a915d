#include "DemoFontRaster.h"

#include <algorithm>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace miro::demo {

namespace {

// A rendered glyph with the position of its bitmap from the pen on the baseline.
struct Rendered {
  bool present = false;
  int left = 0;
  int top = 0;
  int width = 0;
  int rows = 0;
  int advance = 0;
  std::vector<std::uint8_t> ink;
};

class Face {
 public:
  Face(const std::filesystem::path& file, int pixelSize) {
    if (FT_Init_FreeType(&library_) != 0) return;
    if (FT_New_Face(library_, file.c_str(), 0, &face_) != 0 ||
        FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
      close();
    }
  }
  ~Face() { close(); }
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;

  bool ok() const { return face_ != nullptr; }
  Rendered render(FT_ULong code) const;

 private:
  void close() {
    if (face_ != nullptr) FT_Done_Face(face_);
    if (library_ != nullptr) FT_Done_FreeType(library_);
    face_ = nullptr;
    library_ = nullptr;
  }

  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
};

Rendered Face::render(FT_ULong code) const {
  const FT_UInt index = FT_Get_Char_Index(face_, code);
  if (index == 0 || FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO) != 0 ||
      FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_MONO) != 0) {
    return {};
  }
  const FT_GlyphSlot slot = face_->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  Rendered out{true, slot->bitmap_left, slot->bitmap_top, static_cast<int>(bitmap.width),
               static_cast<int>(bitmap.rows), static_cast<int>(slot->advance.x >> 6), {}};
  if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) out.width = out.rows = 0;
  for (int y = 0; y < out.rows; ++y) {
    const unsigned char* row = bitmap.buffer + y * bitmap.pitch;
    for (int x = 0; x < out.width; ++x) out.ink.push_back((row[x / 8] >> (7 - x % 8)) & 1);
  }
  return out;
}

// Ascent is measured from the baseline up to the highest ink, descent down to the lowest.
GlyphShape place(const Rendered& r, int ascent, int cellHeight) {
  if (!r.present) return {};
  if (r.width == 0 || r.rows == 0) {
    return {r.advance, cellHeight, 0, std::vector<std::uint8_t>(static_cast<std::size_t>(r.advance * cellHeight))};
  }
  const int x0 = std::min(0, r.left - 1);
  const int x1 = std::max(r.advance, r.left + r.width + 1);
  const int top = ascent - r.top;  // the outline's row above the ink
  GlyphShape shape{x1 - x0, cellHeight - top, top, {}};
  shape.ink.resize(static_cast<std::size_t>(shape.width * shape.height));
  for (int y = 0; y < r.rows; ++y) {
    for (int x = 0; x < r.width; ++x) {
      const auto at = static_cast<std::size_t>((y + 1) * shape.width + (x + r.left - x0));
      shape.ink[at] = r.ink[static_cast<std::size_t>(y * r.width + x)];
    }
  }
  return shape;
}

}  // namespace

std::optional<FontShapes> rasterise(const std::filesystem::path& file, int pixelSize) {
  const Face face(file, pixelSize);
  if (!face.ok()) return std::nullopt;
  std::vector<Rendered> rendered;
  int ascent = 0;
  int descent = 0;
  for (int code = kFirstCode; code < kFirstCode + kCodes; ++code) {
    rendered.push_back(face.render(static_cast<FT_ULong>(code)));
    const Rendered& r = rendered.back();
    if (r.width == 0 || r.rows == 0) continue;
    ascent = std::max(ascent, r.top);
    descent = std::max(descent, r.rows - r.top);
  }
  FontShapes shapes{ascent + descent + 2, {}};
  for (const Rendered& r : rendered) shapes.glyphs.push_back(place(r, ascent, shapes.cellHeight));
  return shapes;
}

FontShapes blockShapes() {
  constexpr int kCell = 9;
  FontShapes shapes{kCell, std::vector<GlyphShape>(kCodes)};
  for (int code = kFirstCode; code < kFirstCode + kCodes; ++code) {
    GlyphShape& shape = shapes.glyphs[static_cast<std::size_t>(code - kFirstCode)];
    if (code == ' ' || code == 0xA0) {
      shape = {4, kCell, 0, std::vector<std::uint8_t>(4 * kCell)};
    } else if (code < 0x7F || code > 0xA0) {
      constexpr int kWidth = 8;  // a free column after the outline keeps the blocks apart
      shape = {kWidth, kCell, 0, std::vector<std::uint8_t>(kWidth * kCell)};
      for (int y = 1; y <= 7; ++y) std::fill_n(shape.ink.begin() + y * kWidth + 1, 5, std::uint8_t{1});
    }
  }
  return shapes;
}

}  // namespace miro::demo
