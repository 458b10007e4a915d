#include "compose/Playback.h"

namespace miro {

StillResult composeStill(Composer2D& composer, const Outfit& outfit, const Priorities& priorities, ViewState& view,
                         Bitmap32* target) {
  StillResult still;
  still.compose = composer.compose(outfit, priorities, view, view.frame, target);
  if (still.compose.frameCount) view.frameMax = *still.compose.frameCount - 1;
  if (view.frame > view.frameMax) {
    view.frame = view.frameMax;
    still.clamped = true;
    still.compose = composer.compose(outfit, priorities, view, view.frame, target);
  }
  return still;
}

void buildPlaybackFrames(Composer2D& composer, const Outfit& outfit, const Priorities& priorities,
                         const ViewState& view, FrameCache& frames) {
  frames.resize(static_cast<std::size_t>(view.frameMax + 1));
  for (int n = 0; n <= view.frameMax; ++n) {
    composer.compose(outfit, priorities, view, n, &frames[static_cast<std::size_t>(n)]);
  }
}

}  // namespace miro
