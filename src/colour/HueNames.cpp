#include "colour/HueNames.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "common/Strings.h"

namespace miro {
namespace {

constexpr int kNoButtonSlot = 24;
constexpr int kFirstBulkNameId = 1019;

constexpr HueId kTubCodeBase = -1;  // the number shown is the tub code, not hue - base

// One row of the naming scheme: the name is `prefix` followed by the number (hue - base, or
// the tub code) written with at least `digits` digits, zero-padded; no number when `digits` is 0.
struct HueRange {
  HueId first;
  HueId last;
  std::string_view prefix;
  int digits;
  HueId base;
};

constexpr std::array<HueRange, 22> kRanges{{
    {kNoHue, kNoHue, "Default", 0, 0},
    {kBlackHue, kBlackHue, "Black", 0, 0},
    {kFirstTubHue, kLastTubHue, "Tub ", 4, kTubCodeBase},
    {1002, 1058, "Skin ", 2, 1001},
    {1102, 1149, "Hair ", 2, 1101},
    {1150, 1150, "Ice 5", 0, 0},
    {1151, 1151, "Ice 4", 0, 0},
    {1152, 1154, "Ice ", 1, 1151},
    {kFirstBulkHue, kLastBulkHue, "Bulk ", 1, 1154},
    {1201, 1254, "Pink ", 2, 1200},
    {1301, 1360, "Blue ", 2, 1300},
    {1401, 1454, "Green ", 2, 1400},
    {1501, 1554, "Orange ", 2, 1500},
    {1601, 1654, "Red ", 2, 1600},
    {1701, 1754, "Yellow ", 2, 1700},
    {1801, 1908, "Neutral ", 3, 1800},
    {2001, 2018, "Snake ", 2, 2000},
    {2101, 2130, "Bird ", 2, 2100},
    {2201, 2224, "Slime ", 2, 2200},
    {2301, 2318, "Animal ", 2, 2300},
    {2401, 2430, "Metal ", 2, 2400},
    {kEtherealHue, kEtherealHue, "Ethereal", 0, 0},
}};

const HueRange* findRange(HueId hue) {
  for (const HueRange& range : kRanges) {
    if (hue >= range.first && hue <= range.last) return &range;
  }
  return nullptr;
}

std::string paddedNumber(int number, int digits) {
  std::string text = std::to_string(number);
  if (static_cast<int>(text.size()) < digits) text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
  return text;
}

std::string hexDigits(HueId hue) {
  char text[16];
  std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(static_cast<std::uint32_t>(hue)));
  return text;
}

}  // namespace

int tubCode(HueId hue) {
  if (hue < kFirstTubHue || hue > kLastTubHue) return 0;
  const int n = hue - kFirstTubHue;
  const int row = n / 100;
  const int column = (n % 100) / 5;
  const int shade = n % 5;
  return (column + 1) * 100 + ((row + 1) % 10) * 10 + (shade + 1);
}

std::string hueName(HueId hue) {
  const HueRange* range = findRange(hue);
  if (range == nullptr) return "Unknown";
  std::string name(range->prefix);
  if (range->digits > 0) {
    const int number = range->base == kTubCodeBase ? tubCode(hue) : hue - range->base;
    name += paddedNumber(number, range->digits);
  }
  return name;
}

std::string_view bulkName(HueId hue) {
  if (hue < kFirstBulkHue || hue > kLastBulkHue) return {};
  return strings::text(kFirstBulkNameId + (hue - kFirstBulkHue));
}

std::string colourCaption(HueId hue, bool colourCodeNames) {
  return colourCodeNames ? hueName(hue) : hexDigits(hue);
}

std::string describeHue(HueId hue) {
  std::string line = std::to_string(hue) + " (0x" + hexDigits(hue) + "): " + hueName(hue);
  const std::string_view bulk = bulkName(hue);
  if (!bulk.empty()) line.append(" / ").append(bulk);
  return line;
}

std::vector<SlotCaption> colourCaptions(const Outfit& outfit, bool colourCodeNames) {
  std::vector<SlotCaption> captions;
  captions.reserve(kColourSlots - 1);
  for (int slot = 0; slot < kColourSlots; ++slot) {
    if (slot == kNoButtonSlot) continue;
    captions.push_back({slot, colourCaption(outfit.colour(slot), colourCodeNames)});
  }
  return captions;
}

}  // namespace miro
