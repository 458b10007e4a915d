// Trousers, leg guards, footwear and skirts.
#include "DemoGumpWear.h"

namespace miro::demo {

namespace {

Mask feet(const Figure& f, int grow) {
  Mask m = blankMask();
  for (const int side : {kRightSide, kLeftSide}) m.ellipse(f.foot(side).x, f.foot(side).y, 8 + grow, 5 + grow);
  return m;
}

Mask legs(const Figure& f, int grow, int top, int bottom) {
  Mask m = blankMask();
  for (const int side : {kRightSide, kLeftSide})
    m.capsule(f.hip(side), f.knee(side), 8 + grow).capsule(f.knee(side), f.ankle(side), 6 + grow);
  return rows(m, top, bottom);
}

// A skirt from the waist down to `hem`, `flare` pixels wider than the hips there.
Mask skirt(const Figure& f, int flare, int hem) {
  return blankMask().polygon({{f.x - f.waistHalf - 2, f.waistY},
                              {f.x + f.waistHalf + 3, f.waistY},
                              {f.x + f.hipHalf + flare + 1, hem},
                              {f.x - f.hipHalf - flare, hem}});
}

}  // namespace

void paintTrousers(GumpImage& g, const Figure& f, int style) {
  struct Cut {
    int grow;
    int bottom;
    Shade shade;
    Texture texture;
  };
  const int full = f.ankleY + 2;
  const Cut cuts[] = {
      {2, f.kneeY + 4, material::cloth, Texture::Plain}, {2, full, material::cloth, Texture::Plain},
      {2, full, material::metal, Texture::Rings},        {2, full, material::leather, Texture::Plain},
      {2, full, material::leather, Texture::Studs},      {2, full, material::metal, Texture::Bands},
      {2, full, material::bone, Texture::Bones},         {1, f.kneeY - 18, material::leather, Texture::Plain},
      {2, full, material::leather, Texture::Bands},      {6, full, material::cloth, Texture::Folds},
      {2, full, material::darkCloth, Texture::Folds},    {3, full, material::metal, Texture::Plates}};
  const Cut& cut = cuts[style];
  paintTextured(g, legCover(f, cut.grow, f.waistY, cut.bottom), cut.shade, cut.texture);
  if (style == 11) {  // knee cops of plate legs
    for (const int side : {kRightSide, kLeftSide})
      paint(g, blankMask().ellipse(f.knee(side).x, f.knee(side).y, 7, 5), Shade{grey(30), grey(16)});
  }
}

// Haidate (thigh guards) of plate, studded and plain leather, then suneate (shin guards) of
// leather, studded leather and plate.
void paintLegGuards(GumpImage& g, const Figure& f, int style) {
  const Shade shades[] = {material::metal,   material::leather, material::leather,
                          material::leather, material::leather, material::metal};
  const Texture textures[] = {Texture::Bands, Texture::Studs, Texture::Plain,
                              Texture::Plain, Texture::Studs, Texture::Bands};
  const bool thighs = style < 3;
  Mask guards = thighs ? legs(f, 4, f.hipY - 8, f.kneeY - 6) : legs(f, 2, f.kneeY - 4, f.ankleY);
  if (thighs) guards.rect(f.x - f.waistHalf - 2, f.waistY, f.x + f.waistHalf + 3, f.waistY + 5);
  paintTextured(g, guards, shades[style], textures[style]);
}

void paintFootwear(GumpImage& g, const Figure& f, int style) {
  switch (style) {
    case 0: paint(g, legs(f, 2, f.kneeY - 22, f.ankleY + 1).add(feet(f, 1)), material::leather); return;
    case 1: paint(g, legs(f, 2, f.kneeY + 8, f.ankleY + 1).add(feet(f, 1)), material::leather); return;
    case 2:
      paint(g, rows(feet(f, 1), f.soleY - 2, kPaperdollHeight), material::leather);
      paint(g, rows(feet(f, 0), f.soleY - 7, f.soleY - 5), material::leather);
      return;
    case 3: paint(g, rows(feet(f, 1), f.soleY - 9, kPaperdollHeight), material::darkCloth); return;
    case 4:
      paint(g, feet(f, 1), Shade{grey(27), grey(16)});
      paint(g, rows(feet(f, 1), f.soleY - 2, kPaperdollHeight), colour::straw);
      return;
    case 5:
      paintTextured(g, legs(f, 1, f.ankleY - 14, f.ankleY + 1).add(feet(f, 1)), material::darkCloth, Texture::Bands);
      return;
    default:
      paint(g, legs(f, 2, f.kneeY + 14, f.ankleY + 1).add(feet(f, 1)), material::leather);
      paint(g, legs(f, 3, f.kneeY + 14, f.kneeY + 19), Shade{grey(22), grey(12)});
      return;
  }
}

void paintSkirt(GumpImage& g, const Figure& f, int style) {
  switch (style) {
    case 0: paintTextured(g, skirt(f, 12, f.kneeY + 4), material::cloth, Texture::Folds); return;
    case 1: paintTextured(g, skirt(f, 8, f.kneeY - 4), material::cloth, Texture::Plates); return;
    case 2: paint(g, skirt(f, 4, f.kneeY - 20), material::leather); return;
    default:
      paintTextured(g, legCover(f, 7, f.waistY, f.ankleY + 2).add(skirt(f, 4, f.hipY + 10)), material::darkCloth,
                    Texture::Folds);
      return;
  }
}

}  // namespace miro::demo
