// Filled in by its generator.
#include "DemoData.h"

namespace miro::demo {

std::vector<DemoFile> demoHues() { return {}; }

}  // namespace miro::demo
