#pragma once

// The system font that writes the double-byte (non-ASCII) runs of speech lines: "ＭＳ Ｐゴシック"
// at 12 points where installed, else the nearest Japanese gothic font; drawn monochrome so
// that no pixel blends with the key colour.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/Bitmap32.h"

namespace miro {

class SystemFont {
 public:
  // The first of the wanted faces that is installed; nothing usable when none is.
  static std::unique_ptr<SystemFont> openSpeechFont();
  virtual ~SystemFont() = default;

  // Draws `text` (UTF-8) with its top-left at (x, y) in one colour, skipping pixels outside the
  // picture and characters the font lacks.
  virtual void draw(Bitmap32& picture, int x, int y, std::string_view text, std::uint32_t colour) = 0;
  virtual std::string familyName() const = 0;
};

}  // namespace miro
