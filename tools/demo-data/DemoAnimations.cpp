// Filled in by its generator.
#include "DemoData.h"

namespace miro::demo {

std::vector<DemoFile> demoAnimations() { return {}; }

}  // namespace miro::demo
