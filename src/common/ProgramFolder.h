#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/Status.h"

namespace miro {

// Where the program keeps its own files (MIRO2.CFG, MIRO2.ini, add_colors.txt, ...).
class ProgramFolder {
 public:
  enum class Source { HomeOption, Environment, Executable, UserConfig };

  ProgramFolder(std::filesystem::path folder, Source source);

  const std::filesystem::path& path() const { return folder_; }
  Source source() const { return source_; }

  // The program's file `name`, matched without regard to case (MIRO2.CFG is miro2.cfg).
  std::filesystem::path file(std::string_view name) const;
  // Creates the folder when it does not exist yet.
  Status prepare() const;

 private:
  std::filesystem::path folder_;
  Source source_;
};

std::string_view describe(ProgramFolder::Source source);

struct ProgramFolderInputs {
  std::optional<std::filesystem::path> homeOption;  // --home DIR
  std::optional<std::string> homeVariable;          // MIROLANE2_HOME
  std::filesystem::path executable;                 // the running program
  std::optional<std::string> xdgConfigHome;         // XDG_CONFIG_HOME
  std::optional<std::string> userHome;              // HOME
  std::function<bool(const std::filesystem::path&)> writable;
};

// --home, then MIROLANE2_HOME, then the executable's folder when it is writable, else
// $XDG_CONFIG_HOME/mirolane2 (~/.config/mirolane2).
ProgramFolder locateProgramFolder(const ProgramFolderInputs& inputs);

// The same, from this process's environment and executable.
ProgramFolder locateProgramFolder(std::optional<std::filesystem::path> homeOption);

std::filesystem::path runningExecutable();

}  // namespace miro
