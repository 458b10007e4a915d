#include "common/FileNames.h"

#include <algorithm>
#include <system_error>

namespace miro {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::optional<std::filesystem::path> findIgnoringCase(const std::filesystem::path& folder,
                                                      std::string_view name) {
  std::error_code ec;
  const std::filesystem::path exact = folder / std::string(name);
  if (std::filesystem::exists(std::filesystem::symlink_status(exact, ec))) return exact;

  std::optional<std::string> best;
  std::filesystem::directory_iterator it(folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (equalsIgnoringCase(entry, name) && (!best || entry < *best)) best = entry;
  }
  if (!best) return std::nullopt;
  return folder / *best;
}

std::filesystem::path resolveIgnoringCase(const std::filesystem::path& folder, std::string_view name) {
  return findIgnoringCase(folder, name).value_or(folder / std::string(name));
}

}  // namespace miro
