#include "DemoGumpFigure.h"

namespace miro::demo {

Figure figureOf(bool female) {
  Figure f;
  f.female = female;
  if (female) {
    f.shoulderHalf = 20;
    f.waistHalf = 12;
    f.hipHalf = 19;
    f.headRx = 11;
  }
  return f;
}

Mask blankMask() { return Mask(kPaperdollWidth, kPaperdollHeight); }
GumpImage blankGump() { return GumpImage(kPaperdollWidth, kPaperdollHeight); }

Mask headShape(const Figure& f) {
  Mask m = blankMask();
  m.ellipse(f.x, f.headY, f.headRx, f.headRy);
  m.ellipse(f.x - f.headRx, f.headY + 1, 2, 4).ellipse(f.x + f.headRx, f.headY + 1, 2, 4);  // ears
  m.rect(f.x - 5, f.chinY() - 3, f.x + 6, f.shoulderY + 2);                                 // neck
  return m;
}

Mask torsoShape(const Figure& f) {
  Mask m = blankMask();
  m.polygon({{f.x - f.shoulderHalf, f.shoulderY},
             {f.x + f.shoulderHalf + 1, f.shoulderY},
             {f.x + f.waistHalf + 1, f.waistY},
             {f.x + f.hipHalf + 1, f.hipY},
             {f.x - f.hipHalf, f.hipY},
             {f.x - f.waistHalf, f.waistY}});
  m.ellipse(f.x - f.shoulderHalf + 2, f.shoulderY + 6, 6, 6).ellipse(f.x + f.shoulderHalf - 2, f.shoulderY + 6, 6, 6);
  if (f.female) m.ellipse(f.x - 8, f.shoulderY + 20, 8, 7).ellipse(f.x + 8, f.shoulderY + 20, 8, 7);
  return m;
}

Mask armShape(const Figure& f, int side) {
  Mask m = blankMask();
  m.capsule(f.shoulder(side), f.elbow(side), 6).capsule(f.elbow(side), f.wrist(side), 5);
  m.ellipse(f.hand(side).x, f.hand(side).y, 5, 7);
  return m;
}

Mask legShape(const Figure& f, int side) {
  Mask m = blankMask();
  m.capsule(f.hip(side), f.knee(side), 8).capsule(f.knee(side), f.ankle(side), 6);
  m.ellipse(f.foot(side).x, f.foot(side).y, 8, 5);
  return m;
}

Mask bodyShape(const Figure& f) {
  Mask m = headShape(f);
  m.add(torsoShape(f));
  for (const int side : {kRightSide, kLeftSide}) m.add(armShape(f, side)).add(legShape(f, side));
  return m;
}

namespace {

void paintFace(GumpImage& g, const Figure& f) {
  Mask eyes = blankMask();
  eyes.rect(f.x - 6, f.headY - 1, f.x - 3, f.headY + 1).rect(f.x + 4, f.headY - 1, f.x + 7, f.headY + 1);
  paint(g, eyes, grey(5));
  Mask nose = blankMask();
  nose.rect(f.x, f.headY + 1, f.x + 1, f.headY + 6);
  paint(g, nose, grey(15));
  Mask mouth = blankMask();
  mouth.rect(f.x - 3, f.headY + 9, f.x + 4, f.headY + 10);
  paint(g, mouth, grey(10));
}

void paintChest(GumpImage& g, const Figure& f) {
  Mask lines = blankMask();
  for (const int side : {kRightSide, kLeftSide}) {
    const int cx = f.x + side * 8;
    lines.add(rows(blankMask().ellipse(cx, f.shoulderY + 20, 8, 7).cut(blankMask().ellipse(cx, f.shoulderY + 19, 7, 6)),
                   f.shoulderY + 22, kPaperdollHeight));
  }
  paint(g, lines, grey(15));
}

// Savage people wear painted chevrons on the chest and bands on the arms and shins.
void paintWarPaint(GumpImage& g, const Figure& f) {
  Mask paintMarks = blankMask();
  for (const int y : {f.shoulderY + 12, f.shoulderY + 24}) {
    paintMarks.capsule({f.x - 14, y}, {f.x, y + 10}, 1).capsule({f.x + 14, y}, {f.x, y + 10}, 1);
  }
  for (const int side : {kRightSide, kLeftSide}) {
    paintMarks.add(rows(armShape(f, side), f.elbow(side).y - 14, f.elbow(side).y - 10));
    paintMarks.add(rows(legShape(f, side), f.kneeY + 10, f.kneeY + 14));
  }
  paint(g, paintMarks, grey(8));
}

}  // namespace

GumpImage drawBody(bool female, bool savage) {
  const Figure f = figureOf(female);
  GumpImage g = blankGump();
  const Shade skin = savage ? Shade{grey(17), grey(8)} : Shade{grey(23), grey(12)};
  // Part by part, so that each keeps its outline where it overlaps another.
  for (const int side : {kRightSide, kLeftSide}) paint(g, legShape(f, side), skin);
  paint(g, torsoShape(f), skin);
  paint(g, headShape(f), skin);
  for (const int side : {kRightSide, kLeftSide}) paint(g, armShape(f, side), skin);
  if (female) paintChest(g, f);
  if (savage) paintWarPaint(g, f);
  paintFace(g, f);
  return trimmed(g);
}

}  // namespace miro::demo
