#include "Still.h"

#include <ostream>

#include "StillRequest.h"
#include "common/Ini.h"
#include "common/LayerStack.h"
#include "compose/Playback.h"
#include "compose/Speech.h"
#include "compose/Paperdoll.h"
#include "data/FrameDecoder.h"
#include "data/GumpStore.h"
#include "files/BmpFile.h"
#include "files/OutfitFile.h"
#include "files/PictureFile.h"
#include "files/PngFile.h"
#include "files/AnimatedFile.h"
#include "files/FrameSet.h"
#include "files/PictureWriter.h"
#include "files/Trimming.h"

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

// The file of a still: -o with the format's extension when it has none.
std::filesystem::path stillFile(const Options& options) {
  std::filesystem::path file = *options.output;
  if (!file.has_extension()) file += std::string(extensionOf(*pictureFormatOfName(options.format)));
  return file;
}

// Each line's centring and name-place labels, as the speech panel shows them.
void describeSpeech(const Outfit& outfit, const SpeechOverlay& speech, std::ostream& out) {
  for (int line = 0; line < 3; ++line) {
    const SpeechLabels& labels = speech.labels[static_cast<std::size_t>(line)];
    out << "speech line " << line + 1 << ":";
    if (outfit.speech[static_cast<std::size_t>(line)].text.empty()) out << " empty";
    if (labels.horizontal) out << ' ' << *labels.horizontal;
    if (labels.vertical) out << ' ' << *labels.vertical;
    out << '\n';
  }
}

// The manual rectangle of --trim-rect: four decimal numbers.
std::optional<Rect> trimRectangle(const std::string& text) {
  int values[4];
  std::size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t comma = i < 3 ? text.find(',', start) : text.size();
    if (comma == std::string::npos) return std::nullopt;
    const auto value = decimalField(text.substr(start, comma - start));
    if (!value) return std::nullopt;
    values[i] = *value;
    start = comma + 1;
  }
  if (values[0] < 0 || values[1] < 0 || values[2] < 1 || values[3] < 1) return std::nullopt;
  return Rect{values[0], values[1], values[0] + values[2], values[1] + values[3]};
}

// The picture as written: trimmed to its content or to the rectangle when asked.
Bitmap32 trimmed(const Options& options, const Bitmap32& composite, std::uint32_t empty, std::ostream& err) {
  Bitmap32 picture = composite;
  if (options.trimRect) {
    trimToRectangle(picture, *trimRectangle(*options.trimRect), composite.width(), composite.height());
  } else if (options.trim && !trimToContent(picture, composite.width(), composite.height(), empty)) {
    err << kProgram << ": Nothing to trim: the picture is written whole.\n";
  }
  return picture;
}

int finish(const Options& options, const Bitmap32& composite, std::uint32_t empty, std::uint32_t background,
           std::ostream& err) {
  const Bitmap32 picture = trimmed(options, composite, empty, err);
  const Status written = writePicture(stillFile(options), picture, *pictureFormatOfName(options.format), background);
  if (!written) {
    err << kProgram << ": " << written.message() << '\n';
    return kWorkFailed;
  }
  return kDone;
}

int writeFrameSet(const Options& options, Composer2D& composer, StillRequest& request, const Priorities& priorities,
                  std::ostream& err) {
  FrameSetOptions set;
  set.directions = *options.frames == "8" ? DirectionSet::EightWays
                   : *options.frames == "5" ? DirectionSet::FiveWays
                                            : DirectionSet::Default;
  set.format = *pictureFormatOfName(options.format);
  set.background = swapRedBlue(request.view.backgroundColour);
  set.trimming = options.trim || options.trimRect || options.animTrim != "common";
  set.eachToContent = options.animTrim == "each";
  set.manual = options.animTrim == "rect" || options.trimRect;
  if (options.trimRect) set.manualRectangle = *trimRectangle(*options.trimRect);
  if (options.animated) {
    set.animated = *options.animated == "gif" ? FrameSetOptions::Animated::Gif : FrameSetOptions::Animated::Webp;
  }
  set.sheet = options.sheet;
  if (options.delay) set.delayMs = *decimalField(*options.delay);
  const std::filesystem::path output = *options.output;
  const std::filesystem::path folder = output.parent_path().empty() ? "." : output.parent_path();
  const FrameSetResult result = exportFrameSet(
      composer, request.outfit, priorities, request.view, folder, outfitBase(output.filename().string()), set,
      [&err](std::string_view status, const FrameSetDirection& way) {
        if (status == "Saving animation date...") {
          err << kProgram << ": writing the frames" << (way.suffix.empty() ? "" : " of ") << way.suffix << '\n';
        }
      });
  if (!result.status) {
    err << kProgram << ": " << result.status.message() << '\n';
    return kWorkFailed;
  }
  err << kProgram << ": " << result.files.size() << " frames written\n";
  return kDone;
}

}  // namespace

