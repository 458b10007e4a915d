// What is worn over the rest: aprons, tunics, surcoats, robes, dresses, belts.
#include "DemoGumpWear.h"

namespace miro::demo {

namespace {

Mask longSkirt(const Figure& f, int flare, int hem) {
  return blankMask().polygon({{f.x - f.waistHalf - 3, f.waistY - 4},
                              {f.x + f.waistHalf + 4, f.waistY - 4},
                              {f.x + f.hipHalf + flare + 1, hem},
                              {f.x - f.hipHalf - flare, hem}});
}

Mask robe(const Figure& f, int sleeveGrow, int sleeveEnd) {
  return torsoCover(f, 2, f.waistY).add(longSkirt(f, 20, f.ankleY + 4)).add(sleeveCover(f, sleeveGrow, sleeveEnd));
}

// Harlequin checks: every other square keeps its colour.
void paintChecks(GumpImage& g, const Mask& m) {
  paint(g, m, Shade{grey(22), grey(10)});
  const Rect& box = m.box();
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x)
      if (m.has(x, y) && (x / 8 + y / 8) % 2 == 0 && m.has(x + 1, y) && m.has(x - 1, y)) g.at(x, y) = colour::ruby;
}

// A coloured trim down the front and along the hem.
void paintTrim(GumpImage& g, const Figure& f, Shade trim) {
  paint(g, blankMask().rect(f.x - 2, f.shoulderY, f.x + 3, f.ankleY + 2), trim);
  paint(g, rows(longSkirt(f, 20, f.ankleY + 4), f.ankleY, f.ankleY + 4), trim);
}

void paintEmblem(GumpImage& g, const Figure& f, Colour15 colour) {
  paint(g, blankMask().polygon({{f.x - 7, f.shoulderY + 14}, {f.x + 8, f.shoulderY + 14}, {f.x, f.shoulderY + 30}}),
        Shade{colour, colour::gold.fill});
}

void paintKimono(GumpImage& g, const Figure& f, int hem, Shade shade) {
  const int wristY = f.wrist(kLeftSide).y;
  Mask kimono = torsoCover(f, 2, f.waistY).add(longSkirt(f, 8, hem)).add(sleeveCover(f, 6, wristY - 4));
  paintTextured(g, kimono, shade, Texture::Folds);
  paint(g, blankMask().capsule({f.x - 12, f.shoulderY}, {f.x + 8, f.waistY - 6}, 1), grey(5));  // the wrap
}

}  // namespace

void paintOverTop(GumpImage& g, const Figure& f, int style) {
  const int wristY = f.wrist(kLeftSide).y;
  switch (style) {
    case 0:
      paint(
          g,
          blankMask()
              .polygon(
                  {{f.x - 12, f.shoulderY + 8}, {f.x + 13, f.shoulderY + 8}, {f.x + 16, f.kneeY}, {f.x - 15, f.kneeY}})
              .capsule({f.x - 10, f.shoulderY + 8}, {f.x - 5, f.shoulderY - 3}, 1)
              .capsule({f.x + 10, f.shoulderY + 8}, {f.x + 5, f.shoulderY - 3}, 1),
          material::cloth);
      return;
    case 1:
      paint(g,
            blankMask()
                .capsule({f.x - 18, f.shoulderY + 2}, {f.x + 14, f.waistY + 8}, 4)
                .ellipse(f.x + 15, f.waistY + 10, 4, 4),
            material::cloth);
      return;
    case 2:
      paintTextured(g, torsoCover(f, 3, f.hipY + 14), material::cloth, Texture::Folds);
      paint(g, blankMask().rect(f.x - f.waistHalf - 3, f.waistY - 2, f.x + f.waistHalf + 4, f.waistY + 3),
            material::leather);
      return;
    case 3:
    case 7:
      paintTextured(g, torsoCover(f, 3, f.waistY).add(longSkirt(f, 6, f.kneeY)),
                    style == 3 ? material::cloth : material::darkCloth, style == 3 ? Texture::Plain : Texture::Folds);
      paint(g, blankMask().rect(f.x - 6, f.shoulderY + 14, f.x + 7, f.shoulderY + 30), Shade{grey(28), grey(16)});
      return;
    case 4: paintChecks(g, torsoCover(f, 2, f.hipY + 4).add(sleeveCover(f, 2, wristY))); return;
    case 5:
      paintTextured(g, torsoCover(f, 2, f.hipY).add(sleeveCover(f, 1, wristY)), material::cloth, Texture::Bands);
      for (const int side : {kRightSide, kLeftSide})
        paint(g, blankMask().ellipse(f.shoulder(side).x, f.shoulder(side).y + 4, 8, 10), Shade{grey(25), grey(13)});
      return;
    default:
      paintTextured(g, torsoCover(f, 5, f.hipY + 10).cut(blankMask().rect(f.x - 4, 0, f.x + 5, kPaperdollHeight)),
                    material::darkCloth, Texture::Folds);
      return;
  }
}

