// Saving and loading an outfit file.
#include <benchmark/benchmark.h>

#include "files/OutfitFile.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace {

using namespace miro;

Outfit fullOutfit() {
  Outfit o;
  o.body = 1;
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    o.parts[static_cast<std::size_t>(slot)] = 1;
    o.colours[static_cast<std::size_t>(slot)] = 1300 + slot;
  }
  o.speech[0].text = "Hail, traveller! Well met in Britain.";
  return o;
}

void Outfit_Save(benchmark::State& state) {
  test::TempFolder dir;
  test::RecordingReporter reporter;
  const Outfit outfit = fullOutfit();
  for (auto _ : state) {
    reporter.script({Answer::Yes});
    benchmark::DoNotOptimize(saveOutfit((dir / "knight").string(), outfit, reporter).status.ok());
  }
}
BENCHMARK(Outfit_Save)->Unit(benchmark::kMicrosecond);

void Outfit_LoadUc2(benchmark::State& state) {
  test::TempFolder dir;
  test::writeFile(dir / "knight.uc2", encodeOutfit(fullOutfit()));
  test::RecordingReporter reporter;
  for (auto _ : state) {
    Outfit outfit;
    benchmark::DoNotOptimize(loadOutfit(dir / "knight.uc2", outfit, reporter).loaded);
  }
}
BENCHMARK(Outfit_LoadUc2)->Unit(benchmark::kMicrosecond);

void Outfit_LoadUoc(benchmark::State& state) {
  test::TempFolder dir;
  std::string uoc;
  for (int slot = 0; slot <= 22; ++slot) uoc += std::to_string(slot) + ",1,\"44E\"\r\n";
  uoc += "23,3,\"21\"\r\n10,20\r\n1\r\nHail, traveller!\r\n26,3,\"4001\"\r\n";
  test::writeFile(dir / "knight.uoc", uoc);
  test::RecordingReporter reporter;
  for (auto _ : state) {
    Outfit outfit;
    benchmark::DoNotOptimize(loadOutfit(dir / "knight.uoc", outfit, reporter).loaded);
  }
}
BENCHMARK(Outfit_LoadUoc)->Unit(benchmark::kMicrosecond);

}  // namespace
