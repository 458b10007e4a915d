#include "data/GumpStore.h"

#include <algorithm>

#include "common/Limits.h"
#include "data/ClientColour.h"
#include "data/Lookup3.h"

namespace miro {

namespace {

constexpr std::string_view kIndexName = "gumpidx.mul";
constexpr std::string_view kArtName = "GUMPART.MUL";
constexpr std::string_view kUopName = "gumpartLegacyMUL.uop";

struct MulEntry {
  std::int32_t lookup;
  std::int32_t length;
  std::uint16_t height;
  std::uint16_t width;
};

std::optional<MulEntry> mulEntry(Bytes index, int gump) {
  if (gump < 0) return std::nullopt;
  const std::uint64_t at = 12 * static_cast<std::uint64_t>(gump);
  if (!fits(index, at, 12)) return std::nullopt;
  const auto i = static_cast<std::size_t>(at);
  return MulEntry{static_cast<std::int32_t>(u32Unchecked(index, i)), static_cast<std::int32_t>(u32Unchecked(index, i + 4)),
                  u16Unchecked(index, i + 8), u16Unchecked(index, i + 10)};
}

bool present(const MulEntry& e) { return e.lookup >= 0 && e.length > 0; }

// The gump's data as far as the art file holds it.
Bytes mulData(Bytes art, const MulEntry& e) {
  const auto from = std::min<std::size_t>(static_cast<std::size_t>(e.lookup), art.size());
  const auto length = std::min<std::size_t>(static_cast<std::size_t>(e.length), art.size() - from);
  return art.subspan(from, length);
}

// False when the row runs off the data.
bool drawRow(Bytes data, std::size_t first, std::size_t end, std::uint32_t* row, int left, int clipLeft,
             int clipRight, const ColourStep& step) {
  int x = left;
  const std::size_t last = std::min<std::size_t>(end, first + limits::kGumpSide);
  for (std::size_t run = first; run < last && x < clipRight; ++run) {
    if (!fits(data, 4 * static_cast<std::uint64_t>(run), 4)) return false;
    const std::uint16_t colour = u16Unchecked(data, 4 * run);
    const std::uint16_t count = u16Unchecked(data, 4 * run + 2);
    if (colour != 0) {
      const int from = std::max(x, clipLeft);
      const int to = std::min(x + count, clipRight);
      if (from < to) std::fill(row + from, row + to, step(colour, scaleColour15(colour)));
    }
    x += count;
  }
  return true;
}

}  // namespace

std::string uopGumpName(int gump) {
  std::string digits = std::to_string(gump);
  if (digits.size() < 8) digits.insert(0, 8 - digits.size(), '0');
  return "build/gumpartlegacymul/" + digits + ".tga";
}

std::uint32_t plainColourStep(std::uint16_t, std::uint32_t converted) { return converted; }

bool drawGumpPicture(const GumpPicture& gump, Bitmap32& target, int left, int top, const Rect& clip,
                     const ColourStep& step) {
  const Rect area = intersect(clip, target.bounds());
  if (area.empty()) return true;
  const std::size_t units = gump.data.size() / 4;
  for (int r = 0; r < gump.height; ++r) {
    // A row table longer than the data ends the gump.
    if (!fits(gump.data, 4 * static_cast<std::uint64_t>(r), 4)) return false;
    const int y = top + r;
    if (y >= area.bottom) return true;
    if (y < area.top) continue;
    const std::size_t first = u32Unchecked(gump.data, 4 * static_cast<std::size_t>(r));
    const std::size_t end = r + 1 < gump.height && fits(gump.data, 4 * static_cast<std::uint64_t>(r) + 4, 4)
                                ? u32Unchecked(gump.data, 4 * static_cast<std::size_t>(r) + 4)
                                : units;
    if (!drawRow(gump.data, first, end, target.row(y).data(), left, area.left, area.right, step)) return false;
  }
  return true;
}

void GumpStore::draw(int gump, Bitmap32& target, int left, int top, const Rect& clip, const ColourStep& step) {
  switch (source()) {
    case GumpSource::Uop: drawFromUop(gump, target, left, top, clip, step); return;
    case GumpSource::Mul:
    case GumpSource::None: drawFromMul(gump, target, left, top, clip, step); return;
  }
}

void GumpStore::drawFromMul(int gump, Bitmap32& target, int left, int top, const Rect& clip,
                            const ColourStep& step) {
  const auto index = files_.open(data_, kIndexName);
  if (!index) {
    reporter_.error("Failed to load GUMPIDX.MUL.");
    return;
  }
  const auto entry = mulEntry(index->bytes(), gump);
  const auto art = files_.open(data_, kArtName);
  if (!art) {
    reporter_.error("Failed to load GUMPART.MUL.");
    return;
  }
  if (!entry || !present(*entry)) return;
  const Bytes data = mulData(art->bytes(), *entry);
  const bool whole = data.size() == static_cast<std::size_t>(entry->length);
  if (!drawGumpPicture({data, entry->height, entry->width}, target, left, top, clip, step) || !whole)
    reportDamage(kArtName, gump);
}

void GumpStore::drawFromUop(int gump, Bitmap32& target, int left, int top, const Rect& clip,
                            const ColourStep& step) {
  const Uop* container = uop();
  if (container == nullptr || !container->container) return;
  const UopRead read = container->container->read(container->file->bytes(), uopNameHash(uopGumpName(gump)), buffer_);
  if (read == UopRead::Unsupported && !compressionNoticeShown_) {
    compressionNoticeShown_ = true;
    reporter_.error("Gumps of this client use a compression that is not supported yet.");
  }
  if (read == UopRead::Corrupt || (read == UopRead::Ok && buffer_.size() < 8)) reportDamage(kUopName, gump);
  if (read != UopRead::Ok || buffer_.size() < 8) return;
  const Bytes bytes = asBytes(buffer_);
  const std::uint32_t width = u32Unchecked(bytes, 0);
  const std::uint32_t height = u32Unchecked(bytes, 4);
  const GumpPicture picture{bytes.subspan(8), static_cast<int>(std::min<std::uint32_t>(height, limits::kGumpSide)),
                            static_cast<int>(std::min<std::uint32_t>(width, limits::kGumpSide))};
  if (!drawGumpPicture(picture, target, left, top, clip, step)) reportDamage(kUopName, gump);
}

void GumpStore::reportDamage(std::string_view file, int gump) {
  if (damageReported_) return;
  damageReported_ = true;
  reporter_.error(data_.file(file).string() + " is damaged: gump " + std::to_string(gump) +
                  " runs past the end of its data.");
}

const GumpStore::Uop* GumpStore::uop() {
  auto file = files_.open(data_, kUopName);
  if (!file) {
    uop_ = {};
    return nullptr;
  }
  if (file != uop_.file) {
    uop_ = {file, UopContainer::open(file->bytes())};
    if (!uop_.container || !uop_.container->complete()) {
      damageReported_ = true;
      reporter_.error(data_.file(kUopName).string() +
                      (uop_.container ? " is damaged: part of its table of files cannot be read; the gumps listed whole are used."
                                      : " is no UOP container; no gumps are drawn from it."));
    }
  }
  return &uop_;
}

GumpSource GumpStore::source() {
  if (files_.open(data_, kIndexName) && files_.open(data_, kArtName)) return GumpSource::Mul;
  if (uop()) return GumpSource::Uop;
  return GumpSource::None;
}

std::size_t GumpStore::count() {
  switch (source()) {
    case GumpSource::None: return 0;
    case GumpSource::Uop: return uop_.container ? uop_.container->size() : 0;
    case GumpSource::Mul: break;
  }
  const auto index = files_.open(data_, kIndexName);
  std::size_t gumps = 0;
  for (int n = 0; index && mulEntry(index->bytes(), n); ++n) gumps += present(*mulEntry(index->bytes(), n));
  return gumps;
}

}  // namespace miro
