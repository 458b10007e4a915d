#pragma once

// The demo figure: a jointed man or woman posed per action and frame, and the items worn over
// it, rasterised into palette-index frames of the client's animation format.

#include <vector>

#include "ClientGen.h"

namespace miro::demo {

// A point of the figure in its own space: to its right, forward, up (pixels; the feet stand on
// the ground at 0).
struct Vec3 {
  double right = 0;
  double forward = 0;
  double up = 0;
};

struct Joints {
  Vec3 head, neck, pelvis;
  Vec3 shoulder[2], elbow[2], hand[2];  // [0] right, [1] left
  Vec3 hip[2], knee[2], foot[2];
};

// What an action does, in families of actions that move alike.
enum class Motion {
  Walk, Run, Stand, Fidget, AttackOneHanded, AttackTwoHanded, Shoot, Cast, TakeHit, DieBackwards,
  DieForwards, Ride, RideStand, RideAttack, Turn, Bow, Salute, Punch
};

Motion motionOfAction(int action);
int framesOfAction(int action);

// The figure at frame `frame` of `count` of a motion; `female` is a little narrower.
Joints pose(Motion motion, int frame, int count, bool female);

// The five directions stored in the animation files, as the figure's facing on screen.
struct Facing {
  double forwardX, forwardY;  // on the ground plane: x to the screen's right, y away from the viewer
};
Facing facingOfStoredDirection(int stored);

// Palette of every demo group: indices 1..31 are grey steps, 40.. a few colours.
enum PaletteIndex : int {
  kRedIndex = 40, kGoldIndex, kGreenIndex, kBlueIndex, kFlameIndex, kBrownIndex, kPurpleIndex, kWhiteIndex
};
std::array<std::uint16_t, 256> demoPalette();

// A drawing surface in the figure's frame, the ground point at (originX, originY).
class Canvas {
 public:
  Canvas(int width, int height, int originX, int originY, Facing facing);

  // A thick segment, brighter along its middle: grey steps from `shade` - 6 at the edge to `shade`.
  void limb(const Vec3& a, const Vec3& b, double radius, int shade, double depthBias = 0);
  void ball(const Vec3& centre, double radius, int shade, double depthBias = 0);
  // The same in one palette colour.
  void colourBall(const Vec3& centre, double radius, int index, double depthBias = 0);
  void colourLimb(const Vec3& a, const Vec3& b, double radius, int index, double depthBias = 0);
  // While occluding, what is drawn hides what lies behind it but leaves no pixels itself.
  void setOccluding(bool occluding) { occluding_ = occluding; }

  // The frame of everything drawn, cropped to its pixels, with its centre on the ground point.
  clientgen::IndexedFrame frame() const;

 private:
  struct Projected {
    double x, y, depth;
  };
  Projected project(const Vec3& p) const;
  // A round-ended band from a to b; palette `index`, or grey shades from `shade` when it is -1.
  void capsule(const Projected& a, const Projected& b, double radius, int shade, int index);
  void put(int x, int y, double depth, int index);

  int width_, height_, originX_, originY_;
  Facing facing_;
  std::vector<int> pixels_;
  std::vector<double> depth_;
  bool occluding_ = false;
};

}  // namespace miro::demo
