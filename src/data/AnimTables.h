#pragma once

// The program's own ordinal tables: for every animation it can show, the ordinal of the
// first wanted record among the non-empty records of an index file. -1 marks an absent
// body slot.

#include <array>
#include <utility>

namespace miro::anim {

inline constexpr int kEntries = 44340;
inline constexpr int kBodySlots = 247;
inline constexpr int kActions = 35;
inline constexpr int kStoredDirections = 5;
inline constexpr int kGroupsPerBody = kActions * kStoredDirections;  // 175
inline constexpr int kMountActions = 7;
inline constexpr int kMounts = 8;

// Regions of the lookup table.
inline constexpr int kPeopleBase = 0;           // 2 bodies x 175
inline constexpr int kBodySlotBase = 350;       // 247 slots x 175
inline constexpr int kFirstMountBase = 43575;   // 8 mounts x 7 actions x 5
inline constexpr int kSecondMountBase = 43855;  // 8 mounts x 7 actions x 5
inline constexpr int kFourthMountBase = 44135;  // 7 actions x 5
inline constexpr int kFirstMountMoveBase = 44170;  // 8 mounts x 2 actions x 5
inline constexpr int kNeverFilledBase = 44250;

inline constexpr int peopleEntry(int body, int action, int direction) {
  return kPeopleBase + body * kGroupsPerBody + action * kStoredDirections + direction;
}
inline constexpr int bodySlotEntry(int slot, int action, int direction) {
  return kBodySlotBase + slot * kGroupsPerBody + action * kStoredDirections + direction;
}
inline constexpr int firstMountEntry(int mount, int action, int direction) {
  return kFirstMountBase + mount * 35 + action * kStoredDirections + direction;
}
inline constexpr int secondMountEntry(int mount, int action, int direction) {
  return kSecondMountBase + mount * 35 + action * kStoredDirections + direction;
}
inline constexpr int fourthMountEntry(int action, int direction) {
  return kFourthMountBase + action * kStoredDirections + direction;
}
inline constexpr int firstMountMoveEntry(int mount, int action, int direction) {
  return kFirstMountMoveBase + mount * 10 + action * kStoredDirections + direction;
}

// ANIM.IDX, each plus the data offset.
inline constexpr int kPeopleStart = 6274;
inline constexpr int kPeopleEntries = 350;

inline constexpr std::array<int, 242> kFirstFileSlots = {
    11174, 26918, 27093, 27268, 27443, 27618, 27793, 28901, 29076, 29251,  // 0-9
    29426, 27968, 28117, 28292, 28467, 29601, 29776, 29951, 9774, 9949,  // 10-19
    9424, 9599, 15024, 15374, 15374, 16249, 16774, 32028, -1, -1,  // 20-29
    -1, -1, -1, -1, -1, -1, 11524, 11699, 11874, 12049,  // 30-39
    -1, -1, 14499, 13624, 14149, 14849, 15199, 16074, 16599, -1,  // 40-49
    -1, -1, -1, -1, 30978, 31153, 31328, 31503, 31678, 13799,  // 50-59
    14324, 15549, 16424, 16949, -1, -1, -1, 15724, 14674, 15724,  // 60-69
    15724, 17124, -1, 10474, 10649, 31853, -1, 10824, 12224, 30103,  // 70-79
    30278, 30628, 30803, -1, 10124, 10299, 11349, 32553, 34478, 34828,  // 80-89
    35003, 35528, -1, -1, -1, -1, 10999, -1, -1, 13974,  // 90-99
    15899, 15899, -1, -1, -1, -1, -1, -1, 6624, 6799,  // 100-109
    6974, 7149, 7324, 7499, 7674, 7849, 8024, 8199, 8374, 8549,  // 110-119
    8724, 8899, 9074, 9249, 12399, 17299, 17474, 17649, 17824, 17999,  // 120-129
    18174, 32203, 32378, 33078, 18349, -1, -1, -1, -1, -1,  // 130-139
    -1, -1, -1, -1, -1, -1, -1, 20099, 20274, 20449,  // 140-149
    20624, 20799, 20974, 21149, 21324, 21499, 21673, 21848, 22022, 22197,  // 150-159
    22372, 22547, 24645, 23072, 23247, 23420, 23595, 23770, 23945, 24120,  // 160-169
    24295, 24470, 22897, 24818, 24993, 25168, 25343, 25518, 25693, 25868,  // 170-179
    26043, 26218, 26393, 26568, 26743, 33253, 33428, 33603, 33778, 33953,  // 180-189
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,  // 190-199
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,  // 200-209
    -1, -1, -1, -1, 12574, 12749, 12924, 13099, 13274, 13449,  // 210-219
    18874, 19049, 19224, 19399, 19574, 19749, 19924, 32903, 35178, 35353,  // 220-229
    34128, -1, -1, -1, -1, -1, -1, -1, -1, -1,  // 230-239
    -1, -1,  // 240-241
};

// ANIM3.IDX, body slots 190-200.
inline constexpr int kFirstThirdFileSlot = 190;
inline constexpr std::array<int, 11> kThirdFileSlots = {1315, 1490, 1665, 1840, 2015, 2190,
                                                        2365, 2540, 2715, 2890, 3065};

// ANIM4.IDX: body slot, ordinal, and whether the slot's female variant lies in this file.
struct FourthFileEntry {
  int slot;
  int ordinal;
  bool female;
};
inline constexpr std::array<FourthFileEntry, 71> kFourthFileList = {{
    {28, 1520, true}, {29, 3789, true}, {30, 5704, false}, {31, 5879, false},
    {32, 14436, false}, {33, 13911, false}, {34, 14086, false}, {35, 14261, false},
    {40, 9886, false}, {41, 10411, true}, {49, 1345, true}, {50, 3264, true},
    {51, 3439, true}, {52, 3614, true}, {53, 10236, true}, {64, 5179, false},
    {65, 5354, false}, {66, 5529, false}, {72, 1695, true}, {76, 6754, true},
    {83, 9711, true}, {92, 6579, true}, {93, 9011, true}, {94, 9186, false},
    {95, 9361, false}, {97, 6229, true}, {98, 9536, true}, {105, 3095, false},
    {106, 4839, false}, {107, 5009, false}, {135, 1170, true}, {136, 1870, false},
    {137, 2045, false}, {138, 2220, false}, {139, 2395, false}, {140, 2570, false},
    {141, 2745, false}, {142, 2920, false}, {143, 3964, false}, {144, 4139, false},
    {145, 6054, false}, {146, 6404, false}, {201, 4314, false}, {202, 4489, false},
    {203, 4664, false}, {204, 6929, false}, {205, 7104, false}, {206, 7279, false},
    {207, 7454, false}, {208, 7629, false}, {209, 7972, false}, {210, 8147, false},
    {211, 8322, false}, {212, 10761, false}, {213, 10586, false}, {231, 13736, false},
    {232, 11461, false}, {233, 12161, false}, {234, 13561, false}, {235, 10936, false},
    {236, 11111, false}, {237, 11286, false}, {238, 11986, false}, {239, 10061, false},
    {240, 12511, false}, {241, 13211, false}, {242, 12336, false}, {243, 12861, false},
    {244, 11811, false}, {245, 13036, false}, {246, 13386, false},
}};

// The female body slots of the parts whose female variant lies in the fourth file.
inline constexpr std::array<std::pair<int, int>, 16> kFemaleVariantSlots = {{
    {28, 231}, {29, 232}, {41, 233}, {49, 234}, {50, 235}, {51, 236}, {52, 237}, {53, 238},
    {72, 239}, {76, 240}, {83, 241}, {92, 242}, {93, 243}, {97, 244}, {98, 245}, {135, 246}}};

// ANIM.IDX mounts, each plus the data offset: 7 actions (35 records), and the mount's own
// walk and run (10 records).
inline constexpr std::array<int, 8> kFirstFileMounts = {28619, 28654, 28689, 28725, 28761, 28796, 28831, 28866};
inline constexpr std::array<int, 8> kFirstFileMountMoves = {4071, 4322, 4712, 5205, 5270, 5335, 5586, 5651};

// ANIM2.IDX mounts: action a takes the 5 records from base + step[a].
inline constexpr std::array<int, 8> kSecondFileMountBases = {5054, 5119, 5249, 5184, 5314, 5379, 5444, 5509};
inline constexpr std::array<int, 7> kSecondFileMountSteps = {0, 5, 10, 25, 25, 25, 25};

// ANIM4.IDX mount.
inline constexpr int kFourthFileMountBase = 909;
inline constexpr std::array<int, 7> kFourthFileMountSteps = {0, 5, 10, 30, 30, 30, 30};

}  // namespace miro::anim
