// The paperdoll gumps of the demo client: bodies, every item of the part catalogue for both
// sexes, and the paperdoll window.
#include <map>

#include "DemoData.h"
#include "DemoGumpFigure.h"
#include "DemoGumpItems.h"
#include "DemoGumpWindow.h"
#include "compose/Catalogue.h"
#include "compose/GumpCatalogue.h"

namespace miro::demo {

namespace {

using Gumps = std::map<int, GumpImage>;

// Some gump numbers serve several items (a female item using the male gump, Right1 and Right2);
// the first item that names one draws it.
void addItems(Gumps& gumps) {
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    for (int item = 1; item < partSlot(slot).items; ++item) {
      for (const bool female : {false, true}) {
        const int gump = *partGump(slot, item, female);
        if (!gumps.contains(gump)) gumps.emplace(gump, drawItemGump(slot, item, female));
      }
    }
  }
}

void addBodies(Gumps& gumps) {
  for (int body = 0; body < 4; ++body) gumps.emplace(*bodyGump(body), drawBody(body % 2 == 1, body >= 2));
}

void addWindow(Gumps& gumps) {
  for (const FramePicture& picture : kFramePictures)
    if (!gumps.contains(picture.gump)) gumps.emplace(picture.gump, drawWindowPicture(picture.gump));
}

}  // namespace

std::vector<DemoFile> demoGumps() {
  Gumps gumps;
  addBodies(gumps);
  addItems(gumps);
  addWindow(gumps);
  clientgen::GumpFileWriter writer;
  for (const auto& [number, image] : gumps) writer.add(number, image);
  return {{"gumpidx.mul", writer.index()}, {"GUMPART.MUL", writer.art()}};
}

}  // namespace miro::demo
