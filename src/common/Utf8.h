#pragma once

#include <string>
#include <string_view>

namespace miro {

// The code points of UTF-8 text; a byte that starts no valid sequence stands for itself.
inline std::u32string decodeUtf8(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra == 0 ? b : b & (0x3F >> extra);
    std::size_t j = i + 1;
    for (; extra > 0 && j < text.size() && (static_cast<unsigned char>(text[j]) & 0xC0) == 0x80; --extra, ++j) {
      c = (c << 6) | (static_cast<unsigned char>(text[j]) & 0x3F);
    }
    out.push_back(c);
    i = j;
  }
  return out;
}

}  // namespace miro
