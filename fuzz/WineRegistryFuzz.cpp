// Any bytes as a Wine registry file.
#include <cstdint>
#include <sstream>
#include <string>

#include "data/WineRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream registry(std::string(reinterpret_cast<const char*>(data), size));
  (void)miro::readWineRegistryString(registry, "Software\\Origin Worlds Online\\Ultima Online\\1.0", "ExePath");
  return 0;
}
