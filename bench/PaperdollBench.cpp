// The paperdoll view and speech lines, over the demo gumps and fonts.
#include <benchmark/benchmark.h>

#include "DemoData.h"
#include "compose/Paperdoll.h"
#include "compose/Speech.h"
#include "support/ComposeScene.h"

namespace {

using namespace miro;

struct DemoScene {
  DemoScene() {
    for (const auto& generate : {demo::demoGumps, demo::demoFonts}) {
      for (const demo::DemoFile& f : generate()) test::writeFile(scene.dir / f.name, f.bytes);
    }
    const auto fontFile = test::readFile(scene.dir / "FONTS.MUL");
    fonts.load(asBytes(fontFile));
  }
  test::Scene scene;
  FontStore fonts;
};

void Paperdoll_WindowAnd22Parts(benchmark::State& state) {
  DemoScene demo;
  test::Scene& s = demo.scene;
  GumpStore gumps(s.files, s.folder, s.reporter);
  PaperdollComposer composer(s.layers, gumps, s.hues, demo.fonts);
  PaperdollView view;
  view.emulation = true;
  view.frame = {true, true, true, true, true, true};
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    s.outfit.parts[static_cast<std::size_t>(slot)] = 1;
    s.outfit.colours[static_cast<std::size_t>(slot)] = 1300 + slot;
  }
  for (auto _ : state) {
    composer.compose(s.outfit, s.priorities, s.view, view);
    benchmark::DoNotOptimize(s.layers[0].pixels().data());
  }
  if (!s.reporter.messages.empty()) state.SkipWithError("a gump was missing");
}
BENCHMARK(Paperdoll_WindowAnd22Parts)->Unit(benchmark::kMicrosecond);

void speechLine(benchmark::State& state, const std::string& text, bool needsSystemFont) {
  DemoScene demo;
  test::Scene& s = demo.scene;
  const auto system = SystemFont::openSpeechFont();
  if (needsSystemFont && !system) {
    state.SkipWithError("no Japanese font installed");
    return;
  }
  SpeechOverlay overlay(demo.fonts, s.hues, system.get());
  s.outfit.speech[0] = {text, 3, false, "10", "40"};
  s.outfit.colours[25] = 1301;
  for (auto _ : state) {
    overlay.drawSpeech(s.layers, s.outfit, s.view);
    benchmark::DoNotOptimize(s.layers[37].pixels().data());
  }
}

void Speech_40AsciiCharacters(benchmark::State& state) {
  speechLine(state, "Hail, traveller! Well met in Britain.~Ho", false);
}
BENCHMARK(Speech_40AsciiCharacters)->Unit(benchmark::kMicrosecond);

void Speech_20JapaneseCharacters(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 20; ++i) text += "\xE3\x81\x82";  // あ
  speechLine(state, text, true);
}
BENCHMARK(Speech_20JapaneseCharacters)->Unit(benchmark::kMicrosecond);

}  // namespace
