// Writing stills and frame sets in the 8-bit PNG format.
#include <benchmark/benchmark.h>

#include "DemoData.h"
#include "files/AnimatedFile.h"
#include "files/FrameSet.h"
#include "files/Trimming.h"
#include "files/Png8File.h"
#include "support/ComposeScene.h"

namespace {

using namespace miro;

// The demo animations, a dressed man walking: 10 frames in each stored direction.
struct WalkingScene {
  WalkingScene() {
    for (const demo::DemoFile& f : demo::demoAnimations()) test::writeFile(s.dir / f.name, f.bytes);
    const std::string idx = test::readFile(s.dir / "ANIM.IDX");
    const std::string idx4 = test::readFile(s.dir / "ANIM4.IDX");
    s.lookup = buildAnimLookup({asBytes(idx), std::nullopt, std::nullopt, asBytes(idx4)}, 0);
    s.view.motion = 0;
    for (int slot : {2, 4, 5, 6, 16, 17}) s.outfit.parts[static_cast<std::size_t>(slot)] = 2;
  }
  test::Scene s;
};

WalkingScene& walking() {
  static WalkingScene scene;
  return scene;
}

void Export_StillAsPng8(benchmark::State& state) {
  test::Scene& s = walking().s;
  s.composer.compose(s.outfit, s.priorities, s.view, 3);
  test::TempFolder out;
  for (auto _ : state) {
    const Status written = writePng8(out / "still.png", s.layers[0], 0xFFFFFF);
    if (!written) state.SkipWithError(written.message().c_str());
  }
}
BENCHMARK(Export_StillAsPng8)->Unit(benchmark::kMillisecond);

void Export_EightWaysTenFramesPng8CommonBox(benchmark::State& state) {
  test::Scene& s = walking().s;
  test::TempFolder out;
  FrameSetOptions options;
  options.directions = DirectionSet::EightWays;
  options.format = PictureFormat::Png8;
  options.trimming = true;
  std::size_t files = 0;
  for (auto _ : state) {
    const FrameSetResult result = exportFrameSet(s.composer, s.outfit, s.priorities, s.view, out.path(), "walk", options);
    if (!result.status) state.SkipWithError(result.status.message().c_str());
    files = result.files.size();
  }
  state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(Export_EightWaysTenFramesPng8CommonBox)->Unit(benchmark::kMillisecond);

void Export_AnimatedGifTenFrames(benchmark::State& state) {
  test::Scene& s = walking().s;
  FrameCache frames;
  s.view.frameMax = 9;
  buildPlaybackFrames(s.composer, s.outfit, s.priorities, s.view, frames);
  const Rect box = commonBox(frames, 0xFFFFFF);
  for (Bitmap32& frame : frames) trimToRectangle(frame, box, frame.width(), frame.height());
  test::TempFolder out;
  for (auto _ : state) {
    const Status written = writeAnimatedGif(out / "walk.gif", frames, 100, 0xFFFFFF);
    if (!written) state.SkipWithError(written.message().c_str());
  }
}
BENCHMARK(Export_AnimatedGifTenFrames)->Unit(benchmark::kMillisecond);

}  // namespace
