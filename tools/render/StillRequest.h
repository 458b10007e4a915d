#pragma once

#include <string>
#include <vector>

#include "RenderJob.h"
#include "compose/Outfit.h"

namespace miro::render {

// The outfit and view of a still, from the options; `error` names the argument at fault.
struct StillRequest {
  Outfit outfit;
  ViewState view;
  bool backgroundGiven = false;
  std::string error;
};

StillRequest parseStillRequest(const Options& options, int mountItems);

}  // namespace miro::render
