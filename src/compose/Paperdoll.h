#pragma once

#include <string>
#include <vector>

#include "common/LayerStack.h"
#include "compose/GumpCatalogue.h"
#include "compose/Outfit.h"
#include "data/FontStore.h"
#include "data/GumpStore.h"
#include "data/HueTable.h"

namespace miro {

// Layers of the paperdoll view.
namespace layerPd {
inline constexpr int kPdString = 15;
inline constexpr int kBody = 16;  // a part of paperdoll priority p goes to layer 16 + p
inline constexpr int kLast = 45;
}  // namespace layerPd

// The paperdoll options: the imitation of the game's paperdoll window and its free text line.
struct PaperdollView {
  bool emulation = false;
  FrameOptions frame;
  std::string pdString = "The Glorious Lord Tarvik:~Killer of the Arachnid";
  int pdStringFont = 1;
  std::string pdStringLeft = "39";
  std::string pdStringTop = "257";
};

struct PaperdollResult {
  std::vector<std::string> invalidFields;  // place fields that held no decimal integer (drawn as 0)
};

// The character sheet: a body gump with a gump for every worn item, in the paperdoll priorities,
// optionally inside the paperdoll window. The composite is left in layer 0.
class PaperdollComposer {
 public:
  PaperdollComposer(LayerStack& layers, GumpStore& gumps, const HueTable& hues, const FontStore& fonts)
      : layers_(layers), gumps_(gumps), hues_(hues), fonts_(fonts) {}

  PaperdollResult compose(const Outfit& outfit, const Priorities& priorities, const ViewState& view,
                          const PaperdollView& paperdoll);

 private:
  void prepareLayers(int width, int height);
  void drawFrame(const PaperdollView& paperdoll);
  void drawPdString(const PaperdollView& paperdoll, PaperdollResult& result);
  void drawPart(const Outfit& outfit, const ViewState& view, int slot, int layer);
  void stack(bool emulation);

  LayerStack& layers_;
  GumpStore& gumps_;
  const HueTable& hues_;
  const FontStore& fonts_;
};

}  // namespace miro
