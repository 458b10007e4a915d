#include "common/Strings.h"

#include <charconv>

namespace miro {

std::string_view embeddedStringTable();  // generated from resources/strings.tsv

namespace strings {

namespace {

bool unescape(std::string_view text, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return false;
    switch (text[i]) {
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '\\': out += '\\'; break;
      default: return false;
    }
  }
  return true;
}

}  // namespace

std::map<int, std::string> parseTable(std::string_view tsv, int* bad) {
  std::map<int, std::string> table;
  int failures = 0;
  while (!tsv.empty()) {
    const std::size_t end = tsv.find('\n');
    const std::string_view line = tsv.substr(0, end);
    tsv.remove_prefix(end == std::string_view::npos ? tsv.size() : end + 1);
    if (line.empty() || line.starts_with('#')) continue;

    const std::size_t tab = line.find('\t');
    int id = 0;
    const auto [stop, error] = std::from_chars(line.data(), line.data() + (tab == line.npos ? 0 : tab), id);
    std::string text;
    if (tab == line.npos || error != std::errc() || stop != line.data() + tab ||
        !unescape(line.substr(tab + 1), text) || !table.emplace(id, std::move(text)).second) {
      ++failures;
    }
  }
  if (bad) *bad = failures;
  return table;
}

std::string_view text(int id) {
  static const std::map<int, std::string> table = parseTable(embeddedStringTable());
  const auto it = table.find(id);
  return it == table.end() ? std::string_view() : std::string_view(it->second);
}

}  // namespace strings
}  // namespace miro
