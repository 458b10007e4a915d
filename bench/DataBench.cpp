// Start-up loads and the frame decode that every composition repeats.
#include <benchmark/benchmark.h>

#include <optional>
#include <random>

#include "ClientGen.h"
#include "common/Bytes.h"
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

// The worst a damaged file can ask of one decode: a frame whose runs all stay on its first row,
// inside the layer, each 4095 pixels long and starting left of the layer, with no end marker.
std::string hostileGroup() {
  std::string file;
  for (int i = 0; i < 256; ++i) appendU16(file, static_cast<std::uint16_t>(i));
  appendU32(file, 1);
  appendU32(file, 8);
  for (const std::uint16_t v : {0, 0, 0xFFFF, 200}) appendU16(file, v);  // centre 0,0; 65535 x 200
  const std::string run = [] {
    std::string r;
    appendU16(r, 0x0FFF);
    appendU16(r, static_cast<std::uint16_t>((-2000 & 0x3FF) << 6));
    return r + std::string(0x0FFF, '\x07');
  }();
  for (int n = 0; n < 70000; ++n) file += run;
  return file;
}

void FrameDecoder_HostileFrame(benchmark::State& state) {
  const std::string file = hostileGroup();
  Bitmap32 layer(270, 240, kKeyColour);
  const ColourRule rule = [](std::uint8_t, std::uint32_t colour) { return std::optional<std::uint32_t>(colour); };
  FrameRequest request;
  request.base = {135, 200};
  for (auto _ : state) {
    const DecodeResult result = decodeFrame(asBytes(file), request, layer, rule);
    if (!result.damaged) state.SkipWithError("the frame was not taken as damaged");
    benchmark::DoNotOptimize(result.leftmost);
  }
}
BENCHMARK(FrameDecoder_HostileFrame)->Unit(benchmark::kMillisecond);

}  // namespace
