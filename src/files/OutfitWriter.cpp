#include <system_error>

#include "common/FileIo.h"
#include "files/OutfitFile.h"

namespace miro {

namespace {

// A key=value line; a line break in a text would split the line.
void put(std::string& out, std::string_view key, std::string_view value) {
  out += key;
  out += '=';
  for (const char c : value) out += (c == '\r' || c == '\n') ? ' ' : c;
  out += "\r\n";
}

void put(std::string& out, std::string_view key, long long value) { put(out, key, std::to_string(value)); }

void section(std::string& out, std::string_view name) {
  out += '[';
  out += name;
  out += "]\r\n";
}

}  // namespace

std::string encodeOutfit(const Outfit& outfit) {
  std::string out;
  section(out, "Format");
  put(out, "Revision", 1);
  put(out, "Generator", "Mirolane 2");
  section(out, "Body");
  put(out, "Parts", outfit.body);
  put(out, "Color", outfit.colour(0));
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    section(out, partSlot(slot).outfitSection);
    put(out, "Parts", outfit.part(slot));
    put(out, "Color", outfit.colour(slot));
  }
  section(out, "Mount");
  put(out, "Kind", outfit.mount);
  put(out, "Color", outfit.colour(kMountColourSlot));
  for (int n = 1; n <= 3; ++n) {
    const SpeechLine& line = outfit.speech[static_cast<std::size_t>(n - 1)];
    section(out, "String" + std::to_string(n));
    put(out, "Str", line.text);
    put(out, "Font", line.font);
    put(out, "Color", outfit.colour(23 + n));  // the file keeps slot 23 + n; line n is drawn with 24 + n
    put(out, "Unicode", line.unicodeColour ? 1 : 0);
    put(out, "X", line.shiftX);
    put(out, "Y", line.shiftY);
  }
  return out;
}

std::string outfitBase(const std::string& chosen) {
  const std::size_t slash = chosen.rfind('/');
  const std::size_t dot = chosen.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return chosen;
  return chosen.substr(0, dot);
}

OutfitSave saveOutfit(const std::string& base, const Outfit& outfit, Reporter& reporter) {
  OutfitSave save;
  const std::filesystem::path file = base + ".uc2";
  std::error_code ec;
  if (std::filesystem::exists(file, ec) &&
      reporter.ask("The file already exists. Overwrite?", MessageButtons::YesNo) != Answer::Yes) {
    save.declined = true;
    return save;
  }
  save.status = writeFileAtomically(file, encodeOutfit(outfit));
  if (!save.status) {
    reporter.error(save.status.message());
    return save;
  }
  save.fileName = file.filename().string();
  save.pictureName = std::filesystem::path(base).filename().string();
  return save;
}

}  // namespace miro
