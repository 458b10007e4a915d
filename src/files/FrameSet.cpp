#include "files/FrameSet.h"

#include <array>
#include <cstdio>

#include "files/AnimatedFile.h"
#include "files/SpriteSheet.h"
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

// The frames of an animated file, all of one size: as the set cuts them, or, where each frame was
// cut to its own content, to the common box, so the figure does not jump.
std::vector<Bitmap32> animationFrames(const FrameCache& frames, const std::vector<Bitmap32>& cut,
                                      const FrameSetOptions& options, const Rect& common) {
  if (!(options.trimming && options.eachToContent)) return cut;
  std::vector<Bitmap32> same;
  for (const Bitmap32& frame : frames) {
    Bitmap32 picture = frame;
    if (!common.empty()) trimToRectangle(picture, common, picture.width(), picture.height());
    same.push_back(std::move(picture));
  }
  return same;
}

Status writeAnimation(const std::filesystem::path& folder, const std::string& name, const std::vector<Bitmap32>& frames,
                      const FrameSetOptions& options, std::vector<std::filesystem::path>& files) {
  const bool gif = options.animated == FrameSetOptions::Animated::Gif;
  const std::filesystem::path file = folder / (name + (gif ? ".gif" : ".webp"));
  const Status status = gif ? writeAnimatedGif(file, frames, options.delayMs, options.background)
                            : writeAnimatedWebp(file, frames, options.delayMs, options.background);
  if (status) files.push_back(file);
  return status;
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
  std::vector<SheetRow> sheet;
  for (const FrameSetDirection& way : directionsOf(options.directions, view.direction)) {
    view.direction = way.direction;
    if (progress) progress("Making animation.", way);
    composeStill(composer, outfit, priorities, view);  // finds the motion's frames in this direction
    buildPlaybackFrames(composer, outfit, priorities, view, frames);
    if (progress) progress("Saving animation date...", way);
    const Rect common = options.trimming ? commonBox(frames, options.background) : Rect{};
    // Frames each cut to their own content are written uncompressed in PNG 8-bit.
    const int level = options.trimming && options.eachToContent ? 0 : 9;
    std::vector<Bitmap32> cut;
    for (int n = 0; n < static_cast<int>(frames.size()); ++n) {
      const std::filesystem::path file = folder / frameName(base + std::string(way.suffix), n, options.format);
      cut.push_back(cutFrame(frames[static_cast<std::size_t>(n)], options, common));
      result.status = writePicture(file, cut.back(), options.format, options.background, level);
      if (!result.status) {
        view.direction = remembered;
        return result;
      }
      result.files.push_back(file);
    }
    if (options.animated != FrameSetOptions::Animated::None) {
      result.status = writeAnimation(folder, base + std::string(way.suffix), animationFrames(frames, cut, options, common),
                                     options, result.files);
      if (!result.status) {
        view.direction = remembered;
        return result;
      }
    }
    if (options.sheet) sheet.push_back({std::string(way.suffix), way.direction, std::move(cut)});
  }
  view.direction = remembered;
  if (options.sheet) {
    const std::filesystem::path file = folder / (base + "-sheet.png");
    result.status = writeSpriteSheet(file, sheet, options.delayMs, options.background);
    if (!result.status) return result;
    result.files.push_back(file);
    result.files.push_back(folder / (base + "-sheet.json"));
  }
  if (progress) progress("Has saved.", {remembered, ""});
  return result;
}

}  // namespace miro
