#pragma once

#include <map>
#include <string>
#include <string_view>

namespace miro {

// The program's string resources by id (1000..2204), from resources/strings.tsv.
namespace strings {

inline constexpr int kConfirmation = 1009;  // caption of questions
inline constexpr int kError = 1018;         // caption of errors
inline constexpr int kReport = 1060;        // caption of notices

// The text of `id`; empty when the table has none.
std::string_view text(int id);

// Parses the table format: "id<TAB>text" lines, "#" comments, escapes \n \t \\.
// Lines that do not parse are counted in `bad` (when given) and skipped.
std::map<int, std::string> parseTable(std::string_view tsv, int* bad = nullptr);

}  // namespace strings
}  // namespace miro
