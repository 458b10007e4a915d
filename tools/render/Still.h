#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "Startup.h"

namespace miro::render {

// What is wrong with the options of a still before anything is loaded, if anything.
std::optional<std::string> checkStillOptions(const Options& options);

// Composes the still the options describe and writes it.
int renderStill(const Options& options, const ProgramFolder& home, const StartupFacts& facts, std::ostream& out,
                std::ostream& err);

}  // namespace miro::render
