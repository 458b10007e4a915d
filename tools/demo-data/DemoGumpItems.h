#pragma once

// The demo paperdoll picture of every item of the part catalogue.

#include "DemoGumpSketch.h"

namespace miro::demo {

// Item 1..count - 1 of part slot 1..22, worn by a male or female figure.
GumpImage drawItemGump(int slot, int item, bool female);

}  // namespace miro::demo
