// Start-up loads and the frame decode that every composition repeats.
#include <benchmark/benchmark.h>

#include <optional>
#include <random>

#include "ClientGen.h"
#include "data/AnimLookupLoad.h"
#include "data/FrameDecoder.h"
#include "support/ClientData.h"
#include "support/LiteralAnimScan.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace {

using namespace miro;

struct RealIndexFiles {
  std::optional<std::string> anim = test::realClientFile("ANIM.IDX");
  std::optional<std::string> anim2 = test::realClientFile("ANIM2.IDX");
  std::optional<std::string> anim3 = test::realClientFile("ANIM3.IDX");
  std::optional<std::string> anim4 = test::realClientFile("ANIM4.IDX");

  bool present() const { return anim && anim2 && anim3 && anim4; }
  AnimIndexFiles files() const { return {asBytes(*anim), asBytes(*anim2), asBytes(*anim3), asBytes(*anim4)}; }
};

const RealIndexFiles& realIndexFiles() {
  static const RealIndexFiles files;
  return files;
}

void AnimLookup_BuildFromRealIndexFiles(benchmark::State& state) {
  const RealIndexFiles& real = realIndexFiles();
  if (!real.present()) {
    state.SkipWithError("no real client files");
    return;
  }
  for (auto _ : state) {
    AnimLookup lookup = buildAnimLookup(real.files(), 0);
    benchmark::DoNotOptimize(lookup.entries().data());
  }
}
BENCHMARK(AnimLookup_BuildFromRealIndexFiles)->Unit(benchmark::kMillisecond);

void AnimLookup_LiteralScanOfRealIndexFiles(benchmark::State& state) {
  const RealIndexFiles& real = realIndexFiles();
  if (!real.present()) {
    state.SkipWithError("no real client files");
    return;
  }
  for (auto _ : state) {
    AnimLookup lookup = test::literalAnimScan(real.files(), 0);
    benchmark::DoNotOptimize(lookup.entries().data());
  }
}
BENCHMARK(AnimLookup_LiteralScanOfRealIndexFiles)->Unit(benchmark::kMillisecond);

// Start-up with a valid cache: the offset check in MIRO2.ini, the cache read, the flags.
void AnimLookup_LoadFromCache(benchmark::State& state) {
  test::TempFolder homeDir;
  test::TempFolder dataDir;
  const ProgramFolder home(homeDir.path(), ProgramFolder::Source::HomeOption);
  const DataFolder data(dataDir.path().string());
  test::writeFile(dataDir / "ANIM4.IDX", "");
  test::writeFile(homeDir / "MIRO2.ini", "[ETC]\r\nDataOffset=0\r\n");
  test::writeFile(homeDir / "MIRO2Lup.dat", encodeLookupCache(AnimLookup()));
  DataFileCache files;
  test::RecordingReporter reporter;
  for (auto _ : state) {
    LookupLoad load = loadAnimLookup(home, data, 0, files, reporter);
    if (load.source != LookupSource::Cache) state.SkipWithError("the cache was not used");
    benchmark::DoNotOptimize(load.lookup.entries().data());
  }
}
BENCHMARK(AnimLookup_LoadFromCache)->Unit(benchmark::kMicrosecond);

// A 100 x 100 frame of scattered transparent holes, decoded with a hue-like colour rule.
std::string hundredSquareGroup() {
  std::mt19937 random(3);
  std::uniform_int_distribution<int> pixel(-20, 255);
  clientgen::IndexedFrame frame(100, 100, 50, 90);
  for (int& p : frame.pixels) p = std::max(-1, pixel(random));
  clientgen::AnimGroup group;
  for (int i = 0; i < 256; ++i) group.palette[static_cast<std::size_t>(i)] = clientgen::colour15(i >> 3, i >> 3, i >> 3);
  group.frames = {frame};
  return clientgen::encodeGroup(group);
}

void FrameDecoder_Decode100x100(benchmark::State& state) {
  const std::string file = hundredSquareGroup();
  Bitmap32 layer(270, 240, kKeyColour);
  const ColourRule rule = [](std::uint8_t index, std::uint32_t colour) -> std::optional<std::uint32_t> {
    if (index == 0) return std::nullopt;
    return colour ^ 0x102030;
  };
  FrameRequest request;
  request.base = {135, 200};
  for (auto _ : state) {
    const DecodeResult result = decodeFrame(asBytes(file), request, layer, rule);
    benchmark::DoNotOptimize(result.leftmost);
  }
}
BENCHMARK(FrameDecoder_Decode100x100)->Unit(benchmark::kMicrosecond);

}  // namespace
