// What is worn on the back, the torso, the arms and the hands.
#include "DemoGumpWear.h"

namespace miro::demo {

namespace {

struct Material {
  Shade shade;
  Texture texture;
};

constexpr Material kStudded{material::leather, Texture::Studs};
constexpr Material kPlate{material::metal, Texture::Plates};
constexpr Material kLeather{material::leather, Texture::Plain};
constexpr Material kRingmail{material::metal, Texture::Bands};
constexpr Material kChainmail{material::metal, Texture::Rings};
constexpr Material kBone{material::bone, Texture::Bones};
constexpr Material kCloth{material::cloth, Texture::Folds};

void paintIn(GumpImage& g, const Mask& m, const Material& material) {
  paintTextured(g, m, material.shade, material.texture);
}

enum class Cut { Tunic, Short, Bustier, Do, Jacket, Underwear };

Mask armourShape(const Figure& f, Cut cut) {
  switch (cut) {
    case Cut::Tunic: return torsoCover(f, 2, f.hipY + 2);
    case Cut::Short: return torsoCover(f, 1, f.waistY + 4);
    case Cut::Bustier:
      return rows(torsoCover(f, 1, f.waistY), f.shoulderY + 12, f.shoulderY + 30)
          .capsule({f.x - 10, f.shoulderY + 14}, {f.x - 12, f.shoulderY}, 1)
          .capsule({f.x + 10, f.shoulderY + 14}, {f.x + 12, f.shoulderY}, 1);
    case Cut::Do:
      return torsoCover(f, 2, f.waistY + 6)
          .polygon({{f.x - f.waistHalf - 3, f.waistY + 4},
                    {f.x + f.waistHalf + 4, f.waistY + 4},
                    {f.x + f.hipHalf + 7, f.hipY + 10},
                    {f.x - f.hipHalf - 6, f.hipY + 10}});
    case Cut::Jacket: return torsoCover(f, 2, f.hipY + 6).add(sleeveCover(f, 2, f.elbow(kLeftSide).y + 4));
    case Cut::Underwear: return rows(torsoCover(f, 1, f.hipY + 3), f.waistY + 8, f.hipY + 3);
  }
  return blankMask();
}

}  // namespace

void paintCloak(GumpImage& g, const Figure& f, int) {
  Mask cloak = blankMask();
  cloak.polygon({{f.x - 24, f.shoulderY - 2}, {f.x + 25, f.shoulderY - 2}, {f.x + 40, 200}, {f.x - 39, 200}});
  paintTextured(g, cloak.cut(bodyShape(f)), material::darkCloth, Texture::Folds);  // behind the body
  paint(g, blankMask().capsule({f.x - 20, f.shoulderY - 1}, {f.x + 20, f.shoulderY - 1}, 3), material::darkCloth);
  paint(g, blankMask().ellipse(f.x, f.shoulderY, 3, 3), grey(28));
}

void paintShirt(GumpImage& g, const Figure& f, int style) {
  const int sleeveEnd = style == 0 ? f.elbow(kLeftSide).y + 4 : f.wrist(kLeftSide).y;
  Mask shirt = torsoCover(f, 1, f.hipY - 4).add(sleeveCover(f, style == 1 ? 2 : 1, sleeveEnd));
  if (style == 2)
    shirt.cut(blankMask().polygon({{f.x - 6, f.shoulderY - 2}, {f.x + 7, f.shoulderY - 2}, {f.x, f.shoulderY + 12}}));
  paintTextured(g, shirt, material::cloth, style == 2 ? Texture::Bands : Texture::Folds);
  if (style == 1) paint(g, blankMask().ellipse(f.x, f.shoulderY + 4, 5, 6), Shade{grey(29), grey(19)});  // ruffle
}

void paintTorsoArmour(GumpImage& g, const Figure& f, int style) {
  struct Piece {
    Cut cut;
    Material material;
  };
  constexpr Material kMetalDo{material::metal, Texture::Bands};
  constexpr Material kLeatherDo{material::leather, Texture::Bands};
  const Piece pieces[] = {{Cut::Tunic, kStudded},   {Cut::Tunic, kPlate},    {Cut::Tunic, kChainmail},
                          {Cut::Tunic, kLeather},   {Cut::Tunic, kRingmail}, {Cut::Tunic, kBone},
                          {Cut::Jacket, kLeather},  {Cut::Do, kLeatherDo},   {Cut::Do, kStudded},
                          {Cut::Do, kMetalDo},      {Cut::Jacket, kCloth},   {Cut::Short, kStudded},
                          {Cut::Short, kPlate},     {Cut::Short, kLeather},  {Cut::Bustier, kLeather},
                          {Cut::Bustier, kStudded}, {Cut::Underwear, kCloth}};
  const Piece& piece = pieces[style];
  paintIn(g, armourShape(f, piece.cut), piece.material);
  if (piece.cut == Cut::Jacket)  // the wrap of a ninja jacket
    paint(g, blankMask().capsule({f.x - 14, f.shoulderY + 2}, {f.x + 10, f.waistY}, 1), grey(6));
}

void paintSleeves(GumpImage& g, const Figure& f, int style) {
  const Material materials[] = {kStudded, kPlate, kLeather, kRingmail, kBone, kCloth};
  paintIn(g, sleeveCover(f, 2, f.wrist(kLeftSide).y), materials[style]);
}

void paintShoulderGuards(GumpImage& g, const Figure& f, int style) {
  const Shade shades[] = {material::leather, material::leather, material::metal};
  for (const int side : {kRightSide, kLeftSide}) {
    Mask plate = blankMask();
    plate.polygon({{f.x + side * 17, f.shoulderY - 3},
                   {f.x + side * 33, f.shoulderY + 1},
                   {f.x + side * 37, f.shoulderY + 27},
                   {f.x + side * 21, f.shoulderY + 24}});
    paintTextured(g, plate, shades[style], style == 1 ? Texture::Studs : Texture::Bands);
  }
}

void paintGloves(GumpImage& g, const Figure& f, int style) {
  const Material materials[] = {kStudded, kPlate, kLeather, kRingmail, kBone, kCloth};
  Mask gloves = blankMask();
  for (const int side : {kRightSide, kLeftSide}) {
    const Point hand = f.hand(side);
    gloves.ellipse(hand.x, hand.y, 6, 8).capsule({f.wrist(side).x, f.wrist(side).y - 6}, f.wrist(side), 6);
  }
  if (style == 5) gloves.cut(blankMask().rect(0, f.hand(kLeftSide).y + 4, kPaperdollWidth, kPaperdollHeight));  // mitts
  paintIn(g, gloves, materials[style]);
}

void paintBracelet(GumpImage& g, const Figure& f, int) {
  const Point wrist = f.wrist(kRightSide);
  paint(g, blankMask().ellipse(wrist.x, wrist.y - 2, 6, 2), Shade{grey(28), grey(18)});
  paint(g, blankMask().rect(wrist.x - 1, wrist.y - 3, wrist.x + 2, wrist.y), colour::sapphire);
}

void paintRing(GumpImage& g, const Figure& f, int) {
  const Point hand = f.hand(kLeftSide);
  paint(g, blankMask().rect(hand.x - 3, hand.y + 3, hand.x + 1, hand.y + 5), grey(28));
  paint(g, blankMask().rect(hand.x - 2, hand.y + 2, hand.x, hand.y + 3), colour::ruby);
}

}  // namespace miro::demo
