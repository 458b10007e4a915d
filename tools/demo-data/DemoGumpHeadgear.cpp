// Hats, masks, helmets and hoods.
#include "DemoGumpWear.h"

namespace miro::demo {

namespace {

int brimY(const Figure& f) { return f.headY - 8; }

Mask crown(const Figure& f, int halfWidth, int height) {
  Mask m = blankMask();
  m.rect(f.x - halfWidth, brimY(f) - height + 4, f.x + halfWidth + 1, brimY(f) + 1);
  return m.ellipse(f.x, brimY(f) - height + 4, halfWidth, 4);
}

Mask brim(const Figure& f, int radiusX, int radiusY) {
  return blankMask().ellipse(f.x, brimY(f) + 1, radiusX, radiusY);
}

Mask hatBand(const Figure& f, int halfWidth) {
  return blankMask().rect(f.x - halfWidth, brimY(f) - 4, f.x + halfWidth + 1, brimY(f));
}

Mask dome(const Figure& f, int bottom) {
  return rows(blankMask().ellipse(f.x, f.headY - 1, f.headRx + 2, f.headRy + 2), 0, bottom);
}

Mask face(const Figure& f) { return blankMask().ellipse(f.x, f.headY + 6, f.headRx - 2, f.headRy - 3); }

Mask eyeHoles(const Figure& f) {
  return blankMask().rect(f.x - 7, f.headY - 2, f.x - 2, f.headY + 1).rect(f.x + 3, f.headY - 2, f.x + 8, f.headY + 1);
}

// A triangle and its mirror image across the centre line.
Mask mirrored(const Figure& f, Point a, Point b, Point c) {
  Mask m = blankMask();
  m.polygon({a, b, c});
  return m.polygon({{2 * f.x - a.x, a.y}, {2 * f.x - b.x, b.y}, {2 * f.x - c.x, c.y}});
}

void paintStrawHat(GumpImage& g, const Figure& f, int halfWidth, int height, int brimRadius) {
  paint(g, crown(f, halfWidth, height).add(brim(f, brimRadius, 3)), colour::straw);
  paint(g, hatBand(f, halfWidth), material::darkCloth);
}

Mask tricorne(const Figure& f) {
  Mask m = blankMask();
  m.polygon({{f.x - 24, brimY(f) - 10}, {f.x + 25, brimY(f) - 10}, {f.x + 1, brimY(f) + 6}});
  return m.ellipse(f.x, brimY(f) - 12, 12, 7);
}

void paintJesterHat(GumpImage& g, const Figure& f) {
  const int y = brimY(f);
  paint(g, blankMask().polygon({{f.x - 13, y}, {f.x, y}, {f.x - 26, y - 22}}), material::cloth);
  paint(g, blankMask().polygon({{f.x + 1, y}, {f.x + 14, y}, {f.x + 27, y - 22}}), material::darkCloth);
  paint(g, blankMask().rect(f.x - 13, y - 2, f.x + 14, y + 3), material::leather);
  paint(g, blankMask().ellipse(f.x - 26, y - 23, 3, 3), colour::ruby);
  paint(g, blankMask().ellipse(f.x + 27, y - 23, 3, 3), colour::sapphire);
}

void paintBonnet(GumpImage& g, const Figure& f) {
  Mask m = rows(blankMask().ellipse(f.x, f.headY - 2, f.headRx + 4, f.headRy + 2).cut(face(f)), 0, f.headY + 10);
  for (const int side : {kRightSide, kLeftSide})
    m.capsule({f.x + side * f.headRx, f.headY + 8}, {f.x + side * 4, f.chinY() + 4}, 1);
  paint(g, m, material::cloth);
}

Mask kabuto(const Figure& f, int flare) {
  Mask m = dome(f, f.headY - 4);
  m.polygon({{f.x - f.headRx - 2, f.headY - 6},
             {f.x + f.headRx + 3, f.headY - 6},
             {f.x + f.headRx + 3 + flare, f.headY + 8},
             {f.x - f.headRx - 2 - flare, f.headY + 8}});
  return m.cut(face(f));
}

Mask helmetShape(const Figure& f, int style) {
  Mask full = blankMask();
  full.ellipse(f.x, f.headY, f.headRx + 2, f.headRy + 2).rect(f.x - 9, f.chinY() - 2, f.x + 10, f.chinY() + 4);
  switch (style) {
    case 0:
      return blankMask()
          .ellipse(f.x, f.headY, f.headRx + 3, f.headRy + 3)
          .polygon({{f.x - 14, f.headY + 8},
                    {f.x + 15, f.headY + 8},
                    {f.x + 22, f.shoulderY + 4},
                    {f.x - 21, f.shoulderY + 4}})
          .cut(blankMask().ellipse(f.x, f.headY + 4, f.headRx - 3, f.headRy - 5));
    case 1:
      return dome(f, f.headY - 1)
          .add(mirrored(f, {f.x - 10, f.headY - 8}, {f.x - 6, f.headY - 12}, {f.x - 17, f.headTop() - 6}));
    case 2:
    case 5: return full;
    case 3: return dome(f, f.headY - 4).rect(f.x - 1, f.headY - 4, f.x + 2, f.headY + 6);
    case 4:
      return dome(f, f.headY - 3)
          .rect(f.x - f.headRx - 2, f.headY - 4, f.x - f.headRx + 4, f.headY + 10)
          .rect(f.x + f.headRx - 3, f.headY - 4, f.x + f.headRx + 3, f.headY + 10);
    case 6:
      return blankMask()
          .polygon({{f.x - f.headRx - 2, f.headY + 4},
                    {f.x - f.headRx - 2, f.headY - 8},
                    {f.x, f.headTop() - 12},
                    {f.x + f.headRx + 3, f.headY - 8},
                    {f.x + f.headRx + 3, f.headY + 4}})
          .cut(face(f));
    case 7: return dome(f, f.headY - 3);
    case 9:
    case 10:
      return blankMask()
          .rect(f.x - f.headRx - 1, f.headY - 10, f.x + f.headRx + 2, f.headY - 3)
          .rect(f.x - f.headRx - 2, f.headY - 4, f.x - f.headRx + 2, f.headY + 8)
          .rect(f.x + f.headRx - 1, f.headY - 4, f.x + f.headRx + 3, f.headY + 8);
    case 12: return kabuto(f, 10);
    default: return kabuto(f, 6);
  }
}

void paintHelmetDetail(GumpImage& g, const Figure& f, int style) {
  if (style == 2 || style == 5) {  // visors and breathing holes
    paint(g, blankMask().rect(f.x - 9, f.headY - 2, f.x + 10, f.headY + 1), colour::rawBlack);
    Mask holes = blankMask();
    for (int dx = -6; dx <= 6; dx += 4)
      holes.rect(f.x + dx, f.headY + 4, f.x + dx + 1, f.headY + (style == 5 ? 12 : 7));
    paint(g, holes, colour::rawBlack);
  }
  if (style == 7) {
    paint(g, mirrored(f, {f.x - 12, f.headY - 8}, {f.x - 8, f.headY - 13}, {f.x - 26, f.headTop() - 10}),
          material::bone);
  }
  if (style == 8) {
    paint(g, mirrored(f, {f.x - 3, f.headY - 12}, {f.x + 1, f.headY - 12}, {f.x - 18, f.headTop() - 20}), colour::gold);
  }
  if (style == 11) {
    const Mask ring =
        blankMask().ellipse(f.x, f.headTop() - 2, 12, 10).cut(blankMask().ellipse(f.x, f.headTop() - 1, 9, 8));
    paint(g, rows(ring, 0, f.headTop() - 2), colour::gold);
  }
}

}  // namespace

void paintBrimHat(GumpImage& g, const Figure& f, int style) {
  switch (style) {
    case 0:
      paint(g,
            blankMask()
                .ellipse(f.x, brimY(f) - 6, 13, 9)
                .add(brim(f, 24, 5))
                .ellipse(f.x - 22, brimY(f) + 4, 4, 4)
                .ellipse(f.x + 22, brimY(f) + 4, 4, 4),
            material::cloth);
      return;
    case 1: paint(g, crown(f, 11, 20).add(brim(f, 29, 3)), material::darkCloth); return;
    case 2: paintStrawHat(g, f, 10, 30, 22); return;
    case 3: paintStrawHat(g, f, 12, 12, 26); return;
    case 4: paintBonnet(g, f); return;
    case 5:
      paint(g, crown(f, 12, 14).add(brim(f, 22, 3)), material::darkCloth);
      paint(g, blankMask().capsule({f.x + 8, brimY(f) - 4}, {f.x + 24, brimY(f) - 24}, 2),
            Shade{colour::ruby, clientgen::colour15(18, 2, 3)});
      return;
    case 6: paint(g, tricorne(f), Shade{grey(10), colour::gold.fill}); return;
    default: paintJesterHat(g, f); return;
  }
}

void paintCap(GumpImage& g, const Figure& f, int style) {
  switch (style) {
    case 0:
      paint(g,
            dome(f, f.headY - 6)
                .add(rows(blankMask().ellipse(f.x, f.headY - 7, f.headRx + 1, 3), f.headY - 7, kPaperdollHeight)),
            material::cloth);
      paint(g, blankMask().ellipse(f.x, f.headTop() - 2, 2, 2), colour::ruby);
      return;
    case 1: paint(g, dome(f, f.headY - 8), material::darkCloth); return;
    case 2:
      paint(g,
            dome(f, f.headY - 4)
                .capsule({f.x + f.headRx, f.headY - 6}, {f.x + f.headRx + 7, f.headY + 6}, 2)
                .capsule({f.x + f.headRx, f.headY - 6}, {f.x + f.headRx + 3, f.headY + 9}, 2),
            material::cloth);
      return;
    default: paintTextured(g, dome(f, f.headY + 2).cut(face(f)), material::leather, Texture::Folds); return;
  }
}

void paintConeHat(GumpImage& g, const Figure& f, int style) {
  const int y = brimY(f);
  if (style == 0) {  // wizard's hat
    paint(g,
          blankMask().polygon({{f.x - 13, y + 1}, {f.x + 14, y + 1}, {f.x + 4, f.headTop() - 19}}).add(brim(f, 21, 3)),
          material::cloth);
    paint(g, blankMask().rect(f.x - 4, y - 15, f.x + 5, y - 13).rect(f.x - 1, y - 18, f.x + 2, y - 10), colour::gold);
    return;
  }
  struct Cone {
    int half, top, drop;
    Shade shade;
    Texture texture;
  };
  const Cone cones[] = {{30, f.headTop() - 8, 2, material::leather, Texture::Plain},
                        {32, f.headTop() - 10, 2, material::metal, Texture::Plates},
                        {27, f.headTop() - 8, 2, material::metal, Texture::Bands},
                        {22, f.headTop() - 6, 1, material::metal, Texture::Plain},
                        {36, f.headTop() - 14, 6, material::cloth, Texture::Folds}};
  const Cone& c = cones[style - 1];
  paintTextured(g, blankMask().polygon({{f.x - c.half, y + c.drop}, {f.x + c.half + 1, y + c.drop}, {f.x + 1, c.top}}),
                c.shade, c.texture);
}

void paintMask(GumpImage& g, const Figure& f, int style) {
  switch (style) {
    case 0:
      paint(g,
            blankMask()
                .ellipse(f.x, f.headY, f.headRx + 3, f.headRy + 2)
                .ellipse(f.x - 11, f.headTop(), 5, 5)
                .ellipse(f.x + 11, f.headTop(), 5, 5),
            material::darkCloth);
      paint(g, blankMask().ellipse(f.x, f.headY + 7, 6, 5), material::cloth);
      break;
    case 1:
      paint(g, blankMask().ellipse(f.x, f.headY, f.headRx + 1, f.headRy + 1), material::leather);
      for (const int side : {kRightSide, kLeftSide})
        paint(g,
              blankMask()
                  .capsule({f.x + side * 7, f.headTop() + 2}, {f.x + side * 18, f.headTop() - 18}, 2)
                  .capsule({f.x + side * 13, f.headTop() - 8}, {f.x + side * 22, f.headTop() - 8}, 2),
              material::bone);
      break;
    case 2:
      paint(g, blankMask().ellipse(f.x, f.headY + 1, f.headRx + 2, f.headRy + 2), Shade{grey(12), grey(5)});
      paint(g, blankMask().rect(f.x - 10, f.headY - 6, f.x + 11, f.headY - 3), grey(8));
      paint(g, mirrored(f, {f.x - 7, f.headY + 12}, {f.x - 4, f.headY + 12}, {f.x - 6, f.headY + 4}), material::bone);
      break;
    case 3:
    case 4: {
      paint(g, blankMask().ellipse(f.x, f.headY + 2, f.headRx + 1, f.headRy + 3), Shade{grey(18), grey(8)});
      const Colour15 paintColour = style == 3 ? colour::paintWhite : colour::paintRed;
      paint(g,
            blankMask()
                .rect(f.x - 1, f.headTop() + 1, f.x + 2, f.headY - 4)
                .rect(f.x - 10, f.headY + 4, f.x - 3, f.headY + 6)
                .rect(f.x + 4, f.headY + 4, f.x + 11, f.headY + 6)
                .rect(f.x - 5, f.headY + 11, f.x + 6, f.headY + 13),
            paintColour);
      break;
    }
    default:
      paint(g,
            blankMask()
                .rect(f.x - f.headRx - 1, f.headY - 5, f.x + f.headRx + 2, f.headY + 4)
                .keep(blankMask().ellipse(f.x, f.headY, f.headRx + 1, f.headRy + 1)),
            material::darkCloth);
      break;
  }
  paint(g, eyeHoles(f), colour::rawBlack);
}

void paintHelmet(GumpImage& g, const Figure& f, int style) {
  const Texture textures[] = {Texture::Rings,  Texture::Bones, Texture::Plates, Texture::Plain, Texture::Plain,
                              Texture::Bands,  Texture::Plain, Texture::Plain,  Texture::Bands, Texture::Rings,
                              Texture::Plates, Texture::Bands, Texture::Bands,  Texture::Bands};
  const Shade shade = style == 1 ? material::bone : style == 7 ? Shade{grey(12), grey(5)} : material::metal;
  paintTextured(g, helmetShape(f, style), shade, textures[style]);
  paintHelmetDetail(g, f, style);
}

void paintHood(GumpImage& g, const Figure& f, int style) {
  Mask hood = blankMask();
  hood.ellipse(f.x, f.headY, f.headRx + 3, f.headRy + 3)
      .polygon(
          {{f.x - 12, f.headY + 8}, {f.x + 13, f.headY + 8}, {f.x + 18, f.shoulderY + 3}, {f.x - 17, f.shoulderY + 3}});
  hood.cut(blankMask().rect(f.x - 9, f.headY - 4, f.x + 10, f.headY + 3));
  paintTextured(g, hood, style == 0 ? material::leather : material::darkCloth, Texture::Folds);
}

}  // namespace miro::demo
