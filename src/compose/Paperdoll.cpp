#include "compose/Paperdoll.h"

#include <algorithm>

#include "common/Utf8.h"
#include "compose/Speech.h"

namespace miro {

namespace {

constexpr int kHatSlot = 16;
constexpr int kOrcMask = 13;        // the one hat whose pixels of raw colour 1 take the hue
constexpr int kRobeSlot = 13;
constexpr int kGhostRobe = 4;
constexpr HueId kGhostRobePdHue = 2301;
constexpr HueId kPdStringHue = 1106;
constexpr int kPdStringLineHeight = 13;
constexpr Rect kCharacterArea{0, 0, kPaperdollWidth, kPaperdollHeight};

}  // namespace

PaperdollResult PaperdollComposer::compose(const Outfit& outfit, const Priorities& priorities, const ViewState& view,
                                           const PaperdollView& paperdoll) {
  PaperdollResult result;
  const bool emulation = paperdoll.emulation;
  prepareLayers(emulation ? kPaperdollWindowWidth : kPaperdollWidth,
                emulation ? kPaperdollWindowHeight : kPaperdollHeight);
  if (emulation) {
    drawFrame(paperdoll);
    drawPdString(paperdoll, result);
  }
  if (outfit.body >= 0 && outfit.body <= 3) {
    drawPart(outfit, view, 0, layerPd::kBody);
  } else {
    layers_[layerPd::kBody].fillRect(kCharacterArea, kKeyColour);
  }
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    // Priorities 30..32 lie beyond the last layer: they go to the front layer.
    const int layer = std::min(layerPd::kBody + priorities.pd[static_cast<std::size_t>(slot)], layerPd::kLast);
    drawPart(outfit, view, slot, layer);
  }
  stack(emulation);
  return result;
}

void PaperdollComposer::prepareLayers(int width, int height) {
  for (int i = 0; i < LayerStack::kCount; ++i) {
    Bitmap32& layer = layers_[i];
    const std::uint32_t empty = i == 0 ? 0x000000 : kKeyColour;
    if (layer.width() != width || layer.height() != height) layer = Bitmap32(width, height, empty);
    else layer.fill(empty);
    layer.transparent = i != 0;
    layer.transparentColour = kKeyColour;
  }
}

void PaperdollComposer::drawFrame(const PaperdollView& paperdoll) {
  const Rect window{0, 0, kPaperdollWindowWidth, kPaperdollWindowHeight};
  for (const FramePicture& picture : kFramePictures) {
    const bool background = picture.index == 1 || picture.index == 2;
    if (background && !framePictureShown(picture, paperdoll.frame)) continue;  // the other window's frame
    Bitmap32& layer = layers_[picture.layer];
    layer.fill(kKeyColour);
    if (framePictureShown(picture, paperdoll.frame)) {
      gumps_.draw(picture.gump, layer, picture.left, picture.top, window, plainColourStep);
    }
  }
}

void PaperdollComposer::drawPdString(const PaperdollView& paperdoll, PaperdollResult& result) {
  Bitmap32& layer = layers_[layerPd::kPdString];
  layer.fill(kKeyColour);
  if (paperdoll.pdString.empty()) return;
  const auto field = [&](const std::string& text, const char* name) {
    const auto value = decimalField(text);
    if (!value) result.invalidFields.emplace_back(name);
    return value.value_or(0);
  };
  const int left = field(paperdoll.pdStringLeft, "PD string left");
  int y = field(paperdoll.pdStringTop, "PD string top");
  int x = left;
  const int font = paperdoll.pdStringFont;
  const int greatest = fonts_.greatestHeight(font);
  for (const char32_t c : decodeUtf8(paperdoll.pdString)) {
    if (c == U'~') {
      y += kPdStringLineHeight;
      x = left;
      continue;
    }
    if (c < 32 || c > 255) continue;  // no glyph
    const Glyph& glyph = fonts_.glyph(font, static_cast<int>(c) - 32);
    const int w = glyph.width;
    const int h = glyph.height;
    for (int r = 0; r < h; ++r) {
      for (int col = 0; col < w; ++col) {
        std::uint32_t p = glyph.pixels[static_cast<std::size_t>(r * w + col)];
        if (p == 0) continue;
        if (isGrey(p)) p = hues_.colour(kPdStringHue, brightnessStep(p));
        const int px = x + col;
        const int py = y + 2 + (greatest - h) + r;
        if (px >= 0 && py >= 0 && px < layer.width() && py < layer.height()) layer.setPixel(px, py, p);
      }
    }
    x += w;
  }
}

void PaperdollComposer::drawPart(const Outfit& outfit, const ViewState& view, int slot, int layerIndex) {
  HueId hue = outfit.colour(slot);
  int item = slot == 0 ? outfit.body : outfit.part(slot);
  if (view.effects.ghost && slot != 0 && slot != 2 && slot != 3) {
    if (slot == kRobeSlot) {
      item = kGhostRobe;
      hue = kGhostRobePdHue;
    } else {
      item = 0;
    }
  }
  Bitmap32& layer = layers_[layerIndex];
  layer.fillRect(kCharacterArea, kKeyColour);
  if (slot != 0 && item == 0) return;

  const bool female = outfit.body % 2 == 1;
  const auto gump = slot == 0 ? bodyGump(item) : partGump(slot, item, female);
  if (!gump) return;
  const bool fullHue = slot != 0 && partFullHue(slot, item);
  hue = hue == kEtherealHue ? kNoHue : drawnHue(hue);
  const bool blackPixels = slot == kHatSlot && item != kOrcMask;
  const HueTable& hues = hues_;
  gumps_.draw(*gump, layer, 0, 0, kCharacterArea, [&hues, hue, fullHue, blackPixels](std::uint16_t raw, std::uint32_t c) {
    if (blackPixels && raw == 1) return std::uint32_t{0x000000};
    if (hue == kNoHue) return c;
    const int step = static_cast<int>(((c >> 16) & 0xFF) / 8);
    if (fullHue || isGrey(c)) return hues.colour(hue, step);
    return c;
  });
}

void PaperdollComposer::stack(bool emulation) {
  Bitmap32& composite = layers_[0];
  if (!emulation) {
    for (int i = layerPd::kBody; i <= layerPd::kLast; ++i) composite.draw(0, 0, layers_[i]);
    return;
  }
  for (int i = 3; i <= layerPd::kPdString; ++i) composite.draw(0, 0, layers_[i]);
  for (int i = layerPd::kBody; i <= layerPd::kLast; ++i) {
    composite.draw(kPaperdollWindowCharacterLeft, kPaperdollWindowCharacterTop, layers_[i]);
  }
  composite.draw(0, 0, layers_[1]);
  composite.draw(0, 0, layers_[2]);
}

}  // namespace miro
