// Writing the demo client data folder, as `make demo` does on a first run.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "DemoData.h"
#include "support/TempFolder.h"

namespace {

void DemoData_WriteFolder(benchmark::State& state) {
  miro::test::TempFolder dir;
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    const miro::Status written = miro::demo::writeDemoData(dir / "demo");
    if (!written) {
      state.SkipWithError(written.message().c_str());
      return;
    }
  }
  for (const auto& entry : std::filesystem::directory_iterator(dir / "demo")) bytes += entry.file_size();
  state.counters["folder_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(DemoData_WriteFolder)->Unit(benchmark::kSecond)->Iterations(2)->UseRealTime();

}  // namespace
