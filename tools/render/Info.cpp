#include <ostream>

#include "Startup.h"
#include "data/GumpStore.h"

namespace miro::render {

namespace {

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

}  // namespace

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

}  // namespace miro::render
