#pragma once

#include <filesystem>
#include <string>

#include "common/Reporter.h"
#include "common/Status.h"
#include "compose/Outfit.h"

namespace miro {

// The .uc2 outfit file: sections Format, Body, the 22 part slots by their outfit section names,
// Mount, String1..3, lines ending in CR LF. String n keeps colour slot 23 + n.
std::string encodeOutfit(const Outfit& outfit);

// A chosen file name without its extension: cut at the last "." after the last "/".
std::string outfitBase(const std::string& chosen);

struct OutfitSave {
  Status status = Status::success();
  bool declined = false;   // the file existed and the user would not overwrite it
  std::string fileName;    // "knight.uc2", for the window caption
  std::string pictureName; // "knight", proposed for pictures
};

// SaveOutfit: writes base + ".uc2", asking first when the file exists. The old file stays as it
// was unless the new one is written whole.
OutfitSave saveOutfit(const std::string& base, const Outfit& outfit, Reporter& reporter);

enum class OutfitFormat { Uc2, Uoc };

struct OutfitLoad {
  bool loaded = false;
  OutfitFormat format = OutfitFormat::Uc2;
  std::string fileName;  // with its extension, for the window caption
  std::string base;      // without it, proposed for the save dialogs
  std::filesystem::path folder;
  int outOfRange = 0;    // indices beyond their lists, left as they were
  int uocRecords = 0;    // records read from a UOC file; none means it held no outfit
};

// LoadOutfit: a .uc2 or UOC outfit (told apart by the file's first bytes) into `outfit`, which
// the caller has reset. Keys and records the file does not have leave their values alone.
// `mountItems` is the length of the mount list.
OutfitLoad loadOutfit(const std::filesystem::path& file, Outfit& outfit, Reporter& reporter, int mountItems = 18);

}  // namespace miro
