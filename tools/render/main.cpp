// mirolane2-render: draws characters from the client data files without the window.
#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <string>

#include "RenderJob.h"

namespace {

// Options whose presence matters, kept as text and checked by the job.
void optionalText(CLI::App& app, const char* name, std::optional<std::string>& target, const char* what,
                  const char* type) {
  app.add_option_function<std::string>(name, [&target](const std::string& v) { target = v; }, what)->type_name(type);
}

void optionalPath(CLI::App& app, const char* name, std::optional<std::filesystem::path>& target, const char* what,
                  const char* type) {
  app.add_option_function<std::string>(name, [&target](const std::string& v) { target = v; }, what)->type_name(type);
}

}  // namespace

int main(int argc, char** argv) {
  miro::render::Options o;
  CLI::App app{"Draws Ultima Online characters from the game client's data files, without the window."};
  app.name("mirolane2-render");

  optionalPath(app, "--home", o.home, "Program folder (MIRO2.CFG and the other own files)", "DIR");
  optionalPath(app, "--data", o.data, "Client data folder to use, ignoring MIRO2.CFG", "DIR");
  optionalText(app, "--offset", o.offset, "Data offset (default: OFFSET of MIRO2.CFG)", "N");
  app.add_flag("--info", o.info, "Print what the program loads at start-up, one fact a line");

  optionalText(app, "--body", o.body, "Body 0-5: male, female, savage male, savage female, none male, none female", "N");
  app.add_option("--part", o.parts, "Item of a part slot: SLOT is 1-22 or its name (Back, Hair, F_Hair, ..., Right2)")
      ->type_name("SLOT=INDEX");
  app.add_option("--hue", o.hues, "Hue of a colour slot 0-28 (0 body, 1-22 parts, 23 mount, 25-27 speech)")
      ->type_name("SLOT=HUE");
  optionalText(app, "--mount", o.mount, "Item of the mount list (0 none)", "N");
  optionalText(app, "--motion", o.motion, "Motion 0-39 (4 Stand)", "N");
  optionalText(app, "--direction", o.direction, "Direction 0-7", "D");
  optionalText(app, "--frame", o.frame, "Frame of the motion, from 0", "F");
  app.add_option("--effect", o.effects, "shadow, shadow-only, hiding, silhouette, ghost, mask-speech")->type_name("NAME");
  optionalText(app, "--background", o.background, "Background colour (default: BGColor of MIRO2.ini, white)", "RRGGBB");
  optionalPath(app, "--background-picture", o.backgroundPicture, "BMP or PNG picture behind the character", "FILE");
  app.add_option("--speech", o.speech, "Text of speech line N (1-3), at most 80 characters; ~ starts a new line")
      ->type_name("N=TEXT");
  app.add_option("--speech-font", o.speechFonts, "Font 0-9 of speech line N (default 3)")->type_name("N=F");
  app.add_option("--speech-place", o.speechPlaces, "Pen position of speech line N in the picture")->type_name("N=X,Y");
  app.add_option("--speech-unicode", o.speechUnicode, "Brighter glyphs for speech line N")->type_name("N");
  app.add_flag("--describe-speech", o.describeSpeech, "Print each speech line's centring (X=) and name place (Y=)");
  app.add_option("--priority", o.priorities, "Draw priorities 1-32 of a part slot in the 2D and PD views")
      ->type_name("SLOT=2D,PD");
  app.add_option("--view", o.view, "2d (the walking figure, the default) or pd (the paperdoll)")->type_name("VIEW");
  app.add_option_function<std::string>(
         "--pd-emulation", [&o](const std::string& v) { o.pdEmulation = v.empty() ? "own" : v; },
         "Draw the paperdoll inside the paperdoll window of your own (default) or another character")
      ->expected(0, 1)
      ->type_name("[own|other]");
  optionalText(app, "--pd-extra", o.pdExtras, "Pictures on the window: backpack,profile,party,book,buttons", "LIST");
  optionalText(app, "--pd-string", o.pdString, "The text line of the paperdoll window; ~ starts a new line", "TEXT");
  optionalText(app, "--pd-string-font", o.pdStringFont, "Font 0-9 of the paperdoll text (default 1)", "N");
  optionalText(app, "--pd-string-place", o.pdStringPlace, "Where the paperdoll text begins (default 39,257)", "X,Y");
  optionalPath(app, "--outfit", o.outfit, "Start from this outfit (.uc2 or UOC); the options change it", "FILE");
  optionalPath(app, "--save-outfit", o.saveOutfit, "Write the outfit in effect as .uc2", "FILE");
  app.add_option("--describe-hue", o.describeHues, "Print hues with their names, one a line")->type_name("H");
  app.add_flag("--colours", o.colours, "Print the user colour list of add_colors.txt");
  app.add_flag("--trim", o.trim, "Cut the picture to the character (its content)");
  optionalText(app, "--trim-rect", o.trimRect, "Cut the picture to a rectangle", "L,T,W,H");
  optionalText(app, "--animated", o.animated, "With --frames: also one animated file a direction", "gif|webp");
  app.add_flag("--sheet", o.sheet, "With --frames: also a sprite sheet of all frames and its JSON");
  optionalText(app, "--delay", o.delay, "Delay between frames of the animated files (default 100)", "MS");
  optionalPath(app, "--batch", o.batch, "Draw many outfits: a list of outfit files, or a folder of .uc2/.uoc", "FILE|DIR");
  optionalPath(app, "--out-dir", o.outDir, "Where --batch writes, a picture (or frame set) named after each outfit", "DIR");
  optionalText(app, "--jobs", o.jobs, "Workers of --batch (default: every core)", "N");
  app.add_option("--format", o.format,
                 "bmp (24-bit, the default), png8 (palette, background transparent), gif, png (full colour)")
      ->type_name("FORMAT");
  optionalText(app, "--frames", o.frames, "Write the frame set of the motion in the current direction (default) or "
               "in 5 or 8 directions; -o gives the base name", "default|5|8");
  app.add_option("--anim-trim", o.animTrim, "How --trim cuts frames: common (one box), each, rect (--trim-rect)")
      ->type_name("MODE");
  optionalPath(app, "-o,--output", o.output, "The picture to write", "FILE");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e, std::cout, std::cerr);
    return miro::render::kBadArguments;
  }
  return miro::render::run(o, std::cout, std::cerr);
}
