#include <optional>

#include "common/FileIo.h"
#include "common/Ini.h"
#include "common/Limits.h"
#include "common/TextEncoding.h"
#include "common/Utf8.h"
#include "files/OutfitFile.h"

namespace miro {

namespace {


// At most `limit` characters of legacy or UTF-8 text, as UTF-8.
std::string textOf(std::string_view raw, std::size_t limit) {
  const std::string utf8 = legacyTextToUtf8(raw);
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && characters++ == limit) return utf8.substr(0, i);
  }
  return utf8;
}

class Placer {
 public:
  Placer(Outfit& outfit, OutfitLoad& load, int mountItems) : outfit_(outfit), load_(load), mountItems_(mountItems) {}

  void index(int& target, long long value, int items) {
    if (value >= 0 && value < items) target = static_cast<int>(value);
    else ++load_.outOfRange;
  }
  void body(long long value) { index(outfit_.body, value, static_cast<int>(bodyItems().size())); }
  void part(int slot, long long value) { index(outfit_.parts[static_cast<std::size_t>(slot)], value, partSlot(slot).items); }
  void mount(long long value) { index(outfit_.mount, value, mountItems_); }
  void font(int line, long long value) { index(speech(line).font, value, 10); }
  void colour(int slot, HueId hue) { outfit_.colours[static_cast<std::size_t>(slot)] = hue; }
  SpeechLine& speech(int line) { return outfit_.speech[static_cast<std::size_t>(line - 1)]; }

 private:
  Outfit& outfit_;
  OutfitLoad& load_;
  int mountItems_;
};

void readUc2(const Ini& ini, Placer& place, Outfit& outfit) {
  const auto integer = [&](std::string_view section, std::string_view key, long long current) {
    return ini.readInteger(section, key, static_cast<std::int32_t>(current));
  };
  place.body(integer("Body", "Parts", outfit.body));
  place.colour(0, integer("Body", "Color", outfit.colour(0)));
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    const std::string_view name = partSlot(slot).outfitSection;
    place.part(slot, integer(name, "Parts", outfit.part(slot)));
    place.colour(slot, integer(name, "Color", outfit.colour(slot)));
  }
  place.mount(integer("Mount", "Kind", outfit.mount));
  place.colour(kMountColourSlot, integer("Mount", "Color", outfit.colour(kMountColourSlot)));
  for (int n = 1; n <= 3; ++n) {
    const std::string section = "String" + std::to_string(n);
    SpeechLine& line = place.speech(n);
    if (const auto text = ini.value(section, "Str")) line.text = textOf(*text, limits::kOutfitTextCharacters);
    place.font(n, integer(section, "Font", line.font));
    place.colour(23 + n, integer(section, "Color", outfit.colour(23 + n)));
    line.unicodeColour = ini.readBool(section, "Unicode", line.unicodeColour);
    if (const auto x = ini.value(section, "X")) line.shiftX = textOf(*x, limits::kOutfitTextCharacters);
    if (const auto y = ini.value(section, "Y")) line.shiftY = textOf(*y, limits::kOutfitTextCharacters);
  }
}

// The lines of a UOC file, without their line ends.
class UocLines {
 public:
  explicit UocLines(std::string_view bytes) : rest_(bytes) {}
  std::optional<std::string_view> next() {
    if (rest_.empty()) return std::nullopt;
    const std::size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
  }

 private:
  std::string_view rest_;
};

std::optional<long long> decimal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto value = parseIniInteger(text);
  if (!value || text.find_first_not_of("-+0123456789") != std::string_view::npos) return std::nullopt;
  return *value;
}

struct ColourLine {
  long long slot;
  long long part;
  HueId hue;
};

// "slot,part,"HHHH"", the hue one to four hexadecimal digits between double quotes.
std::optional<ColourLine> colourLine(std::string_view line) {
  const std::size_t first = line.find(',');
  const std::size_t second = first == std::string_view::npos ? first : line.find(',', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto slot = decimal(line.substr(0, first));
  const auto part = decimal(line.substr(first + 1, second - first - 1));
  const std::string_view hue = line.substr(second + 1);
  if (!slot || !part || hue.size() < 3 || hue.size() > 6 || hue.front() != '"' || hue.back() != '"') return std::nullopt;
  const auto value = parseIniInteger("0x" + std::string(hue.substr(1, hue.size() - 2)));
  if (!value) return std::nullopt;
  return ColourLine{*slot, *part, *value};
}

// The number of records read.
int readUoc(std::string_view bytes, Placer& place) {
  UocLines lines(bytes);
  int records = 0;
  while (const auto line = lines.next()) {
    const auto record = colourLine(*line);
    if (!record) return records;
    ++records;
    const long long slot = record->slot;
    if (slot == 0) {
      place.body(record->part);
      place.colour(0, record->hue);
    } else if (slot >= 1 && slot <= kPartSlots) {
      place.part(static_cast<int>(slot), record->part);
      place.colour(static_cast<int>(slot), record->hue);
    } else if (slot >= 23 && slot <= 25) {
      const int n = static_cast<int>(slot) - 22;
      place.font(n, record->part);
      place.colour(static_cast<int>(slot) + 1, record->hue);
      const auto shifts = lines.next();
      const auto flag = lines.next();
      const auto text = lines.next();
      SpeechLine& speech = place.speech(n);
      if (shifts) {
        const std::size_t comma = shifts->find(',');
        const auto x = decimal(shifts->substr(0, comma));
        const auto y = comma == std::string_view::npos ? std::nullopt : decimal(shifts->substr(comma + 1));
        if (x && y) {
          speech.shiftX = std::to_string(*x);
          speech.shiftY = std::to_string(*y);
        }
      }
      if (flag) speech.unicodeColour = decimal(*flag).value_or(0) != 0;
      if (text) speech.text = textOf(*text, limits::kUocTextCharacters);
    } else if (slot == 26) {
      place.mount(record->part);
      place.colour(kMountColourSlot, record->hue);
    }
  }
  return records;
}

}  // namespace

OutfitLoad loadOutfit(const std::filesystem::path& file, Outfit& outfit, Reporter& reporter, int mountItems) {
  OutfitLoad load;
  std::string bytes;
  if (!readWholeFile(file, bytes, limits::kOutfitFileBytes)) {
    reporter.error("Failed to open files.");
    return load;
  }
  Outfit result = outfit;
  Placer place(result, load, mountItems);
  if (bytes.starts_with("[Format]")) {
    const Ini ini = Ini::fromText(bytes);
    if (ini.readInteger("Format", "Revision", 0) != 1) {
      reporter.error("Format Revision Error.");
      return load;
    }
    readUc2(ini, place, result);
  } else {
    load.format = OutfitFormat::Uoc;
    load.uocRecords = readUoc(bytes, place);
  }
  outfit = result;
  load.loaded = true;
  load.fileName = file.filename().string();
  load.folder = file.parent_path();
  const std::size_t dot = load.fileName.rfind('.');
  load.base = dot == std::string::npos || dot == 0 ? load.fileName : load.fileName.substr(0, dot);
  return load;
}

}  // namespace miro
