#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace miro {

// Reads a string value from a registry file of a Wine prefix (system.reg, "WINE REGISTRY
// Version 2"). `key` is a path under the file's root with single backslashes
// ("Software\\Origin Worlds Online\\Ultima Online\\1.0"); key and value names match without
// regard to case. Nothing when the file is not a Wine registry or holds no such string.
std::optional<std::string> readWineRegistryString(std::istream& registry, std::string_view key,
                                                  std::string_view value);

// The file that a Windows path ("C:\\Games\\UO\\client.exe") names inside a Wine prefix:
// drive X: is <prefix>/dosdevices/x:, each part matched without regard to case. Nothing
// unless that file exists.
std::optional<std::filesystem::path> translateWindowsPath(const std::filesystem::path& prefix,
                                                          std::string_view windowsPath);

// The prefix the Windows client would be installed in: $WINEPREFIX, else ~/.wine.
std::optional<std::filesystem::path> defaultWinePrefix();

}  // namespace miro
