#include "common/TextEncoding.h"

#include <iconv.h>

#include <cerrno>

namespace miro {

bool isValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    if (b >= 0xC2 && b <= 0xDF) extra = 1;
    else if (b >= 0xE0 && b <= 0xEF) extra = 2;
    else if (b >= 0xF0 && b <= 0xF4) extra = 3;
    else if (b >= 0x80) return false;
    if (i + extra >= text.size() && extra > 0) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

std::string legacyTextToUtf8(std::string_view text) {
  if (isValidUtf8(text)) return std::string(text);
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  std::string out;
  std::string input(text);
  char* in = input.data();
  std::size_t inLeft = input.size();
  char buffer[256];
  while (inLeft > 0) {
    char* to = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t done = iconv(converter, &in, &inLeft, &to, &outLeft);
    out.append(buffer, sizeof buffer - outLeft);
    if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {  // no character there: skip a byte
      out += '?';
      ++in;
      --inLeft;
    }
  }
  iconv_close(converter);
  return out;
}

}  // namespace miro
