#include "RenderJob.h"

#include <ostream>
#include <system_error>

#include "Startup.h"
#include "Batch.h"
#include "Still.h"
#include "colour/HueNames.h"
#include "colour/UserColours.h"
#include "common/Ini.h"

namespace miro::render {

namespace {

bool wantsStill(const Options& o) {
  return o.output || o.body || o.mount || o.motion || o.direction || o.frame || o.background || o.backgroundPicture ||
         !o.parts.empty() || !o.hues.empty() || !o.effects.empty() || !o.speech.empty() || !o.priorities.empty() ||
         o.describeSpeech || o.view != "2d" || o.pdEmulation || o.pdExtras || o.pdString || o.pdStringFont ||
         o.pdStringPlace || o.outfit || o.saveOutfit || o.frames || o.trim || o.trimRect || o.batch;
}

int describeHues(const std::vector<std::string>& hues, std::ostream& out, std::ostream& err) {
  for (const std::string& text : hues) {
    const auto hue = parseIniInteger(text);
    if (!hue) {
      err << kProgram << ": --describe-hue: not a hue number: " << text << '\n';
      return kBadArguments;
    }
  }
  for (const std::string& text : hues) out << describeHue(*parseIniInteger(text)) << '\n';
  return kDone;
}

int listColours(const ProgramFolder& home, std::ostream& out, std::ostream& err) {
  ConsoleReporter reporter(err, kProgram);
  const UserColourList list = loadUserColours(home, reporter);
  for (const UserColour& colour : list.entries) {
    out << colour.name << ": " << colour.firstHue << " to " << colour.lastHue() << '\n';
  }
  return kDone;
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
  if (!options.describeHues.empty()) return describeHues(options.describeHues, out, err);
  if (options.colours) return listColours(locateProgramFolder(options.home), out, err);
  if (!options.info && !wantsStill(options)) {
    err << kProgram << ": nothing to do: give -o FILE to draw a still, or --info (see --help)\n";
    return kBadArguments;
  }
  if (options.batch && !options.outDir) {
    err << kProgram << ": --batch: give the folder to write into with --out-dir DIR\n";
    return kBadArguments;
  }
  if (options.jobs && (!parseIniInteger(*options.jobs) || *parseIniInteger(*options.jobs) < 1)) {
    err << kProgram << ": --jobs: not a number of 1 or more: " << *options.jobs << '\n';
    return kBadArguments;
  }
  if (options.batch && (options.output || options.outfit)) {
    err << kProgram << ": --batch: names the outfits and their pictures itself; leave out -o and --outfit\n";
    return kBadArguments;
  }
  if (wantsStill(options) && !options.batch) {
    if (const auto problem = checkStillOptions(options)) {
      err << kProgram << ": " << *problem << '\n';
      return kBadArguments;
    }
  }

  const ProgramFolder home = locateProgramFolder(options.home);
  const auto facts = loadConfiguration(options, home, err);
  if (!facts) return kBadArguments;

  if (options.info) {
    ConsoleReporter reporter(err, kProgram);
    ClientData data;
    loadClientData(home, facts->config, reporter, data, err);
    printInfo(home, *facts, data, reporter, out);
    if (!wantsStill(options)) return statusAfterErrors(reporter, err);
  }
  if (options.batch) {
    std::error_code ec;
    if (!std::filesystem::is_directory(*options.outDir, ec)) {
      err << kProgram << ": --out-dir: no such folder: " << options.outDir->string() << '\n';
      return kBadArguments;
    }
    Options check = options;
    check.output = *options.outDir / "check";
    check.batch.reset();
    if (const auto problem = checkStillOptions(check)) {
      err << kProgram << ": " << *problem << '\n';
      return kBadArguments;
    }
    return renderBatch(options, home, *facts, out, err);
  }
  if (wantsStill(options)) return renderStill(options, home, *facts, out, err);
  return kDone;
}

}  // namespace miro::render
