// The shared picture operations that every composition repeats, and the INI reads of start-up.
#include <benchmark/benchmark.h>

#include <string>

#include "common/Bitmap32.h"
#include "common/Ini.h"
#include "common/LayerStack.h"

namespace {

using miro::Bitmap32;
using miro::kKeyColour;

// A 270 x 240 layer with a figure of about a third of its pixels, the rest empty.
Bitmap32 figureLayer() {
  Bitmap32 layer(270, 240, kKeyColour);
  layer.transparent = true;
  layer.fillRect({90, 20, 180, 220}, 0x808080);
  return layer;
}

void LayerStack_Flatten45Layers(benchmark::State& state) {
  miro::LayerStack layers(270, 240);
  const Bitmap32 figure = figureLayer();
  for (int i = 1; i < miro::LayerStack::kCount; ++i) layers[i] = figure;
  for (auto _ : state) {
    layers.flatten();
    benchmark::DoNotOptimize(layers[0].pixels().data());
  }
}
BENCHMARK(LayerStack_Flatten45Layers);

void Bitmap32_DrawTransparentLayer(benchmark::State& state) {
  Bitmap32 target(270, 240);
  const Bitmap32 figure = figureLayer();
  for (auto _ : state) {
    target.draw(0, 0, figure);
    benchmark::DoNotOptimize(target.pixels().data());
  }
}
BENCHMARK(Bitmap32_DrawTransparentLayer);

void Bitmap32_StretchDrawDouble(benchmark::State& state) {
  Bitmap32 target(540, 480);
  const Bitmap32 figure = figureLayer();
  for (auto _ : state) {
    target.stretchDraw({0, 0, 540, 480}, figure);
    benchmark::DoNotOptimize(target.pixels().data());
  }
}
BENCHMARK(Bitmap32_StretchDrawDouble);

// A priorities file: 22 sections of two keys, read key by key as start-up does.
std::string prioritiesFile() {
  std::string text;
  for (int s = 1; s <= 22; ++s) {
    text += "[SLOT" + std::to_string(s) + "]\r\n2D=" + std::to_string(s) + "\r\nPD=" + std::to_string(s) + "\r\n";
  }
  return text;
}

void Ini_ParseAndReadPriorities(benchmark::State& state) {
  const std::string text = prioritiesFile();
  for (auto _ : state) {
    const miro::Ini ini = miro::Ini::fromText(text);
    int sum = 0;
    for (int s = 1; s <= 22; ++s) {
      const std::string section = "slot" + std::to_string(s);
      sum += ini.readInteger(section, "2d", 0) + ini.readInteger(section, "pd", 0);
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(Ini_ParseAndReadPriorities);

}  // namespace
