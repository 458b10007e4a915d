#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace miro::render {

inline constexpr int kDone = 0;
inline constexpr int kWorkFailed = 1;
inline constexpr int kBadArguments = 2;

struct Options {
  std::optional<std::filesystem::path> home;
  std::optional<std::filesystem::path> data;
  std::optional<std::string> offset;
  bool info = false;
};

// Runs one job of the command-line renderer; the result is the exit status.
int run(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace miro::render
