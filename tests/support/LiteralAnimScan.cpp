#include "support/LiteralAnimScan.h"

#include <cstdio>

namespace miro::test {

namespace {

// Reads the index file record by record through the C library's buffered input, as the
// program reads its files.
class IndexCursor {
 public:
  IndexCursor(Bytes file, bool zeroLookupIsEmpty)
      : file_(::fmemopen(const_cast<std::uint8_t*>(file.data()), file.size(), "rb")),
        zeroLookupIsEmpty_(zeroLookupIsEmpty) {}
  ~IndexCursor() {
    if (file_) std::fclose(file_);
  }
  IndexCursor(const IndexCursor&) = delete;
  IndexCursor& operator=(const IndexCursor&) = delete;

  void rewind() {
    if (file_) std::rewind(file_);
    ordinal_ = 0;
  }

  std::int32_t takeOne(std::int64_t wanted) {
    if (wanted == -1 || !file_) return -1;
    std::uint8_t record[12];
    while (std::fread(record, 1, sizeof record, file_) == sizeof record) {
      const Bytes bytes(record, sizeof record);
      const auto lookup = static_cast<std::int32_t>(u32Unchecked(bytes, 0));
      const auto length = static_cast<std::int32_t>(u32Unchecked(bytes, 4));
      if (lookup == -1 || length == 0 || (zeroLookupIsEmpty_ && lookup == 0)) continue;
      if (ordinal_++ == wanted) return lookup;
    }
    return -1;
  }

  void take(std::int64_t wanted, int count, std::vector<std::int32_t>& entries, int first) {
    for (int k = 0; k < count; ++k) entries[static_cast<std::size_t>(first + k)] = takeOne(wanted + k);
  }

  void takeSlot(int tableValue, std::int64_t offset, int count, std::vector<std::int32_t>& entries, int first) {
    if (tableValue == -1) {
      for (int k = 0; k < count; ++k) entries[static_cast<std::size_t>(first + k)] = -1;
      return;
    }
    take(tableValue + offset, count, entries, first);
  }

 private:
  std::FILE* file_;
  bool zeroLookupIsEmpty_;
  std::int64_t ordinal_ = 0;
};

}  // namespace

AnimLookup literalAnimScan(const AnimIndexFiles& files, std::int32_t dataOffset) {
  AnimLookup lookup;
  auto& entries = lookup.entries();
  if (!files.anim) return lookup;

  IndexCursor first(*files.anim, false);
  first.take(anim::kPeopleStart + static_cast<std::int64_t>(dataOffset), anim::kPeopleEntries, entries, 0);
  // The first body slot goes on from where the people stopped.
  for (int slot = 0; slot < 242; ++slot) {
    first.takeSlot(anim::kFirstFileSlots[static_cast<std::size_t>(slot)], dataOffset, 175, entries,
                   anim::bodySlotEntry(slot, 0, 0));
    first.rewind();
  }
  for (int mount = 0; mount < 8; ++mount) {
    first.takeSlot(anim::kFirstFileMounts[static_cast<std::size_t>(mount)], dataOffset, 35, entries,
                   anim::firstMountEntry(mount, 0, 0));
    first.rewind();
  }
  for (int mount = 0; mount < 8; ++mount) {
    first.takeSlot(anim::kFirstFileMountMoves[static_cast<std::size_t>(mount)], dataOffset, 10, entries,
                   anim::firstMountMoveEntry(mount, 0, 0));
    first.rewind();
  }

  if (files.anim2) {
    IndexCursor second(*files.anim2, true);
    for (int mount = 0; mount < 8; ++mount) {
      for (int action = 0; action < 7; ++action) {
        second.rewind();
        second.take(anim::kSecondFileMountBases[static_cast<std::size_t>(mount)] +
                        anim::kSecondFileMountSteps[static_cast<std::size_t>(action)],
                    5, entries, anim::secondMountEntry(mount, action, 0));
      }
    }
  }
  if (files.anim3) {
    IndexCursor third(*files.anim3, false);
    for (int i = 0; i < 11; ++i) {
      third.take(anim::kThirdFileSlots[static_cast<std::size_t>(i)], 175, entries, anim::bodySlotEntry(190 + i, 0, 0));
      third.rewind();
    }
  }
  if (files.anim4) {
    IndexCursor fourth(*files.anim4, false);
    for (const auto& item : anim::kFourthFileList) {
      fourth.take(item.ordinal, 175, entries, anim::bodySlotEntry(item.slot, 0, 0));
      lookup.setFemaleVariant(item.slot, item.female);
      fourth.rewind();
    }
    IndexCursor mount(*files.anim4, true);
    for (int action = 0; action < 7; ++action) {
      mount.rewind();
      mount.take(909 + anim::kFourthFileMountSteps[static_cast<std::size_t>(action)], 5, entries,
                 anim::fourthMountEntry(action, 0));
    }
  }
  return lookup;
}

}  // namespace miro::test
