#pragma once

// The demo client data folder: art the program draws itself, laid out as the game client's files,
// so that a new user sees a dressed character without the game installed.

#include <filesystem>
#include <string>
#include <vector>

#include "common/Status.h"

namespace miro::demo {

struct DemoFile {
  std::string name;   // as the client names it: "ANIM.MUL", "HUES.MUL", ...
  std::string bytes;
};

// Each generator gives the same bytes on every run.
std::vector<DemoFile> demoAnimations();  // ANIM.IDX .. ANIM4.IDX, ANIM.MUL .. ANIM4.MUL
std::vector<DemoFile> demoHues();        // HUES.MUL
std::vector<DemoFile> demoGumps();       // gumpidx.mul, GUMPART.MUL
std::vector<DemoFile> demoFonts();       // FONTS.MUL

// All of them, written into `folder` (created when missing).
Status writeDemoData(const std::filesystem::path& folder);

}  // namespace miro::demo
