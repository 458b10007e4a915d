#pragma once

// The ten bitmap fonts of the demo FONTS.MUL.

#include <filesystem>
#include <vector>

#include "ClientGen.h"

namespace miro::demo {

// DejaVu Sans and its bold face, as fontconfig finds them or at their usual place; a path is
// empty when that face is not installed.
struct FontFiles {
  std::filesystem::path regular;
  std::filesystem::path bold;
};
FontFiles findFontFiles();

// The ten fonts from those faces; a font whose face cannot be read has block glyphs.
std::vector<clientgen::Font> makeFonts(const FontFiles& files);

}  // namespace miro::demo
