#include "data/WineRegistry.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "common/FileNames.h"
#include "common/Limits.h"

namespace miro {

namespace {

void appendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

char controlEscape(char c) {
  switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'e': return '\x1b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    default: return c;  // \\ and \" and anything unknown stand for themselves
  }
}

// Reads an escaped text from `s` up to the unescaped `end` character; the position after it
// is left in `pos`. Nothing when `end` never comes.
std::optional<std::string> readEscaped(std::string_view s, std::size_t& pos, char end) {
  std::string out;
  while (pos < s.size()) {
    const char c = s[pos++];
    if (c == end) return out;
    if (c != '\\' || pos == s.size()) {
      out += c;
      continue;
    }
    const char e = s[pos++];
    if (e == 'x') {
      unsigned code = 0;
      int digits = 0;
      for (; digits < 4 && pos < s.size() && hexDigit(s[pos]) >= 0; ++digits) {
        code = code * 16 + static_cast<unsigned>(hexDigit(s[pos++]));
      }
      appendUtf8(out, code);
    } else if (e >= '0' && e <= '7') {
      unsigned code = static_cast<unsigned>(e - '0');
      for (int digits = 1; digits < 3 && pos < s.size() && s[pos] >= '0' && s[pos] <= '7'; ++digits) {
        code = code * 8 + static_cast<unsigned>(s[pos++] - '0');
      }
      appendUtf8(out, code);
    } else {
      out += controlEscape(e);
    }
  }
  return std::nullopt;
}

std::string_view withoutLeadingBackslashes(std::string_view key) {
  while (key.starts_with('\\')) key.remove_prefix(1);
  return key;
}

// "[Software\\Origin...\\1.0] 1700000000": the key, unescaped.
std::optional<std::string> keyOfHeader(std::string_view line) {
  std::size_t pos = 1;
  return readEscaped(line, pos, ']');
}

// "\"ExePath\"=\"C:\\\\...\"": the value when the line names `value` and holds a plain string.
std::optional<std::string> stringValue(std::string_view line, std::string_view value) {
  std::size_t pos = 1;
  const auto name = readEscaped(line, pos, '"');
  if (!name || !equalsIgnoringCase(*name, value)) return std::nullopt;
  if (line.substr(pos, 2) != "=\"") return std::nullopt;
  pos += 2;
  return readEscaped(line, pos, '"');
}

// The next line without its line break (LF or CR LF). A line longer than the limit is read to
// its end and given as empty, so that no damaged file makes us hold it whole.
bool readLine(std::istream& registry, std::string& line) {
  line.clear();
  std::streambuf& in = *registry.rdbuf();
  bool readAny = false;
  bool tooLong = false;
  for (auto c = in.sbumpc(); c != std::char_traits<char>::eof(); c = in.sbumpc()) {
    readAny = true;
    if (c == '\n') break;
    if (line.size() == limits::kRegistryLineBytes) tooLong = true;
    else line += static_cast<char>(c);
  }
  if (tooLong) line.clear();
  if (line.ends_with('\r')) line.pop_back();
  return readAny;
}

}  // namespace

std::optional<std::string> readWineRegistryString(std::istream& registry, std::string_view key,
                                                  std::string_view value) {
  std::string line;
  if (!readLine(registry, line)) return std::nullopt;
  if (line != "WINE REGISTRY Version 2") return std::nullopt;

  const std::string_view wanted = withoutLeadingBackslashes(key);
  bool inKey = false;
  while (readLine(registry, line)) {
    if (line.starts_with('[')) {
      const auto header = keyOfHeader(line);
      inKey = header && equalsIgnoringCase(withoutLeadingBackslashes(*header), wanted);
    } else if (inKey && line.starts_with('"')) {
      if (auto found = stringValue(line, value)) return found;
    }
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> translateWindowsPath(const std::filesystem::path& prefix,
                                                          std::string_view windowsPath) {
  if (windowsPath.size() < 3 || windowsPath[1] != ':' || (windowsPath[2] != '\\' && windowsPath[2] != '/')) {
    return std::nullopt;
  }
  const char drive = windowsPath[0];
  if (!((drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z'))) return std::nullopt;

  std::filesystem::path current = prefix / "dosdevices";
  auto found = findIgnoringCase(current, std::string(1, drive) + ":");
  std::string_view rest = windowsPath.substr(3);
  while (found && !rest.empty()) {
    current = *found;
    const std::size_t separator = rest.find_first_of("\\/");
    const std::string_view part = rest.substr(0, separator);
    rest.remove_prefix(separator == std::string_view::npos ? rest.size() : separator + 1);
    if (part.empty() || part == ".") continue;
    found = part == ".." ? std::optional(current.parent_path()) : findIgnoringCase(current, part);
  }
  std::error_code ec;
  if (!found || !std::filesystem::is_regular_file(*found, ec)) return std::nullopt;
  return found;
}

std::optional<std::filesystem::path> defaultWinePrefix() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) {
    return std::filesystem::absolute(prefix);
  }
  if (const char* home = std::getenv("HOME"); home && *home) return std::filesystem::path(home) / ".wine";
  return std::nullopt;
}

}  // namespace miro
