// The 2D composition of a full outfit, the playback frames, and a whole run of the render tool.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <random>

#include "compose/Playback.h"
#include "data/AnimLookupLoad.h"
#include "support/ComposeScene.h"

extern char** environ;

namespace {

using namespace miro;

// A frame about the size of a dressed figure's parts: w x h with ragged edges and holes.
clientgen::IndexedFrame figureFrame(int w, int h, unsigned seed) {
  std::mt19937 random(seed);
  clientgen::IndexedFrame frame(w, h, w / 2, 0);
  for (int y = 0; y < h; ++y) {
    const int margin = static_cast<int>(random() % 4);
    for (int x = margin; x < w - margin; ++x) frame.at(x, y) = random() % 9 == 0 ? -1 : static_cast<int>(16 + random() % 230);
  }
  return frame;
}

clientgen::AnimGroup figureGroup(int w, int h, int frames, unsigned seed) {
  std::vector<clientgen::IndexedFrame> all;
  for (int f = 0; f < frames; ++f) all.push_back(figureFrame(w, h, seed + static_cast<unsigned>(f)));
  return test::groupOf(all);
}

// Body, mount and all 22 slots dressed, hued, with the shadow on, walking on a horse.
void dressFully(test::Scene& s, int frames) {
  const int stored = 1;
  s.view.direction = 7;  // stored direction 1, mirrored
  s.view.motion = 23;
  s.view.effects.showShadow = true;
  s.outfit.mount = 1;
  s.place(AnimFile::Anim, anim::firstMountEntry(0, 0, stored), figureGroup(90, 70, frames, 1));
  s.place(AnimFile::Anim, anim::peopleEntry(0, 23, stored), figureGroup(40, 75, frames, 100));
  s.outfit.colours[0] = 1002;
  s.outfit.colours[kMountColourSlot] = 2213;
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    const PartSlotInfo& info = partSlot(slot);
    s.outfit.parts[static_cast<std::size_t>(slot)] = 1;
    s.outfit.colours[static_cast<std::size_t>(slot)] = 100 + slot;
    if (info.firstBodySlot < 0) continue;
    s.place(AnimFile::Anim, anim::bodySlotEntry(info.firstBodySlot, 23, stored),
            figureGroup(36, 30 + slot % 4 * 10, frames, 200 + static_cast<unsigned>(slot)));
  }
  s.writeFiles();
}

void Compose2D_FullOutfitStill(benchmark::State& state) {
  test::Scene s;
  dressFully(s, 10);
  for (auto _ : state) {
    const Compose2DResult result = s.composer.compose(s.outfit, s.priorities, s.view, 3);
    benchmark::DoNotOptimize(result.frameCount);
  }
  if (!s.reporter.messages.empty()) state.SkipWithError("a message was reported");
}
BENCHMARK(Compose2D_FullOutfitStill)->Unit(benchmark::kMicrosecond);

void Playback_BuildTenFrames(benchmark::State& state) {
  test::Scene s;
  dressFully(s, 10);
  s.view.frameMax = 9;
  FrameCache frames;
  for (auto _ : state) {
    buildPlaybackFrames(s.composer, s.outfit, s.priorities, s.view, frames);
    benchmark::DoNotOptimize(frames.data());
  }
}
BENCHMARK(Playback_BuildTenFrames)->Unit(benchmark::kMillisecond);

// A client folder whose every animation is one figure of 10 frames, with hues and empty fonts.
void writeRiderData(const test::TempFolder& data) {
  clientgen::AnimFileWriter anim;
  const clientgen::IndexRecord record = anim.add(figureGroup(40, 75, 10, 7));
  test::writeFile(data / "ANIM.IDX", clientgen::encodeIndex(std::vector<clientgen::IndexRecord>(37000, record)));
  test::writeFile(data / "ANIM.MUL", anim.data());
  test::writeFile(data / "HUES.MUL", clientgen::encodeHues(test::testHues()));
  test::writeFile(data / "FONTS.MUL", clientgen::encodeFonts({}));
}

// The render tool as a user runs it: start, the lookup from its cache, the composition of a
// dressed rider, a BMP written. Reports the largest resident memory of the process.
void RenderTool_StillFromTheCache(benchmark::State& state) {
  test::TempFolder home;
  test::TempFolder data;
  writeRiderData(data);

  const std::string program = MIROLANE2_RENDER;
  std::vector<std::string> args = {program, "--home", home.path().string(), "--data", data.path().string(),
                                   "--motion", "23", "--mount", "1", "--direction", "3", "--effect", "shadow",
                                   "--hue", "0=1002", "-o", (home / "still.bmp").string()};
  for (int slot = 1; slot <= 18; ++slot) args.insert(args.end(), {"--part", std::to_string(slot) + "=1"});
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  const auto runOnce = [&]() -> long {
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return usage.ru_maxrss;
  };
  if (runOnce() < 0) {  // builds the cache
    state.SkipWithError("the render tool failed");
    return;
  }
  long largest = 0;
  for (auto _ : state) {
    const long kilobytes = runOnce();
    if (kilobytes < 0) {
      state.SkipWithError("the render tool failed");
      return;
    }
    largest = std::max(largest, kilobytes);
  }
  state.counters["max_rss_MB"] = static_cast<double>(largest) / 1024.0;
}
BENCHMARK(RenderTool_StillFromTheCache)->Unit(benchmark::kMillisecond)->UseRealTime();

// A batch of 16 dressed riders with one and with two workers: stills a second.
void RenderTool_Batch(benchmark::State& state) {
  test::TempFolder home;
  test::TempFolder data;
  test::TempFolder outfits;
  test::TempFolder pictures;
  writeRiderData(data);
  for (int i = 0; i < 16; ++i) {
    std::string uoc;
    for (int slot = 0; slot <= 18; ++slot) uoc += std::to_string(slot) + ",1,\"" + std::to_string(1000 + i) + "\"\r\n";
    uoc += "26,1,\"3EA\"\r\n";
    test::writeFile(outfits / ("rider" + std::to_string(i) + ".uoc"), uoc);
  }
  const std::string program = MIROLANE2_RENDER;
  std::vector<std::string> args = {program, "--home", home.path().string(), "--data", data.path().string(),
                                   "--motion", "23", "--effect", "shadow", "--batch", outfits.path().string(),
                                   "--out-dir", pictures.path().string(), "--jobs", std::to_string(state.range(0))};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  const auto runOnce = [&]() {
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  };
  if (!runOnce()) {
    state.SkipWithError("the render tool failed");
    return;
  }
  for (auto _ : state) {
    if (!runOnce()) state.SkipWithError("the render tool failed");
  }
  posix_spawn_file_actions_destroy(&quiet);
  state.counters["stills_per_s"] = benchmark::Counter(16.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(RenderTool_Batch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
