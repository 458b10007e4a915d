#pragma once

// The standing figure of the demo paperdoll, front on, in the 190 x 240 picture: where the body's
// parts lie, so that every item gump is drawn where it is worn.

#include "DemoGumpSketch.h"
#include "compose/GumpCatalogue.h"

namespace miro::demo {

// The character's right hand is on the screen's left.
inline constexpr int kRightSide = -1;
inline constexpr int kLeftSide = 1;

struct Figure {
  bool female = false;
  int x = 95;  // centre line
  int headY = 37;
  int headRx = 12;
  int headRy = 15;
  int shoulderY = 60;
  int shoulderHalf = 22;
  int waistY = 112;
  int waistHalf = 16;
  int hipY = 136;
  int hipHalf = 17;
  int kneeY = 174;
  int ankleY = 206;
  int soleY = 218;
  int legX = 9;  // leg centres from the centre line

  int headTop() const { return headY - headRy; }
  int chinY() const { return headY + headRy; }
  Point shoulder(int side) const { return {x + side * 25, 66}; }
  Point elbow(int side) const { return {x + side * 31, 100}; }
  Point wrist(int side) const { return {x + side * 34, 128}; }
  Point hand(int side) const { return {x + side * 34, 137}; }
  Point hip(int side) const { return {x + side * legX, hipY}; }
  Point knee(int side) const { return {x + side * legX, kneeY}; }
  Point ankle(int side) const { return {x + side * legX, ankleY}; }
  Point foot(int side) const { return {x + side * (legX + 2), soleY - 5}; }
};

Figure figureOf(bool female);

// An empty mask of the paperdoll picture, and one picture's worth of transparent gump.
Mask blankMask();
GumpImage blankGump();

Mask headShape(const Figure& f);
Mask torsoShape(const Figure& f);  // shoulders to the hips
Mask armShape(const Figure& f, int side);
Mask legShape(const Figure& f, int side);
Mask bodyShape(const Figure& f);

// A grey body: people or savage, male or female.
GumpImage drawBody(bool female, bool savage);

}  // namespace miro::demo
