#include "data/AnimLookup.h"

#include <algorithm>

namespace miro {

namespace {

constexpr std::size_t kRecordSize = 12;

// Which records an index scan passes over. Every scan skips a lookup of -1 and a length of
// 0; the second-file scans and the fourth-file mount scan also skip a lookup of 0.
enum class Emptiness { Usual, ZeroLookupToo };

// The lookups of the first `wanted` non-empty records in file order: the record of ordinal n
// is element n. No scan looks further than its tables reach.
std::vector<std::int32_t> nonEmptyLookups(Bytes index, Emptiness rule, std::int64_t wanted) {
  const std::size_t records = index.size() / kRecordSize;
  const auto limit = static_cast<std::size_t>(std::clamp<std::int64_t>(wanted, 0, static_cast<std::int64_t>(records)));
  std::vector<std::int32_t> lookups(limit + 1);
  std::size_t count = 0;
  for (std::size_t i = 0; i < records && count < limit; ++i) {
    const auto lookup = static_cast<std::int32_t>(u32Unchecked(index, i * kRecordSize));
    const auto length = static_cast<std::int32_t>(u32Unchecked(index, i * kRecordSize + 4));
    lookups[count] = lookup;  // kept only when the record counts
    count += !(lookup == -1 || length == 0 || (rule == Emptiness::ZeroLookupToo && lookup == 0));
  }
  lookups.resize(count);
  return lookups;
}

// How far the first-file tables reach, in ordinals before the data offset.
constexpr std::int64_t firstFileReach() {
  std::int64_t reach = anim::kPeopleStart + anim::kPeopleEntries;
  for (const int slot : anim::kFirstFileSlots) reach = std::max<std::int64_t>(reach, slot + anim::kGroupsPerBody);
  for (const int m : anim::kFirstFileMounts) reach = std::max<std::int64_t>(reach, m + 35);
  for (const int m : anim::kFirstFileMountMoves) reach = std::max<std::int64_t>(reach, m + 10);
  return reach;
}

constexpr std::int64_t secondFileReach() {
  std::int64_t reach = 0;
  for (const int base : anim::kSecondFileMountBases) {
    reach = std::max<std::int64_t>(reach, base + anim::kSecondFileMountSteps.back() + anim::kStoredDirections);
  }
  return reach;
}

constexpr std::int64_t fourthFileReach() {
  std::int64_t reach = 0;
  for (const auto& item : anim::kFourthFileList) reach = std::max<std::int64_t>(reach, item.ordinal + anim::kGroupsPerBody);
  return reach;
}

constexpr std::int64_t kThirdFileReach = anim::kThirdFileSlots.back() + anim::kGroupsPerBody;
constexpr std::int64_t kFourthMountReach =
    anim::kFourthFileMountBase + anim::kFourthFileMountSteps.back() + anim::kStoredDirections;

// Consecutive entries from `first` take consecutive non-empty records from `wanted`. An
// ordinal the file does not reach gives -1; so does every ordinal of a negative start,
// which no record ever matches.
void take(const std::vector<std::int32_t>& records, std::int64_t wanted, int count, std::vector<std::int32_t>& entries,
          int first) {
  for (int k = 0; k < count; ++k) {
    const std::int64_t ordinal = wanted + k;
    const bool found = wanted >= 0 && ordinal < static_cast<std::int64_t>(records.size());
    entries[static_cast<std::size_t>(first + k)] = found ? records[static_cast<std::size_t>(ordinal)] : -1;
  }
}

// The same for a table value that may mark an absent body slot (-1), whatever the offset.
void takeSlot(const std::vector<std::int32_t>& records, int tableValue, std::int64_t offset, int count,
              std::vector<std::int32_t>& entries, int first) {
  if (tableValue == -1) {
    std::fill_n(entries.begin() + first, count, -1);
    return;
  }
  take(records, tableValue + offset, count, entries, first);
}

void scanFirstFile(Bytes index, std::int64_t offset, std::vector<std::int32_t>& entries) {
  const auto records = nonEmptyLookups(index, Emptiness::Usual, firstFileReach() + offset);
  take(records, anim::kPeopleStart + offset, anim::kPeopleEntries, entries, anim::kPeopleBase);
  for (int slot = 0; slot < static_cast<int>(anim::kFirstFileSlots.size()); ++slot) {
    takeSlot(records, anim::kFirstFileSlots[static_cast<std::size_t>(slot)], offset, anim::kGroupsPerBody, entries,
             anim::bodySlotEntry(slot, 0, 0));
  }
  for (int mount = 0; mount < anim::kMounts; ++mount) {
    const auto m = static_cast<std::size_t>(mount);
    takeSlot(records, anim::kFirstFileMounts[m], offset, 35, entries, anim::firstMountEntry(mount, 0, 0));
  }
  for (int mount = 0; mount < anim::kMounts; ++mount) {
    const auto m = static_cast<std::size_t>(mount);
    takeSlot(records, anim::kFirstFileMountMoves[m], offset, 10, entries, anim::firstMountMoveEntry(mount, 0, 0));
  }
}

void scanSecondFile(Bytes index, std::vector<std::int32_t>& entries) {
  const auto records = nonEmptyLookups(index, Emptiness::ZeroLookupToo, secondFileReach());
  for (int mount = 0; mount < anim::kMounts; ++mount) {
    for (int action = 0; action < anim::kMountActions; ++action) {
      const int wanted = anim::kSecondFileMountBases[static_cast<std::size_t>(mount)] +
                         anim::kSecondFileMountSteps[static_cast<std::size_t>(action)];
      take(records, wanted, anim::kStoredDirections, entries, anim::secondMountEntry(mount, action, 0));
    }
  }
}

void scanThirdFile(Bytes index, std::vector<std::int32_t>& entries) {
  const auto records = nonEmptyLookups(index, Emptiness::Usual, kThirdFileReach);
  for (std::size_t i = 0; i < anim::kThirdFileSlots.size(); ++i) {
    take(records, anim::kThirdFileSlots[i], anim::kGroupsPerBody, entries,
         anim::bodySlotEntry(anim::kFirstThirdFileSlot + static_cast<int>(i), 0, 0));
  }
}

void scanFourthFile(Bytes index, std::vector<std::int32_t>& entries) {
  const auto records = nonEmptyLookups(index, Emptiness::Usual, fourthFileReach());
  for (const auto& item : anim::kFourthFileList) {
    take(records, item.ordinal, anim::kGroupsPerBody, entries, anim::bodySlotEntry(item.slot, 0, 0));
  }
  const auto mountRecords = nonEmptyLookups(index, Emptiness::ZeroLookupToo, kFourthMountReach);
  for (int action = 0; action < anim::kMountActions; ++action) {
    const int wanted = anim::kFourthFileMountBase + anim::kFourthFileMountSteps[static_cast<std::size_t>(action)];
    take(mountRecords, wanted, anim::kStoredDirections, entries, anim::fourthMountEntry(action, 0));
  }
}

}  // namespace

AnimLookup::AnimLookup() : entries_(anim::kEntries, 0) {}

void AnimLookup::setFemaleVariantsFromFourthFile() {
  for (const auto& item : anim::kFourthFileList) setFemaleVariant(item.slot, item.female);
}

int AnimLookup::femaleVariantCount() const {
  return static_cast<int>(std::count(female_.begin(), female_.end(), 1));
}

int AnimLookup::missingCount() const { return static_cast<int>(std::count(entries_.begin(), entries_.end(), -1)); }

AnimLookup buildAnimLookup(const AnimIndexFiles& files, std::int32_t dataOffset) {
  AnimLookup lookup;
  if (!files.anim) return lookup;
  scanFirstFile(*files.anim, dataOffset, lookup.entries());
  if (files.anim2) scanSecondFile(*files.anim2, lookup.entries());
  if (files.anim3) scanThirdFile(*files.anim3, lookup.entries());
  if (files.anim4) {
    scanFourthFile(*files.anim4, lookup.entries());
    lookup.setFemaleVariantsFromFourthFile();
  }
  return lookup;
}

}  // namespace miro
