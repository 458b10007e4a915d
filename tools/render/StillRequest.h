#pragma once

#include <string>
#include <vector>

#include "RenderJob.h"
#include "compose/Outfit.h"
#include "compose/Paperdoll.h"

namespace miro::render {

// The outfit and view of a still, from the options; `error` names the argument at fault.
struct StillRequest {
  Outfit outfit;
  ViewState view;
  bool paperdoll = false;  // the "PD" view instead of the "2D" one
  PaperdollView pd;
  std::vector<std::pair<int, std::pair<int, int>>> priorities;  // slot, 2D and PD priority
  bool backgroundGiven = false;
  std::string error;
};

// The options over `base`, the outfit they change.
StillRequest parseStillRequest(const Options& options, int mountItems, const Outfit& base = Outfit{});

// Applies the --priority overrides to the priorities read from MIRO2attr.ini.
void applyPriorities(const StillRequest& request, Priorities& priorities);

}  // namespace miro::render
