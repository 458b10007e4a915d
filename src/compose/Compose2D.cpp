#include "compose/Compose2D.h"

#include <algorithm>
#include <array>

#include "compose/ColourRules.h"
#include "data/AnimTables.h"

namespace miro {

namespace {

constexpr int kWidth2d = 270;
constexpr int kHeight2d = 240;
constexpr int kBaseX = 128;
constexpr int kBaseY = 168;
constexpr int kSeatedBaseY = 192;  // "Sit on chair" facing directions 3 and 6
constexpr int kGhostRobe = 4;      // the "ghost robe" item of the dresses
constexpr std::uint32_t kTrimmingRed = 0xFF0000;

int femaleVariant(int bodySlot) {
  for (const auto& [male, female] : anim::kFemaleVariantSlots) {
    if (male == bodySlot) return female;
  }
  return bodySlot;
}

AnimFile fileOfBodySlot(int bodySlot) {
  if (bodySlot >= anim::kFirstThirdFileSlot && bodySlot < anim::kFirstThirdFileSlot + 11) return AnimFile::Anim3;
  if (bodySlot >= 231) return AnimFile::Anim4;
  for (const auto& item : anim::kFourthFileList) {
    if (item.slot == bodySlot) return AnimFile::Anim4;
  }
  return AnimFile::Anim;
}

// A mount of the mount list, by its place in the list.
struct MountInfo {
  AnimFile file;
  int riderGroupStart;  // motions 23..29
  int moveGroupStart;   // motions 36..39
  int lowered;          // pixels further down
  bool partialOnly;
  bool limitedFrames;   // frames 0..4 only
};

std::optional<MountInfo> mountInfo(int item) {
  if (item >= 1 && item <= 8) {
    return MountInfo{AnimFile::Anim, 43575 + (item - 1) * 35, 44170 + (item - 1) * 10, 0,
                     item == 4 || item == 5 || item == 7, false};
  }
  if (item >= 9 && item <= 16) {
    constexpr std::array<int, 8> kAdjustment = {0, 9, 1, 1, -5, 0, 1, 1};
    const int extra = item == 9 ? 4 : (item == 11 || item == 12) ? 6 : 0;
    const int start = 43855 + (item - 9) * 35;
    return MountInfo{AnimFile::Anim2, start, start, kAdjustment[static_cast<std::size_t>(item - 9)] + extra,
                     item >= 15, true};
  }
  if (item == 17) return MountInfo{AnimFile::Anim4, 44135, 44135, 0, true, true};
  return std::nullopt;
}

}  // namespace

Bounds contentBounds(const Bitmap32& picture, std::uint32_t keyBgr) {
  const std::uint32_t key = swapRedBlue(keyBgr);
  Bounds b{picture.width(), picture.height(), 0, 0};
  for (int y = 0; y < picture.height(); ++y) {
    const auto row = picture.row(y);
    for (int x = 0; x < picture.width(); ++x) {
      const std::uint32_t p = row[static_cast<std::size_t>(x)];
      if (p == key || p == 0xFFFFFFFF) continue;
      b.left = std::min(b.left, x);
      b.right = std::max(b.right, x);
      b.top = std::min(b.top, y);
      b.bottom = std::max(b.bottom, y);
    }
  }
  return b;
}

Compose2DResult Composer2D::compose(const Outfit& outfit, const Priorities& priorities, const ViewState& view,
                                    int frame, Bitmap32* target) {
  const int direction = std::clamp(view.direction, 0, 7);
  const bool seatedLow = view.motion == kSitOnChair && (direction == 3 || direction == 6);
  const Pass pass{outfit,
                  view,
                  frame,
                  actionOfMotion(view.motion, direction),
                  kStoredDirection[static_cast<std::size_t>(direction)],
                  kMirrored[static_cast<std::size_t>(direction)],
                  {kBaseX, seatedLow ? kSeatedBaseY : kBaseY}};
  Compose2DResult result;

  // The paperdoll view leaves the layers in its own size.
  if (layers_.width() != kWidth2d || layers_.height() != kHeight2d) layers_.setSize(kWidth2d, kHeight2d);
  for (int i = 2; i < LayerStack::kCount; ++i) {
    clear(layers_[i]);
    layers_[i].transparent = true;
    layers_[i].transparentColour = kKeyColour;
  }
  Bitmap32& background = layers_[layer2d::kBackground];
  if (view.superimpose) {
    background = view.backgroundPicture;
    background.resize(layers_.width(), layers_.height(), kKeyColour);
    background.transparent = true;
  } else {
    background.fill(swapRedBlue(view.backgroundColour));
  }

  drawMount(pass, false);
  result.frameCount = drawBody(pass);
  drawShadow(pass);
  if (etherealMount(outfit.colour(kMountColourSlot), view.effects)) drawMount(pass, true);

  if (view.effects.shadowOnly) {
    clear(layers_[layer2d::kMount]);
    clear(layers_[layer2d::kBody]);
  } else {
    for (int slot = 1; slot <= kPartSlots; ++slot) {
      drawPart(pass, slot, outfit.part(slot), priorities.twoD[static_cast<std::size_t>(slot)] + 4);
    }
    for (int i = layer2d::kFirstSpeech; i < layer2d::kFirstSpeech + 3; ++i) clear(layers_[i]);
  }
  if (speech_ != nullptr) speech_->drawSpeech(layers_, outfit, view);

  layers_[0].fill(swapRedBlue(view.backgroundColour));
  layers_.flatten();
  if (view.motion == kSitOnChair && (direction == 2 || direction == 7)) sittingPose(pass);
  if (target != nullptr) *target = layers_[0];

  if (view.trimmingFrame) {
    drawTrimmingFrame(*view.trimmingFrame);
    result.trimmingFrame = true;
  }
  return result;
}

void Composer2D::drawMount(const Pass& pass, bool half) {
  Bitmap32& layer = layers_[layer2d::kMount];
  const int item = pass.outfit.mount;
  if (item == 0) {
    clear(layer);
    return;
  }
  int action = pass.view.motion - 23;
  if (action < 0 || (action >= 7 && action <= 12)) return;
  const auto mount = mountInfo(item);
  int start = mount ? mount->riderGroupStart : -1;
  if (action >= 13) {
    start = mount ? mount->moveGroupStart : -1;
    action = pass.view.motion <= 37 ? 0 : 1;
  }
  clear(layer);
  if (!mount) return;

  const int frame = mount->limitedFrames ? std::min(pass.frame, 4) : pass.frame;
  const std::int32_t group = lookup_[start + action * 5 + pass.storedDirection];
  if (group == -1) return;
  const HueId hue = pass.outfit.colour(kMountColourSlot);
  FrameRequest request{mount->file, group, frame, {kBaseX, kBaseY + mount->lowered}, pass.mirrored, DecodeKind::Mount};
  request.everyOtherPixel = half && etherealMount(hue, pass.view.effects);
  const DecodeResult decoded =
      decoder_.decode(request, layer, mountColourRule(hues_, hue, mount->partialOnly, pass.view.effects));
  if (pass.view.effects.hiding) hidingStep(layer, decoded);
}

std::optional<int> Composer2D::drawBody(const Pass& pass) {
  Bitmap32& layer = layers_[layer2d::kBody];
  const int item = pass.outfit.body;
  clear(layer);
  if (item == 4 || item == 5) return std::nullopt;
  const int body = (item == 1 || item == 3) ? 1 : 0;
  const std::int32_t group = lookup_[anim::peopleEntry(body, pass.action, pass.storedDirection)];
  if (group == -1) return std::nullopt;

  const FrameRequest request{AnimFile::Anim, group, pass.frame, pass.base, pass.mirrored, DecodeKind::Body};
  const DecodeResult decoded =
      decoder_.decode(request, layer, bodyColourRule(hues_, pass.outfit.colour(0), pass.view.effects));
  const int frames = decoder_.frameCount(AnimFile::Anim, group);
  if (pass.view.effects.hiding) hidingStep(layer, decoded);
  bodyLeft_ = decoded.leftmost;
  bodyTop_ = decoded.topRow;
  if (frames <= 0) return std::nullopt;
  return frames;
}

void Composer2D::drawPart(const Pass& pass, int slot, int index, int layerIndex) {
  Bitmap32& layer = layers_[layerIndex];
  const int bodyItem = pass.outfit.body;
  const bool female = bodyItem == 1 || bodyItem == 3 || bodyItem == 5;
  HueId hue = pass.outfit.colour(slot);
  if (pass.view.effects.ghost && slot != 2 && slot != 3) {
    if (slot == 13) {
      index = kGhostRobe;
      hue = kGhostRobeHue;
    } else {
      index = 0;
    }
  }
  const PartSlotInfo& info = partSlot(slot);
  if (index <= 0 || info.firstBodySlot < 0) {
    clear(layer);
    return;
  }
  const int motion = pass.view.motion;
  const int direction = pass.view.direction;
  if (slot == 12 && index == 1 && (direction == 3 || direction == 6) &&
      (motion == kSitOnChair || (motion >= 23 && motion <= 29))) {
    return;  // the full apron is not drawn over a seated or riding figure seen from behind
  }
  clear(layer);

  int bodySlot = info.firstBodySlot + index - 1;
  if (bodySlot >= anim::kBodySlots) return;
  if (female && lookup_.femaleVariant(bodySlot)) bodySlot = femaleVariant(bodySlot);
  const std::int32_t group = lookup_[anim::bodySlotEntry(bodySlot, pass.action, pass.storedDirection)];
  if (group == -1) return;

  const bool partialOnly = std::find(info.partialOnly.begin(), info.partialOnly.end(), index) != info.partialOnly.end();
  const FrameRequest request{fileOfBodySlot(bodySlot), group, pass.frame, pass.base, pass.mirrored, DecodeKind::Part};
  const DecodeResult decoded = decoder_.decode(request, layer, partColourRule(hues_, hue, partialOnly, pass.view.effects));
  if (pass.view.effects.hiding) hidingStep(layer, decoded);
}

void Composer2D::hidingStep(Bitmap32& layer, const DecodeResult& decoded) const {
  toGrey(layer, {decoded.leftmost, decoded.topRow, decoded.leftmost + decoded.header.width,
                 decoded.topRow + decoded.header.height + 10});
  for (int y = 0; y < layer.height(); ++y) {
    for (std::uint32_t& p : layer.row(y)) {
      if (p != kKeyColour) p = hues_.colour(kHidingHue, brightnessStep(p));
    }
  }
}

void Composer2D::drawTrimmingFrame(const Rect& frame) {
  Bitmap32& overlay = layers_[layer2d::kTrimmingFrame];
  clear(overlay);
  overlay.frameRect(frame, kTrimmingRed);
}

}  // namespace miro
