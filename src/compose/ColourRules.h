#pragma once

#include "compose/Outfit.h"
#include "data/FrameDecoder.h"
#include "data/HueTable.h"

namespace miro {

// How the pixels of a decoded frame take their hue. Body and parts step by the red channel,
// the mount by the blue channel; "Silhouette" paints everything black, and under "Hiding" the
// frame keeps its own colours (the hiding step hues it afterwards).
ColourRule bodyColourRule(const HueTable& hues, HueId hue, const Effects& effects);
ColourRule partColourRule(const HueTable& hues, HueId hue, bool partialOnly, const Effects& effects);
ColourRule mountColourRule(const HueTable& hues, HueId hue, bool partialOnly, const Effects& effects);

// Whether the ethereal look applies: its second pass writes every other pixel.
bool etherealMount(HueId hue, const Effects& effects);

}  // namespace miro
