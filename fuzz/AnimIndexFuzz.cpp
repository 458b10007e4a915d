// Any bytes as the lookup cache MIRO2Lup.dat, and as the four animation index files scanned
// with a data offset taken from the first byte.
#include <cstdint>

#include "FuzzInput.h"
#include "data/AnimLookupLoad.h"

namespace {

std::optional<miro::Bytes> file(const std::vector<std::string_view>& files, std::size_t n) {
  if (n >= files.size()) return std::nullopt;
  return miro::asBytes(files[n]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)miro::decodeLookupCache(miro::Bytes(data, size));
  if (size == 0) return 0;
  const auto offset = static_cast<std::int8_t>(data[0]);
  const auto files = miro::fuzz::splitFiles(data + 1, size - 1);
  const miro::AnimIndexFiles index{file(files, 0), file(files, 1), file(files, 2), file(files, 3)};
  const miro::AnimLookup lookup = miro::buildAnimLookup(index, offset);
  const auto cache = miro::decodeLookupCache(miro::asBytes(miro::encodeLookupCache(lookup)));
  if (!cache || *cache != lookup.entries()) std::abort();
  return 0;
}
