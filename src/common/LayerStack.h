#pragma once

#include <array>

#include "common/Bitmap32.h"

namespace miro {

// Layer 0 is the composite and opaque; layers 1..45 are transparent with the key colour.
class LayerStack {
 public:
  static constexpr int kCount = 46;

  LayerStack(int width, int height);

  Bitmap32& operator[](int layer) { return layers_.at(static_cast<std::size_t>(layer)); }
  const Bitmap32& operator[](int layer) const { return layers_.at(static_cast<std::size_t>(layer)); }
  int width() const { return layers_[0].width(); }
  int height() const { return layers_[0].height(); }

  // Every layer gets the new size; the transparent layers are emptied to the key colour.
  void setSize(int width, int height);
  // Layers 1..45 drawn in order onto layer 0.
  void flatten();

 private:
  std::array<Bitmap32, kCount> layers_;
};

}  // namespace miro
