// Any bytes as an outfit file (.uc2 or UOC) and as add_colors.txt.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "colour/UserColours.h"
#include "common/FileIo.h"
#include "files/OutfitFile.h"

namespace {

class Silent : public miro::Reporter {
 public:
  miro::Answer show(const miro::Message& m) override { return miro::safeDefault(m.buttons); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string file = "/tmp/outfit-fuzz-" + std::to_string(::getpid()) + ".uc2";
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!miro::writeFileAtomically(file, bytes)) return 0;
  Silent reporter;
  miro::Outfit outfit;
  (void)miro::loadOutfit(file, outfit, reporter);
  (void)miro::encodeOutfit(outfit);
  (void)miro::parseUserColours(bytes, reporter);
  return 0;
}
