#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/Bitmap32.h"
#include "common/Geometry.h"
#include "common/ProgramFolder.h"
#include "common/Status.h"
#include "compose/Catalogue.h"
#include "data/HueTable.h"

namespace miro {

inline constexpr std::string_view kPrioritiesFileName = "MIRO2attr.ini";

struct SpeechLine {
  std::string text;  // at most 80 characters
  int font = 3;
  bool unicodeColour = false;
  std::string shiftX = "0";
  std::string shiftY = "0";
};

// What the user has chosen for the character.
struct Outfit {
  int body = 0;                           // index into the body list, 0..5
  std::array<int, kPartSlots + 1> parts{};  // parts[s]: index into the list of slot s; parts[0] unused
  int mount = 0;                          // item of the mount list; 0 is "none (Mount)"
  // 0 body, 1..22 the part slots, 23 the mount, 24 kept by outfit files, 25..27 speech lines, 28 palette.
  std::array<HueId, kColourSlots> colours{};
  std::array<SpeechLine, 3> speech;

  int part(int slot) const { return parts[static_cast<std::size_t>(slot)]; }
  HueId colour(int slot) const { return colours[static_cast<std::size_t>(slot)]; }
};

// The draw priority (1..32) of each part slot in the 2D and the PD view; slot s defaults to s.
struct Priorities {
  Priorities();
  std::array<int, kPartSlots + 1> twoD{};
  std::array<int, kPartSlots + 1> pd{};
};

// MIRO2attr.ini: a section per slot named by its layer name, keys "2D" and "PD". A missing file,
// section or key, a value that is no number, or one outside 1..32 gives the slot's default.
Priorities loadPriorities(const ProgramFolder& home);
// Updates the file in place: other sections and keys are kept.
Status savePriorities(const ProgramFolder& home, const Priorities& priorities);

struct Effects {
  bool showShadow = false;
  bool shadowOnly = false;
  bool hiding = false;
  bool silhouette = false;
  bool ghost = false;
  bool maskSpeech = false;
  bool showBorder = false;
};

// The view settings the 2D composition reads.
struct ViewState {
  int motion = kStand;  // 0..39
  int direction = 0;    // 0..7
  int frame = 0;        // the frame position
  int frameMax = 0;     // the last frame of the motion, as the last body decode found it
  Effects effects;
  std::uint32_t backgroundColour = 0xFFFFFF;  // 0x00BBGGRR, as the settings keep colours
  bool superimpose = false;                   // draw the background picture instead of the colour
  Bitmap32 backgroundPicture;                 // 270 x 240 when loaded
  std::optional<Rect> trimmingFrame;          // the red frame drawn over the preview, when shown
};

// 0x00BBGGRR <-> 0x00RRGGBB.
constexpr std::uint32_t swapRedBlue(std::uint32_t c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// Reset of the outfit and the view: colour slots 0..23 and 27 cleared (24, 25, 26 and 28 kept),
// body, parts and mount 0, motion "Stand", direction 0, and the effects Hiding, Shadow only and
// Silhouette off. Speech lines, priorities, the frame position and the other effects are kept.
void resetOutfit(Outfit& outfit, ViewState& view);

}  // namespace miro
