#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/Bitmap32.h"
#include "common/Status.h"

namespace miro {

// The longest a frame of an animation may stay: GIF's 65535 hundredths of a second.
inline constexpr int kMaxAnimationDelayMs = 655350;

// The frames of a motion, all of one size, as one GIF89a that loops forever. Each frame stays
// delayMs / 10 hundredths of a second (at least one when delayMs is above zero), and pixels of
// the background colour (0x00RRGGBB) are transparent in every frame. Empty when there are no
// frames, their sizes differ, one is empty or too large, or delayMs lies outside
// 0..kMaxAnimationDelayMs.
std::string encodeAnimatedGif(const std::vector<Bitmap32>& frames, int delayMs, std::uint32_t background);
Status writeAnimatedGif(const std::filesystem::path& file, const std::vector<Bitmap32>& frames, int delayMs,
                        std::uint32_t background);

// The same frames as a lossless animated WebP that loops forever, each frame lasting delayMs
// (at least 1); pixels of the background colour are fully transparent, all others opaque.
// libwebp stores a frame equal to the one before as a longer showing of that one, so the file
// may hold fewer frames than given, with the same timing. Empty on the same faults as
// encodeAnimatedGif.
std::string encodeAnimatedWebp(const std::vector<Bitmap32>& frames, int delayMs, std::uint32_t background);
Status writeAnimatedWebp(const std::filesystem::path& file, const std::vector<Bitmap32>& frames, int delayMs,
                         std::uint32_t background);

}  // namespace miro
