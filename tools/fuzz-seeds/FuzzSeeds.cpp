// mirolane2-fuzz-seeds DIR: writes the starting corpus of every fuzz target, DIR/TARGET/NAME,
// from the same writers the tests use for the client's files and the program's own files.
#include <filesystem>
#include <iostream>
#include <string>

#include "ClientGen.h"
#include "FuzzInput.h"
#include "common/FileIo.h"
#include "common/Ini.h"
#include "data/AnimLookupLoad.h"
#include "data/GumpStore.h"
#include "files/BmpFile.h"
#include "files/OutfitFile.h"
#include "files/Palette.h"
#include "files/PngFile.h"

namespace {

using namespace miro;
namespace gen = miro::clientgen;

const std::string kFileBreak(fuzz::kFileBreak);
std::filesystem::path root;
bool failed = false;

void seed(const std::string& target, const std::string& name, const std::string& bytes) {
  std::error_code ec;
  std::filesystem::create_directories(root / target, ec);
  if (const Status written = writeFileAtomically(root / target / name, bytes); !written) {
    std::cerr << written.message() << "\n";
    failed = true;
  }
}

gen::IndexedFrame frame(int width, int height, int shift) {
  gen::IndexedFrame f(width, height, width / 2, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) f.at(x, y) = (x + y + shift) % 7 == 0 ? gen::IndexedFrame::kEmpty : (x * 3 + y) % 256;
  return f;
}

gen::AnimGroup group() {
  gen::AnimGroup g;
  for (int i = 0; i < 256; ++i) g.palette[static_cast<std::size_t>(i)] = gen::colour15(i % 32, (i / 8) % 32, 31 - i % 32);
  g.frames = {frame(9, 12, 0), frame(3, 40, 1), frame(20, 2, 2)};
  g.frames[1].at(1, 20) = 0;  // a row of its own after 15 empty ones
  for (int y = 3; y < 19; ++y)
    for (int x = 0; x < 3; ++x) g.frames[1].at(x, y) = gen::IndexedFrame::kEmpty;
  return g;
}

void frameSeeds() { seed("frame_fuzz", "three-frames.mul", gen::encodeGroup(group())); }

// 64 control bytes (outfit, view, six group positions), then ANIM.MUL with two groups.
std::string composeInput(int motion, int direction, int effects, bool mounted) {
  std::string controls(64, '\0');
  for (std::size_t slot = 2; slot <= 23; ++slot) controls[slot] = static_cast<char>(slot % 3);
  controls[1] = mounted ? 2 : 0;
  controls[24] = 7;
  controls[33] = static_cast<char>(motion);
  controls[34] = static_cast<char>(direction);
  controls[35] = 1;
  controls[36] = static_cast<char>(effects);
  const std::string first = gen::encodeGroup(group());
  const auto second = static_cast<std::uint32_t>(first.size());
  for (std::size_t n = 0; n < 6; ++n) {
    const std::uint32_t at = n % 3 == 0 ? 0 : n % 3 == 1 ? second : 0x80000000u;  // the last: no animation
    for (std::size_t b = 0; b < 4; ++b) controls[40 + 4 * n + b] = static_cast<char>(at >> (8 * b));
  }
  return controls + first + gen::encodeGroup(group());
}

void composeSeeds() {
  seed("compose_fuzz", "standing", composeInput(4, 0, 1, false));
  seed("compose_fuzz", "riding-mirrored", composeInput(23, 3, 0, true));
  seed("compose_fuzz", "sitting-ghost", composeInput(35, 2, 16 | 4, false));
  seed("compose_fuzz", "silhouette-shadow-only", composeInput(0, 7, 8 | 2 | 1, true));
}

// Index files with all three kinds of empty record between groups.
std::string indexFile(int records, int seedValue) {
  std::vector<gen::IndexRecord> index;
  for (int r = 0; r < records; ++r) {
    switch ((r * 7 + seedValue) % 5) {
      case 0: index.push_back({-1, 0, 0}); break;
      case 1: index.push_back({r * 100, 0, 0}); break;
      case 2: index.push_back({-1, 500, 0}); break;
      default: index.push_back({r * 100 + 8, 1200, 0});
    }
  }
  return gen::encodeIndex(index);
}

void animIndexSeeds() {
  seed("anim_index_fuzz", "one-index", std::string(1, '\0') + indexFile(400, 0));
  seed("anim_index_fuzz", "four-indexes-offset-2",
       std::string(1, '\2') + indexFile(300, 1) + kFileBreak + indexFile(40, 2) + kFileBreak + indexFile(90, 3) +
           kFileBreak + indexFile(20, 4));
  seed("anim_index_fuzz", "offset-minus-3", std::string(1, '\xFD') + indexFile(120, 2));
  const AnimLookup scanned = buildAnimLookup({asBytes(indexFile(600, 0)), {}, {}, {}}, 0);
  seed("anim_index_fuzz", "lookup-cache", encodeLookupCache(scanned));
}

void hueSeeds() {
  std::vector<gen::HueEntry> entries(12);
  for (std::size_t e = 0; e < entries.size(); ++e) {
    for (int c = 0; c < 32; ++c) entries[e].colours[static_cast<std::size_t>(c)] = gen::colour15(c, static_cast<int>(e), 31 - c);
    entries[e].tableStart = entries[e].colours[0];
    entries[e].tableEnd = entries[e].colours[31];
    entries[e].name = "hue " + std::to_string(e);
  }
  const std::string hues = gen::encodeHues(entries);
  seed("hue_fuzz", "two-blocks.mul", hues);
  seed("hue_fuzz", "partial-block.mul", hues.substr(0, hues.size() - 300));
}

gen::Font font(int tallest) {
  gen::Font f(224);
  for (int g = 0; g < 224; g += 5) {
    const int width = 1 + g % 7;
    const int height = 1 + g % tallest;
    f[static_cast<std::size_t>(g)] = {width, height, std::vector<std::uint16_t>(static_cast<std::size_t>(width * height))};
    for (std::size_t p = 0; p < f[static_cast<std::size_t>(g)].pixels.size(); p += 2)
      f[static_cast<std::size_t>(g)].pixels[p] = gen::colour15(20, 20, static_cast<int>(p % 32));
  }
  return f;
}

void fontSeeds() {
  std::vector<gen::Font> fonts;
  for (int f = 0; f < 10; ++f) fonts.push_back(font(3 + f));
  const std::string file = gen::encodeFonts(fonts);
  seed("font_fuzz", "ten-fonts.mul", file);
  seed("font_fuzz", "short.mul", file.substr(0, file.size() / 3));
}

gen::GumpImage gumpImage(int width, int height) {
  gen::GumpImage image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.at(x, y) = (x / 3 + y) % 4 == 0 ? 0 : gen::colour15(x % 32, y % 32, 9);
  return image;
}

void gumpSeeds() {
  gen::GumpFileWriter mul;
  mul.add(0, gumpImage(10, 6));
  mul.add(3, gumpImage(30, 20));
  mul.add(7, gumpImage(2, 40));
  seed("gump_fuzz", "mul", std::string(1, '\0') + mul.index() + kFileBreak + mul.art());
  const std::vector<gen::UopFile> files = {{uopGumpName(0), gen::uopGumpData(gumpImage(10, 6)), 0},
                                           {uopGumpName(1), gen::uopGumpData(gumpImage(12, 9)), 1},
                                           {uopGumpName(2), gen::uopGumpData(gumpImage(4, 4)), 3},
                                           {uopGumpName(5), gen::uopGumpData(gumpImage(25, 3)), 0}};
  seed("gump_fuzz", "uop", std::string(1, '\1') + gen::encodeUop(files, 3));
}

void iniSeeds() {
  Ini cfg;
  cfg.writeString("PATH", "UO_PATH", "/home/player/.wine/drive_c/Ultima Online");
  cfg.writeInteger("PATH", "OFFSET", -3);
  seed("ini_fuzz", "miro2cfg.ini", cfg.text());
  Ini attributes;
  for (int slot = 1; slot <= 22; ++slot) attributes.writeInteger("2D", std::to_string(slot), 23 - slot);
  attributes.writeString("PD", "5", " 12 ");
  seed("ini_fuzz", "miro2attr.ini", "\xEF\xBB\xBF" + attributes.text() + "; comment\r\nno equals sign\r\n[unclosed\r\n");
}

Outfit dressedOutfit() {
  Outfit outfit;
  outfit.body = 1;
  outfit.mount = 4;
  for (int slot = 1; slot <= kPartSlots; slot += 3) {
    outfit.parts[static_cast<std::size_t>(slot)] = slot % 5 + 1;
    outfit.colours[static_cast<std::size_t>(slot)] = slot * 37;
  }
  outfit.colours[kMountColourSlot] = 0x4001;
  outfit.speech[0] = {"Hello there", 3, false, "10", "-4"};
  outfit.speech[1] = {"\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF~again", 5, true, "0", "200"};
  return outfit;
}

void outfitSeeds() {
  seed("outfit_fuzz", "dressed.uc2", encodeOutfit(dressedOutfit()));
  seed("outfit_fuzz", "reset.uc2", encodeOutfit(Outfit{}));
  seed("outfit_fuzz", "records.uoc",
       "2,3,\"44E\"\r\n23,5,\"0021\"\r\n12,-3\r\n1\r\nHello there, friend\r\n25,7,\"3\"\r\n0,0\r\n0\r\n\r\n"
       "30,1,\"1\"\r\n0,1,\"3EA\"\r\nnot a record\r\n6,2,\"1\"\r\n23,3,\"0\"\r\n0,0\r\n0\r\n\x82\xA0\x82\xA2 ok\r\n");
}

void userColourSeeds() {
  seed("user_colours_fuzz", "add_colors.txt",
       "# name,first hue,count\r\n;another comment\r\nBlaze,1161,1\r\nShadow blues,1301,8\n\nNegative,40000,3\n"
       "bad line\nzero,5,0\nLast,3000,2");
}

void wineSeeds() {
  seed("wine_registry_fuzz", "system.reg",
       "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n"
       "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1600000000\n"
       "#time=1d6\n\"ExePath\"=\"C:\\\\Program Files\\\\Ultima Online\\\\client.exe\"\n"
       "\"Other\"=dword:00000001\n\"Escaped\"=\"\\x41\\u00e9\\\"quote\\\"\"\n\n"
       "[Software\\\\Wow6432Node\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1600000001\n"
       "\"ExePath\"=\"D:\\\\UO\\\\client.exe\"\n");
}

Bitmap32 picture(int width, int height) {
  Bitmap32 p(width, height, 0xFFFFFF);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.setPixel(x, y, static_cast<std::uint32_t>((x * 40) << 16 | (y * 30) << 8 | ((x + y) % 2) * 255));
  return p;
}

void pictureSeeds() {
  seed("picture_fuzz", "small.bmp", encodeBmp24(picture(5, 3)));
  seed("picture_fuzz", "small.png", encodePng24(picture(6, 4)));
  seed("picture_fuzz", "indexed.png", encodePngIndexed(toIndexed(picture(4, 4), 0xFFFFFF)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: mirolane2-fuzz-seeds DIR\n";
    return 2;
  }
  root = argv[1];
  frameSeeds();
  composeSeeds();
  animIndexSeeds();
  hueSeeds();
  fontSeeds();
  gumpSeeds();
  iniSeeds();
  outfitSeeds();
  userColourSeeds();
  wineSeeds();
  pictureSeeds();
  return failed ? 1 : 0;
}
