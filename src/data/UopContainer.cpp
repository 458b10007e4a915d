#include "data/UopContainer.h"

#include <zlib.h>

#include <algorithm>
#include <unordered_set>

#include "common/Limits.h"

namespace miro {

namespace {

constexpr std::size_t kHeaderSize = 28;
constexpr std::size_t kBlockHeaderSize = 12;
constexpr std::size_t kEntrySize = 34;

std::uint64_t u64Unchecked(Bytes bytes, std::size_t at) {
  return static_cast<std::uint64_t>(u32Unchecked(bytes, at)) |
         (static_cast<std::uint64_t>(u32Unchecked(bytes, at + 4)) << 32);
}

// An entry whose data lies inside the file, or nothing: for an unused slot (offset 0), and
// for a damaged entry, which also sets `damaged`.
std::optional<UopEntry> entryAt(Bytes file, std::size_t at, std::uint64_t& hash, bool& damaged) {
  const auto offset = static_cast<std::int64_t>(u64Unchecked(file, at));
  const auto headerLength = static_cast<std::int32_t>(u32Unchecked(file, at + 8));
  const auto compressed = static_cast<std::int32_t>(u32Unchecked(file, at + 12));
  const auto decompressed = static_cast<std::int32_t>(u32Unchecked(file, at + 16));
  hash = u64Unchecked(file, at + 20);
  const auto flag = static_cast<std::int16_t>(u16Unchecked(file, at + 32));
  if (offset == 0) return std::nullopt;
  damaged = true;
  if (offset < 0 || headerLength < 0 || compressed < 0 || decompressed < 0) return std::nullopt;
  if (static_cast<std::uint32_t>(decompressed) > limits::kUopEntryBytes) return std::nullopt;
  const auto dataOffset = static_cast<std::uint64_t>(offset) + static_cast<std::uint64_t>(headerLength);
  if (!fits(file, dataOffset, static_cast<std::uint64_t>(compressed))) return std::nullopt;
  damaged = false;
  return UopEntry{dataOffset, static_cast<std::uint32_t>(compressed), static_cast<std::uint32_t>(decompressed), flag};
}

}  // namespace

std::optional<UopContainer> UopContainer::open(Bytes file) {
  if (!fits(file, 0, kHeaderSize) || u32Unchecked(file, 0) != kMagic) return std::nullopt;
  const std::uint32_t capacity = u32Unchecked(file, 20);

  UopContainer container;
  const auto fileCount = static_cast<std::int32_t>(u32Unchecked(file, 24));
  if (fileCount > 0) {
    container.entries_.reserve(
        std::min({static_cast<std::size_t>(fileCount), file.size() / kEntrySize, limits::kUopEntries}));
  }
  std::unordered_set<std::uint64_t> visited;
  for (std::uint64_t block = u64Unchecked(file, 12); block != 0; ) {
    if (visited.size() == limits::kUopBlocks || container.entries_.size() >= limits::kUopEntries ||
        !visited.insert(block).second || !fits(file, block, kBlockHeaderSize)) {
      container.complete_ = false;
      break;
    }
    const auto at = static_cast<std::size_t>(block);
    const auto count = static_cast<std::int32_t>(u32Unchecked(file, at));
    if (count < 0 || static_cast<std::uint32_t>(count) > capacity ||
        !fits(file, block + kBlockHeaderSize, static_cast<std::uint64_t>(count) * kEntrySize)) {
      container.complete_ = false;
      break;
    }
    for (std::int32_t i = 0; i < count; ++i) {
      std::uint64_t hash = 0;
      bool damaged = false;
      if (const auto entry = entryAt(file, at + kBlockHeaderSize + static_cast<std::size_t>(i) * kEntrySize, hash, damaged)) {
        container.entries_.emplace(hash, *entry);
      }
      if (damaged) container.complete_ = false;
    }
    block = u64Unchecked(file, at + 4);
  }
  return container;
}

const UopEntry* UopContainer::find(std::uint64_t nameHash) const {
  const auto it = entries_.find(nameHash);
  return it == entries_.end() ? nullptr : &it->second;
}

UopRead UopContainer::read(Bytes file, std::uint64_t nameHash, std::string& data) const {
  const UopEntry* entry = find(nameHash);
  if (entry == nullptr) return UopRead::Missing;
  if (!fits(file, entry->dataOffset, entry->compressedLength)) return UopRead::Corrupt;
  const auto* source = file.data() + entry->dataOffset;
  switch (entry->compression) {
    case 0:
      if (entry->compressedLength != entry->decompressedLength) return UopRead::Corrupt;
      data.assign(reinterpret_cast<const char*>(source), entry->compressedLength);
      return UopRead::Ok;
    case 1: {
      data.assign(entry->decompressedLength, '\0');
      uLongf length = entry->decompressedLength;
      const int status = ::uncompress(reinterpret_cast<Bytef*>(data.data()), &length, source, entry->compressedLength);
      if (status != Z_OK || length != entry->decompressedLength) {
        data.clear();
        return UopRead::Corrupt;
      }
      return UopRead::Ok;
    }
    case 3: return UopRead::Unsupported;
    default: return UopRead::Corrupt;
  }
}

}  // namespace miro
