#include "files/SpriteSheet.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "common/FileIo.h"
#include "common/Geometry.h"
#include "files/PictureFile.h"
#include "files/PngFile.h"

namespace miro {

namespace {

// The box of the pixels that differ from the background, or nothing when there is none.
std::optional<Rect> contentBox(const Bitmap32& frame, std::uint32_t background) {
  Rect box{frame.width(), frame.height(), 0, 0};
  for (int y = 0; y < frame.height(); ++y) {
    const auto row = frame.row(y);
    for (int x = 0; x < frame.width(); ++x) {
      if (row[static_cast<std::size_t>(x)] == background) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  if (box.empty()) return std::nullopt;
  return box;
}

std::string colourText(std::uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour & 0xFFFFFF));
  return text;
}

}  // namespace

Status buildSpriteSheet(const std::vector<SheetRow>& rows, int delayMs, std::uint32_t background, SpriteSheet& out) {
  int cellWidth = 0;
  int cellHeight = 0;
  std::size_t columns = 0;
  for (const SheetRow& row : rows) {
    columns = std::max(columns, row.frames.size());
    for (const Bitmap32& frame : row.frames) {
      cellWidth = std::max(cellWidth, frame.width());
      cellHeight = std::max(cellHeight, frame.height());
    }
  }
  if (columns == 0 || cellWidth == 0 || cellHeight == 0)
    return Status::failure("The sprite sheet has no frames to show");
  const std::int64_t sheetWidth = std::int64_t{cellWidth} * static_cast<std::int64_t>(columns);
  const std::int64_t sheetHeight = std::int64_t{cellHeight} * static_cast<std::int64_t>(rows.size());
  if (!isAllowedPictureSize(sheetWidth, sheetHeight))
    return Status::failure("The sprite sheet is too large (" + std::to_string(sheetWidth) + "x" +
                           std::to_string(sheetHeight) + ")");

  Bitmap32 picture(static_cast<int>(sheetWidth), static_cast<int>(sheetHeight), background);
  nlohmann::json directions = nlohmann::json::array();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const SheetRow& row = rows[r];
    nlohmann::json boxes = nlohmann::json::array();
    for (std::size_t c = 0; c < row.frames.size(); ++c) {
      const Bitmap32& frame = row.frames[c];
      // Copied as it is: a frame's own transparent colour means nothing here.
      for (int y = 0; y < frame.height(); ++y) {
        const auto from = frame.row(y);
        std::copy(from.begin(), from.end(),
                  picture.row(static_cast<int>(r) * cellHeight + y).begin() +
                      static_cast<std::ptrdiff_t>(c) * cellWidth);
      }
      const std::optional<Rect> box = contentBox(frame, background);
      if (box)
        boxes.push_back({{"x", box->left}, {"y", box->top}, {"width", box->width()}, {"height", box->height()}});
      else
        boxes.push_back(nullptr);
    }
    directions.push_back({{"suffix", row.suffix},
                          {"direction", row.direction},
                          {"row", r},
                          {"frames", row.frames.size()},
                          {"boxes", std::move(boxes)}});
  }
  const nlohmann::json description = {{"cell", {{"width", cellWidth}, {"height", cellHeight}}},
                                      {"frames", columns},
                                      {"delay", delayMs},
                                      {"background", colourText(background)},
                                      {"directions", std::move(directions)}};
  out.picture = std::move(picture);
  // Suffixes come from our own tables, but a stray byte must not throw: it is replaced.
  out.json = description.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
  return Status::success();
}

Status writeSpriteSheet(const std::filesystem::path& png, const std::vector<SheetRow>& rows, int delayMs,
                        std::uint32_t background) {
  std::filesystem::path json = png;
  json.replace_extension(".json");
  if (json == png) return Status::failure("Cannot write " + png.string() + ": its description would replace it");
  SpriteSheet sheet;
  if (Status status = buildSpriteSheet(rows, delayMs, background, sheet); !status)
    return Status::failure("Cannot write " + png.string() + ": " + status.message());
  const std::string bytes = encodePng24(sheet.picture);
  if (bytes.empty()) return Status::failure("Cannot write " + png.string() + ": the PNG encoder failed");
  if (Status status = writeFileAtomically(png, bytes); !status) return status;
  return writeFileAtomically(json, sheet.json);
}

}  // namespace miro
