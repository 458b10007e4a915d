#pragma once

// A small client data folder made in a test: animation groups placed at chosen lookup entries,
// a hue table, and a composer over them.

#include <map>
#include <string>
#include <vector>

#include "ClientGen.h"
#include "common/LayerStack.h"
#include "compose/Compose2D.h"
#include "data/AnimTables.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace miro::test {

// Palette index i is the grey of step i / 8 (the step a hue rule reads back); index 250 is red.
inline std::array<std::uint16_t, 256> testPalette() {
  std::array<std::uint16_t, 256> palette{};
  for (int i = 0; i < 256; ++i) palette[static_cast<std::size_t>(i)] = clientgen::colour15(i / 8, i / 8, i / 8);
  palette[250] = clientgen::colour15(31, 0, 0);
  return palette;
}
inline constexpr std::uint8_t kRed = 250;

// A frame of w x h pixels of one palette index; its centre at (cx, cy).
inline clientgen::IndexedFrame block(int w, int h, int cx, int cy, int index) {
  clientgen::IndexedFrame frame(w, h, cx, cy);
  for (int& p : frame.pixels) p = index;
  return frame;
}

inline clientgen::AnimGroup groupOf(std::vector<clientgen::IndexedFrame> frames) {
  clientgen::AnimGroup group;
  group.palette = testPalette();
  group.frames = std::move(frames);
  return group;
}

// Hue h (1..40) has colour i = (h, i, 31 - i) in 5-bit channels.
inline std::vector<clientgen::HueEntry> testHues() {
  std::vector<clientgen::HueEntry> entries(1200);
  for (std::size_t e = 0; e < entries.size(); ++e) {
    for (int i = 0; i < 32; ++i) {
      entries[e].colours[static_cast<std::size_t>(i)] = clientgen::colour15(static_cast<int>((e + 1) % 32), i, 31 - i);
    }
  }
  return entries;
}

class Scene {
 public:
  // Every lookup entry starts without animation; place() gives entries their groups.
  Scene() {
    hues.load(asBytes(clientgen::encodeHues(testHues())));
    lookup.entries().assign(anim::kEntries, -1);
  }

  // Puts `group` into the data file and points lookup entry `entry` at it.
  void place(AnimFile file, int entry, const clientgen::AnimGroup& group) {
    lookup.entries()[static_cast<std::size_t>(entry)] = writers[file].add(group).lookup;
    written = false;
  }

  Compose2DResult compose(int frame = 0) {
    writeFiles();
    return composer.compose(outfit, priorities, view, frame);
  }

  void writeFiles() {
    if (written) return;
    for (const auto& [file, writer] : writers) writeFile(dir / std::string(animDataFileName(file)), writer.data());
    written = true;
  }

  TempFolder dir;
  DataFolder folder{dir.path().string()};
  DataFileCache files;
  RecordingReporter reporter;
  FrameDecoder decoder{files, folder, reporter};
  AnimLookup lookup;
  HueTable hues;
  LayerStack layers{270, 240};
  Composer2D composer{layers, lookup, hues, decoder};
  Outfit outfit;
  Priorities priorities;
  ViewState view;

 private:
  std::map<AnimFile, clientgen::AnimFileWriter> writers;
  bool written = false;
};

// A region of a picture as text: each pixel is the character its colour has in `legend`, '.' for
// `background`, '?' for any other colour.
inline std::vector<std::string> region(const Bitmap32& picture, Rect area, const std::map<std::uint32_t, char>& legend,
                                       std::uint32_t background) {
  std::vector<std::string> rows;
  for (int y = area.top; y < area.bottom; ++y) {
    std::string row;
    for (int x = area.left; x < area.right; ++x) {
      const std::uint32_t p = picture.pixel(x, y);
      const auto it = legend.find(p);
      row += p == background ? '.' : it != legend.end() ? it->second : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

// Pixels of a picture that differ from `background`.
inline int countOther(const Bitmap32& picture, std::uint32_t background) {
  int n = 0;
  for (const std::uint32_t p : picture.pixels()) n += p != background;
  return n;
}

}  // namespace miro::test
