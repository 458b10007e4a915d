#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/ProgramFolder.h"
#include "common/Reporter.h"
#include "common/Status.h"
#include "data/DataFolder.h"

namespace miro {

inline constexpr std::string_view kConfigFileName = "MIRO2.CFG";
inline constexpr std::string_view kUserColourList = "add_colors.txt";
inline constexpr std::string_view kUserColourTemplate = "_add_colors.txt";

struct DataConfig {
  DataFolder folder;
  std::int32_t offset = 0;
};

// Where the installed game client is, as its registry entry says.
class ClientLocator {
 public:
  virtual ~ClientLocator() = default;
  virtual std::optional<std::filesystem::path> clientExecutable() = 0;
};

// The registry entry of the client in a Wine prefix: ExePath under
// Software\Origin Worlds Online\Ultima Online\1.0, or the same under Wow6432Node.
class WineClientLocator : public ClientLocator {
 public:
  explicit WineClientLocator(std::optional<std::filesystem::path> prefix);
  std::optional<std::filesystem::path> clientExecutable() override;

 private:
  std::optional<std::filesystem::path> prefix_;
};

// Lets the user point at client.exe by hand; nothing when they cancel.
class ClientFilePrompter {
 public:
  virtual ~ClientFilePrompter() = default;
  virtual std::optional<std::filesystem::path> chooseClientExe() = 0;
};

// `path` up to and including its last "/"; the first character is never taken for the
// separator, and a path without one after its first character stays whole.
std::string folderOfFile(std::string_view path, char separator = '/');

// On the first start (no MIRO2.CFG): asks how to find the client, writes MIRO2.CFG and
// installs the user colour list. True when it wrote the file; `abort` is set when the
// user cancelled or the file could not be written.
bool runFirstRunSetup(const ProgramFolder& home, Reporter& reporter, ClientLocator& locator,
                      ClientFilePrompter& prompter, bool& abort);

// MIRO2.CFG as it stands, with no messages and no changes: nothing in `config` when the file
// is missing or its UO_PATH is empty; a failure when it cannot be read.
struct ConfigFileRead {
  std::filesystem::path file;
  Status status = Status::success();
  std::optional<DataConfig> config;
};
ConfigFileRead loadDataConfig(const ProgramFolder& home);

// The start-up read: a missing or empty configuration is reported, deleted, and `abort` set,
// so the next start runs the set-up again.
std::optional<DataConfig> readConfiguration(const ProgramFolder& home, Reporter& reporter, bool& abort);

// Copies _add_colors.txt to add_colors.txt byte for byte and deletes the template, unless
// add_colors.txt is already there. A failed copy changes nothing and is not reported.
void installUserColourList(const ProgramFolder& home);

}  // namespace miro
