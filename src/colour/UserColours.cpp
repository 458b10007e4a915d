#include "colour/UserColours.h"

#include <charconv>
#include <optional>
#include <utility>

#include "common/FileIo.h"
#include "common/Strings.h"

namespace miro {
namespace {

constexpr int kErrorFoundAt = 1068;
constexpr int kCaption = 1069;
constexpr int kTooMany = 1070;
constexpr int kLineWord = 1072;

void showError(Reporter& reporter, std::string text) {
  reporter.show({std::move(text), std::string(strings::text(kCaption)), MessageIcon::Error, MessageButtons::Ok, {}});
}

void reportLine(Reporter& reporter, int lineNumber) {
  showError(reporter, std::to_string(lineNumber) + std::string(strings::text(kErrorFoundAt)) +
                          std::string(strings::text(kLineWord)));
}

std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A decimal integer with an optional sign, blanks around it allowed.
std::optional<std::int32_t> decimal(std::string_view field) {
  field = trimBlanks(field);
  if (!field.empty() && field.front() == '+') field.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

std::optional<UserColour> parseEntry(std::string_view line) {
  if (line.size() > limits::kUserColourLine) return std::nullopt;
  const auto firstComma = line.find(',');
  if (firstComma == std::string_view::npos) return std::nullopt;
  const auto secondComma = line.find(',', firstComma + 1);
  if (secondComma == std::string_view::npos) return std::nullopt;
  const auto first = decimal(line.substr(firstComma + 1, secondComma - firstComma - 1));
  const auto count = decimal(line.substr(secondComma + 1));
  if (!first || !count || *count <= 0) return std::nullopt;
  // The first hue keeps its low 16 bits, read as a signed number.
  const auto firstHue = static_cast<std::int16_t>(static_cast<std::uint16_t>(*first));
  return UserColour{std::string(line.substr(0, firstComma)), firstHue, *count};
}

bool skipped(std::string_view line) { return line.empty() || line.front() == '#' || line.front() == ';'; }

// The next line of `text` without its line break; advances `text` past it.
std::string_view nextLine(std::string_view& text) {
  const auto end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

void UserColourList::select(int item) {
  selectedItem = item >= 0 && static_cast<std::size_t>(item) < entries.size() ? item : -1;
}

const UserColour* UserColourList::selected() const {
  return selectedItem < 0 ? nullptr : &entries[static_cast<std::size_t>(selectedItem)];
}

UserColourList parseUserColours(std::string_view text, Reporter& reporter) {
  UserColourList list;
  for (int lineNumber = 1; !text.empty(); ++lineNumber) {
    const std::string_view line = nextLine(text);
    if (skipped(line)) continue;
    auto entry = parseEntry(line);
    if (!entry) {
      reportLine(reporter, lineNumber);
      continue;
    }
    list.entries.push_back(std::move(*entry));
    if (list.entries.size() == limits::kUserColours) {
      showError(reporter, std::string(strings::text(kTooMany)));
      break;
    }
  }
  return list;
}

UserColourList loadUserColours(const ProgramFolder& home, Reporter& reporter) {
  std::string text;
  if (!readWholeFile(home.file(kUserColoursFileName), text)) return {};
  return parseUserColours(text, reporter);
}

}  // namespace miro
