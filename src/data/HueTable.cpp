#include "data/HueTable.h"

#include "common/Limits.h"
#include "common/Strings.h"
#include "data/ClientColour.h"

namespace miro {

namespace {

constexpr std::size_t kBlockSize = 708;
constexpr std::size_t kEntrySize = 88;
constexpr std::size_t kEntriesPerBlock = 8;
constexpr int kFailedToLoadHues = 1064;
constexpr int kMemoryBufferOverflow = 1076;

}  // namespace

bool HueTable::load(Bytes hues) {
  records_.assign(kHueRecords, {});
  loaded_ = 0;
  if (hues.size() / kBlockSize >= limits::kHueBlocks) return false;

  // Entries of a trailing partial block count when they are complete.
  const std::size_t entries = (hues.size() / kBlockSize) * kEntriesPerBlock +
                              ((hues.size() % kBlockSize) >= 4 ? ((hues.size() % kBlockSize) - 4) / kEntrySize : 0);
  for (std::size_t e = 0; e < entries; ++e) {
    const std::size_t at = (e / kEntriesPerBlock) * kBlockSize + 4 + (e % kEntriesPerBlock) * kEntrySize;
    auto& record = records_[e + 1];
    for (std::size_t i = 0; i < 32; ++i) record[i] = widenColour15(u16Unchecked(hues, at + 2 * i));
  }
  loaded_ = static_cast<int>(entries);
  return true;
}

void HueTable::load(const DataFolder& data, DataFileCache& files, Reporter& reporter) {
  const auto file = files.open(data, "HUES.MUL");
  if (!file) {
    records_.assign(kHueRecords, {});
    loaded_ = 0;
    reporter.error(strings::text(kFailedToLoadHues));
    return;
  }
  const std::string name = data.file("HUES.MUL").string();
  if (!load(file->bytes())) {
    reporter.error(strings::text(kMemoryBufferOverflow), name);
  } else if (file->size() % kBlockSize != 0) {
    reporter.error(name + " is damaged: it ends inside a block of hues; the hues after the last whole one are empty.");
  }
}

std::uint32_t HueTable::colour(HueId hue, int step) const {
  if (hue < 0 || hue >= kHueRecords || step < 0 || step > 31) return 0;
  return records_[static_cast<std::size_t>(hue)][static_cast<std::size_t>(step)];
}

HueId drawnHue(HueId hue) {
  if (hue == kEtherealHue || (hue >= 0 && hue < kHueRecords)) return hue;
  return kNoHue;
}

void toGrey(Bitmap32& picture, const Rect& area) {
  const Rect r = intersect(area, picture.bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    auto row = picture.row(y);
    for (int x = r.left; x < r.right; ++x) {
      std::uint32_t& p = row[static_cast<std::size_t>(x)];
      if (p == kKeyColour || isGrey(p)) continue;
      const std::uint32_t v = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
      p = (v << 16) | (v << 8) | v;
    }
  }
}

void hueSpeechLine(const HueTable& hues, HueId hue, Bitmap32& picture, int font) {
  if (hue == kNoHue) return;
  // Where the picture is still its empty key colour nothing changes.
  const Rect area = picture.fillColour() == kKeyColour ? picture.writtenArea() : picture.bounds();
  if (font == 4 || font == 6) toGrey(picture, area);
  for (int y = area.top; y < area.bottom; ++y) {
    const auto row = picture.row(y);
    for (int x = area.left; x < area.right; ++x) {
      std::uint32_t& p = row[static_cast<std::size_t>(x)];
      if (p != kKeyColour && isGrey(p)) p = hues.colour(hue, brightnessStep(p));
    }
  }
}

}  // namespace miro
