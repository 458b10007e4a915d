#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace miro {

bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The entry of `folder` named `name` without regard to letter case (ANIM.MUL, anim.mul and
// Anim.mul are one file); an exact match wins, then the first in name order.
std::optional<std::filesystem::path> findIgnoringCase(const std::filesystem::path& folder,
                                                      std::string_view name);

// As findIgnoringCase, but folder / name when nothing matches: the name to create.
std::filesystem::path resolveIgnoringCase(const std::filesystem::path& folder, std::string_view name);

}  // namespace miro
