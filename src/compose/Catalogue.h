#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace miro {

inline constexpr int kPartSlots = 22;
inline constexpr int kColourSlots = 29;
inline constexpr int kMountColourSlot = 23;
inline constexpr int kMotions = 40;
inline constexpr int kSitOnChair = 35;
inline constexpr int kStand = 4;

// One part slot (1..22) of the outfit: its list and colour button on the window, the hints of
// both, its section in MIRO2attr.ini ("layer name") and in the outfit files, and where its items
// are animated.
struct PartSlotInfo {
  int slot;
  int items;
  std::string_view layerName;      // MIRO2attr.ini section, spelled as the program has always spelled it
  std::string_view outfitSection;  // outfit file section
  int firstBodySlot;               // -1: no 2D animation
  std::vector<int> partialOnly;    // list indices whose hue takes grey pixels only
};

const PartSlotInfo& partSlot(int slot);  // slot 1..22

// The list of the body (PartsBox1) and of part slot s (PartsBox(s + 1)), exactly as the user sees them.
const std::vector<std::string>& bodyItems();
const std::vector<std::string>& partItems(int slot);
const std::vector<std::string>& motionItems();
// The mount list as designed: "none (Mount)" and the eight first-file mounts. The expansion
// mounts follow when their files exist.
const std::vector<std::string>& designMountItems();

// Window names: the list, colour button and priority lists of a slot.
inline std::string partListName(int slot) { return "PartsBox" + std::to_string(slot + 1); }
inline std::string colourButtonName(int slot) { return "ColBtn" + std::to_string(slot + 1); }
inline int listHintId(int slot) { return 2030 + 2 * slot; }
inline int colourHintId(int slot) { return 2031 + 2 * slot; }

// Motions with a rider on a mount: the mount list is enabled and the mount drawn.
constexpr bool isRidingMotion(int motion) { return (motion >= 23 && motion <= 29) || (motion >= 36 && motion <= 39); }

// The body action of a motion in a direction.
constexpr int actionOfMotion(int motion, int direction) {
  if (motion == 36 || motion == 38) return 26;
  if (motion == 37 || motion == 39) return 29;
  if (motion == kSitOnChair) return direction == 2 || direction == 7 ? 4 : 25;
  return motion;
}

// Direction 0..7 -> the direction stored in the animation files, and whether it is mirrored.
inline constexpr std::array<int, 8> kStoredDirection = {0, 4, 1, 3, 2, 2, 3, 1};
inline constexpr std::array<bool, 8> kMirrored = {false, false, false, true, false, true, false, true};

}  // namespace miro
