#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/Bytes.h"
#include "data/AnimTables.h"

namespace miro {

// Byte positions of animation groups in the four animation data files, or -1 for none,
// with the female-variant flag of every body slot.
class AnimLookup {
 public:
  AnimLookup();

  // -1 outside the table.
  std::int32_t operator[](int entry) const {
    return entry >= 0 && entry < anim::kEntries ? entries_[static_cast<std::size_t>(entry)] : -1;
  }
  bool femaleVariant(int slot) const {
    return slot >= 0 && slot < anim::kBodySlots && female_[static_cast<std::size_t>(slot)] != 0;
  }

  std::vector<std::int32_t>& entries() { return entries_; }
  const std::vector<std::int32_t>& entries() const { return entries_; }
  void setFemaleVariant(int slot, bool female) { female_.at(static_cast<std::size_t>(slot)) = female ? 1 : 0; }
  // The flags of the fourth-file list.
  void setFemaleVariantsFromFourthFile();
  int femaleVariantCount() const;
  int missingCount() const;

 private:
  std::vector<std::int32_t> entries_;
  std::array<std::uint8_t, anim::kBodySlots> female_{};
};

// The index files found in the data folder.
struct AnimIndexFiles {
  std::optional<Bytes> anim;  // ANIM.IDX
  std::optional<Bytes> anim2;
  std::optional<Bytes> anim3;
  std::optional<Bytes> anim4;
};

// Resolves the ordinal tables against the index files in one pass over each file. Entries no
// scan fills keep 0; a wanted ordinal beyond the end of its file gives -1. Without ANIM.IDX
// nothing is scanned.
AnimLookup buildAnimLookup(const AnimIndexFiles& files, std::int32_t dataOffset);

}  // namespace miro