std::optional<std::string> checkStillOptions(const Options& options) {
  if (!pictureFormatOfName(options.format)) return "--format: not bmp, png8, gif or png: " + options.format;
  if (options.frames && *options.frames != "default" && *options.frames != "5" && *options.frames != "8") {
    return "--frames: not default, 5 or 8: " + *options.frames;
  }
  if (options.animTrim != "common" && options.animTrim != "each" && options.animTrim != "rect") {
    return "--anim-trim: not common, each or rect: " + options.animTrim;
  }
  if (options.animTrim == "rect" && !options.trimRect) return "--anim-trim rect: give the rectangle with --trim-rect";
  if (options.frames && options.view != "2d") return "--frames: frame sets are of the 2D view only";
  if (options.animated && *options.animated != "gif" && *options.animated != "webp") {
    return "--animated: not gif or webp: " + *options.animated;
  }
  if ((options.animated || options.sheet || options.delay) && !options.frames) {
    return "--animated, --sheet and --delay go with --frames";
  }
  if (options.delay) {
    const auto delay = decimalField(*options.delay);
    if (!delay || *delay < 0 || *delay > kMaxAnimationDelayMs) return "--delay: not a number of milliseconds: " + *options.delay;
  }
  if (!options.output && !options.saveOutfit) return "-o FILE: where to write the picture is missing";
  if (options.trimRect) {
    const auto rect = trimRectangle(*options.trimRect);
    if (!rect) return "--trim-rect: not L,T,W,H with a width and height of 1 or more: " + *options.trimRect;
    if (rect->left >= 270 || rect->top >= 240) return "--trim-rect: the rectangle lies outside the picture";
  }
  return std::nullopt;
}

namespace {

// The outfit named by --outfit; false (with the file named) when it holds none.
bool loadGivenOutfit(const std::filesystem::path& file, Outfit& outfit, int mountItems, Reporter& reporter,
                     std::ostream& err) {
  const OutfitLoad load = loadOutfit(file, outfit, reporter, mountItems);
  if (!load.loaded) {
    err << kProgram << ": " << file.string() << ": the outfit cannot be read\n";
    return false;
  }
  std::error_code ec;
  const bool empty = std::filesystem::file_size(file, ec) == 0;
  if (load.format == OutfitFormat::Uoc && load.uocRecords == 0 && !empty) {
    err << kProgram << ": " << file.string() << ": no outfit in it\n";
    return false;
  }
  if (load.outOfRange > 0) {
    err << kProgram << ": " << file.string() << ": " << load.outOfRange << " item numbers beyond their lists were left at 0\n";
  }
  return true;
}

int drawStill(const Options& options, const ProgramFolder& home, const StartupFacts& facts, std::ostream& out,
              std::ostream& err, Reporter& reporter) {
  const int mountItems = mountListSize(facts.config.folder);
  Outfit base;
  if (options.outfit && !loadGivenOutfit(*options.outfit, base, mountItems, reporter, err)) return kWorkFailed;
  StillRequest request = parseStillRequest(options, mountItems, base);
  if (!request.error.empty()) {
    err << kProgram << ": " << request.error << '\n';
    return kBadArguments;
  }
  if (!request.backgroundGiven) request.view.backgroundColour = settingsBackground(home);
  if (options.backgroundPicture) {
    const Status read = readPicture(*options.backgroundPicture, request.view.backgroundPicture);
    if (!read) {
      err << kProgram << ": --background-picture: " << read.message() << '\n';
      return kWorkFailed;
    }
    request.view.backgroundPicture.resize(270, 240);
    request.view.superimpose = true;
  }

  if (options.saveOutfit) {
    const OutfitSave save = saveOutfit(outfitBase(options.saveOutfit->string()), request.outfit, reporter);
    if (save.declined) err << kProgram << ": " << options.saveOutfit->string() << " is there already; not overwritten\n";
    if (!save.status || save.declined) return kWorkFailed;
    if (!options.output) return kDone;
  }
  ClientData data;
  loadClientData(home, facts.config, reporter, data, err);
  Priorities priorities = loadPriorities(home);
  applyPriorities(request, priorities);

  LayerStack layers(270, 240);
  if (request.paperdoll) {
    GumpStore gumps(data.files, facts.config.folder, reporter);
    PaperdollComposer paperdoll(layers, gumps, data.hues, data.fonts);
    gumps.beginComposition();
    paperdoll.compose(request.outfit, priorities, request.view, request.pd);
    return finish(options, layers[0], 0x000000, swapRedBlue(request.view.backgroundColour), err);
  }
  FrameDecoder decoder(data.files, facts.config.folder, reporter);
  Composer2D composer(layers, data.lookup.lookup, data.hues, decoder);
  const std::unique_ptr<SystemFont> systemFont = SystemFont::openSpeechFont();
  SpeechOverlay speech(data.fonts, data.hues, systemFont.get());
  for (auto& aid : speech.aids) aid = {true, SpeechPlace::Name};
  composer.setSpeechPainter(&speech);
  const int wanted = request.view.frame;
  const StillResult still = composeStill(composer, request.outfit, priorities, request.view);
  if (still.clamped) {
    err << kProgram << ": frame " << wanted << " is beyond the motion's frames (0 to " << request.view.frameMax
        << "); drawing frame " << request.view.frame << '\n';
  }

  if (options.describeSpeech) describeSpeech(request.outfit, speech, out);
  for (const std::string& field : speech.invalidFields) err << kProgram << ": " << field << " is no number; 0 is used\n";
  if (options.frames) return writeFrameSet(options, composer, request, priorities, err);
  const std::uint32_t background = swapRedBlue(request.view.backgroundColour);
  return finish(options, layers[0], background, background, err);
}

}  // namespace

int renderStill(const Options& options, const ProgramFolder& home, const StartupFacts& facts, std::ostream& out,
                std::ostream& err) {
  ConsoleReporter reporter(err, kProgram);
  const int status = drawStill(options, home, facts, out, err, reporter);
  return status == kDone ? statusAfterErrors(reporter, err) : status;
}

}  // namespace miro::render
