// Shields, lights and the fishing pole, held in the left hand (on the screen's right).
#include "DemoGumpWear.h"

namespace miro::demo {

namespace {

Point holder(const Figure& f) { return f.hand(kLeftSide); }

Mask kite(Point h) {
  return blankMask().polygon(
      {{h.x - 18, h.y - 42}, {h.x + 19, h.y - 42}, {h.x + 19, h.y - 12}, {h.x, h.y + 38}, {h.x - 18, h.y - 12}});
}

Mask heater(Point h) {
  return blankMask().polygon(
      {{h.x - 18, h.y - 37}, {h.x + 19, h.y - 37}, {h.x + 19, h.y - 7}, {h.x, h.y + 23}, {h.x - 18, h.y - 7}});
}

void paintBoss(GumpImage& g, Point h, int radius) {
  paint(g, blankMask().ellipse(h.x, h.y - 12, radius, radius), Shade{grey(30), grey(16)});
}

void paintFlame(GumpImage& g, Point base, int height) {
  paint(g, blankMask().polygon({{base.x - 5, base.y}, {base.x + 6, base.y}, {base.x, base.y - height}}), colour::flame);
  paint(g, blankMask().ellipse(base.x, base.y - height / 3, 2, height / 4), colour::flameCore);
}

void paintLantern(GumpImage& g, Point h, bool lit) {
  paint(g, blankMask().ellipse(h.x, h.y + 6, 4, 4).cut(blankMask().ellipse(h.x, h.y + 6, 2, 2)), material::metal);
  paint(g, blankMask().rect(h.x - 8, h.y + 10, h.x + 9, h.y + 32), material::metal);
  const Mask glass = blankMask().rect(h.x - 5, h.y + 14, h.x + 6, h.y + 29);
  if (lit) {
    paint(g, glass, Shade{colour::flameCore, colour::flame});
  } else {
    paint(g, glass, grey(8));
  }
}

void paintTorch(GumpImage& g, Point h, bool lit) {
  paint(g, blankMask().capsule({h.x, h.y + 12}, {h.x, h.y - 34}, 2), colour::wood);
  paint(g, blankMask().ellipse(h.x, h.y - 36, 4, 6), material::leather);
  if (lit) paintFlame(g, {h.x, h.y - 40}, 24);
}

void paintCandle(GumpImage& g, Point h, bool lit) {
  paint(g, blankMask().ellipse(h.x, h.y - 6, 7, 2), material::metal);
  paint(g, blankMask().rect(h.x - 2, h.y - 26, h.x + 3, h.y - 7), Shade{grey(29), grey(20)});
  if (lit) paintFlame(g, {h.x, h.y - 27}, 10);
}

}  // namespace

// Metal, bronze, wooden, buckler, wooden kite, metal kite, heater, order and chaos shields.
void paintShield(GumpImage& g, const Figure& f, int style) {
  const Point h = holder(f);
  switch (style) {
    case 0:
      paint(g, blankMask().ellipse(h.x, h.y - 12, 21, 24), material::metal);
      paintBoss(g, h, 4);
      return;
    case 1:
      paintTextured(g, blankMask().ellipse(h.x, h.y - 12, 19, 21), Shade{grey(22), grey(11)}, Texture::Studs);
      paintBoss(g, h, 5);
      return;
    case 2: paintTextured(g, blankMask().ellipse(h.x, h.y - 12, 20, 22), colour::wood, Texture::Folds); return;
    case 3:
      paint(g, blankMask().ellipse(h.x, h.y - 8, 12, 12), material::metal);
      paintBoss(g, {h.x, h.y + 4}, 3);
      return;
    case 4: paintTextured(g, kite(h), colour::wood, Texture::Folds); return;
    case 5:
      paint(g, kite(h), material::metal);
      paint(g,
            blankMask().polygon({{h.x - 12, h.y - 30},
                                 {h.x, h.y - 16},
                                 {h.x + 13, h.y - 30},
                                 {h.x + 13, h.y - 22},
                                 {h.x, h.y - 8},
                                 {h.x - 12, h.y - 22}}),
            Shade{colour::sapphire, colour::gold.fill});
      return;
    case 6: paintTextured(g, heater(h), material::metal, Texture::Plain); return;
    case 7:
      paint(g, heater(h), material::metal);
      paint(g, blankMask().rect(h.x - 2, h.y - 32, h.x + 3, h.y + 12).rect(h.x - 14, h.y - 22, h.x + 15, h.y - 17),
            Shade{grey(30), grey(20)});
      return;
    default:
      paint(g, heater(h), Shade{grey(12), grey(5)});
      paint(g, blankMask().polygon({{h.x, h.y - 32}, {h.x + 12, h.y - 14}, {h.x, h.y + 4}, {h.x - 12, h.y - 14}}),
            Shade{grey(26), grey(16)});
      return;
  }
}

// Lanterns, torches and candles, burning (styles 0..2) or not (3..5).
void paintLight(GumpImage& g, const Figure& f, int style) {
  const Point h = holder(f);
  const bool lit = style < 3;
  switch (style % 3) {
    case 0: paintLantern(g, h, lit); return;
    case 1: paintTorch(g, h, lit); return;
    default: paintCandle(g, h, lit); return;
  }
}

void paintFishingPole(GumpImage& g, const Figure& f, int) {
  const Point h = holder(f);
  const Point tip{175, 25};
  paint(g, blankMask().capsule({h.x - 4, h.y + 10}, tip, 1), colour::wood);
  paint(g, blankMask().ellipse(h.x + 2, h.y + 2, 3, 3), material::metal);
  paint(g, blankMask().rect(tip.x, tip.y, tip.x + 1, 150), grey(28));
}

}  // namespace miro::demo
