#include "compose/Outfit.h"

#include "common/Ini.h"

namespace miro {

Priorities::Priorities() {
  for (int s = 1; s <= kPartSlots; ++s) twoD[static_cast<std::size_t>(s)] = pd[static_cast<std::size_t>(s)] = s;
}

namespace {

int readPriority(const Ini& file, std::string_view section, std::string_view key, int fallback) {
  const int value = file.readInteger(section, key, fallback);
  return value >= 1 && value <= 32 ? value : fallback;
}

}  // namespace

Priorities loadPriorities(const ProgramFolder& home) {
  Priorities priorities;
  Ini file;
  if (!file.load(home.file(kPrioritiesFileName))) return priorities;
  for (int s = 1; s <= kPartSlots; ++s) {
    const auto i = static_cast<std::size_t>(s);
    priorities.twoD[i] = readPriority(file, partSlot(s).layerName, "2D", s);
    priorities.pd[i] = readPriority(file, partSlot(s).layerName, "PD", s);
  }
  return priorities;
}

Status savePriorities(const ProgramFolder& home, const Priorities& priorities) {
  const std::filesystem::path path = home.file(kPrioritiesFileName);
  Ini file;
  Status status = file.load(path);
  if (!status) return status;
  for (int s = 1; s <= kPartSlots; ++s) {
    const auto i = static_cast<std::size_t>(s);
    file.writeInteger(partSlot(s).layerName, "2D", priorities.twoD[i]);
    file.writeInteger(partSlot(s).layerName, "PD", priorities.pd[i]);
  }
  status = home.prepare();
  if (!status) return status;
  return file.save(path);
}

void resetOutfit(Outfit& outfit, ViewState& view) {
  for (int slot = 0; slot <= kMountColourSlot; ++slot) outfit.colours[static_cast<std::size_t>(slot)] = 0;
  outfit.colours[27] = 0;
  outfit.body = 0;
  outfit.parts.fill(0);
  outfit.mount = 0;
  view.motion = kStand;
  view.direction = 0;
  view.effects.hiding = false;
  view.effects.shadowOnly = false;
  view.effects.silhouette = false;
}

}  // namespace miro
