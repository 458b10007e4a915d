#pragma once

#include <vector>

#include "compose/Compose2D.h"

namespace miro {

// The composites of every frame of the current motion, for playback and frame sets.
using FrameCache = std::vector<Bitmap32>;

struct StillResult {
  Compose2DResult compose;
  bool clamped = false;  // the frame position lay beyond the motion's frames and was moved back
};

// Composes the still at the frame position. The body's animation sets the last frame; a position
// beyond it is clamped and the still composed again at the new position.
StillResult composeStill(Composer2D& composer, const Outfit& outfit, const Priorities& priorities, ViewState& view,
                         Bitmap32* target = nullptr);

// Composes frames 0 .. view.frameMax into the cache, one picture a frame; the layers are left
// holding the last frame.
void buildPlaybackFrames(Composer2D& composer, const Outfit& outfit, const Priorities& priorities,
                         const ViewState& view, FrameCache& frames);

}  // namespace miro
