#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "common/Bitmap32.h"
#include "common/Bytes.h"
#include "common/Geometry.h"
#include "common/Reporter.h"
#include "data/DataFileCache.h"
#include "data/DataFolder.h"

namespace miro {

using HueId = std::int32_t;

inline constexpr int kHueRecords = 3200;
inline constexpr HueId kNoHue = 0;
inline constexpr HueId kEtherealHue = 0x4001;  // the ethereal look of a mount, no record
inline constexpr HueId kHidingHue = 905;
inline constexpr HueId kEtherealColours = 1109;  // the record whose colours the ethereal look uses
inline constexpr HueId kGhostRobeHue = 0x8FD;

// The hue records of HUES.MUL: record h (1..3199) is entry h - 1 of the file, 32 colours from
// dark to light; record 0 is all zero and means no hue.
class HueTable {
 public:
  HueTable() : records_(kHueRecords) {}

  // Fills the table from the bytes of HUES.MUL; false (and an all-zero table) when the file
  // holds 399 or more complete blocks.
  bool load(Bytes hues);
  // From the data folder, with the messages of a missing or oversized file.
  void load(const DataFolder& data, DataFileCache& files, Reporter& reporter);

  // Colour `step` (0..31) of hue `hue`; 0 outside the table.
  std::uint32_t colour(HueId hue, int step) const;
  int loadedRecords() const { return loaded_; }

 private:
  std::vector<std::array<std::uint32_t, 32>> records_;
  int loaded_ = 0;
};

// The hue a drawing applies: numbers outside the table (other than the mount's ethereal look)
// draw as no hue, so the item keeps its own colours.
HueId drawnHue(HueId hue);

inline bool isGrey(std::uint32_t pixel) {
  return ((pixel >> 16) & 0xFF) == ((pixel >> 8) & 0xFF) && ((pixel >> 8) & 0xFF) == (pixel & 0xFF);
}

// The colour step of a pixel by its blue channel: (p & 0xFF) >> 3.
inline int brightnessStep(std::uint32_t pixel) { return static_cast<int>((pixel & 0xFF) >> 3); }

// Coloured pixels inside `area` become grey, (r + g + b) / 3; grey and key pixels are kept.
void toGrey(Bitmap32& picture, const Rect& area);

// Hues a finished speech line picture: fonts 4 and 6 (coloured glyphs) are greyed first,
// then every grey pixel takes the hue colour of its brightness step. Hue 0 changes nothing.
void hueSpeechLine(const HueTable& hues, HueId hue, Bitmap32& picture, int font);

}  // namespace miro
