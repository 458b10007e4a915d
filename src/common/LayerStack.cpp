#include "common/LayerStack.h"

namespace miro {

LayerStack::LayerStack(int width, int height) { setSize(width, height); }

void LayerStack::setSize(int width, int height) {
  layers_[0] = Bitmap32(width, height, 0);
  for (int i = 1; i < kCount; ++i) {
    Bitmap32 layer(width, height, kKeyColour);
    layer.transparent = true;
    layers_[static_cast<std::size_t>(i)] = std::move(layer);
  }
}

void LayerStack::flatten() {
  for (int i = 1; i < kCount; ++i) layers_[0].draw(0, 0, layers_[static_cast<std::size_t>(i)]);
}

}  // namespace miro