void paintRobe(GumpImage& g, const Figure& f, int style) {
  const int wristY = f.wrist(kLeftSide).y;
  const int elbowY = f.elbow(kLeftSide).y;
  switch (style) {
    case 0: paintTextured(g, robe(f, 1, elbowY), material::cloth, Texture::Folds); return;
    case 1:
      paintTextured(g, robe(f, 1, elbowY), material::cloth, Texture::Folds);
      paintTrim(g, f, colour::gold);
      return;
    case 2: paintTextured(g, robe(f, 4, wristY), material::cloth, Texture::Folds); return;
    case 3: {
      Mask ragged = robe(f, 4, wristY);
      for (int x = f.x - 40; x < f.x + 40; x += 8)
        ragged.cut(blankMask().polygon({{x, f.ankleY + 5}, {x + 8, f.ankleY + 5}, {x + 4, f.ankleY - 6}}));
      paintTextured(g, ragged, Shade{grey(27), grey(17)}, Texture::Folds);
      return;
    }
    case 4:
      paintTextured(g, robe(f, 4, wristY), material::darkCloth, Texture::Folds);
      paintTrim(g, f, Shade{colour::ruby, grey(6)});
      return;
    case 5:
    case 6:
    case 7: {
      const Colour15 emblems[] = {colour::ruby, colour::sapphire, colour::emerald};
      paintTextured(g, robe(f, 3, wristY), style == 6 ? material::darkCloth : material::cloth, Texture::Plain);
      paintTrim(g, f, colour::gold);
      paintEmblem(g, f, emblems[style - 5]);
      return;
    }
    case 8:
      paintTextured(g, legCover(f, 7, f.waistY, f.ankleY + 2), material::darkCloth, Texture::Folds);
      paint(g,
            torsoCover(f, 2, f.waistY + 2)
                .polygon({{f.x - 20, f.shoulderY - 2}, {f.x - 38, f.shoulderY + 4}, {f.x - 20, f.shoulderY + 14}})
                .polygon({{f.x + 21, f.shoulderY - 2}, {f.x + 39, f.shoulderY + 4}, {f.x + 21, f.shoulderY + 14}}),
            material::cloth);
      return;
    case 9: paintKimono(g, f, f.hipY + 6, material::cloth); return;
    case 10: paintKimono(g, f, f.ankleY + 4, material::darkCloth); return;
    default:
      paintKimono(g, f, f.ankleY + 4, material::cloth);
      paint(g, blankMask().rect(f.x - f.waistHalf - 4, f.waistY - 8, f.x + f.waistHalf + 5, f.waistY + 4),
            Shade{grey(26), grey(14)});
      return;
  }
}

void paintWaist(GumpImage& g, const Figure& f, int style) {
  switch (style) {
    case 0:
      paint(g,
            blankMask().polygon({{f.x - f.waistHalf - 2, f.waistY},
                                 {f.x + f.waistHalf + 3, f.waistY},
                                 {f.x + f.hipHalf + 3, f.kneeY + 2},
                                 {f.x - f.hipHalf - 2, f.kneeY + 2}}),
            material::cloth);
      paint(g, blankMask().rect(f.x - f.waistHalf - 3, f.waistY - 2, f.x + f.waistHalf + 4, f.waistY + 2),
            material::cloth);
      return;
    case 1:
      paint(g, blankMask().rect(f.x - f.waistHalf - 3, f.waistY - 2, f.x + f.waistHalf + 4, f.waistY + 5),
            material::leather);
      paint(g, blankMask().rect(f.x + 6, f.waistY + 4, f.x + 14, f.waistY + 14), material::leather);
      return;
    default:
      paint(g, blankMask().rect(f.x - f.waistHalf - 4, f.waistY - 10, f.x + f.waistHalf + 5, f.waistY + 6),
            material::cloth);
      paint(g, blankMask().ellipse(f.x, f.waistY - 2, 6, 5).rect(f.x - 3, f.waistY, f.x + 4, f.waistY + 16),
            Shade{grey(26), grey(14)});
      return;
  }
}

}  // namespace miro::demo
