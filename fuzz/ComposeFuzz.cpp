// Any bytes as ANIM.MUL under a dressed character: the first 64 bytes choose the outfit, the
// view and the groups every lookup entry points at; a still is composed from them.
#include <cstdint>

#include "FuzzInput.h"
#include "compose/Catalogue.h"
#include "compose/Playback.h"

namespace {

constexpr std::size_t kControls = 64;

int pick(const std::uint8_t* controls, std::size_t at, int count) { return controls[at] % count; }

miro::Outfit outfitOf(const std::uint8_t* c) {
  miro::Outfit outfit;
  outfit.body = pick(c, 0, static_cast<int>(miro::bodyItems().size()));
  outfit.mount = pick(c, 1, static_cast<int>(miro::designMountItems().size()));
  for (int slot = 1; slot <= miro::kPartSlots; ++slot) {
    outfit.parts[static_cast<std::size_t>(slot)] = pick(c, 1 + static_cast<std::size_t>(slot), static_cast<int>(miro::partItems(slot).size()));
  }
  for (std::size_t slot = 0; slot < outfit.colours.size(); ++slot) outfit.colours[slot] = c[24 + slot % 8] * 13;
  outfit.colours[miro::kMountColourSlot] = c[32] % 2 == 0 ? miro::kEtherealHue : c[32];
  return outfit;
}

miro::ViewState viewOf(const std::uint8_t* c) {
  miro::ViewState view;
  view.motion = pick(c, 33, miro::kMotions);
  view.direction = pick(c, 34, 8);
  view.frame = c[35];
  const std::uint8_t effects = c[36];
  view.effects = {(effects & 1) != 0, (effects & 2) != 0, (effects & 4) != 0, (effects & 8) != 0, (effects & 16) != 0,
                  (effects & 32) != 0, (effects & 64) != 0};
  return view;
}

// Every lookup entry points at one of six group positions given in the controls.
miro::AnimLookup lookupOf(const std::uint8_t* c) {
  miro::AnimLookup lookup;
  for (std::size_t e = 0; e < lookup.entries().size(); ++e) {
    const std::size_t at = 40 + 4 * (e % 6);
    lookup.entries()[e] = static_cast<std::int32_t>(c[at] | c[at + 1] << 8 | c[at + 2] << 16 | (c[at + 3] & 0x7F) << 24);
    if (c[at + 3] & 0x80) lookup.entries()[e] = -1;
  }
  return lookup;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kControls) return 0;
  miro::fuzz::writeScratchFile("ANIM.MUL", std::string_view(reinterpret_cast<const char*>(data + kControls), size - kControls));
  static const miro::HueTable hues;
  static miro::LayerStack layers(270, 240);
  const miro::AnimLookup lookup = lookupOf(data);
  miro::DataFileCache files;
  const miro::DataFolder folder(miro::fuzz::scratchFolder().string());
  miro::fuzz::SilentReporter reporter;
  miro::FrameDecoder decoder(files, folder, reporter);
  miro::Composer2D composer(layers, lookup, hues, decoder);
  miro::ViewState view = viewOf(data);
  (void)miro::composeStill(composer, outfitOf(data), miro::Priorities{}, view);
  return 0;
}
