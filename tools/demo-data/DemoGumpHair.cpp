// Hair, beards, neck pieces and earrings.
#include <cmath>
#include <numbers>

#include "DemoGumpWear.h"

namespace miro::demo {

namespace {

// The hair over the top and the sides of the head, the face left free.
Mask hairCap(const Figure& f, int bottom) {
  Mask m = blankMask();
  m.ellipse(f.x, f.headY - 2, f.headRx + 2, f.headRy + 1);
  Mask face = blankMask();
  face.ellipse(f.x, f.headY + 6, f.headRx - 2, f.headRy - 3);
  return rows(m.cut(face), 0, bottom);
}

Mask tails(const Figure& f, int spread, int length, int radius) {
  Mask m = blankMask();
  for (const int side : {kRightSide, kLeftSide})
    m.capsule({f.x + side * (f.headRx + 1), f.headY - 2}, {f.x + side * (f.headRx + spread), f.headY + length}, radius);
  return m;
}

Mask curls(const Figure& f) {
  Mask m = blankMask();
  for (int step = 0; step <= 8; ++step) {
    const double a = std::numbers::pi * step / 8;
    m.ellipse(f.x + static_cast<int>(std::lround((f.headRx + 1) * std::cos(a))),
              f.headY - 2 - static_cast<int>(std::lround(f.headRy * std::sin(a))), 4, 4);
  }
  return m;
}

Mask spikes(const Figure& f) {
  Mask m = blankMask();
  for (int dx = -10; dx <= 10; dx += 5)
    m.polygon({{f.x + dx - 4, f.headTop() + 4}, {f.x + dx + 4, f.headTop() + 4}, {f.x + dx * 3 / 2, f.headTop() - 8}});
  return m;
}

Mask hairStyle(const Figure& f, int style) {
  Mask m = hairCap(f, f.headY + 2);
  switch (style) {
    case 1: m.add(hairCap(f, f.headY + 4)).add(tails(f, 3, 34, 4)); break;  // long
    case 2: m.capsule({f.x + f.headRx, f.headY - 6}, {f.x + f.headRx + 6, f.headY + 28}, 3); break;
    case 3: m = rows(blankMask().ellipse(f.x, f.headY - 4, 3, f.headRy + 6), 0, f.headY - 4); break;
    case 4: {  // pageboy
      Mask face = blankMask();
      face.ellipse(f.x, f.headY + 4, f.headRx - 2, f.headRy - 3);
      m.add(rows(blankMask().ellipse(f.x, f.headY + 1, f.headRx + 3, f.headRy + 1).cut(face), 0, f.headY + 13));
      break;
    }
    case 5: m.ellipse(f.x - f.headRx - 2, f.headY - 7, 5, 5).ellipse(f.x + f.headRx + 2, f.headY - 7, 5, 5); break;
    case 6: m.add(hairCap(f, f.headY + 6)).add(curls(f)); break;
    case 7: m.add(hairCap(f, f.headY + 4)).cut(blankMask().ellipse(f.x, f.headY - 10, f.headRx - 3, 9)); break;
    case 8: m.add(tails(f, 8, 30, 3)); break;
    case 9: m.ellipse(f.x, f.headTop() - 5, 4, 4); break;
    case 10: m.add(spikes(f)); break;
    default: break;
  }
  return m;
}

Mask jaw(const Figure& f, int below) {
  Mask m = blankMask();
  m.ellipse(f.x, f.headY + 6, f.headRx - 1, f.headRy - 6 + below);
  return rows(m, f.headY + 4, kPaperdollHeight);
}

Mask moustache(const Figure& f) {
  Mask m = blankMask();
  m.ellipse(f.x, f.headY + 7, 6, 2)
      .rect(f.x - 7, f.headY + 7, f.x - 5, f.headY + 12)
      .rect(f.x + 6, f.headY + 7, f.x + 8, f.headY + 12);
  return m;
}

Mask beardStyle(const Figure& f, int style) {
  Mask goatee = blankMask();
  goatee.ellipse(f.x, f.chinY() - 1, 4, 5);
  Mask longBeard = jaw(f, 0);
  longBeard.polygon(
      {{f.x - 10, f.headY + 8}, {f.x + 11, f.headY + 8}, {f.x + 6, f.chinY() + 22}, {f.x - 5, f.chinY() + 22}});
  switch (style) {
    case 0: return goatee;
    case 1: return longBeard;
    case 2: return jaw(f, 3);
    case 3: return moustache(f);
    case 4: return jaw(f, 3).add(moustache(f));
    case 5: return longBeard.add(moustache(f));
    default: return goatee.add(moustache(f));
  }
}

}  // namespace

void paintHair(GumpImage& g, const Figure& f, int style) {
  paint(g, hairStyle(f, style), material::hair);
  if (style == 9 || style == 2) {  // the tie of a topknot or pony tail
    Mask tie = blankMask();
    if (style == 9)
      tie.rect(f.x - 3, f.headTop() - 2, f.x + 4, f.headTop());
    else
      tie.rect(f.x + f.headRx - 1, f.headY - 2, f.x + f.headRx + 5, f.headY);
    paint(g, tie, grey(24));
  }
}

void paintBeard(GumpImage& g, const Figure& f, int style) {
  Mask mouth = blankMask();
  mouth.rect(f.x - 3, f.headY + 9, f.x + 4, f.headY + 11);
  paint(g, beardStyle(f, style).cut(mouth), material::hair);
}

void paintNeck(GumpImage& g, const Figure& f, int style) {
  if (style <= 2) {  // gorgets
    Mask collar = blankMask();
    collar.ellipse(f.x, f.shoulderY + 1, 15, 6).rect(f.x - 7, f.chinY() - 1, f.x + 8, f.shoulderY);
    const Texture textures[] = {Texture::Studs, Texture::Plain, Texture::Plates};
    paintTextured(g, collar, style == 1 ? material::leather : material::metal, textures[style]);
    return;
  }
  if (style <= 5) {  // necklaces
    Mask chain = blankMask();
    chain.ellipse(f.x, f.shoulderY + 4, 11, 10).cut(blankMask().ellipse(f.x, f.shoulderY + 4, 9, 8));
    paint(g, rows(chain, f.shoulderY - 1, kPaperdollHeight), style == 4 ? colour::gold : Shade{grey(28), grey(18)});
    Mask pendant = blankMask();
    pendant.ellipse(f.x, f.shoulderY + 15, 3, 3);
    paint(g, pendant, style == 5 ? Shade{colour::ruby, grey(18)} : Shade{grey(28), grey(18)});
    return;
  }
  Mask mempo = blankMask();  // a mask over the lower face and the throat
  mempo.ellipse(f.x, f.headY + 8, f.headRx, 9).rect(f.x - 8, f.chinY() - 2, f.x + 9, f.chinY() + 6);
  const Shade shades[] = {material::metal, material::leather, material::leather};
  paintTextured(g, rows(mempo, f.headY + 3, kPaperdollHeight), shades[style - 6],
                style == 8 ? Texture::Studs : Texture::Bands);
}

void paintEarrings(GumpImage& g, const Figure& f, int) {
  for (const int side : {kRightSide, kLeftSide}) {
    Mask ring = blankMask();
    ring.ellipse(f.x + side * (f.headRx + 1), f.headY + 7, 1, 2);
    paint(g, ring, grey(28));
    Mask gem = blankMask();
    gem.rect(f.x + side * (f.headRx + 1), f.headY + 10, f.x + side * (f.headRx + 1) + 1, f.headY + 12);
    paint(g, gem, colour::ruby);
  }
}

}  // namespace miro::demo
