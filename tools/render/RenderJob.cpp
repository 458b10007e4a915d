#include "RenderJob.h"

#include <ostream>
#include <system_error>

#include "common/Ini.h"
#include "common/ProgramFolder.h"
#include "common/Reporter.h"
#include "data/AnimLookupLoad.h"
#include "data/DataFileCache.h"
#include "data/DataFolderSetup.h"
#include "data/FontStore.h"
#include "data/GumpStore.h"
#include "data/HueTable.h"

namespace miro::render {

namespace {

constexpr const char* kProgram = "mirolane2-render";

struct StartupFacts {
  DataConfig config;
  std::string folderSource;
  std::string offsetSource;
};

// The data folder and offset from the options, else from MIRO2.CFG; never writes MIRO2.CFG.
std::optional<StartupFacts> loadConfiguration(const Options& options, const ProgramFolder& home,
                                              std::ostream& err) {
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

// What the program loads from the client files at start-up.
struct ClientData {
  DataFileCache files;
  LookupLoad lookup;
  HueTable hues;
  FontStore fonts;
};

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

std::string_view describe(GumpSource source) {
  switch (source) {
    case GumpSource::Mul: return "gumpidx.mul and GUMPART.MUL";
    case GumpSource::Uop: return "gumpartLegacyMUL.uop";
    case GumpSource::None: break;
  }
  return "none";
}

std::string describeLookup(const ProgramFolder& home, const LookupLoad& lookup) {
  switch (lookup.source) {
    case LookupSource::Cache: return "cache " + home.file(kLookupCacheName).string();
    case LookupSource::None: return "none (no ANIM.IDX)";
    case LookupSource::Scan: break;
  }
  std::string text = "scan of";
  for (const auto& name : lookup.indexFiles) text += " " + name;
  return text;
}

void printInfo(const ProgramFolder& home, const StartupFacts& facts, ClientData& data, Reporter& reporter,
               std::ostream& out) {
  out << "program folder: " << home.path().string() << " (" << describe(home.source()) << ")\n";
  out << "data folder: " << facts.config.folder.text() << " (" << facts.folderSource << ")\n";
  out << "data offset: " << facts.config.offset << " (" << facts.offsetSource << ")\n";
  out << "animation lookup: " << describeLookup(home, data.lookup) << "\n";
  out << "lookup entries without animation: " << data.lookup.lookup.missingCount() << "\n";
  out << "body slots with a female variant: " << data.lookup.lookup.femaleVariantCount() << "\n";
  out << "hue records: " << data.hues.loadedRecords() << "\n";
  GumpStore gumps(data.files, facts.config.folder, reporter);
  const GumpSource source = gumps.source();
  out << "gumps: " << describe(source);
  if (source != GumpSource::None) out << ", " << gumps.count() << " gumps";
  out << "\n";
  for (int font = 0; font < FontStore::kFonts; ++font) {
    out << "font " << font << ": greatest height " << data.fonts.greatestHeight(font) << ", "
        << data.fonts.glyphCount(font) << " glyphs\n";
  }
}

}  // namespace

int run(const Options& options, std::ostream& out, std::ostream& err) {
  if (options.home) {
    std::error_code ec;
    if (!std::filesystem::is_directory(*options.home, ec)) {
      err << kProgram << ": --home: no such folder: " << options.home->string() << '\n';
      return kBadArguments;
    }
  }
  const ProgramFolder home = locateProgramFolder(options.home);
  const auto facts = loadConfiguration(options, home, err);
  if (!facts) return kBadArguments;

  if (!options.info) {
    err << kProgram << ": nothing to do: give --info (see --help)\n";
    return kBadArguments;
  }
  ConsoleReporter reporter(err, kProgram);
  ClientData data;
  loadClientData(home, facts->config, reporter, data, err);
  printInfo(home, *facts, data, reporter, out);
  return kDone;
}

}  // namespace miro::render
