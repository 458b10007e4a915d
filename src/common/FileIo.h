#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/Limits.h"
#include "common/Status.h"

namespace miro {

// Reads a whole file; a file larger than `limit` bytes is refused, not read.
Status readWholeFile(const std::filesystem::path& file, std::string& bytes,
                     std::size_t limit = limits::kReadFileBytes);

// Reads at most the first `count` bytes of a file.
Status readFileStart(const std::filesystem::path& file, std::string& bytes, std::size_t count);

// Writes `bytes` to a temporary file in the same folder and renames it over `file`,
// so the old file stays as it was unless the new one is complete. A symbolic link
// is followed: its target is replaced, the link kept.
Status writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace miro
