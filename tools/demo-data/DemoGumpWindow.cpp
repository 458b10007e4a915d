#include "DemoGumpWindow.h"

#include <stdexcept>
#include <string>

#include "compose/GumpCatalogue.h"

namespace miro::demo {

namespace {

using clientgen::colour15;

constexpr Shade kParchment{colour15(27, 24, 17), colour15(17, 13, 7)};
constexpr Shade kDarkParchment{colour15(22, 18, 11), colour15(14, 10, 5)};
constexpr Shade kPanel{colour15(7, 6, 6), colour15(3, 2, 2)};
constexpr Shade kGold{colour15(29, 23, 5), colour15(20, 14, 2)};
constexpr Shade kLeather{colour15(16, 10, 5), colour15(8, 4, 2)};
constexpr Shade kButton{colour15(9, 11, 15), colour15(29, 23, 5)};
constexpr Colour15 kRuby = colour15(29, 4, 6);

Mask area(int width, int height) { return Mask(width, height); }

Mask outline(int width, int height, int inset) {
  return area(width, height)
      .rect(inset, inset, width - inset, height - inset)
      .cut(area(width, height).rect(inset + 1, inset + 1, width - inset - 1, height - inset - 1));
}

GumpImage frame(bool own) {
  constexpr int w = kPaperdollWindowWidth;
  constexpr int h = kPaperdollWindowHeight;
  GumpImage g(w, h);
  const Shade border =
      own ? Shade{colour15(11, 6, 3), colour15(5, 3, 1)} : Shade{colour15(5, 8, 14), colour15(2, 3, 7)};
  paint(g, area(w, h).rect(0, 0, w, h), border);
  paint(g, area(w, h).rect(5, 5, w - 5, h - 5), kParchment);
  paint(g, outline(w, h, 5), own ? kGold : Shade{colour15(20, 22, 26), colour15(20, 22, 26)});
  paint(g, area(w, h).rect(kPaperdollWindowCharacterLeft, kPaperdollWindowCharacterTop, 198, 259), kPanel);
  paint(g, area(w, h).rect(10, 262, w - 10, h - 8), kDarkParchment);
  if (own) {
    paint(g, area(w, h).rect(182, 40, w - 4, 259), kDarkParchment);
    for (const int x : {10, w - 11})
      for (const int y : {10, h - 11}) paint(g, area(w, h).ellipse(x, y, 3, 3), kGold);
  }
  return g;
}

GumpImage emblem() {
  GumpImage g(100, 13);
  paint(g, area(100, 13).rect(4, 2, 96, 11).ellipse(4, 6, 4, 4).ellipse(95, 6, 4, 4), kGold);
  paint(g, area(100, 13).polygon({{50, 0}, {57, 6}, {50, 13}, {43, 6}}), Shade{kRuby, colour15(14, 2, 3)});
  return g;
}

// Drawn where the character's layers lie, so the pack sits beside the head.
GumpImage backpack() {
  GumpImage g(kPaperdollWidth, kPaperdollHeight);
  auto m = [] { return Mask(kPaperdollWidth, kPaperdollHeight); };
  paint(g, m().rect(142, 30, 180, 70).ellipse(161, 30, 19, 8), kLeather);
  paint(g, m().polygon({{142, 30}, {181, 30}, {176, 50}, {147, 50}}), Shade{colour15(12, 7, 3), colour15(6, 3, 1)});
  paint(g, m().rect(150, 50, 154, 70).rect(168, 50, 172, 70), Shade{colour15(20, 13, 7), colour15(10, 6, 3)});
  paint(g, m().rect(158, 46, 165, 53), kGold);
  return trimmed(g);
}

GumpImage scroll() {
  GumpImage g(13, 26);
  paint(g, area(13, 26).rect(2, 3, 11, 23), kParchment);
  paint(g, area(13, 26).ellipse(6, 3, 6, 2).ellipse(6, 22, 6, 2), Shade{colour15(17, 10, 4), colour15(10, 5, 2)});
  paint(g, area(13, 26).rect(2, 12, 11, 14), kRuby);
  return g;
}

GumpImage book() {
  GumpImage g(24, 28);
  paint(g, area(24, 28).rect(0, 0, 24, 28), Shade{colour15(6, 8, 20), kGold.fill});
  paint(g, area(24, 28).rect(20, 2, 23, 26), colour15(28, 28, 26));
  paint(g, area(24, 28).ellipse(10, 13, 5, 5).cut(area(24, 28).ellipse(10, 13, 3, 3)), kGold);
  return g;
}

// Every button has its own sign.
Mask sign(int gump) {
  constexpr int w = 72;
  constexpr int h = 23;
  const int cx = w / 2;
  const int cy = h / 2;
  switch (gump) {
    case 2031: return area(w, h).ellipse(cx, cy, 6, 6).cut(area(w, h).ellipse(cx, cy, 3, 3));
    case 2006: return area(w, h).rect(cx - 5, cy - 5, cx + 6, cy + 6);
    case 2009: return area(w, h).polygon({{cx - 7, cy + 6}, {cx + 8, cy + 6}, {cx, cy - 7}});
    case 2012:
      return area(w, h).capsule({cx - 5, cy - 5}, {cx + 5, cy + 5}, 1).capsule({cx - 5, cy + 5}, {cx + 5, cy - 5}, 1);
    case 2015: return area(w, h).polygon({{cx, cy - 7}, {cx + 7, cy}, {cx, cy + 7}, {cx - 7, cy}});
    case 22450:
      return area(w, h)
          .rect(cx - 7, cy - 6, cx + 8, cy - 4)
          .rect(cx - 7, cy - 1, cx + 8, cy + 1)
          .rect(cx - 7, cy + 4, cx + 8, cy + 6);
    case 2021: return area(w, h).rect(cx - 1, cy - 7, cx + 2, cy + 8).rect(cx - 7, cy - 1, cx + 8, cy + 2);
    default:
      return area(w, h).polygon({{cx - 8, cy - 2},
                                 {cx + 1, cy - 2},
                                 {cx + 1, cy - 7},
                                 {cx + 9, cy},
                                 {cx + 1, cy + 7},
                                 {cx + 1, cy + 2},
                                 {cx - 8, cy + 2}});
  }
}

GumpImage button(int gump) {
  GumpImage g(72, 23);
  paint(g, area(72, 23).rect(0, 0, 72, 23), kButton);
  paint(g, area(72, 23).rect(2, 2, 70, 21).cut(area(72, 23).rect(3, 3, 69, 20)), colour15(14, 16, 21));
  paint(g, sign(gump), Shade{colour15(30, 28, 18), colour15(22, 16, 4)});
  return g;
}

}  // namespace

GumpImage drawWindowPicture(int gump) {
  switch (gump) {
    case 2000: return frame(true);
    case 2001: return frame(false);
    case 113: return emblem();
    case 50422: return backpack();
    case 2002: return scroll();
    case 11060: return book();
    case 2031:
    case 2006:
    case 2009:
    case 2012:
    case 2015:
    case 22450:
    case 2021:
    case 2027: return button(gump);
    default: throw std::out_of_range("no window picture " + std::to_string(gump));
  }
}

}  // namespace miro::demo
