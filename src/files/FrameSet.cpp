#include "files/FrameSet.h"

#include <array>
#include <cstdio>

#include "files/Trimming.h"

namespace miro {

namespace {

constexpr std::array<FrameSetDirection, 8> kEightWays = {{{0, "(D)"}, {2, "(S)"}, {4, "(L)"}, {6, "(W)"},
                                                          {1, "(U)"}, {3, "(N)"}, {5, "(R)"}, {7, "(E)"}}};

std::string frameName(const std::string& base, int frame, PictureFormat format) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d", frame);
  return base + number + std::string(extensionOf(format));
}

// The frame as written: cut by the first trimming mode that applies.
Bitmap32 cutFrame(const Bitmap32& frame, const FrameSetOptions& options, const Rect& common) {
  Bitmap32 picture = frame;
  if (!options.trimming) return picture;
  if (options.eachToContent) {
    trimToContent(picture, picture.width(), picture.height(), options.background);
  } else if (options.manual) {
    trimToRectangle(picture, options.manualRectangle, picture.width(), picture.height());
  } else if (!common.empty()) {
    trimToRectangle(picture, common, picture.width(), picture.height());
  }
  return picture;
}

}  // namespace

std::vector<FrameSetDirection> directionsOf(DirectionSet set, int current) {
  switch (set) {
    case DirectionSet::Default: return {{current, ""}};
    case DirectionSet::FiveWays: return {kEightWays.begin(), kEightWays.begin() + 5};
    case DirectionSet::EightWays: return {kEightWays.begin(), kEightWays.end()};
  }
  return {{current, ""}};
}

Rect commonBox(const FrameCache& frames, std::uint32_t background) {
  Rect box;
  for (const Bitmap32& frame : frames) {
    const Bounds b = contentBounds(frame, swapRedBlue(background));
    if (b.right < b.left || b.bottom < b.top) continue;
    box = unite(box, Rect{b.left, b.top, b.right + 1, b.bottom + 1});
  }
  return box;
}

FrameSetResult exportFrameSet(Composer2D& composer, const Outfit& outfit, const Priorities& priorities,
                              ViewState& view, const std::filesystem::path& folder, const std::string& base,
                              const FrameSetOptions& options, const FrameSetProgress& progress) {
  FrameSetResult result;
  const int remembered = view.direction;
  FrameCache frames;
  for (const FrameSetDirection& way : directionsOf(options.directions, view.direction)) {
    view.direction = way.direction;
    if (progress) progress("Making animation.", way);
    composeStill(composer, outfit, priorities, view);  // finds the motion's frames in this direction
    buildPlaybackFrames(composer, outfit, priorities, view, frames);
    if (progress) progress("Saving animation date...", way);
    const Rect common = options.trimming ? commonBox(frames, options.background) : Rect{};
    // Frames each cut to their own content are written uncompressed in PNG 8-bit.
    const int level = options.trimming && options.eachToContent ? 0 : 9;
    for (int n = 0; n < static_cast<int>(frames.size()); ++n) {
      const std::filesystem::path file = folder / frameName(base + std::string(way.suffix), n, options.format);
      const Bitmap32 picture = cutFrame(frames[static_cast<std::size_t>(n)], options, common);
      result.status = writePicture(file, picture, options.format, options.background, level);
      if (!result.status) {
        view.direction = remembered;
        return result;
      }
      result.files.push_back(file);
    }
  }
  view.direction = remembered;
  if (progress) progress("Has saved.", {remembered, ""});
  return result;
}

}  // namespace miro
