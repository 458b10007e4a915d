#pragma once

#include <cstdint>

namespace miro {

// A 15-bit client colour (red in bits 10-14, green 5-9, blue 0-4) as 0x00RRGGBB, each
// channel widened as (v << 3) | (v >> 2), so 0 stays 0 and 31 becomes 255.
constexpr std::uint32_t widenColour15(std::uint16_t c) {
  const auto widen = [](std::uint32_t v) { return (v << 3) | (v >> 2); };
  return (widen((c >> 10) & 0x1F) << 16) | (widen((c >> 5) & 0x1F) << 8) | widen(c & 0x1F);
}

// The same colour with each channel scaled as c * 255 / 31, rounded down (1 -> 8, 16 -> 131),
// as gumps and fonts are drawn.
constexpr std::uint32_t scaleColour15(std::uint16_t c) {
  const auto scale = [](std::uint32_t v) { return v * 255 / 31; };
  return (scale((c >> 10) & 0x1F) << 16) | (scale((c >> 5) & 0x1F) << 8) | scale(c & 0x1F);
}

}  // namespace miro
