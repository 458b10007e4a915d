#pragma once

// The shapes of the demo fonts' glyphs, rasterised without anti-aliasing.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace miro::demo {

// A glyph's box, as wide as its advance and widened where the one-pixel outline needs room.
// The boxes of a font share their bottom edge: a box starts at row `top` of the font's cell and
// reaches its last row.
struct GlyphShape {
  int width = 0;
  int height = 0;
  int top = 0;
  std::vector<std::uint8_t> ink;  // width x height, row by row: 1 where the glyph is drawn

  bool inked(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height && ink[static_cast<std::size_t>(y * width + x)] != 0;
  }
};

inline constexpr int kFirstCode = 32;
inline constexpr int kCodes = 224;  // 32..255

struct FontShapes {
  int cellHeight = 0;
  std::vector<GlyphShape> glyphs;  // kCodes; codes the face lacks are 0 wide and 0 tall
};

// The Latin-1 glyphs of the font file at `pixelSize`; nullopt when FreeType cannot read it.
std::optional<FontShapes> rasterise(const std::filesystem::path& file, int pixelSize);
// Filled 5x7 blocks for the printable codes, for when no font is installed.
FontShapes blockShapes();

}  // namespace miro::demo
