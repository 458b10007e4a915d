#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "ClientGen.h"
#include "DemoData.h"
#include "DemoHueRamp.h"

namespace miro::demo {

namespace {

using clientgen::HueEntry;
using Hues = std::vector<HueEntry>;

constexpr int kHues = 3000;

double lerp(double from, double to, double t) { return from + (to - from) * t; }

struct Tint {
  double angle;
  double saturation;
};

void put(Hues& hues, int hue, const Ramp& colours, std::string name) {
  HueEntry& entry = hues[static_cast<std::size_t>(hue - 1)];
  entry.colours = colours;
  entry.tableStart = colours.front();
  entry.tableEnd = colours.back();
  entry.name = std::move(name);
}

// Hues 2..1001: 200 families of five shades, dark to light. Each band of 40 families goes round
// the wheel in 36 steps and ends with four greys; the five bands are less and less saturated.
void putDyeTubGrid(Hues& hues) {
  static const Tint kGreyTints[] = {{0, 0}, {35, 0.1}, {215, 0.12}, {120, 0.06}};
  std::map<std::string, int> counts;
  for (int family = 0; family < 200; ++family) {
    const int band = family / 40;
    const int place = family % 40;
    const bool grey = place >= 36;
    const double angle = grey ? kGreyTints[place - 36].angle : place * 10.0;
    const double saturation = grey ? kGreyTints[place - 36].saturation : 0.95 - 0.18 * band;
    const std::string name = grey ? "Grey" : wheelName(angle);
    for (int shade = 0; shade < 5; ++shade) {
      const Rgb base = hsv(angle, saturation * (1 - 0.08 * shade), 0.3 + 0.165 * shade);
      put(hues, 2 + family * 5 + shade, ramp(base), name + " " + std::to_string(++counts[name]));
    }
  }
}

// Hues 1002..1058, from pale to dark.
void putSkinTones(Hues& hues) {
  static const Rgb kAnchors[] = {{1.0, 0.87, 0.77}, {0.93, 0.75, 0.62}, {0.82, 0.6, 0.45},
                                 {0.65, 0.44, 0.3}, {0.45, 0.3, 0.2},   {0.3, 0.19, 0.13}};
  constexpr int kCount = 57;
  constexpr int kSpans = static_cast<int>(std::size(kAnchors)) - 1;
  for (int i = 0; i < kCount; ++i) {
    const double at = static_cast<double>(i) * kSpans / (kCount - 1);
    const int span = std::min(static_cast<int>(at), kSpans - 1);
    const Rgb base = mix(kAnchors[span], kAnchors[span + 1], at - span);
    put(hues, 1002 + i, ramp(base, {.darkness = 0.12, .whiten = 0.25}), "Skin " + std::to_string(i + 1));
  }
}

// A run of hues in groups of `shades`, each group from dark and saturated to light and pale,
// the groups stepping along the wheel from one angle to the other.
struct Family {
  const char* name;
  int first;
  int last;
  int shades;
  double angleFrom, angleTo;
  double saturationDark, saturationLight;
  double valueDark, valueLight;
  double whiten = 0.35;
};

const Family kFamilies[] = {
    {"Blond", 1102, 1111, 10, 45, 45, 0.65, 0.4, 0.65, 0.95},
    {"Brown", 1112, 1123, 12, 22, 30, 0.75, 0.5, 0.18, 0.55},
    {"Black", 1124, 1131, 8, 220, 220, 0.15, 0.1, 0.1, 0.22, 0.15},
    {"Auburn", 1132, 1141, 10, 8, 20, 0.85, 0.6, 0.4, 0.85},
    {"Grey hair", 1142, 1149, 8, 40, 40, 0.05, 0.02, 0.4, 0.85},
    {"Pink", 1201, 1254, 6, 320, 350, 0.6, 0.3, 0.65, 1.0},
    {"Blue", 1301, 1360, 6, 205, 248, 0.9, 0.5, 0.35, 0.95},
    {"Green", 1401, 1454, 6, 85, 150, 0.85, 0.45, 0.3, 0.9},
    {"Orange", 1501, 1554, 6, 18, 38, 0.95, 0.6, 0.55, 1.0},
    {"Red", 1601, 1654, 6, -10, 12, 0.95, 0.6, 0.35, 0.95},
    {"Yellow", 1701, 1754, 6, 48, 62, 0.95, 0.45, 0.6, 1.0},
    {"Snake", 2001, 2018, 6, 40, 130, 0.6, 0.4, 0.3, 0.7},
    {"Bird", 2101, 2130, 5, 0, 300, 0.85, 0.55, 0.45, 0.95},
    {"Slime", 2201, 2224, 4, 90, 300, 0.9, 0.6, 0.5, 1.0, 0.5},
    {"Animal", 2302, 2318, 17, 20, 35, 0.7, 0.15, 0.2, 0.8},
};

void putFamily(Hues& hues, const Family& f) {
  const int count = f.last - f.first + 1;
  const int groups = (count + f.shades - 1) / f.shades;
  for (int i = 0; i < count; ++i) {
    const double along = groups > 1 ? static_cast<double>(i / f.shades) / (groups - 1) : 0;
    const double shade = f.shades > 1 ? static_cast<double>(i % f.shades) / (f.shades - 1) : 0;
    const Rgb base = hsv(lerp(f.angleFrom, f.angleTo, along), lerp(f.saturationDark, f.saturationLight, shade),
                         lerp(f.valueDark, f.valueLight, shade));
    put(hues, f.first + i, ramp(base, {.whiten = f.whiten}), std::string(f.name) + " " + std::to_string(i + 1));
  }
}

struct Named {
  const char* name;
  Rgb base;
  RampLook look;
};

// Hues 1155..1177, the bright "Bulk" colours.
const Named kBulkColours[] = {
    {"Green highlight", {0.3, 1.0, 0.3}, {.whiten = 0.5}},
    {"Dark blue", {0.05, 0.1, 0.45}, {}},
    {"Dark red", {0.45, 0.04, 0.04}, {}},
    {"Dark purple", {0.3, 0.05, 0.4}, {}},
    {"Dark yellow", {0.5, 0.45, 0.05}, {}},
    {"Dark bluegreen", {0.04, 0.35, 0.35}, {}},
    {"Fire", {0.95, 0.3, 0.02}, {.whiten = 1.0, .light = {1.0, 0.95, 0.4}}},
    {"Bluegreen", {0.1, 0.7, 0.7}, {}},
    {"Purpleblue", {0.4, 0.3, 0.9}, {}},
    {"Red", {0.9, 0.08, 0.08}, {}},
    {"Green", {0.1, 0.8, 0.15}, {}},
    {"Magenta", {0.9, 0.1, 0.8}, {}},
    {"Blue", {0.1, 0.2, 0.95}, {}},
    {"Black", {0.07, 0.07, 0.08}, {.darkness = 0, .whiten = 0.03}},
    {"White", {0.88, 0.88, 0.88}, {.whiten = 0.9}},
    {"Purple", {0.55, 0.15, 0.75}, {}},
    {"Yellow", {0.95, 0.9, 0.1}, {}},
    {"Orange", {0.98, 0.5, 0.05}, {}},
    {"Blue Bulk", {0.2, 0.45, 1.0}, {}},
    {"Red Bulk", {1.0, 0.2, 0.15}, {}},
    {"Bright white", {1, 1, 1}, {.whiten = 1}},
    {"Orange bulk", {1.0, 0.6, 0.15}, {}},
    {"Gold", {0.9, 0.7, 0.2}, {.whiten = 0.5, .light = {1.0, 0.95, 0.7}}},
};

void putBulkColours(Hues& hues) {
  int hue = 1155;
  for (const Named& c : kBulkColours) put(hues, hue++, ramp(c.base, c.look), c.name);
}

// Hues 1801..1908: plain, warm and cool greys, dark to light.
void putNeutrals(Hues& hues) {
  static const char* const kNames[] = {"Grey", "Warm grey", "Cool grey"};
  static const Tint kTints[] = {{0, 0}, {35, 0.12}, {215, 0.12}};
  for (int i = 0; i < 108; ++i) {
    const Tint& tint = kTints[i % 3];
    const Rgb base = hsv(tint.angle, tint.saturation, 0.12 + 0.83 * (i / 3) / 35.0);
    put(hues, 1801 + i, ramp(base), std::string(kNames[i % 3]) + " " + std::to_string(i / 3 + 1));
  }
}

// Hues 2401..2500: ten metals in ten shades each, shinier as they get lighter.
void putMetals(Hues& hues) {
  static const Named kMetals[] = {
      {"Iron", {0.55, 0.55, 0.58}, {}},        {"Dull copper", {0.6, 0.45, 0.4}, {}},
      {"Shadow iron", {0.35, 0.33, 0.38}, {}}, {"Copper", {0.78, 0.48, 0.3}, {}},
      {"Bronze", {0.7, 0.52, 0.3}, {}},        {"Gold", {0.95, 0.78, 0.3}, {}},
      {"Agapite", {0.75, 0.45, 0.45}, {}},     {"Verite", {0.4, 0.6, 0.4}, {}},
      {"Valorite", {0.4, 0.5, 0.75}, {}},      {"Silver", {0.78, 0.8, 0.84}, {}},
  };
  int hue = 2401;
  for (const Named& metal : kMetals) {
    for (int shade = 0; shade < 10; ++shade) {
      const double f = 0.6 + 0.045 * shade;
      const Rgb base{metal.base.red * f, metal.base.green * f, metal.base.blue * f};
      put(hues, hue++, ramp(base, {.darkness = 0.05, .whiten = 0.45 + 0.04 * shade}),
          std::string(metal.name) + " " + std::to_string(shade + 1));
    }
  }
}

void putFixedRoles(Hues& hues) {
  put(hues, 1, ramp({0.06, 0.06, 0.07}, {.darkness = 0, .whiten = 0.02}), "Black");
  put(hues, 905, ramp({0.24, 0.27, 0.34}, {.darkness = 0.15, .whiten = 0.12}), "Hiding");
  put(hues, 1106, ramp(hsv(40, 0.35, 0.96), {.whiten = 0.3}), "Paperdoll text");
  put(hues, 1109, greyRamp(0, 20), "Ethereal");
  put(hues, 2301, greyRamp(22, 31), "Ghost robe");
}

// Hues between the families: each run of them goes round the wheel in families of five shades.
void fillGaps(Hues& hues) {
  int place = 0;
  for (int hue = 1; hue <= kHues; ++hue) {
    if (!hues[static_cast<std::size_t>(hue - 1)].name.empty()) {
      place = 0;
      continue;
    }
    const int family = place / 5;
    const int shade = place++ % 5;
    const double angle = family * 25.0;
    const Rgb base = hsv(angle, 0.6 - 0.06 * shade - 0.1 * (family / 15 % 3), 0.35 + 0.15 * shade);
    put(hues, hue, ramp(base), wheelName(angle) + " " + std::to_string(hue));
  }
}

}  // namespace

std::vector<DemoFile> demoHues() {
  Hues hues(kHues);
  putDyeTubGrid(hues);
  putSkinTones(hues);
  for (const Family& family : kFamilies) putFamily(hues, family);
  putBulkColours(hues);
  putNeutrals(hues);
  putMetals(hues);
  putFixedRoles(hues);
  fillGaps(hues);
  return {{"HUES.MUL", clientgen::encodeHues(hues)}};
}

}  // namespace miro::demo
