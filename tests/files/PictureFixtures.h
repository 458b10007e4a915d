#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/Bitmap32.h"

namespace miro::test {

// A picture from its pixels, row by row.
inline Bitmap32 pictureOf(int width, int height, const std::vector<std::uint32_t>& pixels) {
  Bitmap32 picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, pixels[static_cast<std::size_t>(y * width + x)]);
  return picture;
}

// Bytes in memory for giflib to read: DGifOpen(&input, readGifInput, &error).
struct GifInput {
  const std::string* bytes;
  std::size_t position;
};

inline int readGifInput(GifFileType* gif, GifByteType* out, int count) {
  auto* input = static_cast<GifInput*>(gif->UserData);
  const std::size_t n = std::min(static_cast<std::size_t>(count), input->bytes->size() - input->position);
  std::memcpy(out, input->bytes->data() + input->position, n);
  input->position += n;
  return static_cast<int>(n);
}

// "42 4d 0a" gives the three bytes 0x42 0x4D 0x0A; spaces only make it readable.
inline std::string hexBytes(std::string_view hex) {
  std::string out;
  int high = -1;
  for (const char c : hex) {
    if (c == ' ') continue;
    const int digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
    if (high < 0) {
      high = digit;
    } else {
      out += static_cast<char>(high * 16 + digit);
      high = -1;
    }
  }
  return out;
}

// A picture of unrelated 0x00RRGGBB colours, which no compressor can shrink much.
inline Bitmap32 noisePicture(int width, int height, std::uint32_t seed = 1) {
  Bitmap32 picture(width, height);
  std::uint32_t state = seed;
  for (int y = 0; y < height; ++y) {
    for (std::uint32_t& colour : picture.row(y)) {
      state = state * 1664525u + 1013904223u;
      colour = state >> 8;
    }
  }
  return picture;
}

}  // namespace miro::test
