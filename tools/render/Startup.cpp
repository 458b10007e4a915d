#include "Startup.h"

#include <ostream>
#include <system_error>

#include "common/Ini.h"

namespace miro::render {

// The data folder and offset from the options, else from MIRO2.CFG; never writes MIRO2.CFG.
std::optional<StartupFacts> loadConfiguration(const Options& options, const ProgramFolder& home, std::ostream& err) {
  StartupFacts facts;
  if (options.data) {
    std::error_code ec;
    if (!std::filesystem::is_directory(*options.data, ec)) {
      err << kProgram << ": --data: no such folder: " << options.data->string() << '\n';
      return std::nullopt;
    }
    facts.config.folder = DataFolder(options.data->string());
    facts.folderSource = "--data";
  }

  const ConfigFileRead read = loadDataConfig(home);
  if (!options.data) {
    if (!read.status) {
      err << kProgram << ": " << read.status.message() << '\n';
      return std::nullopt;
    }
    if (!read.config) {
      err << kProgram << ": no data folder: " << read.file.string()
          << " is missing or has no UO_PATH under [PATH].\n"
          << "Give the client data folder with --data DIR, or start mirolane2 once to set it up.\n";
      return std::nullopt;
    }
    facts.config.folder = read.config->folder;
    facts.folderSource = read.file.string();
  }

  if (options.offset) {
    const auto offset = parseIniInteger(*options.offset);
    if (!offset) {
      err << kProgram << ": --offset: not a number: " << *options.offset << '\n';
      return std::nullopt;
    }
    facts.config.offset = *offset;
    facts.offsetSource = "--offset";
  } else if (read.config) {
    facts.config.offset = read.config->offset;
    facts.offsetSource = read.file.string();
  } else {
    facts.offsetSource = "default";
  }
  return facts;
}

void loadClientData(const ProgramFolder& home, const DataConfig& config, Reporter& reporter, ClientData& data,
                    std::ostream& err) {
  data.lookup = loadAnimLookup(home, config.folder, config.offset, data.files, reporter);
  if (data.lookup.source == LookupSource::Scan) {
    if (!data.lookup.cacheWritten) err << kProgram << ": " << data.lookup.cacheWritten.message() << '\n';
    if (const Status remembered = rememberDataOffset(home, config.offset); !remembered) {
      err << kProgram << ": " << remembered.message() << '\n';
    }
  }
  data.hues.load(config.folder, data.files, reporter);
  data.fonts.load(config.folder, data.files, reporter);
}

int statusAfterErrors(const ConsoleReporter& reporter, std::ostream& err) {
  if (reporter.errorCount() == 0) return kDone;
  err << kProgram << ": " << reporter.errorCount() << (reporter.errorCount() == 1 ? " error" : " errors")
      << " above; what could be read was used\n";
  return kWorkFailed;
}

}  // namespace miro::render
