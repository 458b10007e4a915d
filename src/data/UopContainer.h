#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/Bytes.h"

namespace miro {

// One file inside a UOP ("MYP") container of the client.
struct UopEntry {
  std::uint64_t dataOffset = 0;  // the entry's header offset plus its header length
  std::uint32_t compressedLength = 0;
  std::uint32_t decompressedLength = 0;
  std::int16_t compression = 0;  // 0 none, 1 zlib, 3 zlib and a further transform
};

enum class UopRead { Ok, Missing, Unsupported, Corrupt };

// The entry table of a container, by name hash. The container is untrusted: a block chain that
// loops or leaves the file, an entry count beyond its block, or an entry whose data lies outside
// the file ends the reading of that part, keeping what was read before.
class UopContainer {
 public:
  static constexpr std::uint32_t kMagic = 0x0050594D;  // "MYP\0"

  // Nothing when the bytes are not a container at all.
  static std::optional<UopContainer> open(Bytes file);

  std::size_t size() const { return entries_.size(); }
  // False when damage cut the block chain short or left out an entry.
  bool complete() const { return complete_; }
  const UopEntry* find(std::uint64_t nameHash) const;

  // The entry's data, decompressed; checks that it has the length the entry gives.
  UopRead read(Bytes file, std::uint64_t nameHash, std::string& data) const;

 private:
  std::unordered_map<std::uint64_t, UopEntry> entries_;
  bool complete_ = true;
};

}  // namespace miro
