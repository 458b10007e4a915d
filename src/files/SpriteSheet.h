#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/Bitmap32.h"
#include "common/Status.h"

namespace miro {

// The frames of a motion in one direction: one row of a sprite sheet.
struct SheetRow {
  std::string suffix;  // as in the frame set's file names, e.g. "(D)"
  int direction = 0;
  std::vector<Bitmap32> frames;
};

// The sprite sheet itself and the text of its JSON description.
struct SpriteSheet {
  Bitmap32 picture;
  std::string json;
};

// Rows are directions, columns frames. Every cell has the size of the largest frame of all
// rows; a frame sits at its cell's top-left and the rest of the cell is the background colour
// (0x00RRGGBB). The JSON gives the cell size, the count of the longest row, the delay, the
// background as "#RRGGBB", and per direction its suffix, direction, row, frame count and per
// frame the box of its pixels other than the background inside the cell (null when there
// are none). Fails when there is no frame at all or the sheet would be too large.
Status buildSpriteSheet(const std::vector<SheetRow>& rows, int delayMs, std::uint32_t background, SpriteSheet& out);

// The sheet as a full-colour PNG at `png`, and its description beside it with the extension
// ".json". Both are written atomically, the PNG first: when it fails, neither file is touched.
Status writeSpriteSheet(const std::filesystem::path& png, const std::vector<SheetRow>& rows, int delayMs,
                        std::uint32_t background);

}  // namespace miro
