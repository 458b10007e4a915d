#pragma once

#include <cstdint>
#include <string_view>

namespace miro {

// Bob Jenkins' lookup3 hashlittle2: two 32-bit hashes of `key`; `primary` and `secondary` carry
// the seeds in and the results out.
void hashLittle2(std::string_view key, std::uint32_t& primary, std::uint32_t& secondary);

// The 64-bit name hash of the client's UOP containers: hashlittle2 with both seeds 0,
// (secondary << 32) | primary.
std::uint64_t uopNameHash(std::string_view name);

}  // namespace miro
