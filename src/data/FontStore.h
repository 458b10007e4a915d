#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "common/Bytes.h"
#include "common/Reporter.h"
#include "data/DataFileCache.h"
#include "data/DataFolder.h"

namespace miro {

// One glyph: its size as the font file's signed bytes, and its pixels row by row as
// 0x00RRGGBB, where 0 is transparent.
struct Glyph {
  std::int8_t width = 0;
  std::int8_t height = 0;
  std::vector<std::uint32_t> pixels;
};

// The ten bitmap fonts of FONTS.MUL; glyph g of a font is character code g + 32.
class FontStore {
 public:
  static constexpr int kFonts = 10;
  static constexpr int kGlyphs = 224;

  enum class Load { Complete, Short };
  // Reads the fonts from the bytes of FONTS.MUL; a short file keeps the whole glyphs it holds.
  Load load(Bytes file);
  // LoadFonts: from the data folder, reporting a missing or short file.
  void load(const DataFolder& data, DataFileCache& files, Reporter& reporter);

  // An empty glyph for a font or glyph number outside the store.
  const Glyph& glyph(int font, int glyph) const;
  int greatestHeight(int font) const;
  int glyphCount(int font) const;  // glyphs with pixels

 private:
  struct Font {
    std::array<Glyph, kGlyphs> glyphs;
    int greatestHeight = 0;
  };
  std::array<Font, kFonts> fonts_;
};

}  // namespace miro
