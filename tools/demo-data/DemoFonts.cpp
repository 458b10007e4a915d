#include "DemoFonts.h"

#include <algorithm>

#include "DemoData.h"
#include "DemoFontRaster.h"

namespace miro::demo {

namespace {

using clientgen::colour15;

constexpr std::uint16_t kOutline = colour15(1, 1, 1);

// The colour of a glyph pixel on row `row` of a cell `cellHeight` tall.
using Paint = std::uint16_t (*)(int row, int cellHeight);

std::uint16_t grey(int, int) { return colour15(19, 19, 19); }

int shade(int top, int bottom, int row, int cellHeight) {
  return top + (bottom - top) * row / std::max(1, cellHeight - 1);
}

std::uint16_t gold(int row, int cellHeight) {
  return colour15(31, shade(29, 17, row, cellHeight), shade(14, 2, row, cellHeight));
}

std::uint16_t crimson(int row, int cellHeight) {
  return colour15(shade(31, 20, row, cellHeight), shade(12, 2, row, cellHeight), shade(9, 3, row, cellHeight));
}

struct FontStyle {
  int pixelSize;
  bool bold;
  Paint paint;
};

const FontStyle kStyles[] = {
    {11, true, grey},     // 0
    {9, false, grey},     // 1
    {10, true, grey},     // 2
    {10, false, grey},    // 3: speech
    {11, true, gold},     // 4
    {8, false, grey},     // 5
    {11, false, crimson},  // 6
    {9, true, grey},      // 7
    {8, true, grey},      // 8
    {11, false, grey},    // 9
};

bool nearInk(const GlyphShape& shape, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (shape.inked(x + dx, y + dy)) return true;
    }
  }
  return false;
}

clientgen::FontGlyph paint(const GlyphShape& shape, int cellHeight, Paint colour) {
  clientgen::FontGlyph glyph{shape.width, shape.height, {}};
  for (int y = 0; y < shape.height; ++y) {
    for (int x = 0; x < shape.width; ++x) {
      if (shape.inked(x, y)) glyph.pixels.push_back(colour(shape.top + y, cellHeight));
      else glyph.pixels.push_back(nearInk(shape, x, y) ? kOutline : 0);
    }
  }
  return glyph;
}

FontShapes shapesOf(const std::filesystem::path& file, int pixelSize) {
  std::optional<FontShapes> shapes = file.empty() ? std::nullopt : rasterise(file, pixelSize);
  return shapes ? std::move(*shapes) : blockShapes();
}

}  // namespace

std::vector<clientgen::Font> makeFonts(const FontFiles& files) {
  std::vector<clientgen::Font> fonts;
  for (const FontStyle& style : kStyles) {
    const FontShapes shapes = shapesOf(style.bold ? files.bold : files.regular, style.pixelSize);
    clientgen::Font& font = fonts.emplace_back();
    for (const GlyphShape& shape : shapes.glyphs) font.push_back(paint(shape, shapes.cellHeight, style.paint));
  }
  return fonts;
}

std::vector<DemoFile> demoFonts() { return {{"FONTS.MUL", clientgen::encodeFonts(makeFonts(findFontFiles()))}}; }

}  // namespace miro::demo
