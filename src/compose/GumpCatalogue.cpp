#include "compose/GumpCatalogue.h"

#include <algorithm>
#include <span>

#include "compose/Catalogue.h"

namespace miro {

namespace {

struct FemaleGump {
  int item;
  int gump;
};

// Female gumps are the male ones + 10000, apart from `female`; some slots use the male gumps.
struct SlotGumps {
  std::span<const int> male;
  bool femaleUsesMale = false;
  std::span<const FemaleGump> female = {};
};

constexpr int kBody[] = {12, 121};
constexpr FemaleGump kBodyFemale[] = {{1, 13}, {2, 120}};
constexpr int kBack[] = {50468};
constexpr int kHair[] = {50700, 50701, 50702, 50703, 50710, 50712, 50900, 50901, 50706, 50903, 50713};
constexpr FemaleGump kHairFemale[] = {{9, 60707}, {11, 60714}};
constexpr int kFacialHair[] = {50800, 50801, 50802, 50803, 50806, 50805, 50804};
constexpr int kUpperTorso1[] = {50434, 50435, 50436};
constexpr int kLowerTorso1[] = {50430, 50431, 50540, 50543, 50522, 50549, 50555, 50927, 50423,
                                50506, 50552, 50512, 50491, 50487, 50488, 50489, 50432};
constexpr FemaleGump kLowerTorso1Female[] = {{17, 50432}};
constexpr int kFootwear[] = {50476, 50477, 50479, 50480, 50569, 50572, 50475};
constexpr FemaleGump kFootwearFemale[] = {{7, 50475}};
constexpr int kPlateLeg[] = {50529};
constexpr int kArmor[] = {50521, 50527, 50538, 50542, 50548, 50554, 50426, 50457, 50458,
                          50459, 50571, 50921, 50922, 50923, 50924, 50925, 50438};
constexpr int kArms[] = {50523, 50528, 50544, 50550, 50556, 50473, 50474, 50478, 50440};
constexpr int kGloves[] = {50524, 50530, 50545, 50545, 50557, 50424};
constexpr FemaleGump kGlovesFemale[] = {{6, 60524}};
constexpr int kLowerTorso2[] = {50449, 50455, 50926, 50518};
constexpr int kUpperTorso2[] = {50465, 50490, 50909, 50910, 50912, 50913, 50568, 50911};
constexpr int kOverChest[] = {50447, 50448, 50469, 50970, 50987, 50990, 50991, 50994, 50517, 50553, 50558, 50559};
constexpr FemaleGump kOverChestFemale[] = {{6, 50990}, {7, 50991}, {8, 50994}, {11, 50558}, {12, 50559}};
constexpr int kHalfApron[] = {50466, 50514, 50567};
constexpr int kNeck[] = {50525, 50546, 50531, 50493, 50494, 50497, 50456, 50471, 50472};
constexpr int kHat[] = {50404, 50405, 50406, 50407, 50408, 50409, 50410, 50411, 50412, 50413,
                        50414, 50415, 50416, 50417, 50418, 50419, 50492, 50560, 50561, 50562,
                        50563, 50564, 50565, 50928, 50929, 50973, 50566, 50425, 50442, 50443,
                        50444, 50445, 50446, 50450, 50451, 50462, 50463, 50513, 50516, 50441};
constexpr FemaleGump kHatFemale[] = {{23, 50565}, {27, 50566}, {31, 50444}, {32, 50445},
                                     {33, 50446}, {34, 50450}, {39, 50516}};
constexpr int kRightHand[] = {50611, 50612, 50613, 50614, 50615, 50616, 50617, 50618, 50619, 50620, 50621, 50622,
                              50623, 50624, 50625, 50638, 50628, 50629, 50630, 50631, 50633, 50634, 50635, 50636,
                              50637, 50627, 50639, 50640, 50626, 50642, 50643, 50644, 50645, 50646, 50648, 50649,
                              50651, 50610, 50980, 50981, 50982, 50983, 50984, 50930, 50931, 50932, 50933, 50934,
                              50935, 50936, 50937, 50938, 50939, 50940, 50464, 50467, 50470, 50519, 50520, 50526,
                              50532, 50533, 50535, 50536, 50537, 50583, 50575, 50650};
constexpr int kLeftHand[] = {50500, 50501, 50502, 50503, 50504, 50505, 50576, 50577, 50578,
                             50579, 50580, 50581, 50582, 50972, 50992, 50993, 50985};
constexpr int kBracelet[] = {50495};
constexpr int kEarrings[] = {50496};
constexpr int kRing[] = {50498};

// Slot 0 is the body; its items are body 1 (people) and 2 (savage).
constexpr SlotGumps kSlots[kPartSlots + 1] = {
    {kBody, false, kBodyFemale},
    {kBack},
    {kHair, false, kHairFemale},
    {kFacialHair, true},
    {kUpperTorso1},
    {kLowerTorso1, false, kLowerTorso1Female},
    {kFootwear, false, kFootwearFemale},
    {kPlateLeg},
    {kArmor},
    {kArms},
    {kGloves, false, kGlovesFemale},
    {kLowerTorso2},
    {kUpperTorso2},
    {kOverChest, false, kOverChestFemale},
    {kHalfApron},
    {kNeck},
    {kHat, false, kHatFemale},
    {kRightHand, true},
    {kLeftHand, true},
    {kBracelet},
    {kEarrings},
    {kRing},
    {kRightHand, true},
};

// The male and the female table each hold one entry per item of every slot.
constexpr std::size_t entries() {
  std::size_t n = 0;
  for (const SlotGumps& slot : kSlots) n += slot.male.size();
  return n;
}
static_assert(entries() == 313);

std::optional<int> gumpOf(int slot, int item, bool female) {
  const SlotGumps& gumps = kSlots[static_cast<std::size_t>(slot)];
  if (item < 1 || static_cast<std::size_t>(item) > gumps.male.size()) return std::nullopt;
  const int male = gumps.male[static_cast<std::size_t>(item - 1)];
  if (!female || gumps.femaleUsesMale) return male;
  const auto own = std::ranges::find(gumps.female, item, &FemaleGump::item);
  return own != gumps.female.end() ? own->gump : male + 10000;
}

}  // namespace

std::optional<int> partGump(int slot, int item, bool female) {
  if (slot < 1 || slot > kPartSlots) return std::nullopt;
  return gumpOf(slot, item, female);
}

bool partFullHue(int slot, int item) {
  if (!partGump(slot, item, false)) return false;
  const std::vector<int>& partialOnly = partSlot(slot).partialOnly;
  return std::ranges::find(partialOnly, item) == partialOnly.end();
}

std::optional<int> bodyGump(int bodyItem) {
  if (bodyItem < 0 || bodyItem > 3) return std::nullopt;
  return gumpOf(0, bodyItem / 2 + 1, bodyItem % 2 == 1);
}

bool framePictureShown(const FramePicture& picture, const FrameOptions& options) {
  if (picture.owner == FrameOwner::Own && !options.ownCharacter) return false;
  if (picture.owner == FrameOwner::Other && options.ownCharacter) return false;
  switch (picture.option) {
    case FrameOption::None: return true;
    case FrameOption::Backpack: return options.backpack;
    case FrameOption::ProfileScroll: return options.profileScroll;
    case FrameOption::PartyScroll: return options.partyScroll;
    case FrameOption::MoveBook: return options.moveBook;
    case FrameOption::Buttons: return options.buttons;
  }
  return false;
}

}  // namespace miro
