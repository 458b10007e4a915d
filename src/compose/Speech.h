#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "compose/Compose2D.h"
#include "compose/SystemFont.h"
#include "data/FontStore.h"
#include "data/HueTable.h"

namespace miro {

// Where the speech panel's aids would put a line, shown to the user as "X=%03d" and "Y=%03d".
enum class SpeechPlace { NotSpecified, Name, GuildTag };

struct SpeechAids {
  bool centre = false;
  SpeechPlace place = SpeechPlace::NotSpecified;
};

struct SpeechLabels {
  std::optional<std::string> horizontal;  // "X=085"
  std::optional<std::string> vertical;    // "Y=120"
};

// Writes the three speech lines of the outfit over the 2D figure, in the game's bitmap fonts
// and the lines' hues, into layers 37..39.
class SpeechOverlay : public SpeechPainter {
 public:
  SpeechOverlay(const FontStore& fonts, const HueTable& hues, SystemFont* systemFont)
      : fonts_(fonts), hues_(hues), systemFont_(systemFont) {}

  void drawSpeech(LayerStack& layers, const Outfit& outfit, const ViewState& view) override;

  std::array<SpeechAids, 3> aids;
  // After each composition: the labels of each line (kept from before for a masked or empty
  // line), and the shift fields that held no decimal integer (drawn as 0).
  std::array<SpeechLabels, 3> labels;
  std::vector<std::string> invalidFields;

 private:
  void drawLine(LayerStack& layers, int line, const SpeechLine& speech, int left, int top, bool masked);
  void drawText(Bitmap32& layer, const SpeechLine& speech, int left, int top);
  void updateLabels(const LayerStack& layers, int line, int greatestHeight);

  const FontStore& fonts_;
  const HueTable& hues_;
  SystemFont* systemFont_;
  HueId lineHue_ = 0;
};

// A shift or place field as a decimal integer: an optional sign and digits, nothing else.
std::optional<int> decimalField(const std::string& text);

}  // namespace miro
