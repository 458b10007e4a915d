#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "common/Bitmap32.h"
#include "common/Status.h"
#include "files/Palette.h"

namespace miro {

// One image of a GIF and how long it stays, in hundredths of a second (0 to 65535).
struct GifFrame {
  const IndexedPicture* picture = nullptr;
  int delayCentiseconds = 0;
};

// A GIF89a of frames of one size, each with a graphics control extension giving its delay and
// its transparent entry. The first frame's palette is the global colour map; a later frame with
// another palette brings its own. More than one frame make an animation that loops forever
// (NETSCAPE2.0), each frame restored to the background before the next is drawn. Empty when
// there are no frames, their sizes differ, a palette is empty or too long, or a delay is out
// of range.
std::string encodeGifFrames(std::span<const GifFrame> frames);

// A GIF89a of one image (see toIndexedWithBackground): the palette is the global colour map,
// and a graphics control extension makes the background's entry transparent.
// Empty when the picture cannot be encoded.
std::string encodeGif(const Bitmap32& picture, std::uint32_t background);
Status writeGif(const std::filesystem::path& file, const Bitmap32& picture, std::uint32_t background);

}  // namespace miro
