#pragma once

#include <cstdint>

#include "data/AnimLookup.h"

namespace miro::test {

// The animation lookup built the slow way: record by record through each index file,
// rewinding to its start for every body slot and mount, exactly as the scan is described.
// A wanted ordinal beyond the end of the file gives -1.
AnimLookup literalAnimScan(const AnimIndexFiles& files, std::int32_t dataOffset);

}  // namespace miro::test
