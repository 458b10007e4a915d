// Gumps drawn by the paperdoll, the font load of start-up, and opening the gump container.
#include <benchmark/benchmark.h>

#include "ClientGen.h"
#include "common/Bytes.h"
#include "data/FontStore.h"
#include "data/GumpStore.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace {

using namespace miro;

// A 200 x 300 gump like a paperdoll item: a shaded shape with transparent margins.
clientgen::GumpImage paperdollGump() {
  clientgen::GumpImage image(200, 300);
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 200; ++x) {
      const bool inside = x > 20 + y % 13 && x < 180 - y % 17;
      image.at(x, y) = inside ? static_cast<std::uint16_t>(((x / 7 + y / 9) % 31 + 1) * 0x421) : 0;
    }
  }
  return image;
}

enum class Source { Mul, UopPlain, UopZlib };

void drawGump(benchmark::State& state, Source source) {
  test::TempFolder dir;
  const clientgen::GumpImage image = paperdollGump();
  if (source == Source::Mul) {
    clientgen::GumpFileWriter writer;
    writer.add(50000, image);
    test::writeFile(dir / "gumpidx.mul", writer.index());
    test::writeFile(dir / "gumpart.mul", writer.art());
  } else {
    test::writeFile(dir / "gumpartLegacyMUL.uop",
                    clientgen::encodeUop({{uopGumpName(50000), clientgen::uopGumpData(image),
                                           source == Source::UopZlib ? 1 : 0}}));
  }
  const DataFolder folder(dir.path().string());
  DataFileCache files;
  test::RecordingReporter reporter;
  GumpStore store(files, folder, reporter);
  Bitmap32 target(262, 324, kKeyColour);
  const ColourStep hue = [](std::uint16_t raw, std::uint32_t converted) { return raw & 0x8000 ? converted : converted ^ 0x10; };
  for (auto _ : state) {
    store.draw(50000, target, 8, 19, {0, 0, 190, 240}, hue);
    benchmark::DoNotOptimize(target.pixels().data());
  }
  if (target.pixel(100, 100) == kKeyColour) state.SkipWithError("the gump was not drawn");
}
BENCHMARK_CAPTURE(drawGump, Mul, Source::Mul)->Name("GumpStore_Draw200x300_Mul")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(drawGump, UopPlain, Source::UopPlain)->Name("GumpStore_Draw200x300_UopPlain")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(drawGump, UopZlib, Source::UopZlib)->Name("GumpStore_Draw200x300_UopZlib")->Unit(benchmark::kMicrosecond);

// The worst a damaged gump can ask: 65535 rows, every other one of 2^20 runs of count 0, which
// never reach the clip edge.
void GumpStore_DrawHostileGump(benchmark::State& state) {
  const std::uint32_t rows = 0xFFFF;
  const std::uint32_t runs = 1u << 20;
  std::string data;
  for (std::uint32_t r = 0; r < rows; ++r) appendU32(data, rows + (r % 2) * runs);
  for (std::uint32_t r = 0; r < runs; ++r) appendU32(data, 1);  // colour 1, count 0
  Bitmap32 target(262, 324, kKeyColour);
  for (auto _ : state) {
    const bool whole = drawGumpPicture({asBytes(data), 0xFFFF, 0xFFFF}, target, 0, 0, target.bounds(), plainColourStep);
    benchmark::DoNotOptimize(whole);
  }
}
BENCHMARK(GumpStore_DrawHostileGump)->Unit(benchmark::kMillisecond);

// Ten fonts of 224 glyphs, 8 x 12 pixels each (a FONTS.MUL of about 430 KB).
void FontStore_LoadTenFonts(benchmark::State& state) {
  std::vector<clientgen::Font> fonts(10);
  for (auto& font : fonts) {
    for (int g = 0; g < 224; ++g) font.push_back({8, 12, std::vector<std::uint16_t>(96, static_cast<std::uint16_t>(g * 97))});
  }
  const std::string file = clientgen::encodeFonts(fonts);
  FontStore store;
  for (auto _ : state) {
    benchmark::DoNotOptimize(store.load(asBytes(file)));
  }
}
BENCHMARK(FontStore_LoadTenFonts)->Unit(benchmark::kMillisecond);

// Reading the entry table of a container of 70 000 gumps, in blocks of 1000 as the client has them.
void UopContainer_Open70000Entries(benchmark::State& state) {
  std::vector<clientgen::UopFile> files;
  for (int n = 0; n < 70000; ++n) files.push_back({uopGumpName(n), "x", 0});
  const std::string container = clientgen::encodeUop(files, 1000);
  for (auto _ : state) {
    auto opened = UopContainer::open(asBytes(container));
    benchmark::DoNotOptimize(opened->size());
  }
}
BENCHMARK(UopContainer_Open70000Entries)->Unit(benchmark::kMillisecond);

}  // namespace
