#include "data/DataFolder.h"

#include "common/FileNames.h"

namespace miro {

std::filesystem::path DataFolder::file(std::string_view name) const { return resolveIgnoringCase(folder_, name); }

}  // namespace miro
