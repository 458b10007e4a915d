// Naming every hue of the table, as the colour selector and the captions do, and reading a
// full user colour list at start-up.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "colour/HueNames.h"
#include "colour/UserColours.h"

namespace {

class SilentReporter : public miro::Reporter {
 public:
  miro::Answer show(const miro::Message&) override { return miro::Answer::Ok; }
};

void HueName_AllHues(benchmark::State& state) {
  for (auto _ : state) {
    for (miro::HueId hue = 0; hue < miro::kHueRecords; ++hue) {
      std::string name = miro::hueName(hue);
      benchmark::DoNotOptimize(name.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * miro::kHueRecords);
}
BENCHMARK(HueName_AllHues)->Unit(benchmark::kMicrosecond);

// A program folder holding add_colors.txt with 125 entries and a comment, removed at the end.
class UserColourFolder {
 public:
  UserColourFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "colour-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    std::ofstream out(path_ / "add_colors.txt", std::ios::binary);
    out << "# my own dye families\r\n";
    for (int i = 0; i < 125; ++i) out << "Family number " << i << "," << 1201 + i << "," << 1 + i % 54 << "\r\n";
  }
  ~UserColourFolder() { std::filesystem::remove_all(path_); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void LoadUserColours_125Entries(benchmark::State& state) {
  const UserColourFolder folder;
  const miro::ProgramFolder home(folder.path(), miro::ProgramFolder::Source::HomeOption);
  SilentReporter reporter;
  for (auto _ : state) {
    miro::UserColourList list = miro::loadUserColours(home, reporter);
    if (list.entries.size() != miro::limits::kUserColours) state.SkipWithError("the list was not read whole");
    benchmark::DoNotOptimize(list.entries.data());
  }
}
BENCHMARK(LoadUserColours_125Entries)->Unit(benchmark::kMicrosecond);

}  // namespace
