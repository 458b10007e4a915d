#include "ClientGen.h"

#include <stdexcept>

#include "common/Bytes.h"

namespace miro::clientgen {

namespace {

constexpr int kMaxRunLength = 4094;  // 4095 with row key 7 would read as the end marker
constexpr int kMaxRowGap = 15;

struct Run {
  int row;
  int column;
  std::vector<std::uint8_t> indices;
};

void appendRun(std::string& out, const Run& run, int centreX) {
  const int offset = run.column - centreX;
  const auto first = static_cast<std::uint16_t>((run.indices.size() & 0x0FFF) | ((run.row & 0xF) << 12));
  const auto second = static_cast<std::uint16_t>(((run.row >> 4) & 0x3F) | ((offset & 0x3FF) << 6));
  appendU16(out, first);
  appendU16(out, second);
  for (const std::uint8_t index : run.indices) out += static_cast<char>(index);
}

std::vector<Run> runsOfRow(const IndexedFrame& frame, int y) {
  std::vector<Run> runs;
  for (int x = 0; x < frame.width; ++x) {
    if (frame.at(x, y) == IndexedFrame::kEmpty) continue;
    if (runs.empty() || runs.back().column + static_cast<int>(runs.back().indices.size()) != x ||
        runs.back().indices.size() == kMaxRunLength) {
      runs.push_back({y, x, {}});
    }
    runs.back().indices.push_back(static_cast<std::uint8_t>(frame.at(x, y)));
  }
  return runs;
}

void checkFrame(const IndexedFrame& frame) {
  if (frame.width < 0 || frame.height < 0 || frame.width > 512 || frame.height > 1000) {
    throw std::invalid_argument("clientgen: frame size out of range");
  }
  for (const int p : frame.pixels) {
    if (p < IndexedFrame::kEmpty || p > 255) throw std::invalid_argument("clientgen: palette index out of range");
  }
  if (frame.centreX - 512 > 0 || frame.centreX + 511 < frame.width - 1) {
    throw std::invalid_argument("clientgen: a column lies too far from the centre");
  }
}

}  // namespace

std::string encodeIndex(const std::vector<IndexRecord>& records) {
  std::string out;
  for (const auto& r : records) {
    appendU32(out, static_cast<std::uint32_t>(r.lookup));
    appendU32(out, static_cast<std::uint32_t>(r.length));
    appendU32(out, static_cast<std::uint32_t>(r.extra));
  }
  return out;
}

IndexedFrame::IndexedFrame(int w, int h, int cx, int cy)
    : width(w), height(h), centreX(cx), centreY(cy), pixels(static_cast<std::size_t>(w * h), kEmpty) {}

std::string encodeFrame(const IndexedFrame& frame) {
  checkFrame(frame);
  std::string out;
  appendU16(out, static_cast<std::uint16_t>(frame.centreX));
  appendU16(out, static_cast<std::uint16_t>(frame.centreY));
  appendU16(out, static_cast<std::uint16_t>(frame.width));
  appendU16(out, static_cast<std::uint16_t>(frame.height));

  int lastRow = 0;
  bool first = true;
  for (int y = 0; y < frame.height; ++y) {
    const auto runs = runsOfRow(frame, y);
    if (runs.empty()) continue;
    if (first && y != 0) appendRun(out, {0, frame.centreX, {}}, frame.centreX);
    for (; y - lastRow > kMaxRowGap; lastRow += kMaxRowGap) {
      appendRun(out, {lastRow + kMaxRowGap, frame.centreX, {}}, frame.centreX);
    }
    for (const Run& run : runs) appendRun(out, run, frame.centreX);
    lastRow = y;
    first = false;
  }
  appendU16(out, 0x7FFF);
  appendU16(out, 0x7FFF);
  return out;
}

std::string encodeGroup(const AnimGroup& group) {
  std::string out;
  for (const std::uint16_t c : group.palette) appendU16(out, c);
  appendU32(out, static_cast<std::uint32_t>(group.frames.size()));
  std::vector<std::string> frames;
  std::uint32_t offset = 4 + 4 * static_cast<std::uint32_t>(group.frames.size());
  for (const auto& frame : group.frames) {
    frames.push_back(encodeFrame(frame));
    appendU32(out, offset);
    offset += static_cast<std::uint32_t>(frames.back().size());
  }
  for (const auto& f : frames) out += f;
  return out;
}

IndexRecord AnimFileWriter::add(const AnimGroup& group) {
  const std::string bytes = encodeGroup(group);
  const IndexRecord record{static_cast<std::int32_t>(data_.size()), static_cast<std::int32_t>(bytes.size()), 0};
  data_ += bytes;
  return record;
}

std::string encodeHues(const std::vector<HueEntry>& entries) {
  std::string out;
  const std::size_t blocks = (entries.size() + 7) / 8;
  for (std::size_t b = 0; b < blocks; ++b) {
    appendU32(out, 0);
    for (std::size_t e = b * 8; e < b * 8 + 8; ++e) {
      const HueEntry empty;
      const HueEntry& entry = e < entries.size() ? entries[e] : empty;
      for (const std::uint16_t c : entry.colours) appendU16(out, c);
      appendU16(out, entry.tableStart);
      appendU16(out, entry.tableEnd);
      std::string name = entry.name.substr(0, 20);
      name.resize(20, '\0');
      out += name;
    }
  }
  return out;
}

}  // namespace miro::clientgen
