#pragma once

// The pictures of the demo paperdoll window: its frame, emblem, backpack, scrolls, book and
// buttons, in colour.

#include "DemoGumpSketch.h"

namespace miro::demo {

// Gump `gump` of the window's table (2000, 2001, 113, 50422, 2002, 11060 or a button).
GumpImage drawWindowPicture(int gump);

}  // namespace miro::demo
