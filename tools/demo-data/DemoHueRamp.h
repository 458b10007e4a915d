#pragma once

// Colour ramps of the demo hues: 32 client colours from dark (step 0) to light (step 31).

#include <array>
#include <cstdint>
#include <string>

namespace miro::demo {

using Ramp = std::array<std::uint16_t, 32>;

struct Rgb {
  double red = 0;  // each 0..1
  double green = 0;
  double blue = 0;
};

// `degrees` on the colour wheel (red 0, green 120, blue 240), any number of turns.
Rgb hsv(double degrees, double saturation, double value);
Rgb mix(Rgb from, Rgb to, double t);

struct RampLook {
  double darkness = 0.12;  // step 0 as a share of the base colour
  double whiten = 0.35;    // how far step 31 goes from the base colour towards `light`
  Rgb light{1, 1, 1};      // no channel below the base colour's
};
// The base colour sits at step 20; every channel rises from step to step.
Ramp ramp(Rgb base, RampLook look = {});
// Greys from level `from` to level `to` (0..31), evenly.
Ramp greyRamp(int from, int to);

// The colour's name on a wheel of twelve: "Red", "Orange", ... "Rose".
std::string wheelName(double degrees);

}  // namespace miro::demo
