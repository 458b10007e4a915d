#include "DemoGumpWear.h"

namespace miro::demo {

namespace {

bool patternAt(Texture texture, int x, int y) {
  switch (texture) {
    case Texture::Plain: return false;
    case Texture::Rings: return y % 2 == 0 && (x + y) % 4 == 0;
    case Texture::Studs: return x % 6 == 0 && y % 6 == 0;
    case Texture::Bands: return y % 6 == 0;
    case Texture::Plates: return y % 12 == 0 || x % 24 == 0;
    case Texture::Bones: return x % 7 == 0 || y % 9 == 0;
    case Texture::Folds: return x % 7 == 0;
  }
  return false;
}

bool inside(const Mask& mask, int x, int y) {
  return mask.has(x - 1, y) && mask.has(x + 1, y) && mask.has(x, y - 1) && mask.has(x, y + 1);
}

}  // namespace

void paintTextured(GumpImage& g, const Mask& mask, Shade shade, Texture texture) {
  paint(g, mask, shade);
  const Colour15 mark = texture == Texture::Studs ? grey(30) : shade.edge;
  const Rect& box = mask.box();
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x)
      if (patternAt(texture, x, y) && mask.has(x, y) && inside(mask, x, y)) g.at(x, y) = mark;
}

Mask torsoCover(const Figure& f, int grow, int bottom) {
  Mask m = blankMask();
  m.polygon({{f.x - f.shoulderHalf - grow, f.shoulderY - grow},
             {f.x + f.shoulderHalf + grow + 1, f.shoulderY - grow},
             {f.x + f.waistHalf + grow + 1, f.waistY},
             {f.x + f.hipHalf + grow + 1, f.hipY + grow},
             {f.x - f.hipHalf - grow, f.hipY + grow},
             {f.x - f.waistHalf - grow, f.waistY}});
  for (const int side : {kRightSide, kLeftSide})
    m.ellipse(f.x + side * (f.shoulderHalf - 2), f.shoulderY + 6, 6 + grow, 6 + grow);
  if (f.female)
    m.ellipse(f.x - 8, f.shoulderY + 20, 8 + grow, 7 + grow).ellipse(f.x + 8, f.shoulderY + 20, 8 + grow, 7 + grow);
  return rows(m, 0, bottom);
}

Mask sleeveCover(const Figure& f, int grow, int bottom) {
  Mask m = blankMask();
  for (const int side : {kRightSide, kLeftSide})
    m.capsule(f.shoulder(side), f.elbow(side), 6 + grow).capsule(f.elbow(side), f.wrist(side), 5 + grow);
  return rows(m, 0, bottom);
}

Mask legCover(const Figure& f, int grow, int top, int bottom) {
  Mask m = blankMask();
  m.polygon({{f.x - f.waistHalf - grow, f.waistY},
             {f.x + f.waistHalf + grow + 1, f.waistY},
             {f.x + f.hipHalf + grow + 1, f.hipY},
             {f.x - f.hipHalf - grow, f.hipY}});
  for (const int side : {kRightSide, kLeftSide})
    m.capsule(f.hip(side), f.knee(side), 8 + grow).capsule(f.knee(side), f.ankle(side), 6 + grow);
  return rows(m, top, bottom);
}

}  // namespace miro::demo
