// What the fuzz targets share: one input cut into several files, a scratch folder to write
// them into, and a reporter that answers every question with its safe default.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/FileIo.h"
#include "common/Reporter.h"

namespace miro::fuzz {

// The text between the files of one input; the seeds hold it, so the mutations keep it.
inline constexpr std::string_view kFileBreak = "\n--file--\n";

inline std::vector<std::string_view> splitFiles(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> files;
  for (auto at = rest.find(kFileBreak); at != std::string_view::npos; at = rest.find(kFileBreak)) {
    files.push_back(rest.substr(0, at));
    rest.remove_prefix(at + kFileBreak.size());
  }
  files.push_back(rest);
  return files;
}

// A folder of this process, emptied for every input.
inline const std::filesystem::path& scratchFolder() {
  static const std::filesystem::path folder = [] {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : "/tmp";
    auto made = base / ("mirolane2-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(made, ec);
    return made;
  }();
  return folder;
}

inline void clearScratchFolder() {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(scratchFolder(), ec))
    std::filesystem::remove_all(entry.path(), ec);
}

inline void writeScratchFile(std::string_view name, std::string_view bytes) {
  (void)writeFileAtomically(scratchFolder() / name, bytes);
}

class SilentReporter : public Reporter {
 public:
  Answer show(const Message& m) override { return safeDefault(m.buttons); }
};

}  // namespace miro::fuzz
