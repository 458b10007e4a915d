#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Status.h"

namespace miro {

// An optional sign, then decimal digits, or hexadecimal digits after "0x", "0X" or "$".
// Anything else, or a number outside 32 bits, is no integer.
std::optional<std::int32_t> parseIniInteger(std::string_view text);

// An INI file with the rules of the Windows profile functions: section and key names match
// without regard to case, the first matching section and key win, blanks around keys and
// values are trimmed and one pair of enclosing quotes is removed on reading, ";" starts a
// comment line. Writes change only the lines they concern; the text is written with CR LF.
class Ini {
 public:
  Ini() = default;
  static Ini fromText(std::string_view text);

  // A missing file reads as an empty one; an unreadable one is a failure.
  Status load(const std::filesystem::path& file);
  // Written atomically: on failure the old file stays as it was.
  Status save(const std::filesystem::path& file) const;
  std::string text() const;

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
  std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
  bool readBool(std::string_view section, std::string_view key, bool fallback) const;
  bool hasSection(std::string_view section) const;
  std::vector<std::string> keys(std::string_view section) const;

  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
  void writeBool(std::string_view section, std::string_view key, bool value);
  void deleteKey(std::string_view section, std::string_view key);
  void eraseSection(std::string_view section);

 private:
  enum class Kind { Other, Section, Entry };
  struct Line {
    std::string text;
    Kind kind = Kind::Other;
    std::string name;   // section name or key, trimmed
    std::string value;  // trimmed, enclosing quotes removed
  };
  static Line parseLine(std::string text);

  std::optional<std::size_t> findSection(std::string_view section) const;
  std::size_t sectionEnd(std::size_t header) const;
  std::optional<std::size_t> findEntry(std::size_t header, std::string_view key) const;

  std::vector<Line> lines_;
};

}  // namespace miro
