#include "ClientGen.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>

#include "common/Bytes.h"
#include "data/Lookup3.h"

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

std::string encodeGumpData(const GumpImage& gump) {
  std::vector<std::pair<std::uint16_t, std::uint16_t>> runs;  // colour, count
  std::vector<std::uint32_t> table;
  for (int y = 0; y < gump.height; ++y) {
    table.push_back(static_cast<std::uint32_t>(gump.height + runs.size()));
    const std::size_t rowStart = runs.size();
    for (int x = 0; x < gump.width; ++x) {
      const std::uint16_t c = gump.colours[static_cast<std::size_t>(y * gump.width + x)];
      if (runs.size() > rowStart && runs.back().first == c && runs.back().second < 0xFFFF) ++runs.back().second;
      else runs.emplace_back(c, 1);
    }
  }
  std::string out;
  for (const std::uint32_t position : table) appendU32(out, position);
  for (const auto& [colour, count] : runs) {
    appendU16(out, colour);
    appendU16(out, count);
  }
  return out;
}

void GumpFileWriter::add(int gump, const GumpImage& image) {
  const auto n = static_cast<std::size_t>(gump);
  if (entries_.size() <= n) {
    entries_.resize(n + 1);
    sizes_.resize(n + 1);
  }
  const std::string data = encodeGumpData(image);
  entries_[n] = {static_cast<std::int32_t>(art_.size()), static_cast<std::int32_t>(data.size()), 0};
  sizes_[n] = {static_cast<std::uint16_t>(image.height), static_cast<std::uint16_t>(image.width)};
  art_ += data;
}

std::string GumpFileWriter::index() const {
  std::string out;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    appendU32(out, static_cast<std::uint32_t>(entries_[i].lookup));
    appendU32(out, static_cast<std::uint32_t>(entries_[i].length));
    appendU16(out, sizes_[i].first);
    appendU16(out, sizes_[i].second);
  }
  return out;
}

std::string encodeUop(const std::vector<UopFile>& files, std::uint32_t blockCapacity) {
  constexpr std::size_t kHeader = 28;
  constexpr std::size_t kEntry = 34;
  const std::size_t blocks = files.empty() ? 1 : (files.size() + blockCapacity - 1) / blockCapacity;
  const std::size_t blockSize = 12 + kEntry * blockCapacity;

  std::vector<std::string> stored;
  for (const UopFile& f : files) {
    if (f.compression == 0) {
      stored.push_back(f.data);
      continue;
    }
    uLongf length = compressBound(static_cast<uLong>(f.data.size()));
    std::string packed(length, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &length, reinterpret_cast<const Bytef*>(f.data.data()),
              static_cast<uLong>(f.data.size()), 9);
    packed.resize(length);
    stored.push_back(std::move(packed));
  }

  std::string out;
  appendU32(out, 0x0050594D);
  appendU32(out, 5);
  appendU32(out, 0xFD23EC43);
  appendU32(out, static_cast<std::uint32_t>(kHeader));
  appendU32(out, 0);
  appendU32(out, blockCapacity);
  appendU32(out, static_cast<std::uint32_t>(files.size()));

  std::uint64_t dataAt = kHeader + blocks * blockSize;
  for (std::size_t b = 0; b < blocks; ++b) {
    const std::size_t first = b * blockCapacity;
    const std::size_t count = std::min<std::size_t>(blockCapacity, files.size() - std::min(files.size(), first));
    const std::uint64_t next = b + 1 < blocks ? kHeader + (b + 1) * blockSize : 0;
    appendU32(out, static_cast<std::uint32_t>(count));
    appendU32(out, static_cast<std::uint32_t>(next));
    appendU32(out, static_cast<std::uint32_t>(next >> 32));
    for (std::size_t e = 0; e < blockCapacity; ++e) {
      if (e >= count) {
        out.append(kEntry, '\0');
        continue;
      }
      const std::size_t i = first + e;
      const std::uint64_t hash = uopNameHash(files[i].name);
      appendU32(out, static_cast<std::uint32_t>(dataAt));
      appendU32(out, static_cast<std::uint32_t>(dataAt >> 32));
      appendU32(out, 0);  // header length
      appendU32(out, static_cast<std::uint32_t>(stored[i].size()));
      appendU32(out, static_cast<std::uint32_t>(files[i].data.size()));
      appendU32(out, static_cast<std::uint32_t>(hash));
      appendU32(out, static_cast<std::uint32_t>(hash >> 32));
      appendU32(out, 0);  // data hash
      appendU16(out, static_cast<std::uint16_t>(files[i].compression));
      dataAt += stored[i].size();
    }
  }
  for (const std::string& s : stored) out += s;
  return out;
}

std::string uopGumpData(const GumpImage& gump) {
  std::string out;
  appendU32(out, static_cast<std::uint32_t>(gump.width));
  appendU32(out, static_cast<std::uint32_t>(gump.height));
  return out + encodeGumpData(gump);
}

std::string encodeFonts(const std::vector<Font>& fonts) {
  std::string out;
  for (std::size_t f = 0; f < 10; ++f) {
    out += '\0';
    for (std::size_t g = 0; g < 224; ++g) {
      const FontGlyph empty;
      const FontGlyph& glyph = f < fonts.size() && g < fonts[f].size() ? fonts[f][g] : empty;
      out += static_cast<char>(glyph.width);
      out += static_cast<char>(glyph.height);
      out += '\0';
      for (const std::uint16_t p : glyph.pixels) appendU16(out, p);
    }
  }
  return out;
}

}  // namespace miro::clientgen
