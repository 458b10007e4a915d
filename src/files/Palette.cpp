#include "files/Palette.h"

#include <libimagequant.h>

#include <cstddef>
#include <unordered_map>
#include <utility>

namespace miro {

namespace {

constexpr std::size_t kMaxColours = 256;

// The picture's colours in order of first appearance, or false when it has more than `limit`.
bool exactPalette(const Bitmap32& picture, std::size_t limit, IndexedPicture& out) {
  std::unordered_map<std::uint32_t, std::uint8_t> entries;
  out.indices.clear();
  out.indices.reserve(picture.pixels().size());
  out.palette.clear();
  for (const std::uint32_t colour : picture.pixels()) {
    auto [entry, added] = entries.try_emplace(colour, static_cast<std::uint8_t>(out.palette.size()));
    if (added) {
      if (out.palette.size() == limit) return false;
      out.palette.push_back(colour);
    }
    out.indices.push_back(entry->second);
  }
  return true;
}

int entryOf(const std::vector<std::uint32_t>& palette, std::uint32_t colour) {
  for (std::size_t i = 0; i < palette.size(); ++i)
    if (palette[i] == colour) return static_cast<int>(i);
  return -1;
}

struct Quantizer {
  liq_attr* attr = liq_attr_create();
  liq_image* image = nullptr;
  liq_result* result = nullptr;
  Quantizer() = default;
  ~Quantizer() {
    if (result != nullptr) liq_result_destroy(result);
    if (image != nullptr) liq_image_destroy(image);
    if (attr != nullptr) liq_attr_destroy(attr);
  }
  Quantizer(const Quantizer&) = delete;
  Quantizer& operator=(const Quantizer&) = delete;
};

// Every pixel but the background's, reduced to 255 colours without dithering; the background
// is appended after them, exactly. Only the non-background pixels are quantized, as one
// long row: without dithering a pixel's neighbours do not matter.
bool quantize(const Bitmap32& picture, std::uint32_t background, IndexedPicture& out) {
  std::vector<liq_color> colours;
  colours.reserve(picture.pixels().size());
  for (const std::uint32_t colour : picture.pixels())
    if (colour != background)
      colours.push_back(liq_color{static_cast<unsigned char>(colour >> 16), static_cast<unsigned char>(colour >> 8),
                                  static_cast<unsigned char>(colour), 255});
  // The caller only gets here with more than 256 colours, so some are not the background.
  Quantizer q;
  if (q.attr == nullptr || liq_set_max_colors(q.attr, kMaxColours - 1) != LIQ_OK) return false;
  q.image = liq_image_create_rgba(q.attr, colours.data(), static_cast<int>(colours.size()), 1, 0);
  if (q.image == nullptr || liq_image_quantize(q.image, q.attr, &q.result) != LIQ_OK) return false;
  if (liq_set_dithering_level(q.result, 0) != LIQ_OK) return false;
  std::vector<std::uint8_t> remapped(colours.size());
  if (liq_write_remapped_image(q.result, q.image, remapped.data(), remapped.size()) != LIQ_OK) return false;
  const liq_palette* reduced = liq_get_palette(q.result);
  if (reduced == nullptr || reduced->count == 0 || reduced->count >= kMaxColours) return false;

  out.palette.clear();
  for (unsigned i = 0; i < reduced->count; ++i) {
    const liq_color& c = reduced->entries[i];
    std::uint32_t colour = (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
    // A reduced colour may land on the background's; nudged, it stays visibly the same
    // but is no longer mistaken for it by a reader that goes by colour.
    if (colour == background) colour ^= 1;
    out.palette.push_back(colour);
  }
  const auto backgroundEntry = static_cast<std::uint8_t>(out.palette.size());
  out.palette.push_back(background);
  out.transparentIndex = backgroundEntry;

  out.indices.resize(picture.pixels().size());
  std::size_t next = 0;
  for (std::size_t i = 0; i < out.indices.size(); ++i)
    out.indices[i] = picture.pixels()[i] == background ? backgroundEntry : remapped[next++];
  return true;
}

IndexedPicture index(const Bitmap32& picture, std::uint32_t background, bool needBackground) {
  IndexedPicture out;
  out.width = picture.width();
  out.height = picture.height();
  if (exactPalette(picture, kMaxColours, out)) {
    out.transparentIndex = entryOf(out.palette, background);
    if (out.transparentIndex >= 0 || !needBackground) return out;
    if (out.palette.size() < kMaxColours) {
      out.transparentIndex = static_cast<int>(out.palette.size());
      out.palette.push_back(background);
      return out;
    }
  }
  if (!quantize(picture, background, out)) return IndexedPicture{};
  if (!needBackground && entryOf(picture.pixels(), background) < 0) {
    out.palette.pop_back();  // no pixel uses the background's entry
    out.transparentIndex = -1;
  }
  return out;
}

}  // namespace

IndexedPicture toIndexed(const Bitmap32& picture, std::uint32_t background) {
  return index(picture, background, false);
}

IndexedPicture toIndexedWithBackground(const Bitmap32& picture, std::uint32_t background) {
  return index(picture, background, true);
}

}  // namespace miro
