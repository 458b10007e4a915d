#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "compose/Outfit.h"
#include "data/HueTable.h"

namespace miro {

inline constexpr HueId kBlackHue = 1;
inline constexpr HueId kFirstTubHue = 2;
inline constexpr HueId kLastTubHue = 1001;
inline constexpr HueId kFirstBulkHue = 1155;
inline constexpr HueId kLastBulkHue = 1177;

// The hue's name in the UOC colour-code scheme: "Default", "Black", "Tub 0111", "Skin 01",
// "Hair 48", "Ice 5", "Bulk 10", "Pink 01", ..., "Metal 30", "Ethereal"; "Unknown" for every
// other number, negative ones included.
std::string hueName(HueId hue);

// The dye-tub grid code of a tub hue (2..1001): column 1..20, then the row digit (the tenth
// row written 0), then the shade 1..5, so hue 2 is 111 and hue 1001 is 2005. 0 for other hues.
int tubCode(HueId hue);

// The descriptive name of a Bulk hue (1155..1177), "green highlight" .. "Gold"; empty for others.
std::string_view bulkName(HueId hue);

// The hue as a colour button shows it: the colour-code name when `colourCodeNames` is on,
// else at least four upper-case hexadecimal digits of its 32-bit value (a negative hue gives
// eight, its two's complement).
std::string colourCaption(HueId hue, bool colourCodeNames);

// One line for the command line: "1201 (0x04B1): Pink 01"; a Bulk hue adds its descriptive
// name, "1177 (0x0499): Bulk 23 / Gold"; "-1 (0xFFFFFFFF): Unknown".
std::string describeHue(HueId hue);

struct SlotCaption {
  int slot;  // colour slot 0..28; the button's tag is slot + 1
  std::string caption;
};

// The captions of every colour slot that has a button, in slot order; slot 24 has none.
std::vector<SlotCaption> colourCaptions(const Outfit& outfit, bool colourCodeNames);

}  // namespace miro
