#include "compose/Speech.h"

#include <charconv>
#include <cstdio>

namespace miro {

namespace {

constexpr std::uint32_t kGlyphGrey = 0x9C9C9C;
constexpr std::uint32_t kBrightGrey = 0xBDBDBD;
constexpr std::uint32_t kOutline = 0x010000;  // RGB(1, 0, 0)

std::string label(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

int floorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

}  // namespace

std::optional<int> decimalField(const std::string& text) {
  int value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || end != last) return std::nullopt;
  return value;
}

void SpeechOverlay::drawSpeech(LayerStack& layers, const Outfit& outfit, const ViewState& view) {
  invalidFields.clear();
  for (int line = 0; line < 3; ++line) {
    const SpeechLine& speech = outfit.speech[static_cast<std::size_t>(line)];
    const auto field = [&](const std::string& text, const char* axis) {
      const auto value = decimalField(text);
      if (!value) invalidFields.push_back("speech line " + std::to_string(line + 1) + " " + axis + " shift");
      return value.value_or(0);
    };
    const int left = field(speech.shiftX, "horizontal");
    const int top = field(speech.shiftY, "vertical");
    lineHue_ = outfit.colour(25 + line);
    drawLine(layers, line, speech, left, top, view.effects.maskSpeech);
  }
}

void SpeechOverlay::drawLine(LayerStack& layers, int line, const SpeechLine& speech, int left, int top, bool masked) {
  Bitmap32& layer = layers[layer2d::kFirstSpeech + line];
  layer.resize(layers.width(), layers.height(), kKeyColour);
  layer.fill(kKeyColour);
  layer.transparent = true;
  if (masked || speech.text.empty()) return;
  drawText(layer, speech, left, top);
  updateLabels(layers, line, fonts_.greatestHeight(speech.font));
  hueSpeechLine(hues_, lineHue_, layer, speech.font);
}

void SpeechOverlay::drawText(Bitmap32& layer, const SpeechLine& speech, int left, int top) {
  const int greatest = fonts_.greatestHeight(speech.font);
  const std::string& text = speech.text;
  int x = left;
  int y = top;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '~') {
      y += greatest;
      x = left;
      ++i;
      continue;
    }
    if (c >= 0x80) {  // a run of non-ASCII characters goes to the system font
      std::size_t end = i;
      while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x80) ++end;
      if (systemFont_ != nullptr) {
        const std::string_view run(text.data() + i, end - i);
        for (int dx = 0; dx < 3; ++dx) {
          for (int dy = 0; dy < 3; ++dy) systemFont_->draw(layer, x + dx, y + 3 + dy, run, kOutline);
        }
        systemFont_->draw(layer, x + 1, y + 4, run, speech.unicodeColour ? kBrightGrey : kGlyphGrey);
        int rightmost = -1;
        for (int row = std::max(y, 0); row <= std::min(y + 15, layer.height() - 1); ++row) {
          const auto pixels = std::as_const(layer).row(row);
          for (int col = layer.width() - 1; col > rightmost; --col) {
            if (pixels[static_cast<std::size_t>(col)] != kKeyColour) {
              rightmost = col;
              break;
            }
          }
        }
        x = rightmost + 1;
      }
      i = end;
      continue;
    }
    ++i;
    if (c < 32) continue;  // no glyph
    const Glyph& glyph = fonts_.glyph(speech.font, c - 32);
    const int w = glyph.width;
    const int h = glyph.height;
    for (int r = 0; r < h; ++r) {
      const int py = y + 2 + (greatest - h) + r;
      for (int col = 0; col < w; ++col) {
        std::uint32_t p = glyph.pixels[static_cast<std::size_t>(r * w + col)];
        if (p == 0) continue;
        if (speech.unicodeColour && p == kGlyphGrey) p = kBrightGrey;
        const int px = x + col;
        if (px >= 0 && py >= 0 && px < layer.width() && py < layer.height()) layer.setPixel(px, py, p);
      }
    }
    x += w - 1;  // consecutive glyphs overlap by one column
  }
}

void SpeechOverlay::updateLabels(const LayerStack& layers, int line, int greatestHeight) {
  const SpeechAids& aid = aids[static_cast<std::size_t>(line)];
  SpeechLabels& out = labels[static_cast<std::size_t>(line)];
  out.horizontal.reset();
  if (aid.centre) {
    const Bounds box = contentBounds(layers[layer2d::kFirstSpeech + line], kKeyColour);
    out.horizontal = label("X=%03d", 135 - floorHalf(box.right - box.left));
  }
  out.vertical.reset();
  if (aid.place == SpeechPlace::Name) {
    out.vertical = label("Y=%03d", contentBounds(layers[layer2d::kBody], kKeyColour).top - 22);
  } else if (aid.place == SpeechPlace::GuildTag) {
    const int top = contentBounds(layers[layer2d::kBody], kKeyColour).top;
    out.vertical = label("Y=%03d", line == 0 ? top - greatestHeight - 38 : top - 38);
  }
}

}  // namespace miro
