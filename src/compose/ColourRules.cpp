#include "compose/ColourRules.h"

namespace miro {

namespace {

int redStep(std::uint32_t c) { return static_cast<int>(((c >> 16) & 0xFF) >> 3); }
int blueStep(std::uint32_t c) { return static_cast<int>((c & 0xFF) >> 3); }

// A person wears hues of the table only; the ethereal look belongs to mounts.
HueId personHue(HueId hue) { return hue == kEtherealHue ? kNoHue : drawnHue(hue); }

bool hued(HueId hue, const Effects& effects) { return hue != kNoHue && !effects.hiding; }

ColourRule silhouette() {
  return [](std::uint8_t, std::uint32_t) { return std::optional<std::uint32_t>(0x000000); };
}

ColourRule ownColours() {
  return [](std::uint8_t, std::uint32_t c) { return std::optional<std::uint32_t>(c); };
}

}  // namespace

ColourRule bodyColourRule(const HueTable& hues, HueId hue, const Effects& effects) {
  hue = personHue(hue);
  if (effects.silhouette) return silhouette();
  if (!hued(hue, effects)) return ownColours();
  return [&hues, hue](std::uint8_t, std::uint32_t c) {
    return std::optional<std::uint32_t>(isGrey(c) ? hues.colour(hue, redStep(c)) : c);
  };
}

ColourRule partColourRule(const HueTable& hues, HueId hue, bool partialOnly, const Effects& effects) {
  hue = personHue(hue);
  if (effects.silhouette) return silhouette();
  if (!hued(hue, effects)) return ownColours();
  return [&hues, hue, partialOnly](std::uint8_t, std::uint32_t c) {
    return std::optional<std::uint32_t>(!partialOnly || isGrey(c) ? hues.colour(hue, redStep(c)) : c);
  };
}

ColourRule mountColourRule(const HueTable& hues, HueId hue, bool partialOnly, const Effects& effects) {
  hue = drawnHue(hue);
  if (effects.silhouette) return silhouette();
  if (!hued(hue, effects)) return ownColours();
  if (hue == kEtherealHue) {
    return [&hues](std::uint8_t, std::uint32_t c) {
      return std::optional<std::uint32_t>(hues.colour(kEtherealColours, blueStep(c)));
    };
  }
  return [&hues, hue, partialOnly](std::uint8_t, std::uint32_t c) {
    return std::optional<std::uint32_t>(!partialOnly || isGrey(c) ? hues.colour(hue, blueStep(c)) : c);
  };
}

bool etherealMount(HueId hue, const Effects& effects) {
  return hue == kEtherealHue && !effects.silhouette && !effects.hiding;
}

}  // namespace miro
