// mirolane2-demo-data DIR: writes a small client data folder whose art the program draws itself.
#include <iostream>

#include "DemoData.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h") {
    std::cerr << "usage: mirolane2-demo-data DIR\n"
                 "Writes demo client data files (animations, hues, gumps, fonts) into DIR.\n";
    return argc == 2 ? 0 : 2;
  }
  const miro::Status written = miro::demo::writeDemoData(argv[1]);
  if (!written) {
    std::cerr << "mirolane2-demo-data: " << written.message() << '\n';
    return 1;
  }
  return 0;
}
