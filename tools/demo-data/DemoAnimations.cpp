// The demo animation files: every ordinal of the program's tables resolves to a group of the
// right kind, body slots sharing groups by their look.
#include <map>
#include <optional>
#include <tuple>

#include "DemoData.h"
#include "DemoFigure.h"
#include "DemoItems.h"
#include "compose/Catalogue.h"
#include "data/AnimTables.h"

namespace miro::demo {

namespace {

constexpr int kEmptyEvery = 997;  // an empty record now and then, so that the counting matters

// What a body slot shows: its look, and whether it is the female variant.
struct SlotLook {
  Look look;
  bool female;
};

// The look of each body slot, from the list item that is animated by it. Where the last item
// of one list shares its body slot with the first item of the next, the next list wins.
std::map<int, SlotLook> bodySlotLooks() {
  std::map<int, SlotLook> looks;
  for (int slot = 1; slot < kPartSlots; ++slot) {  // slot 22 animates the bodies of slot 17
    const PartSlotInfo& info = partSlot(slot);
    if (info.firstBodySlot < 0) continue;
    const auto& items = partItems(slot);
    for (int item = 1; item < static_cast<int>(items.size()); ++item) {
      looks[info.firstBodySlot + item - 1] = {lookOfItem(slot, items[static_cast<std::size_t>(item)]), false};
    }
  }
  for (const auto& [male, female] : anim::kFemaleVariantSlots) looks[female] = {looks.at(male).look, true};
  return looks;
}

// One animation data file and its index, groups shared by what they show.
class AnimFile {
 public:
  explicit AnimFile(std::string number) : number_(std::move(number)) {
    writer_.pad(16);  // no group at position 0: a lookup of 0 reads as empty in some scans
  }

  // Ordinal `ordinal` shows `look` doing `action` in stored direction `direction`.
  void figure(int ordinal, Look look, bool female, int action, int direction) {
    assign(ordinal, {look, female, motionOfAction(action), framesOfAction(action), direction});
  }
  void mount(int ordinal, Look look, int item, int action, int direction) {
    assign(ordinal, {look, false, static_cast<Motion>(action), framesOfMountAction(action), direction, item});
  }

  std::vector<DemoFile> files() {
    std::vector<clientgen::IndexRecord> records;
    const clientgen::IndexRecord filler = writer_.add(groupOf({Canvas(1, 1, 0, 0, {0, -1}).frame()}));
    for (std::size_t ordinal = 0; ordinal < ordinals_.size(); ++ordinal) {
      if (ordinal % kEmptyEvery == kEmptyEvery - 1) {
        records.push_back(ordinal % 2 ? clientgen::IndexRecord{-1, 100, 0} : clientgen::IndexRecord{1000, 0, 0});
      }
      records.push_back(ordinals_[ordinal] ? group(*ordinals_[ordinal]) : filler);
    }
    return {{"ANIM" + number_ + ".IDX", clientgen::encodeIndex(records)}, {"ANIM" + number_ + ".MUL", writer_.data()}};
  }

 private:
  struct Key {
    Look look;
    bool female;
    Motion motion;
    int frames;
    int direction;
    int mountItem = 0;
    auto tie() const { return std::tie(look, female, motion, frames, direction, mountItem); }
    bool operator<(const Key& other) const { return tie() < other.tie(); }
  };

  void assign(int ordinal, const Key& key) {
    if (ordinal < 0) return;
    if (static_cast<std::size_t>(ordinal) >= ordinals_.size()) ordinals_.resize(static_cast<std::size_t>(ordinal) + 1);
    ordinals_[static_cast<std::size_t>(ordinal)] = key;
  }

  static clientgen::AnimGroup groupOf(std::vector<clientgen::IndexedFrame> frames) {
    clientgen::AnimGroup group;
    group.palette = demoPalette();
    group.frames = std::move(frames);
    return group;
  }

