// Any bytes as an INI file: reading never fails, and writing keeps what it did not touch.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/Ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  miro::Ini ini = miro::Ini::fromText(text);
  const auto before = ini.value("PATH", "OFFSET");
  (void)ini.readInteger("PATH", "UO_PATH", 0);
  (void)miro::parseIniInteger(text);

  ini.writeString("PATH", "UO_PATH", text.substr(0, 40));
  ini.writeInteger("Other", "n", 3);
  const miro::Ini reread = miro::Ini::fromText(ini.text());
  if (reread.value("PATH", "OFFSET") != before) std::abort();
  if (reread.readString("other", "N", "") != "3") std::abort();
  return 0;
}
