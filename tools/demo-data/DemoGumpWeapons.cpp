// Weapons, held upright in the right hand (on the screen's left): wooden parts keep their brown,
// iron is grey.
#include "DemoGumpWear.h"

namespace miro::demo {

namespace {

Point grip(const Figure& f) { return f.hand(kRightSide); }

void paintShaft(GumpImage& g, Point from, Point to, int radius = 2) {
  paint(g, blankMask().capsule(from, to, radius), colour::wood);
}

void paintBlade(GumpImage& g, int x, int bottom, int length, int half) {
  const int top = bottom - length;
  paint(g,
        blankMask().polygon({{x - half, bottom},
                             {x + half + 1, bottom},
                             {x + half + 1, top + 2 * half + 2},
                             {x, top},
                             {x - half, top + 2 * half + 2}}),
        material::metal);
}

void paintHilt(GumpImage& g, Point hand, int guard) {
  paint(g, blankMask().rect(hand.x - guard, hand.y - 10, hand.x + guard + 1, hand.y - 7), material::metal);
  paintShaft(g, {hand.x, hand.y - 7}, {hand.x, hand.y + 9});
  paint(g, blankMask().ellipse(hand.x, hand.y + 11, 2, 2), material::metal);
}

Mask curvedBlade(Point hand, int length) {
  const Mask outer = blankMask().ellipse(hand.x + 18, hand.y - 10, 22, length);
  return rows(outer, hand.y - 10 - length, hand.y - 10)
      .cut(blankMask().ellipse(hand.x + 22, hand.y - 12, 21, length - 2));
}

void paintAxeHead(GumpImage& g, Point top, int size, int side) {
  paint(g,
        blankMask().polygon({{top.x, top.y + 2},
                             {top.x + side * size, top.y - size / 3},
                             {top.x + side * (size + 2), top.y + size},
                             {top.x, top.y + size * 2 / 3}}),
        material::metal);
}

}  // namespace

void paintSword(GumpImage& g, const Figure& f, int style) {
  const Point h = grip(f);
  const int lengths[] = {62, 80, 40, 56, 58, 66, 75, 80};
  const int halves[] = {2, 2, 2, 1, 2, 2, 4, 2};
  if (style == 4)
    paint(g, curvedBlade(h, lengths[style]), material::metal);
  else if (style == 5)
    paint(g, blankMask().capsule({h.x, h.y - 10}, {h.x, h.y - 10 - lengths[style]}, 2), colour::wood);
  else
    paintBlade(g, h.x, h.y - 10, lengths[style], halves[style]);
  if (style == 7) paintBlade(g, h.x - 9, h.y - 4, 40, 1);  // the short sword of the pair
  paintHilt(g, h, style == 6 ? 10 : 7);
}

void paintKnife(GumpImage& g, const Figure& f, int style) {
  const Point h = grip(f);
  paintShaft(g, {h.x, h.y - 6}, {h.x, h.y + 8});
  switch (style) {
    case 0: paintBlade(g, h.x, h.y - 7, 26, 2); break;
    case 1: paint(g, blankMask().rect(h.x - 9, h.y - 26, h.x + 3, h.y - 6), material::metal); break;
    case 2: paint(g, curvedBlade(h, 18), material::metal); break;
    default:
      paintShaft(g, {h.x, h.y - 6}, {h.x, h.y - 24});
      paint(g,
            rows(blankMask().ellipse(h.x - 10, h.y - 24, 11, 6), 0, h.y - 24)
                .cut(blankMask().ellipse(h.x - 10, h.y - 22, 10, 5)),
            material::metal);
      break;
  }
}

// Small (hatchets), large, double-headed and executioner's axes.
void paintAxe(GumpImage& g, const Figure& f, int style) {
  const Point h = grip(f);
  const bool large = style != 0;
  const Point top{h.x, large ? h.y - 80 : h.y - 56};
  paintShaft(g, {h.x, h.y + (large ? 26 : 12)}, {top.x, top.y - 4});
  paintAxeHead(g, top, large ? 28 : 20, kRightSide);
  if (style == 2) paintAxeHead(g, top, 28, kLeftSide);
  if (style == 3) paint(g, blankMask().ellipse(top.x - 30, top.y + 10, 5, 18), material::metal);
}

void paintPolearm(GumpImage& g, const Figure& f, int style) {
  const Point h = grip(f);
  const int top = style == 1 ? 50 : 30;
  paintShaft(g, {h.x, style == 1 ? 200 : 224}, {h.x, top});
  switch (style) {
    case 0:
    case 1:
      paint(g, blankMask().polygon({{h.x - 5, top + 4}, {h.x + 6, top + 4}, {h.x, top - 22}}), material::metal);
      return;
    case 2:
      paint(g,
            blankMask()
                .rect(h.x - 9, top - 2, h.x + 10, top + 1)
                .rect(h.x - 9, top - 20, h.x - 7, top)
                .rect(h.x - 1, top - 24, h.x + 2, top)
                .rect(h.x + 8, top - 20, h.x + 10, top),
            material::metal);
      return;
    case 3:
      paint(g, blankMask().polygon({{h.x, top - 4}, {h.x - 12, top - 16}, {h.x - 15, top + 36}, {h.x, top + 46}}),
            material::metal);
      return;
    case 4:
      paintAxeHead(g, {h.x, top + 8}, 22, kRightSide);
      paint(g, blankMask().polygon({{h.x - 3, top + 2}, {h.x + 4, top + 2}, {h.x, top - 24}}), material::metal);
      return;
    case 5:
      paint(g,
            rows(blankMask().ellipse(h.x - 20, top + 4, 22, 12), 0, top + 4)
                .cut(blankMask().ellipse(h.x - 20, top + 7, 21, 10)),
            material::metal);
      return;
    case 6:
      for (const int y : {top, 214})
        paint(g, blankMask().ellipse(h.x, y, 12, 8).cut(blankMask().ellipse(h.x, y + (y == top ? 5 : -5), 11, 7)),
              material::metal);
      return;
    case 7:
      paint(g, blankMask().polygon({{h.x - 7, h.y - 14}, {h.x + 8, h.y - 14}, {h.x, 12}}), material::metal);
      paint(g, blankMask().ellipse(h.x, h.y - 12, 11, 4), material::metal);
      return;
    default:
      paint(g, blankMask().polygon({{h.x - 3, top + 4}, {h.x + 4, top + 4}, {h.x, top - 16}}), material::metal);
      return;
  }
}

// Clubs, maces, hammers, picks, sceptres, the tetsubo.
void paintBlunt(GumpImage& g, const Figure& f, int style) {
  const Point h = grip(f);
  const int top = style == 3 || style == 6 ? h.y - 70 : h.y - 44;
  if (style == 5)
    paint(g, blankMask().capsule({h.x, h.y + 10}, {h.x, top}, 2), colour::gold);
  else if (style != 6)
    paintShaft(g, {h.x, h.y + 10}, {h.x, top});
  switch (style) {
    case 0: paint(g, blankMask().ellipse(h.x, top, 6, 14), colour::wood); return;
    case 1:
    case 7:
      paint(g,
            blankMask()
                .ellipse(h.x, top, 8, 8)
                .rect(h.x - 11, top - 1, h.x + 12, top + 2)
                .rect(h.x - 1, top - 11, h.x + 2, top + 12),
            material::metal);
      return;
    case 2:
    case 8:
      paint(g, blankMask().rect(h.x - 12, top - 6, h.x + (style == 8 ? 20 : 13), top + 6), material::metal);
      return;
    case 3: paint(g, blankMask().rect(h.x - 15, top - 10, h.x + 16, top + 10), material::metal); return;
    case 4:
      paint(g,
            rows(blankMask().ellipse(h.x, top + 8, 24, 10), 0, top + 8).cut(blankMask().ellipse(h.x, top + 11, 22, 9)),
            material::metal);
      return;
    case 5:
      paint(g, blankMask().ellipse(h.x, top - 4, 6, 6), Shade{colour::sapphire, colour::gold.fill});
      paint(g, blankMask().rect(h.x - 4, top + 2, h.x + 5, top + 5), material::metal);
      return;
    default:
      paintTextured(g, blankMask().capsule({h.x, h.y + 12}, {h.x, top}, 4), material::metal, Texture::Studs);
      return;
  }
}

// Plain, crook, gnarled, quarter and bladed staves.
void paintStaff(GumpImage& g, const Figure& f, int style) {
  const Point h = grip(f);
  const int top = 36;
  const Shade black{clientgen::colour15(8, 5, 3), clientgen::colour15(4, 2, 1)};
  paint(g, blankMask().capsule({h.x, 224}, {h.x, top}, 2), style == 0 ? black : colour::wood);
  switch (style) {
    case 1:
      paint(g, rows(blankMask().ellipse(h.x - 8, top, 10, 10).cut(blankMask().ellipse(h.x - 8, top, 7, 7)), 0, top + 6),
            colour::wood);
      return;
    case 2:
      paint(g, blankMask().ellipse(h.x, top - 4, 6, 7).capsule({h.x, top}, {h.x - 7, top + 14}, 2), colour::wood);
      return;
    case 3:
      paint(g, blankMask().rect(h.x - 3, top - 2, h.x + 4, top + 5).rect(h.x - 3, 217, h.x + 4, 224), material::metal);
      return;
    case 4:
      paintBlade(g, h.x, top + 2, 26, 2);
      paint(g, blankMask().polygon({{h.x - 2, 216}, {h.x + 3, 216}, {h.x, 238}}), material::metal);
      return;
    default: return;
  }
}

void paintBow(GumpImage& g, const Figure& f, int style) {
  const Point h = grip(f);
  const int half = style == 2 ? 80 : 55;
  const int middle = style == 2 ? h.y - 20 : h.y;
  Mask arc = blankMask().ellipse(h.x, middle, 14, half).cut(blankMask().ellipse(h.x, middle, 11, half - 2));
  paint(g, arc.keep(blankMask().rect(0, 0, h.x, kPaperdollHeight)), colour::wood);
  paint(g, blankMask().rect(h.x, middle - half, h.x + 1, middle + half), grey(28));
  if (style == 1)
    for (const int y : {middle - half, middle + half - 4})
      paint(g, blankMask().rect(h.x - 4, y, h.x + 1, y + 5), material::metal);
}

void paintCrossbow(GumpImage& g, const Figure& f, int style) {
  const Point h = grip(f);
  const int span = style == 1 ? 30 : 24;
  paint(g, blankMask().rect(h.x - (style == 1 ? 3 : 2), h.y - 34, h.x + 4, h.y + 12), colour::wood);
  paint(g,
        rows(blankMask().ellipse(h.x, h.y - 20, span, 9).cut(blankMask().ellipse(h.x, h.y - 18, span - 2, 8)), 0,
             h.y - 20),
        material::metal);
  paint(g, blankMask().rect(h.x - span, h.y - 20, h.x + span + 1, h.y - 19), grey(28));
  if (style == 2) paint(g, blankMask().rect(h.x - 5, h.y - 48, h.x + 6, h.y - 34), colour::wood);
}

void paintWand(GumpImage& g, const Figure& f, int style) {
  const Point h = grip(f);
  const int top = h.y - 40;
  paint(g, blankMask().capsule({h.x, h.y + 8}, {h.x, top}, 1), colour::wood);
  switch (style) {
    case 0:
      paint(g,
            blankMask()
                .ellipse(h.x, top - 6, 4, 6)
                .cut(blankMask().ellipse(h.x, top - 6, 2, 4))
                .rect(h.x - 6, top, h.x + 7, top + 2),
            colour::gold);
      return;
    case 1: paint(g, blankMask().ellipse(h.x, top - 4, 4, 5), Shade{colour::ruby, colour::gold.fill}); return;
    case 2:
      paint(g, blankMask().rect(h.x - 1, top - 12, h.x + 2, top).rect(h.x - 5, top - 9, h.x + 6, top - 6),
            colour::gold);
      return;
    default:
      paint(g, blankMask().ellipse(h.x, top - 6, 6, 6).cut(blankMask().ellipse(h.x, top - 6, 4, 4)), colour::gold);
      paint(g, blankMask().ellipse(h.x, top - 6, 2, 2), colour::sapphire);
      return;
  }
}

// Sai, tekagi, tessen, fukiya, nunchaku, whip.
void paintSmallArms(GumpImage& g, const Figure& f, int style) {
  const Point h = grip(f);
  switch (style) {
    case 0:
      paintBlade(g, h.x, h.y - 8, 34, 1);
      paint(g,
            blankMask()
                .capsule({h.x - 8, h.y - 18}, {h.x - 6, h.y - 8}, 1)
                .capsule({h.x + 8, h.y - 18}, {h.x + 6, h.y - 8}, 1)
                .rect(h.x - 7, h.y - 9, h.x + 8, h.y - 7),
            material::metal);
      paintShaft(g, {h.x, h.y - 6}, {h.x, h.y + 8});
      return;
    case 1:
      for (const int dx : {-4, 0, 4}) paintBlade(g, h.x + dx, h.y - 4, 18, 1);
      paint(g, blankMask().rect(h.x - 6, h.y - 6, h.x + 7, h.y), material::leather);
      return;
    case 2:
      paint(g, rows(blankMask().ellipse(h.x, h.y - 6, 20, 22), 0, h.y - 6), Shade{grey(26), grey(12)});
      for (const int dx : {-14, -7, 0, 7, 14})
        paint(g, blankMask().capsule({h.x, h.y - 6}, {h.x + dx, h.y - 24}, 0), grey(10));
      return;
    case 3: paint(g, blankMask().capsule({h.x + 4, h.y + 10}, {h.x - 16, h.y - 70}, 2), colour::wood); return;
    case 4:
      paintShaft(g, {h.x, h.y + 8}, {h.x, h.y - 16}, 3);
      paintShaft(g, {h.x - 10, h.y - 26}, {h.x - 26, h.y - 46}, 3);
      paint(g, blankMask().capsule({h.x, h.y - 18}, {h.x - 9, h.y - 25}, 0), grey(26));
      return;
    default:
      paintShaft(g, {h.x, h.y + 8}, {h.x, h.y - 6}, 2);
      for (const int r : {10, 16, 22})
        paint(g,
              blankMask()
                  .ellipse(h.x - 6, h.y + 24, r, r / 2 + 2)
                  .cut(blankMask().ellipse(h.x - 6, h.y + 24, r - 2, r / 2)),
              material::leather);
      return;
  }
}

void paintBook(GumpImage& g, const Figure& f, int side) {
  const Point h = f.hand(side);
  paint(g, blankMask().rect(h.x - 12, h.y - 16, h.x + 13, h.y + 12), Shade{grey(9), grey(4)});
  paint(g, blankMask().rect(h.x - 10, h.y + 10, h.x + 11, h.y + 12), grey(29));  // page edges
  paint(g, blankMask().ellipse(h.x, h.y - 2, 5, 5), colour::gold);
  paint(g, blankMask().ellipse(h.x, h.y - 2, 2, 2), colour::ruby);
}

}  // namespace miro::demo
