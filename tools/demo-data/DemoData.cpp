#include "DemoData.h"

#include <system_error>

#include "common/FileIo.h"

namespace miro::demo {

Status writeDemoData(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return Status::failure("Cannot create " + folder.string() + ": " + ec.message());
  for (auto generate : {demoAnimations, demoHues, demoGumps, demoFonts}) {
    for (const DemoFile& file : generate()) {
      if (Status written = writeFileAtomically(folder / file.name, file.bytes); !written) return written;
    }
  }
  return Status::success();
}

}  // namespace miro::demo
