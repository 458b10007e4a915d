#include "data/DataFolderSetup.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <system_error>

#include "common/FileIo.h"
#include "common/Ini.h"
#include "common/Strings.h"
#include "data/WineRegistry.h"

namespace miro {

namespace {

constexpr int kFirstTimeQuestion = 1058;
constexpr int kConfigCreated = 1075;
constexpr int kOldConfigDeleted = 1077;

constexpr std::string_view kClientKey = "Software\\Origin Worlds Online\\Ultima Online\\1.0";
constexpr std::string_view kClientKey64 = "Software\\Wow6432Node\\Origin Worlds Online\\Ultima Online\\1.0";

bool canOpenForReading(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

std::optional<std::string> askForClientFolder(Reporter& reporter, ClientLocator& locator,
                                              ClientFilePrompter& prompter, bool& abort) {
  std::string folder;
  const Answer answer = reporter.ask(strings::text(kFirstTimeQuestion), MessageButtons::YesNoCancel);
  if (answer == Answer::Cancel) {
    abort = true;
    return std::nullopt;
  }
  if (answer == Answer::Yes) {
    if (const auto exe = locator.clientExecutable()) folder = folderOfFile(exe->string());
  }
  if (folder.empty()) {
    const auto chosen = prompter.chooseClientExe();
    if (!chosen) {
      abort = true;
      return std::nullopt;
    }
    folder = folderOfFile(chosen->string());
  }
  return folder;
}

}  // namespace

WineClientLocator::WineClientLocator(std::optional<std::filesystem::path> prefix) : prefix_(std::move(prefix)) {}

std::optional<std::filesystem::path> WineClientLocator::clientExecutable() {
  if (!prefix_) return std::nullopt;
  for (const std::string_view key : {kClientKey, kClientKey64}) {
    std::ifstream registry(*prefix_ / "system.reg", std::ios::binary);
    if (!registry) return std::nullopt;
    const auto exePath = readWineRegistryString(registry, key, "ExePath");
    if (!exePath) continue;
    if (auto file = translateWindowsPath(*prefix_, *exePath)) return file;
  }
  return std::nullopt;
}

std::string folderOfFile(std::string_view path, char separator) {
  for (std::size_t i = path.size(); i > 1; --i) {
    if (path[i - 1] == separator) return std::string(path.substr(0, i));
  }
  return std::string(path);
}

bool runFirstRunSetup(const ProgramFolder& home, Reporter& reporter, ClientLocator& locator,
                      ClientFilePrompter& prompter, bool& abort) {
  std::error_code ec;
  if (std::filesystem::exists(home.file(kConfigFileName), ec)) return false;

  const auto folder = askForClientFolder(reporter, locator, prompter, abort);
  if (!folder) return false;

  Ini config;
  config.writeString("PATH", "UO_PATH", *folder);
  config.writeString("PATH", "OFFSET", "0");
  Status saved = home.prepare();
  if (saved) saved = config.save(home.file(kConfigFileName));
  if (!saved) {
    reporter.error(saved.message());
    abort = true;
    return false;
  }
  reporter.notice(strings::text(kConfigCreated));
  installUserColourList(home);
  return true;
}

ConfigFileRead loadDataConfig(const ProgramFolder& home) {
  ConfigFileRead read;
  read.file = home.file(kConfigFileName);
  Ini config;
  read.status = config.load(read.file);
  if (!read.status) return read;
  std::string folder = config.readString("PATH", "UO_PATH", "");
  if (folder.empty()) return read;
  read.config = DataConfig{DataFolder(std::move(folder)), config.readInteger("PATH", "OFFSET", 0)};
  return read;
}

std::optional<DataConfig> readConfiguration(const ProgramFolder& home, Reporter& reporter, bool& abort) {
  ConfigFileRead read = loadDataConfig(home);
  if (!read.status) {
    reporter.error(read.status.message());
    abort = true;
    return std::nullopt;
  }
  if (!read.config) {
    reporter.notice(strings::text(kOldConfigDeleted));
    std::error_code ec;
    std::filesystem::remove(read.file, ec);
    if (ec) reporter.error("Cannot delete " + read.file.string() + ": " + ec.message());
    abort = true;
  }
  return read.config;
}

void installUserColourList(const ProgramFolder& home) {
  if (canOpenForReading(home.file(kUserColourList))) return;
  const std::filesystem::path templateFile = home.file(kUserColourTemplate);
  std::string bytes;
  if (!readWholeFile(templateFile, bytes)) return;
  if (!writeFileAtomically(home.file(kUserColourList), bytes)) return;
  std::error_code ec;
  std::filesystem::remove(templateFile, ec);
}

}  // namespace miro
