// Runs a fuzz target's entry point over every file of the folders given: the seeds and the
// crashers found so far, so that a fixed crash stays fixed.
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>

#include "support/TempFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::error_code ec;
    if (!std::filesystem::is_directory(argv[i], ec)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
      if (!entry.is_regular_file() || entry.path().filename().string().starts_with('.')) continue;
      const std::string bytes = miro::test::readFile(entry.path());
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::cout << replayed << " inputs replayed\n";
  return 0;
}
