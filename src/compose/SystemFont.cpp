#include "compose/SystemFont.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>

#include "common/Utf8.h"
#include <optional>
#include <vector>

namespace miro {

namespace {

constexpr int kPixelSize = 16;  // 12 points on a 96 dpi screen

// The face names to look for, in order, then any font for Japanese.
constexpr const char* kWantedFamilies[] = {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"};

std::string matchedFile(FcPattern* pattern, const char* family) {
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string file;
  if (match != nullptr) {
    FcChar8* path = nullptr;
    FcChar8* matchedFamily = nullptr;
    bool wanted = family == nullptr;
    for (int n = 0; !wanted && FcPatternGetString(match, FC_FAMILY, n, &matchedFamily) == FcResultMatch; ++n) {
      wanted = FcStrCmpIgnoreCase(matchedFamily, reinterpret_cast<const FcChar8*>(family)) == 0;
    }
    FcCharSet* chars = nullptr;
    const bool japanese = FcPatternGetCharSet(match, FC_CHARSET, 0, &chars) == FcResultMatch &&
                          FcCharSetHasChar(chars, 0x3042);  // HIRAGANA LETTER A
    if (wanted && japanese && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
      file = reinterpret_cast<const char*>(path);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return file;
}

std::string speechFontFile() {
  if (!FcInit()) return {};
  for (const char* family : kWantedFamilies) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    if (std::string file = matchedFile(pattern, family); !file.empty()) return file;
  }
  FcPattern* japanese = FcNameParse(reinterpret_cast<const FcChar8*>(":lang=ja"));
  return japanese != nullptr ? matchedFile(japanese, nullptr) : std::string();
}

struct GlyphBitmap {
  int left = 0;
  int top = 0;
  int advance = 0;
  int width = 0;
  int rows = 0;
  std::vector<std::uint8_t> bits;  // one byte a pixel, 1 where the glyph is
};

class FreetypeFont : public SystemFont {
 public:
  FreetypeFont(FT_Library library, FT_Face face) : library_(library), face_(face) {}
  ~FreetypeFont() override {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
  }

  void draw(Bitmap32& picture, int x, int y, std::string_view text, std::uint32_t colour) override {
    const int ascent = static_cast<int>(face_->size->metrics.ascender >> 6);
    int pen = x;
    for (const char32_t c : decodeUtf8(text)) {
      const GlyphBitmap* glyph = glyphOf(c);
      if (glyph == nullptr) continue;
      for (int r = 0; r < glyph->rows; ++r) {
        const int py = y + ascent - glyph->top + r;
        if (py < 0 || py >= picture.height()) continue;
        for (int col = 0; col < glyph->width; ++col) {
          const int px = pen + glyph->left + col;
          if (px >= 0 && px < picture.width() && glyph->bits[static_cast<std::size_t>(r * glyph->width + col)]) {
            picture.setPixel(px, py, colour);
          }
        }
      }
      pen += glyph->advance;
    }
  }

  std::string familyName() const override { return face_->family_name ? face_->family_name : ""; }

 private:
  const GlyphBitmap* glyphOf(char32_t c) {
    if (const auto it = glyphs_.find(c); it != glyphs_.end()) return it->second ? &*it->second : nullptr;
    auto& slot = glyphs_[c];
    const FT_UInt index = FT_Get_Char_Index(face_, c);
    if (index == 0 || FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0) {
      return nullptr;
    }
    const FT_GlyphSlot g = face_->glyph;
    GlyphBitmap bitmap;
    bitmap.left = g->bitmap_left;
    bitmap.top = g->bitmap_top;
    bitmap.advance = static_cast<int>(g->advance.x >> 6);
    bitmap.width = static_cast<int>(g->bitmap.width);
    bitmap.rows = static_cast<int>(g->bitmap.rows);
    bitmap.bits.resize(static_cast<std::size_t>(bitmap.width * bitmap.rows));
    for (int r = 0; r < bitmap.rows; ++r) {
      const unsigned char* line = g->bitmap.buffer + r * g->bitmap.pitch;
      for (int col = 0; col < bitmap.width; ++col) {
        bitmap.bits[static_cast<std::size_t>(r * bitmap.width + col)] = (line[col / 8] >> (7 - col % 8)) & 1;
      }
    }
    slot = std::move(bitmap);
    return &*slot;
  }

  FT_Library library_;
  FT_Face face_;
  std::map<char32_t, std::optional<GlyphBitmap>> glyphs_;
};

}  // namespace

std::unique_ptr<SystemFont> SystemFont::openSpeechFont() {
  const std::string file = speechFontFile();
  if (file.empty()) return nullptr;
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(library, file.c_str(), 0, &face) != 0 || FT_Set_Pixel_Sizes(face, 0, kPixelSize) != 0) {
    if (face != nullptr) FT_Done_Face(face);
    FT_Done_FreeType(library);
    return nullptr;
  }
  return std::make_unique<FreetypeFont>(library, face);
}

}  // namespace miro
