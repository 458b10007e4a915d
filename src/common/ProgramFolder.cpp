#include "common/ProgramFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "common/FileNames.h"

namespace miro {

namespace {

std::optional<std::string> environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

bool writableFolder(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

}  // namespace

ProgramFolder::ProgramFolder(std::filesystem::path folder, Source source)
    : folder_(std::move(folder)), source_(source) {}

std::filesystem::path ProgramFolder::file(std::string_view name) const { return resolveIgnoringCase(folder_, name); }

Status ProgramFolder::prepare() const {
  std::error_code ec;
  if (std::filesystem::is_directory(folder_, ec)) return Status::success();
  std::filesystem::create_directories(folder_, ec);
  if (ec) return Status::failure("Cannot create the program folder " + folder_.string() + ": " + ec.message());
  return Status::success();
}

std::string_view describe(ProgramFolder::Source source) {
  switch (source) {
    case ProgramFolder::Source::HomeOption: return "--home";
    case ProgramFolder::Source::Environment: return "MIROLANE2_HOME";
    case ProgramFolder::Source::Executable: return "the executable's folder";
    case ProgramFolder::Source::UserConfig: return "the user's configuration folder";
  }
  return "";
}

ProgramFolder locateProgramFolder(const ProgramFolderInputs& inputs) {
  using Source = ProgramFolder::Source;
  if (inputs.homeOption) return {std::filesystem::absolute(*inputs.homeOption), Source::HomeOption};
  if (inputs.homeVariable) return {std::filesystem::absolute(*inputs.homeVariable), Source::Environment};

  const std::filesystem::path executableFolder = inputs.executable.parent_path();
  if (!executableFolder.empty() && inputs.writable(executableFolder)) return {executableFolder, Source::Executable};

  std::filesystem::path config;
  if (inputs.xdgConfigHome) config = *inputs.xdgConfigHome;
  else if (inputs.userHome) config = std::filesystem::path(*inputs.userHome) / ".config";
  else config = executableFolder;
  return {config / "mirolane2", Source::UserConfig};
}

ProgramFolder locateProgramFolder(std::optional<std::filesystem::path> homeOption) {
  return locateProgramFolder({std::move(homeOption), environment("MIROLANE2_HOME"), runningExecutable(),
                              environment("XDG_CONFIG_HOME"), environment("HOME"), writableFolder});
}

std::filesystem::path runningExecutable() {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return self;
}

}  // namespace miro
