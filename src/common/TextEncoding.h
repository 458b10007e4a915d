#pragma once

#include <string>
#include <string_view>

namespace miro {

bool isValidUtf8(std::string_view text);

// Text from a file of the program's older generations: UTF-8 as it is, anything else read as
// the Japanese Windows code page (CP932) and converted; bytes that are no character there
// become '?'.
std::string legacyTextToUtf8(std::string_view text);

}  // namespace miro
