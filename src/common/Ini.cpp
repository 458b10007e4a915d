#include "common/Ini.h"

#include "common/FileIo.h"
#include "common/FileNames.h"

namespace miro {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view unquote(std::string_view s) {
  if (s.size() >= 2 && s.front() == s.back() && (s.front() == '"' || s.front() == '\'')) {
    return s.substr(1, s.size() - 2);
  }
  return s;
}

int digitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

// A line break inside a key or value would split the line in two.
std::string oneLine(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

}  // namespace

std::optional<std::int32_t> parseIniInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with('$')) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;

  // Hexadecimal covers all 32 bits ($FFFFFFFF is -1); decimal stays inside the signed range.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull
                                         : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t magnitude = 0;
  for (char c : text) {
    const int d = digitValue(c, base);
    if (d < 0) return std::nullopt;
    magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    if (magnitude > limit) return std::nullopt;
  }
  auto bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  return static_cast<std::int32_t>(bits);
}

Ini::Line Ini::parseLine(std::string text) {
  Line line;
  const std::string_view body = trim(text);
  if (body.starts_with('[')) {
    const std::size_t close = body.find(']');
    line.kind = Kind::Section;
    line.name = std::string(trim(body.substr(1, close == std::string_view::npos ? body.npos : close - 1)));
  } else if (!body.starts_with(';')) {
    const std::size_t equals = body.find('=');
    if (equals != std::string_view::npos && !trim(body.substr(0, equals)).empty()) {
      line.kind = Kind::Entry;
      line.name = std::string(trim(body.substr(0, equals)));
      line.value = std::string(unquote(trim(body.substr(equals + 1))));
    }
  }
  line.text = std::move(text);
  return line;
}

Ini Ini::fromText(std::string_view text) {
  Ini ini;
  while (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // byte-order marks
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    ini.lines_.push_back(parseLine(std::string(line)));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return ini;
}

Status Ini::load(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) {
    lines_.clear();
    return Status::success();
  }
  std::string bytes;
  Status status = readWholeFile(file, bytes);
  if (!status) return status;
  *this = fromText(bytes);
  return Status::success();
}

Status Ini::save(const std::filesystem::path& file) const { return writeFileAtomically(file, text()); }

std::string Ini::text() const {
  std::string out;
  for (const Line& line : lines_) {
    out += line.text;
    out += "\r\n";
  }
  return out;
}

std::optional<std::size_t> Ini::findSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::Section && equalsIgnoringCase(lines_[i].name, section)) return i;
  }
  return std::nullopt;
}

std::size_t Ini::sectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
  return i;
}

std::optional<std::size_t> Ini::findEntry(std::size_t header, std::string_view key) const {
  const std::size_t end = sectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::Entry && equalsIgnoringCase(lines_[i].name, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> Ini::value(std::string_view section, std::string_view key) const {
  const auto header = findSection(section);
  if (!header) return std::nullopt;
  const auto entry = findEntry(*header, key);
  if (!entry) return std::nullopt;
  return lines_[*entry].value;
}

std::string Ini::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
  return value(section, key).value_or(std::string(fallback));
}

std::int32_t Ini::readInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
  const auto text = value(section, key);
  if (!text) return fallback;
  return parseIniInteger(*text).value_or(fallback);
}

bool Ini::readBool(std::string_view section, std::string_view key, bool fallback) const {
  return readInteger(section, key, fallback ? 1 : 0) != 0;
}

bool Ini::hasSection(std::string_view section) const { return findSection(section).has_value(); }

std::vector<std::string> Ini::keys(std::string_view section) const {
  std::vector<std::string> names;
  const auto header = findSection(section);
  if (!header) return names;
  const std::size_t end = sectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::Entry) names.push_back(lines_[i].name);
  }
  return names;
}

void Ini::writeString(std::string_view section, std::string_view key, std::string_view value) {
  Line entry = parseLine(oneLine(trim(key)) + "=" + oneLine(value));
  auto header = findSection(section);
  if (!header) {
    if (!lines_.empty() && !trim(lines_.back().text).empty()) lines_.push_back(parseLine(""));
    lines_.push_back(parseLine("[" + oneLine(section) + "]"));
    lines_.push_back(std::move(entry));
    return;
  }
  if (const auto existing = findEntry(*header, key)) {
    lines_[*existing] = std::move(entry);
    return;
  }
  // A new key goes after the last non-blank line of its section.
  std::size_t at = sectionEnd(*header);
  while (at > *header + 1 && trim(lines_[at - 1].text).empty()) --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
}

void Ini::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
  writeString(section, key, std::to_string(value));
}

void Ini::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void Ini::deleteKey(std::string_view section, std::string_view key) {
  const auto header = findSection(section);
  if (!header) return;
  if (const auto entry = findEntry(*header, key)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*entry));
  }
}

void Ini::eraseSection(std::string_view section) {
  const auto header = findSection(section);
  if (!header) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*header),
               lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(*header)));
}

}  // namespace miro
