#pragma once

#include <optional>

#include "common/Bitmap32.h"
#include "common/LayerStack.h"
#include "compose/Outfit.h"
#include "data/AnimLookup.h"
#include "data/FrameDecoder.h"
#include "data/HueTable.h"

namespace miro {

// Layers of the 2D view.
namespace layer2d {
inline constexpr int kBackground = 1;
inline constexpr int kShadow = 2;
inline constexpr int kMount = 3;
inline constexpr int kBody = 4;
inline constexpr int kFirstPart = 5;  // a part of 2D priority p goes to layer p + 4
inline constexpr int kFirstSpeech = 37;
inline constexpr int kTrimmingFrame = 40;
}  // namespace layer2d

// The smallest rectangle (inclusive) of the pixels that are neither `keyBgr` (given as 0x00BBGGRR)
// nor 0xFFFFFFFF; with none, left = width, top = height, right = bottom = 0.
struct Bounds {
  int left;
  int top;
  int right;
  int bottom;
  bool operator==(const Bounds&) const = default;
};
Bounds contentBounds(const Bitmap32& picture, std::uint32_t keyBgr);

// Draws the speech lines into layers 37..39; the speech overlay plugs in here.
class SpeechPainter {
 public:
  virtual ~SpeechPainter() = default;
  virtual void drawSpeech(LayerStack& layers, const Outfit& outfit, const ViewState& view) = 0;
};

struct Compose2DResult {
  std::optional<int> frameCount;  // of the body's animation, when the body was drawn
  bool trimmingFrame = false;     // layer 40 holds the frame to draw over the preview
};

// The walking figure of the game world, element by element into the layers, then stacked into
// layer 0.
class Composer2D {
 public:
  Composer2D(LayerStack& layers, const AnimLookup& lookup, const HueTable& hues, FrameDecoder& decoder)
      : layers_(layers), lookup_(lookup), hues_(hues), decoder_(decoder) {}

  void setSpeechPainter(SpeechPainter* painter) { speech_ = painter; }

  // Composes frame `frame` of the current motion; with a target, layer 0 is copied into it.
  Compose2DResult compose(const Outfit& outfit, const Priorities& priorities, const ViewState& view, int frame,
                          Bitmap32* target = nullptr);

 private:
  struct Pass {
    const Outfit& outfit;
    const ViewState& view;
    int frame;
    int action;
    int storedDirection;
    bool mirrored;
    Point base;
  };

  void drawMount(const Pass& pass, bool half);
  std::optional<int> drawBody(const Pass& pass);
  void drawPart(const Pass& pass, int slot, int index, int layer);
  void drawShadow(const Pass& pass);
  void sittingPose(const Pass& pass);
  void hidingStep(Bitmap32& layer, const DecodeResult& decoded) const;
  void drawTrimmingFrame(const Rect& frame);

  LayerStack& layers_;
  const AnimLookup& lookup_;
  const HueTable& hues_;
  FrameDecoder& decoder_;
  SpeechPainter* speech_ = nullptr;
  int bodyLeft_ = 0;  // the place of the last body decode
  int bodyTop_ = 0;

  static void clear(Bitmap32& layer) { layer.fill(kKeyColour); }
};

}  // namespace miro