  clientgen::IndexRecord group(const Key& key) {
    if (const auto found = groups_.find(key); found != groups_.end()) return found->second;
    std::vector<clientgen::IndexedFrame> frames;
    const Facing facing = facingOfStoredDirection(key.direction);
    for (int n = 0; n < key.frames; ++n) {
      Canvas canvas(isMount(key.look) ? 130 : 90, 100, isMount(key.look) ? 65 : 45, 95, facing);
      if (isMount(key.look)) {
        drawMount(canvas, key.look, key.mountItem, static_cast<int>(key.motion), n, key.frames);
      } else {
        drawItem(canvas, key.look, pose(key.motion, n, key.frames, key.female), key.female);
      }
      frames.push_back(canvas.frame());
    }
    return groups_[key] = writer_.add(groupOf(std::move(frames)));
  }

  std::string number_;
  clientgen::AnimFileWriter writer_;
  std::vector<std::optional<Key>> ordinals_;
  std::map<Key, clientgen::IndexRecord> groups_;
};

// The 175 records of a body slot from `ordinal`: 35 actions in five stored directions.
void bodySlot(AnimFile& file, int ordinal, SlotLook look) {
  for (int k = 0; k < anim::kGroupsPerBody; ++k) file.figure(ordinal + k, look.look, look.female, k / 5, k % 5);
}

void firstFile(AnimFile& file, const std::map<int, SlotLook>& looks) {
  for (int slot = 0; slot < static_cast<int>(anim::kFirstFileSlots.size()); ++slot) {
    const int ordinal = anim::kFirstFileSlots[static_cast<std::size_t>(slot)];
    if (ordinal >= 0 && looks.count(slot)) bodySlot(file, ordinal, looks.at(slot));
  }
  for (int m = 0; m < anim::kMounts; ++m) {
    const auto i = static_cast<std::size_t>(m);
    for (int k = 0; k < 35; ++k) file.mount(anim::kFirstFileMounts[i] + k, lookOfMount(m + 1), m + 1, k / 5, k % 5);
    for (int k = 0; k < 10; ++k) file.mount(anim::kFirstFileMountMoves[i] + k, lookOfMount(m + 1), m + 1, k / 5, k % 5);
  }
  for (int k = 0; k < anim::kPeopleEntries; ++k) {
    const bool female = k >= anim::kGroupsPerBody;
    file.figure(anim::kPeopleStart + k, female ? Look::FemaleBody : Look::MaleBody, female, k % 175 / 5, k % 5);
  }
}

void secondFile(AnimFile& file) {
  for (int m = 0; m < anim::kMounts; ++m) {
    for (int a = 0; a < anim::kMountActions; ++a) {
      const int start = anim::kSecondFileMountBases[static_cast<std::size_t>(m)] +
                        anim::kSecondFileMountSteps[static_cast<std::size_t>(a)];
      for (int d = 0; d < 5; ++d) file.mount(start + d, lookOfMount(m + 9), m + 9, a, d);
    }
  }
}

void thirdFile(AnimFile& file, const std::map<int, SlotLook>& looks) {
  for (std::size_t i = 0; i < anim::kThirdFileSlots.size(); ++i) {
    bodySlot(file, anim::kThirdFileSlots[i], looks.at(anim::kFirstThirdFileSlot + static_cast<int>(i)));
  }
}

void fourthFile(AnimFile& file, const std::map<int, SlotLook>& looks) {
  for (const auto& item : anim::kFourthFileList) bodySlot(file, item.ordinal, looks.at(item.slot));
  for (int a = 0; a < anim::kMountActions; ++a) {
    const int start = anim::kFourthFileMountBase + anim::kFourthFileMountSteps[static_cast<std::size_t>(a)];
    for (int d = 0; d < 5; ++d) file.mount(start + d, lookOfMount(17), 17, a, d);
  }
}

}  // namespace

std::vector<DemoFile> demoAnimations() {
  const auto looks = bodySlotLooks();
  AnimFile first(""), second("2"), third("3"), fourth("4");
  firstFile(first, looks);
  secondFile(second);
  thirdFile(third, looks);
  fourthFile(fourth, looks);
  std::vector<DemoFile> files;
  for (AnimFile* file : {&first, &second, &third, &fourth}) {
    for (DemoFile& f : file->files()) files.push_back(std::move(f));
  }
  return files;
}

}  // namespace miro::demo
