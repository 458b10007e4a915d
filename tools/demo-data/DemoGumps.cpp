// Filled in by its generator.
#include "DemoData.h"

namespace miro::demo {

std::vector<DemoFile> demoGumps() { return {}; }

}  // namespace miro::demo
