#include <fontconfig/fontconfig.h>

#include <string_view>
#include <system_error>

#include "DemoFonts.h"

namespace miro::demo {

namespace {

constexpr std::string_view kFamily = "DejaVu Sans";

bool isFile(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec);
}

// The file fontconfig gives for `pattern`, when it is of the family asked for rather than a
// stand-in, and of the weight asked for.
std::filesystem::path match(FcConfig* config, const char* pattern, bool bold) {
  FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
  if (wanted == nullptr) return {};
  FcConfigSubstitute(config, wanted, FcMatchPattern);
  FcDefaultSubstitute(wanted);
  FcResult result = FcResultNoMatch;
  FcPattern* found = FcFontMatch(config, wanted, &result);
  std::filesystem::path file;
  FcChar8* family = nullptr;
  FcChar8* name = nullptr;
  int weight = 0;
  if (found != nullptr && FcPatternGetString(found, FC_FAMILY, 0, &family) == FcResultMatch &&
      FcPatternGetString(found, FC_FILE, 0, &name) == FcResultMatch &&
      FcPatternGetInteger(found, FC_WEIGHT, 0, &weight) == FcResultMatch &&
      reinterpret_cast<const char*>(family) == kFamily && (weight >= FC_WEIGHT_BOLD) == bold) {
    file = reinterpret_cast<const char*>(name);
  }
  if (found != nullptr) FcPatternDestroy(found);
  FcPatternDestroy(wanted);
  return isFile(file) ? file : std::filesystem::path{};
}

std::filesystem::path orUsualPlace(std::filesystem::path found, const char* usual) {
  if (!found.empty()) return found;
  return isFile(usual) ? std::filesystem::path(usual) : std::filesystem::path{};
}

}  // namespace

FontFiles findFontFiles() {
  FontFiles files;
  if (FcConfig* config = FcInitLoadConfigAndFonts(); config != nullptr) {
    files.regular = match(config, "DejaVu Sans:weight=regular", false);
    files.bold = match(config, "DejaVu Sans:bold", true);
    FcConfigDestroy(config);
  }
  files.regular = orUsualPlace(files.regular, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
  files.bold = orUsualPlace(files.bold, "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
  return files;
}

}  // namespace miro::demo
