#include "data/FontStore.h"

#include "data/ClientColour.h"

namespace miro {

namespace {

const Glyph kNoGlyph;

}  // namespace

FontStore::Load FontStore::load(Bytes file) {
  fonts_ = {};
  std::size_t at = 0;
  for (Font& font : fonts_) {
    if (!fits(file, at, 1)) return Load::Short;
    ++at;  // font header
    for (Glyph& glyph : font.glyphs) {
      if (!fits(file, at, 3)) return Load::Short;
      const std::uint8_t width = file[at];
      const std::uint8_t height = file[at + 1];
      const std::size_t pixels = static_cast<std::size_t>(width) * height;
      if (!fits(file, at + 3, 2 * pixels)) return Load::Short;
      at += 3;
      glyph.width = static_cast<std::int8_t>(width);
      glyph.height = static_cast<std::int8_t>(height);
      glyph.pixels.resize(pixels);
      for (std::size_t p = 0; p < pixels; ++p, at += 2) glyph.pixels[p] = scaleColour15(u16Unchecked(file, at));
      if (glyph.height > font.greatestHeight) font.greatestHeight = glyph.height;
    }
  }
  return Load::Complete;
}

void FontStore::load(const DataFolder& data, DataFileCache& files, Reporter& reporter) {
  const auto file = files.open(data, "FONTS.MUL");
  if (!file) {
    fonts_ = {};
    reporter.error("Failed to open FONT.MUL.");
    return;
  }
  if (load(file->bytes()) == Load::Short) {
    reporter.error("FONTS.MUL is shorter than ten fonts; the missing glyphs are empty.");
  }
}

const Glyph& FontStore::glyph(int font, int glyph) const {
  if (font < 0 || font >= kFonts || glyph < 0 || glyph >= kGlyphs) return kNoGlyph;
  return fonts_[static_cast<std::size_t>(font)].glyphs[static_cast<std::size_t>(glyph)];
}

int FontStore::greatestHeight(int font) const {
  return font < 0 || font >= kFonts ? 0 : fonts_[static_cast<std::size_t>(font)].greatestHeight;
}

int FontStore::glyphCount(int font) const {
  if (font < 0 || font >= kFonts) return 0;
  int count = 0;
  for (const Glyph& g : fonts_[static_cast<std::size_t>(font)].glyphs) count += !g.pixels.empty();
  return count;
}

}  // namespace miro
