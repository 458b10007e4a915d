#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "support/TempFolder.h"

namespace miro::test {

// The folder of real client files beside the project, when it is there.
inline std::optional<std::filesystem::path> realClientData() {
  const std::filesystem::path folder = MIRO_CLIENT_DATA;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return std::nullopt;
  return folder;
}

// The bytes of one real client file, or nothing.
inline std::optional<std::string> realClientFile(const std::string& name) {
  const auto folder = realClientData();
  if (!folder || !std::filesystem::exists(*folder / name)) return std::nullopt;
  return readFile(*folder / name);
}

}  // namespace miro::test

#define SKIP_WITHOUT_REAL_CLIENT_DATA()                                                        \
  do {                                                                                         \
    if (!miro::test::realClientData()) GTEST_SKIP() << "no real client files at " MIRO_CLIENT_DATA; \
  } while (0)
