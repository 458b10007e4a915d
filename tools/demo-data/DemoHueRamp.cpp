#include "DemoHueRamp.h"

#include <algorithm>
#include <cmath>

#include "ClientGen.h"

namespace miro::demo {

namespace {

constexpr int kBaseStep = 20;

int level(double channel) { return static_cast<int>(std::lround(std::clamp(channel, 0.0, 1.0) * 31)); }

std::uint16_t toColour15(Rgb c) { return clientgen::colour15(level(c.red), level(c.green), level(c.blue)); }

Rgb scaled(Rgb c, double f) { return {c.red * f, c.green * f, c.blue * f}; }

}  // namespace

Rgb hsv(double degrees, double saturation, double value) {
  const double h = std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0) / 60.0;
  const double chroma = value * saturation;
  const double x = chroma * (1 - std::fabs(std::fmod(h, 2.0) - 1));
  const double low = value - chroma;
  switch (static_cast<int>(h)) {
    case 0: return {low + chroma, low + x, low};
    case 1: return {low + x, low + chroma, low};
    case 2: return {low, low + chroma, low + x};
    case 3: return {low, low + x, low + chroma};
    case 4: return {low + x, low, low + chroma};
    default: return {low + chroma, low, low + x};
  }
}

Rgb mix(Rgb from, Rgb to, double t) {
  return {from.red + (to.red - from.red) * t, from.green + (to.green - from.green) * t,
          from.blue + (to.blue - from.blue) * t};
}

Ramp ramp(Rgb base, RampLook look) {
  Ramp colours{};
  const Rgb light = mix(base, look.light, look.whiten);
  for (int step = 0; step < 32; ++step) {
    const Rgb c = step <= kBaseStep
                      ? scaled(base, look.darkness + (1 - look.darkness) * step / kBaseStep)
                      : mix(base, light, static_cast<double>(step - kBaseStep) / (31 - kBaseStep));
    colours[static_cast<std::size_t>(step)] = toColour15(c);
  }
  return colours;
}

Ramp greyRamp(int from, int to) {
  Ramp colours{};
  for (int step = 0; step < 32; ++step) {
    const int v = static_cast<int>(std::lround(from + (to - from) * step / 31.0));
    colours[static_cast<std::size_t>(step)] = clientgen::colour15(v, v, v);
  }
  return colours;
}

std::string wheelName(double degrees) {
  static const char* const kNames[] = {"Red",   "Orange", "Yellow", "Lime",   "Green",   "Jade",
                                       "Cyan",  "Azure",  "Blue",   "Violet", "Magenta", "Rose"};
  const double turn = std::fmod(std::fmod(degrees + 15, 360.0) + 360.0, 360.0);
  return kNames[static_cast<int>(turn / 30) % 12];
}

}  // namespace miro::demo
