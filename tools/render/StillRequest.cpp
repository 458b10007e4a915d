#include "StillRequest.h"

#include <optional>

#include "common/FileNames.h"
#include "common/Ini.h"
#include "compose/Catalogue.h"
#include "compose/Speech.h"

namespace miro::render {

namespace {

// A number in 0..last, or nothing.
std::optional<int> numberIn(const std::string& text, int last) {
  const auto value = parseIniInteger(text);
  if (!value || *value < 0 || *value > last) return std::nullopt;
  return *value;
}

std::optional<int> partSlotByName(const std::string& name) {
  if (const auto number = numberIn(name, kPartSlots); number && *number >= 1) return number;
  for (int s = 1; s <= kPartSlots; ++s) {
    if (equalsIgnoringCase(partSlot(s).outfitSection, name)) return s;
  }
  return std::nullopt;
}

bool splitAssignment(const std::string& text, std::string& left, std::string& right) {
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) return false;
  left = text.substr(0, equals);
  right = text.substr(equals + 1);
  return true;
}

bool setEffect(Effects& effects, const std::string& name) {
  const std::pair<const char*, bool Effects::*> names[] = {
      {"shadow", &Effects::showShadow}, {"shadow-only", &Effects::shadowOnly}, {"hiding", &Effects::hiding},
      {"silhouette", &Effects::silhouette}, {"ghost", &Effects::ghost},      {"mask-speech", &Effects::maskSpeech}};
  for (const auto& [effect, member] : names) {
    if (name == effect) {
      effects.*member = true;
      return true;
    }
  }
  return false;
}

// RRGGBB (a leading '#' allowed) -> the 0x00BBGGRR of the settings.
std::optional<std::uint32_t> colourOf(std::string text) {
  if (text.starts_with('#')) text.erase(0, 1);
  if (text.size() != 6) return std::nullopt;
  const auto rgb = parseIniInteger("0x" + text);
  if (!rgb) return std::nullopt;
  return swapRedBlue(static_cast<std::uint32_t>(*rgb));
}

class Parser {
 public:
  Parser(const Options& options, int mountItems, const Outfit& base) : options_(options), mountItems_(mountItems) {
    request_.outfit = base;
  }

  StillRequest parse() {
    number(options_.body, "--body", static_cast<int>(bodyItems().size()) - 1, request_.outfit.body);
    number(options_.mount, "--mount", mountItems_ - 1, request_.outfit.mount);
    number(options_.motion, "--motion", kMotions - 1, request_.view.motion);
    number(options_.direction, "--direction", 7, request_.view.direction);
    number(options_.frame, "--frame", 0x7FFF, request_.view.frame);
    for (const auto& part : options_.parts) parsePart(part);
    for (const auto& hue : options_.hues) parseHue(hue);
    for (const auto& text : options_.speech) speechText(text);
    for (const auto& text : options_.speechFonts) speechFont(text);
    for (const auto& text : options_.speechPlaces) speechPlace(text);
    for (const auto& text : options_.speechUnicode) {
      if (const auto line = lineNumber(text, "--speech-unicode")) lineOf(*line).unicodeColour = true;
    }
    for (const auto& text : options_.priorities) priority(text);
    paperdollOptions();
    for (const auto& effect : options_.effects) {
      if (!setEffect(request_.view.effects, effect)) fail("--effect: unknown effect: " + effect);
    }
    if (options_.background) {
      const auto colour = colourOf(*options_.background);
      if (colour) request_.view.backgroundColour = *colour;
      else fail("--background: not a colour RRGGBB: " + *options_.background);
      request_.backgroundGiven = true;
    }
    return request_;
  }

 private:
  void fail(std::string message) {
    if (request_.error.empty()) request_.error = std::move(message);
  }

  void number(const std::optional<std::string>& text, const char* name, int last, int& target) {
    if (!text) return;
    if (const auto value = numberIn(*text, last)) target = *value;
    else fail(std::string(name) + ": not a number from 0 to " + std::to_string(last) + ": " + *text);
  }

  void parsePart(const std::string& text) {
    std::string slotText, indexText;
    if (!splitAssignment(text, slotText, indexText)) return fail("--part: not SLOT=INDEX: " + text);
    const auto slot = partSlotByName(slotText);
    if (!slot) return fail("--part: no part slot " + slotText + " (1-22 or Back, Hair, ... Right2)");
    const int last = static_cast<int>(partItems(*slot).size()) - 1;
    const auto index = numberIn(indexText, last);
    if (!index) return fail("--part: " + slotText + " has items 0 to " + std::to_string(last) + ", not " + indexText);
    request_.outfit.parts[static_cast<std::size_t>(*slot)] = *index;
  }

  void parseHue(const std::string& text) {
    std::string slotText, hueText;
    if (!splitAssignment(text, slotText, hueText)) return fail("--hue: not SLOT=HUE: " + text);
    const auto slot = numberIn(slotText, kColourSlots - 1);
    if (!slot) return fail("--hue: no colour slot " + slotText + " (0-28)");
    const auto hue = parseIniInteger(hueText);
    if (!hue) return fail("--hue: not a hue number: " + hueText);
    request_.outfit.colours[static_cast<std::size_t>(*slot)] = *hue;
  }

