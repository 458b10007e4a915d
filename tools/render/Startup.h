#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "RenderJob.h"
#include "common/ProgramFolder.h"
#include "common/Reporter.h"
#include "data/AnimLookupLoad.h"
#include "data/DataFileCache.h"
#include "data/DataFolderSetup.h"
#include "data/FontStore.h"
#include "data/HueTable.h"

namespace miro::render {

inline constexpr const char* kProgram = "mirolane2-render";

struct StartupFacts {
  DataConfig config;
  std::string folderSource;
  std::string offsetSource;
};

// The data folder and offset from the options, else from MIRO2.CFG; never writes MIRO2.CFG.
std::optional<StartupFacts> loadConfiguration(const Options& options, const ProgramFolder& home, std::ostream& err);

// What the program loads from the client files at start-up.
struct ClientData {
  DataFileCache files;
  LookupLoad lookup;
  HueTable hues;
  FontStore fonts;
};

// The lookup (from the cache, or scanned and cached, recording the offset in MIRO2.ini), the
// hues and the fonts.
void loadClientData(const ProgramFolder& home, const DataConfig& config, Reporter& reporter, ClientData& data,
                    std::ostream& err);

// kWorkFailed, with a closing line, when errors were shown (a damaged or missing client file):
// the work did what it could, but not all of it.
int statusAfterErrors(const ConsoleReporter& reporter, std::ostream& err);

void printInfo(const ProgramFolder& home, const StartupFacts& facts, ClientData& data, Reporter& reporter,
               std::ostream& out);

}  // namespace miro::render
