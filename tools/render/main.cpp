// mirolane2-render: draws characters from the client data files without the window.
#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <string>

#include "RenderJob.h"

int main(int argc, char** argv) {
  miro::render::Options options;
  CLI::App app{"Draws Ultima Online characters from the game client's data files, without the window."};
  app.name("mirolane2-render");

  std::string home;
  std::string data;
  std::string offset;
  auto* homeOption = app.add_option("--home", home, "Program folder (MIRO2.CFG and the other own files)");
  auto* dataOption = app.add_option("--data", data, "Client data folder to use, ignoring MIRO2.CFG");
  auto* offsetOption = app.add_option("--offset", offset, "Data offset (default: OFFSET of MIRO2.CFG)");
  app.add_flag("--info", options.info, "Print what the program loads at start-up, one fact a line");
  homeOption->type_name("DIR");
  dataOption->type_name("DIR");
  offsetOption->type_name("N");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e, std::cout, std::cerr);
    return miro::render::kBadArguments;
  }
  if (*homeOption) options.home = home;
  if (*dataOption) options.data = data;
  if (*offsetOption) options.offset = offset;
  return miro::render::run(options, std::cout, std::cerr);
}
