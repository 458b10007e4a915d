// Any bytes as FONTS.MUL, then three speech lines drawn with its fonts.
#include <cstdint>

#include "common/LayerStack.h"
#include "compose/Speech.h"
#include "data/FontStore.h"

namespace {

std::string everyCharacter() {
  std::string text;
  for (int c = 32; c < 256; c += 3) text += static_cast<char>(c);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  miro::FontStore fonts;
  (void)fonts.load(miro::Bytes(data, size));
  static const miro::HueTable hues;
  static miro::LayerStack layers(270, 240);
  static const std::string characters = everyCharacter();
  miro::SpeechOverlay overlay(fonts, hues, nullptr);
  miro::Outfit outfit;
  for (std::size_t line = 0; line < 3; ++line) {
    const int font = size > line ? data[line] % 10 : static_cast<int>(line);
    outfit.speech[line] = {characters.substr(line * 25, 25) + "~A", font, line == 1, "-5", "230"};
  }
  overlay.drawSpeech(layers, outfit, miro::ViewState{});
  return 0;
}
