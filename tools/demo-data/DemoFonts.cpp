// Filled in by its generator.
#include "DemoData.h"

namespace miro::demo {

std::vector<DemoFile> demoFonts() { return {}; }

}  // namespace miro::demo
