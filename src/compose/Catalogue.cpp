#include "compose/Catalogue.h"

#include <stdexcept>

namespace miro {

namespace {

const std::array<PartSlotInfo, kPartSlots> kSlots = {{
    {1, 2, "CLOAK", "Back", 0, {}},
    {2, 12, "HAIR", "Hair", 1, {}},
    {3, 8, "FACIAL_HAIR", "F_Hair", 11, {}},
    {4, 4, "TOPS1", "UpperTorso1", 18, {}},
    {5, 18, "BOTTIMS1", "LowerTorso1", 20, {}},
    {6, 8, "FOOTWEAR", "Footwear", 36, {}},
    {7, 2, "PLATEMAIL_LEGS", "PlateLeg", 42, {}},
    {8, 18, "TORSO1", "Armor", 43, {}},
    {9, 10, "ARMS", "Arms", 59, {}},
    {10, 7, "HANDS", "Gloves", 67, {}},
    {11, 5, "BOTTOMS2", "LowerTorso2", 73, {}},
    {12, 9, "TOPS2", "UpperTorso2", 77, {5}},
    {13, 13, "TORSO2", "OverChest", 84, {2, 5, 6, 7, 8}},
    {14, 4, "HARF_APRON", "HalfApron", 96, {}},
    {15, 10, "NECK", "Neck", 99, {}},
    {16, 41, "HEAD", "Hat", 108, {3, 4, 5, 6, 8, 9, 10}},
    {17, 69, "RIGHT_HAND1", "Right1", 147, {2, 3, 4, 9, 14, 16, 24}},
    {18, 18, "LEFT_HAND", "Left", 214, {12}},
    {19, 2, "BRACELET", "Blacelet", -1, {}},
    {20, 2, "EARRINGS", "Earrings", -1, {}},
    {21, 2, "RING", "Ring", -1, {}},
    {22, 69, "RIGHT_HAND2", "Right2", 147, {1, 2, 3, 13, 23, 43, 46, 47, 68}},
}};

}  // namespace

const PartSlotInfo& partSlot(int slot) {
  if (slot < 1 || slot > kPartSlots) throw std::out_of_range("part slot " + std::to_string(slot));
  return kSlots[static_cast<std::size_t>(slot - 1)];
}

}  // namespace miro
