#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Bytes.h"
#include "common/ProgramFolder.h"
#include "common/Reporter.h"
#include "common/Status.h"
#include "data/AnimLookup.h"
#include "data/DataFileCache.h"
#include "data/DataFolder.h"

namespace miro {

inline constexpr std::string_view kLookupCacheName = "MIRO2Lup.dat";
inline constexpr std::string_view kSettingsFileName = "MIRO2.ini";
inline constexpr std::size_t kLookupCacheSize = 16 + 4 * anim::kEntries;  // 177 376 bytes

// MIRO2Lup.dat: "MIRO2Lookup", a zero byte, version 3 as int32, then every entry as int32.
std::string encodeLookupCache(const AnimLookup& lookup);
// The entries of a cache file; nothing when its text, version or length is wrong. Bytes
// after the entries are ignored.
std::optional<std::vector<std::int32_t>> decodeLookupCache(Bytes bytes);

enum class LookupSource { Cache, Scan, None };

struct LookupLoad {
  AnimLookup lookup;
  LookupSource source = LookupSource::None;
  std::vector<std::string> indexFiles;        // the index files found, when scanned
  Status cacheWritten = Status::success();    // a rebuilt cache that could not be saved
};

// The data offset the lookup cache was built with, as MIRO2.ini remembers it ([ETC] DataOffset).
std::int32_t rememberedDataOffset(const ProgramFolder& home);
// Records `offset` as [ETC] DataOffset of MIRO2.ini, changing nothing else in the file.
Status rememberDataOffset(const ProgramFolder& home, std::int32_t offset);

// The lookup from the cache when it is valid and was built with `dataOffset` (else the cache
// is deleted), or else by scanning the index files and saving a new cache.
LookupLoad loadAnimLookup(const ProgramFolder& home, const DataFolder& data, std::int32_t dataOffset,
                          DataFileCache& files, Reporter& reporter);

// The mounts of the expansion animation files, to append to the mount list.
std::vector<std::string> expansionMountNames(const DataFolder& data);

}  // namespace miro
