#pragma once

// Writers of the client's file formats, for tests and the demo data.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace miro::clientgen {

// ANIM*.IDX, GUMPIDX.MUL and the like: 12-byte records.
struct IndexRecord {
  std::int32_t lookup = -1;
  std::int32_t length = 0;
  std::int32_t extra = 0;
};
std::string encodeIndex(const std::vector<IndexRecord>& records);

// A frame as palette indices, row by row; kEmpty leaves a pixel out.
struct IndexedFrame {
  static constexpr int kEmpty = -1;

  IndexedFrame(int width, int height, int centreX, int centreY);
  int& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
  int at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }

  int width;
  int height;
  int centreX;
  int centreY;
  std::vector<int> pixels;
};

struct AnimGroup {
  std::array<std::uint16_t, 256> palette{};
  std::vector<IndexedFrame> frames;
};

// A frame: its header, then one run for each stretch of pixels of a row, with the low four bits
// of the row as the row key and the column as a signed 10-bit offset from the centre. Since the
// decoder counts rows by the changes of that key, a run of no pixels is put on the first row
// when it is empty and after every 15 empty rows.
std::string encodeFrame(const IndexedFrame& frame);
// A group: palette, frame count, frame offsets from the end of the palette, frames.
std::string encodeGroup(const AnimGroup& group);

// An animation data file and its index, group by group.
class AnimFileWriter {
 public:
  // Appends the group and returns its index record.
  IndexRecord add(const AnimGroup& group);
  // Zero bytes before the first group, so that no group lies at position 0.
  void pad(std::size_t bytes) { data_.append(bytes, '\0'); }
  const std::string& data() const { return data_; }

 private:
  std::string data_;
};

// HUES.MUL: blocks of a 4-byte header and 8 entries of 32 colours, table start and end, name.
struct HueEntry {
  std::array<std::uint16_t, 32> colours{};
  std::uint16_t tableStart = 0;
  std::uint16_t tableEnd = 0;
  std::string name;  // at most 20 bytes are kept
};
// Whole blocks; the last one is filled up with empty entries.
std::string encodeHues(const std::vector<HueEntry>& entries);

// A gump as 15-bit colours, row by row; 0 is transparent.
struct GumpImage {
  GumpImage(int width, int height) : width(width), height(height), colours(static_cast<std::size_t>(width * height)) {}
  std::uint16_t& at(int x, int y) { return colours[static_cast<std::size_t>(y * width + x)]; }

  int width;
  int height;
  std::vector<std::uint16_t> colours;
};
// The gump data of GUMPART.MUL: a row table (positions in 4-byte units from the start of the
// data), then each row's runs of (colour, count), equal neighbours merged.
std::string encodeGumpData(const GumpImage& gump);

// gumpidx.mul and GUMPART.MUL, gump by gump; numbers not added are absent (lookup -1).
class GumpFileWriter {
 public:
  void add(int gump, const GumpImage& image);
  std::string index() const;
  const std::string& art() const { return art_; }

 private:
  std::vector<IndexRecord> entries_;
  std::vector<std::pair<std::uint16_t, std::uint16_t>> sizes_;  // height, width
  std::string art_;
};

// A file inside a UOP container: compression 0 (none), 1 (zlib) or 3 (marked as zlib with a
// further transform, which readers do not support).
struct UopFile {
  std::string name;
  std::string data;
  int compression = 0;
};
// The "MYP" container, its entries in blocks of `blockCapacity`, followed by the data.
std::string encodeUop(const std::vector<UopFile>& files, std::uint32_t blockCapacity = 100);
// The UOP data of a gump (its name is miro::uopGumpName): u32 width, u32 height, then the gump data.
std::string uopGumpData(const GumpImage& gump);

// FONTS.MUL: ten fonts of a header byte and 224 glyphs (width, height, a header byte, pixels).
struct FontGlyph {
  int width = 0;
  int height = 0;
  std::vector<std::uint16_t> pixels;  // width x height, row by row
};
using Font = std::vector<FontGlyph>;  // up to 224 glyphs, the rest empty
std::string encodeFonts(const std::vector<Font>& fonts);  // up to ten fonts, the rest empty

// A 15-bit client colour from 5-bit channels.
constexpr std::uint16_t colour15(int red, int green, int blue) {
  return static_cast<std::uint16_t>((red << 10) | (green << 5) | blue);
}

}  // namespace miro::clientgen
