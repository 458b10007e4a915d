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

// A 15-bit client colour from 5-bit channels.
constexpr std::uint16_t colour15(int red, int green, int blue) {
  return static_cast<std::uint16_t>((red << 10) | (green << 5) | blue);
}

}  // namespace miro::clientgen
