#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace miro::render {

inline constexpr int kDone = 0;
inline constexpr int kWorkFailed = 1;
inline constexpr int kBadArguments = 2;

// The options as given on the command line; run() checks them.
struct Options {
  std::optional<std::filesystem::path> home;
  std::optional<std::filesystem::path> data;
  std::optional<std::string> offset;
  bool info = false;

  std::optional<std::string> body;
  std::vector<std::string> parts;  // SLOT=INDEX
  std::vector<std::string> hues;   // SLOT=HUE
  std::optional<std::string> mount;
  std::optional<std::string> motion;
  std::optional<std::string> direction;
  std::optional<std::string> frame;
  std::vector<std::string> effects;
  std::optional<std::string> background;  // RRGGBB
  std::optional<std::filesystem::path> backgroundPicture;
  std::vector<std::string> speech;         // N=TEXT
  std::vector<std::string> speechFonts;    // N=F
  std::vector<std::string> speechPlaces;   // N=X,Y
  std::vector<std::string> speechUnicode;  // N
  bool describeSpeech = false;
  std::vector<std::string> priorities;     // SLOT=2D,PD
  std::string view = "2d";
  std::optional<std::string> pdEmulation;  // "own" or "other"
  std::optional<std::string> pdExtras;     // backpack,profile,party,book,buttons
  std::optional<std::string> pdString;
  std::optional<std::string> pdStringFont;
  std::optional<std::string> pdStringPlace;  // X,Y
  std::optional<std::filesystem::path> outfit;      // .uc2 or UOC to start from
  std::optional<std::filesystem::path> saveOutfit;  // .uc2 to write
  std::vector<std::string> describeHues;
  bool colours = false;
  bool trim = false;
  std::optional<std::string> trimRect;  // L,T,W,H
  std::optional<std::string> frames;  // default, 5 or 8: a frame set instead of a still
  std::string animTrim = "common";     // common, each or rect
  std::optional<std::string> delay;                  // ms between frames of animated files
  std::optional<std::string> animated;               // gif or webp
  bool sheet = false;
  std::optional<std::filesystem::path> batch;        // a list of outfit files, or a folder of them
  std::optional<std::filesystem::path> outDir;       // where a batch writes
  std::optional<std::string> jobs;                   // workers of a batch; every core by default
  std::string format = "bmp";
  std::optional<std::filesystem::path> output;
};

// Runs one job of the command-line renderer; the result is the exit status.
int run(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace miro::render
