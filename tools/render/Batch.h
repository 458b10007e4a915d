#pragma once

#include <filesystem>
#include <iosfwd>
#include <vector>

#include "Startup.h"

namespace miro::render {

// The outfits of --batch: the files a list names (one a line), or every .uc2 and .uoc file of
// a folder, in name order.
std::vector<std::filesystem::path> batchOutfits(const std::filesystem::path& source, std::ostream& err, bool& ok);

// Draws every outfit with the same options into --out-dir, named after the outfit, on as many
// workers as --jobs asks (every core by default).
int renderBatch(const Options& options, const ProgramFolder& home, const StartupFacts& facts, std::ostream& out,
                std::ostream& err);

}  // namespace miro::render
