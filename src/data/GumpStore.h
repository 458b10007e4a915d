#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "common/Bitmap32.h"
#include "common/Bytes.h"
#include "common/Geometry.h"
#include "common/Reporter.h"
#include "data/DataFileCache.h"
#include "data/DataFolder.h"
#include "data/UopContainer.h"

namespace miro {

// The raw 15-bit colour of an opaque pixel and its converted 0x00RRGGBB value -> the value stored.
using ColourStep = std::function<std::uint32_t(std::uint16_t raw, std::uint32_t converted)>;
std::uint32_t plainColourStep(std::uint16_t raw, std::uint32_t converted);

// One gump's data: a row table of `height` positions (in 4-byte units from the start of the
// data), then runs of (colour, count).
struct GumpPicture {
  Bytes data;
  int height = 0;
  int width = 0;
};

// Draws a gump with its top-left corner at (left, top), clipped to `clip` and to the target.
// Colour 0 is transparent; nothing outside the gump's data is ever read. False when the rows
// drawn run past the end of the data.
bool drawGumpPicture(const GumpPicture& gump, Bitmap32& target, int left, int top, const Rect& clip,
                     const ColourStep& step);

enum class GumpSource { None, Mul, Uop };

// The name of gump n in gumpartLegacyMUL.uop: "build/gumpartlegacymul/" + 8 digits + ".tga".
std::string uopGumpName(int gump);

// The gumps of the data folder: gumpidx.mul and GUMPART.MUL, or, where either is missing,
// gumpartLegacyMUL.uop of current clients.
class GumpStore {
 public:
  GumpStore(DataFileCache& files, const DataFolder& data, Reporter& reporter)
      : files_(files), data_(data), reporter_(reporter) {}

  // DrawGump: an absent gump draws nothing; a missing file is reported on every call.
  void draw(int gump, Bitmap32& target, int left, int top, const Rect& clip, const ColourStep& step);

  // Where the gumps come from now, and how many gumps that source holds.
  GumpSource source();
  std::size_t count();

  // A composition begins: the notices about an unsupported compression and about damaged
  // gumps may be shown again.
  void beginComposition() {
    compressionNoticeShown_ = false;
    damageReported_ = false;
  }

 private:
  struct Uop {
    std::shared_ptr<const MappedFile> file;
    std::optional<UopContainer> container;
  };

  void drawFromMul(int gump, Bitmap32& target, int left, int top, const Rect& clip, const ColourStep& step);
  void drawFromUop(int gump, Bitmap32& target, int left, int top, const Rect& clip, const ColourStep& step);
  const Uop* uop();
  void reportDamage(std::string_view file, int gump);

  DataFileCache& files_;
  const DataFolder& data_;
  Reporter& reporter_;
  Uop uop_;
  std::string buffer_;
  bool compressionNoticeShown_ = false;
  bool damageReported_ = false;
};

}  // namespace miro
