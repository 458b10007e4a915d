#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Geometry.h"
#include "common/Status.h"
#include "compose/Playback.h"
#include "files/PictureWriter.h"

namespace miro {

// "Default" (the current direction), "5 Ways" or "8 Ways".
enum class DirectionSet { Default, FiveWays, EightWays };

struct FrameSetDirection {
  int direction;
  std::string_view suffix;
};
std::vector<FrameSetDirection> directionsOf(DirectionSet set, int current);

struct FrameSetOptions {
  DirectionSet directions = DirectionSet::Default;
  PictureFormat format = PictureFormat::Bmp;
  bool trimming = false;        // "Trimming save"
  bool eachToContent = false;   // "Auto trimming anime save"
  bool manual = false;          // "Manual trimming"
  Rect manualRectangle{0, 0, 270, 240};
  std::uint32_t background = 0xFFFFFF;  // 0x00RRGGBB: the empty colour and the transparent one
  // Beyond the numbered frames: one animated file a direction, and a sprite sheet of them all.
  enum class Animated { None, Gif, Webp } animated = Animated::None;
  bool sheet = false;
  int delayMs = 100;
};

// The frame set's status texts: "Making animation.", "Saving animation date...", "Has saved.",
// and the direction being written.
using FrameSetProgress = std::function<void(std::string_view status, const FrameSetDirection& direction)>;

struct FrameSetResult {
  Status status = Status::success();
  std::vector<std::filesystem::path> files;
};

// ExportFrameSet: every frame of the motion, in every direction of the set, as
// folder/base + suffix + "%02d" + extension, cut as the options say; existing files replaced.
// The view's direction is the one from before when it returns.
FrameSetResult exportFrameSet(Composer2D& composer, const Outfit& outfit, const Priorities& priorities,
                              ViewState& view, const std::filesystem::path& folder, const std::string& base,
                              const FrameSetOptions& options, const FrameSetProgress& progress = {});

// The union of the content boxes of the frames (the background as empty colour); empty when
// every frame is background only.
Rect commonBox(const FrameCache& frames, std::uint32_t background);

}  // namespace miro
