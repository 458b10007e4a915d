#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Limits.h"
#include "common/ProgramFolder.h"
#include "common/Reporter.h"
#include "data/HueTable.h"

namespace miro {

inline constexpr std::string_view kUserColoursFileName = "add_colors.txt";

// One family of the user's own hues: first .. first + count - 1.
struct UserColour {
  std::string name;
  std::int16_t firstHue = 0;
  std::int32_t count = 0;  // positive

  HueId lastHue() const { return HueId{firstHue} + count - 1; }
  bool operator==(const UserColour&) const = default;
};

// The "User color template" list of the colour selector: item i shows entries[i].name.
struct UserColourList {
  std::vector<UserColour> entries;
  int selectedItem = -1;  // -1: no item selected

  // Selects `item`; one outside the list leaves no item selected.
  void select(int item);
  const UserColour* selected() const;
};

// Reads add_colors.txt, one entry a line: "name,first hue,count", decimal numbers, the first
// hue kept as a signed 16-bit number (40000 is -25536). Lines starting with "#" or ";" and
// empty lines are skipped; lines are numbered from 1, skipped ones included. A line without
// two commas, with a number that is not a decimal integer, with a count of 0 or less or with
// more than 254 characters is reported ("3Error is found atline.") and left out; a comment is
// skipped whatever its length. After the 125th entry the reading stops with a message. A file
// that cannot be read gives an empty list and no message.
UserColourList loadUserColours(const ProgramFolder& home, Reporter& reporter);

// The same from the file's text; LF and CR LF both end a line, and so does the end of the text.
UserColourList parseUserColours(std::string_view text, Reporter& reporter);

}  // namespace miro
