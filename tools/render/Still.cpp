#include "Still.h"

#include <ostream>

#include "StillRequest.h"
#include "common/Ini.h"
#include "common/LayerStack.h"
#include "compose/Playback.h"
#include "data/FrameDecoder.h"
#include "files/BmpFile.h"
#include "files/PictureFile.h"
#include "files/PngFile.h"

namespace miro::render {

namespace {

// The mount list as the program builds it: the designed items, then the expansion mounts.
int mountListSize(const DataFolder& data) {
  return static_cast<int>(designMountItems().size() + expansionMountNames(data).size());
}

std::uint32_t settingsBackground(const ProgramFolder& home) {
  Ini settings;
  if (!settings.load(home.file(kSettingsFileName))) return 0xFFFFFF;
  return static_cast<std::uint32_t>(settings.readInteger("Option", "BGColor", 0xFFFFFF)) & 0xFFFFFF;
}

Status writeStill(const Options& options, const Bitmap32& picture) {
  if (options.format == "png") return writePng24(*options.output, picture);
  return writeBmp24(*options.output, picture);
}

}  // namespace

std::optional<std::string> checkStillOptions(const Options& options) {
  if (options.format != "bmp" && options.format != "png") return "--format: not bmp or png: " + options.format;
  if (!options.output) return "-o FILE: where to write the picture is missing";
  return std::nullopt;
}

int renderStill(const Options& options, const ProgramFolder& home, const StartupFacts& facts, std::ostream& err) {
  StillRequest request = parseStillRequest(options, mountListSize(facts.config.folder));
  if (!request.error.empty()) {
    err << kProgram << ": " << request.error << '\n';
    return kBadArguments;
  }
  if (!request.backgroundGiven) request.view.backgroundColour = settingsBackground(home);
  if (options.backgroundPicture) {
    const Status read = readPicture(*options.backgroundPicture, request.view.backgroundPicture);
    if (!read) {
      err << kProgram << ": --background-picture: " << read.message() << '\n';
      return kBadArguments;
    }
    request.view.backgroundPicture.resize(270, 240);
    request.view.superimpose = true;
  }

  ConsoleReporter reporter(err, kProgram);
  ClientData data;
  loadClientData(home, facts.config, reporter, data, err);
  const Priorities priorities = loadPriorities(home);

  LayerStack layers(270, 240);
  FrameDecoder decoder(data.files, facts.config.folder, reporter);
  Composer2D composer(layers, data.lookup.lookup, data.hues, decoder);
  const int wanted = request.view.frame;
  const StillResult still = composeStill(composer, request.outfit, priorities, request.view);
  if (still.clamped) {
    err << kProgram << ": frame " << wanted << " is beyond the motion's frames (0 to " << request.view.frameMax
        << "); drawing frame " << request.view.frame << '\n';
  }

  const Status written = writeStill(options, layers[0]);
  if (!written) {
    err << kProgram << ": " << written.message() << '\n';
    return kWorkFailed;
  }
  return kDone;
}

}  // namespace miro::render