  SpeechLine& lineOf(int line) { return request_.outfit.speech[static_cast<std::size_t>(line - 1)]; }

  std::optional<int> lineNumber(const std::string& text, const char* option) {
    const auto line = numberIn(text, 3);
    if (!line || *line < 1) fail(std::string(option) + ": no speech line " + text + " (1-3)");
    return line && *line >= 1 ? line : std::nullopt;
  }

  void speechText(const std::string& text) {
    std::string lineText, words;
    if (!splitAssignment(text, lineText, words)) return fail("--speech: not N=TEXT: " + text);
    const auto line = lineNumber(lineText, "--speech");
    if (!line) return;
    if (words.size() > 80) return fail("--speech: line " + lineText + " is longer than 80 characters");
    lineOf(*line).text = words;
  }

  void speechFont(const std::string& text) {
    std::string lineText, fontText;
    if (!splitAssignment(text, lineText, fontText)) return fail("--speech-font: not N=F: " + text);
    const auto line = lineNumber(lineText, "--speech-font");
    const auto font = numberIn(fontText, 9);
    if (!font) return fail("--speech-font: no font " + fontText + " (0-9)");
    if (line) lineOf(*line).font = *font;
  }

  void speechPlace(const std::string& text) {
    std::string lineText, place;
    if (!splitAssignment(text, lineText, place)) return fail("--speech-place: not N=X,Y: " + text);
    const auto line = lineNumber(lineText, "--speech-place");
    const std::size_t comma = place.find(',');
    const std::string x = place.substr(0, comma);
    const std::string y = comma == std::string::npos ? "" : place.substr(comma + 1);
    if (!decimalField(x) || !decimalField(y)) return fail("--speech-place: not two decimal numbers X,Y: " + place);
    if (line) {
      lineOf(*line).shiftX = x;
      lineOf(*line).shiftY = y;
    }
  }

  void priority(const std::string& text) {
    std::string slotText, values;
    if (!splitAssignment(text, slotText, values)) return fail("--priority: not SLOT=2D,PD: " + text);
    const auto slot = partSlotByName(slotText);
    if (!slot) return fail("--priority: no part slot " + slotText);
    const std::size_t comma = values.find(',');
    const auto twoD = numberIn(values.substr(0, comma), 32);
    const auto pd = comma == std::string::npos ? std::nullopt : numberIn(values.substr(comma + 1), 32);
    if (!twoD || !pd || *twoD < 1 || *pd < 1) return fail("--priority: not two priorities 1-32: " + values);
    request_.priorities.push_back({*slot, {*twoD, *pd}});
  }

  void paperdollOptions() {
    if (options_.view != "2d" && options_.view != "pd") fail("--view: not 2d or pd: " + options_.view);
    request_.paperdoll = options_.view == "pd";
    PaperdollView& pd = request_.pd;
    if (options_.pdEmulation) {
      const std::string& owner = *options_.pdEmulation;
      if (owner != "own" && owner != "other") fail("--pd-emulation: not own or other: " + owner);
      pd.emulation = true;
      pd.frame.ownCharacter = owner != "other";
    }
    if (options_.pdExtras) pdExtras(*options_.pdExtras);
    if (options_.pdString) {
      if (options_.pdString->size() > 80) fail("--pd-string: longer than 80 characters");
      pd.pdString = *options_.pdString;
    }
    if (options_.pdStringFont) number(options_.pdStringFont, "--pd-string-font", 9, pd.pdStringFont);
    if (options_.pdStringPlace) {
      const std::string& place = *options_.pdStringPlace;
      const std::size_t comma = place.find(',');
      const std::string x = place.substr(0, comma);
      const std::string y = comma == std::string::npos ? "" : place.substr(comma + 1);
      if (!decimalField(x) || !decimalField(y)) return fail("--pd-string-place: not two decimal numbers X,Y: " + place);
      pd.pdStringLeft = x;
      pd.pdStringTop = y;
    }
  }

  void pdExtras(const std::string& list) {
    std::size_t start = 0;
    while (start <= list.size()) {
      const std::size_t comma = std::min(list.find(',', start), list.size());
      const std::string name = list.substr(start, comma - start);
      FrameOptions& f = request_.pd.frame;
      if (name == "backpack") f.backpack = true;
      else if (name == "profile") f.profileScroll = true;
      else if (name == "party") f.partyScroll = true;
      else if (name == "book") f.moveBook = true;
      else if (name == "buttons") f.buttons = true;
      else return fail("--pd-extra: unknown picture " + name + " (backpack, profile, party, book, buttons)");
      start = comma + 1;
    }
  }

  const Options& options_;
  int mountItems_;
  StillRequest request_;
};

}  // namespace

StillRequest parseStillRequest(const Options& options, int mountItems, const Outfit& base) {
  return Parser(options, mountItems, base).parse();
}

void applyPriorities(const StillRequest& request, Priorities& priorities) {
  for (const auto& [slot, values] : request.priorities) {
    priorities.twoD[static_cast<std::size_t>(slot)] = values.first;
    priorities.pd[static_cast<std::size_t>(slot)] = values.second;
  }
}

}  // namespace miro::render
