#include "DemoFigure.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace miro::demo {

namespace {

constexpr double kPi = 3.14159265358979323846;

Vec3 operator+(Vec3 a, Vec3 b) { return {a.right + b.right, a.forward + b.forward, a.up + b.up}; }
Vec3 mix(Vec3 a, Vec3 b, double t) {
  return {a.right + (b.right - a.right) * t, a.forward + (b.forward - a.forward) * t, a.up + (b.up - a.up) * t};
}

// Turns a point about the vertical axis.
Vec3 turned(Vec3 p, double angle) {
  return {p.right * std::cos(angle) - p.forward * std::sin(angle), p.right * std::sin(angle) + p.forward * std::cos(angle),
          p.up};
}

// Tips a point forward (positive angle) about a horizontal axis through `pivot`.
Vec3 tipped(Vec3 p, Vec3 pivot, double angle) {
  const double f = p.forward - pivot.forward;
  const double u = p.up - pivot.up;
  return {p.right, pivot.forward + f * std::cos(angle) + u * std::sin(angle),
          pivot.up - f * std::sin(angle) + u * std::cos(angle)};
}

template <typename F>
void forEachJoint(Joints& j, F&& f) {
  for (Vec3* p : {&j.head, &j.neck, &j.pelvis, &j.shoulder[0], &j.shoulder[1], &j.elbow[0], &j.elbow[1],
                  &j.hand[0], &j.hand[1], &j.hip[0], &j.hip[1], &j.knee[0], &j.knee[1], &j.foot[0], &j.foot[1]}) {
    f(*p);
  }
}

template <typename F>
void forEachUpperJoint(Joints& j, F&& f) {
  for (Vec3* p : {&j.head, &j.neck, &j.shoulder[0], &j.shoulder[1], &j.elbow[0], &j.elbow[1], &j.hand[0], &j.hand[1]}) {
    f(*p);
  }
}

Joints standing(bool female) {
  const double shoulder = female ? 7 : 8;
  Joints j;
  j.head = {0, 0, 55};
  j.neck = {0, 0, 49};
  j.pelvis = {0, 0, 31};
  for (int side = 0; side < 2; ++side) {
    const double s = side == 0 ? 1 : -1;
    j.shoulder[side] = {s * shoulder, 0, 47};
    j.elbow[side] = {s * (shoulder + 1), 0, 38};
    j.hand[side] = {s * (shoulder + 1), 1, 29};
    j.hip[side] = {s * 4, 0, 30};
    j.knee[side] = {s * 4, 1, 16};
    j.foot[side] = {s * 4, 1, 1};
  }
  return j;
}

void stride(Joints& j, double phase, double reach, double lift) {
  for (int side = 0; side < 2; ++side) {
    const double swing = (side == 0 ? 1 : -1) * std::sin(phase);
    const double raise = std::max(0.0, (side == 0 ? 1 : -1) * std::cos(phase)) * lift;
    j.foot[side].forward = reach * swing;
    j.foot[side].up = 1 + raise;
    j.knee[side].forward = reach * swing * 0.6 + 2;
    j.knee[side].up = 16 + raise * 0.6;
    j.hand[side].forward = -reach * 0.8 * swing + 1;
    j.elbow[side].forward = -reach * 0.4 * swing;
  }
}

void seat(Joints& j) {
  for (Vec3* p : {&j.head, &j.neck, &j.pelvis}) p->up += 10;
  for (int side = 0; side < 2; ++side) {
    const double s = side == 0 ? 1 : -1;
    j.shoulder[side].up += 10;
    j.hip[side] = {s * 6, 0, 40};
    j.knee[side] = {s * 9, 8, 36};
    j.foot[side] = {s * 9, 5, 24};
    j.elbow[side] = {s * 8, 4, 47};
    j.hand[side] = {s * 4, 10, 44};
  }
}

void swingArm(Joints& j, int side, double t, double top) {
  // From raised behind the head to low in front.
  const Vec3 raised{8, -3, top};
  const Vec3 struck{5, 15, j.pelvis.up + 4};
  const double s = side == 0 ? 1 : -1;
  const Vec3 hand = mix(raised, struck, t);
  j.hand[side] = {s * hand.right, hand.forward, hand.up};
  j.elbow[side] = mix(j.shoulder[side], j.hand[side], 0.5) + Vec3{s * 2, 0, 2};
}

}  // namespace

Motion motionOfAction(int action) {
  switch (action) {
    case 0: case 1: case 15: return Motion::Walk;
    case 2: case 3: return Motion::Run;
    case 5: case 6: case 34: return Motion::Fidget;
    case 9: case 10: case 11: case 31: return Motion::AttackOneHanded;
    case 12: case 13: case 14: return Motion::AttackTwoHanded;
    case 16: case 17: return Motion::Cast;
    case 18: case 19: return Motion::Shoot;
    case 20: return Motion::TakeHit;
    case 21: return Motion::DieBackwards;
    case 22: return Motion::DieForwards;
    case 23: case 24: return Motion::Ride;
    case 25: return Motion::RideStand;
    case 26: case 27: case 28: case 29: return Motion::RideAttack;
    case 30: return Motion::Turn;
    case 32: return Motion::Bow;
    case 33: return Motion::Salute;
    default: return Motion::Stand;
  }
}

int framesOfAction(int action) {
  switch (motionOfAction(action)) {
    case Motion::Walk: case Motion::Run: return 10;
    case Motion::Stand: case Motion::RideStand: return 1;
    case Motion::Fidget: return 6;
    case Motion::TakeHit: return 5;
    default: return 7;
  }
}

Joints pose(Motion motion, int frame, int count, bool female) {
  Joints j = standing(female);
  const double t = count > 1 ? static_cast<double>(frame) / (count - 1) : 0;
  const double phase = 2 * kPi * frame / std::max(count, 1);
  switch (motion) {
    case Motion::Stand: break;
    case Motion::Walk: stride(j, phase, 7, 3); break;
    case Motion::Run:
      stride(j, phase, 11, 5);
      forEachUpperJoint(j, [](Vec3& p) { p.forward += 3; });
      for (Vec3& e : j.elbow) e.forward += 3;
      break;
    case Motion::Fidget:
      j.head.right += 1.5 * std::sin(phase);
      j.hand[1] = {-6, 5, 38 + 3 * std::sin(phase)};
      break;
    case Motion::AttackOneHanded: swingArm(j, 0, t, 62); break;
    case Motion::AttackTwoHanded:
      swingArm(j, 0, t, 64);
      j.hand[1] = j.hand[0] + Vec3{-3, 0, -2};
      j.elbow[1] = mix(j.shoulder[1], j.hand[1], 0.5);
      break;
    case Motion::Shoot:
      j.hand[1] = {-2, 16, 45};
      j.elbow[1] = {-5, 8, 46};
      j.hand[0] = {3, 8 - 6 * t, 45};
      j.elbow[0] = {8, 2 - 3 * t, 44};
      break;
    case Motion::Cast:
      for (int side = 0; side < 2; ++side) {
        const double s = side == 0 ? 1 : -1;
        j.hand[side] = {s * (6 + 4 * t), 4 + 6 * t, 40 + 24 * std::sin(kPi * t)};
        j.elbow[side] = mix(j.shoulder[side], j.hand[side], 0.5) + Vec3{s * 2, 0, 0};
      }
      break;
    case Motion::TakeHit: {
      const double lean = 0.35 * std::sin(kPi * t);
      forEachUpperJoint(j, [&](Vec3& p) { p = tipped(p, j.pelvis, -lean); });
      break;
    }
    case Motion::DieBackwards:
    case Motion::DieForwards: {
      const double fall = (motion == Motion::DieForwards ? 1 : -1) * kPi / 2 * std::min(1.0, t * 1.2);
      const Vec3 ground{0, 0, 0};
      forEachJoint(j, [&](Vec3& p) { p = tipped(p, ground, fall); });
      forEachJoint(j, [&](Vec3& p) { p.up = std::max(p.up, 2.0); });
      break;
    }
    case Motion::Ride: seat(j); forEachUpperJoint(j, [&](Vec3& p) { p.up += std::sin(phase); }); break;
    case Motion::RideStand: seat(j); break;
    case Motion::RideAttack: seat(j); swingArm(j, 0, t, 72); break;
    case Motion::Turn: {
      const double angle = 2 * kPi * t;
      forEachJoint(j, [&](Vec3& p) { p = turned(p, angle); });
      break;
    }
    case Motion::Bow: {
      const double bend = 0.9 * std::sin(kPi * t);
      forEachUpperJoint(j, [&](Vec3& p) { p = tipped(p, j.pelvis, bend); });
      break;
    }
    case Motion::Salute:
      j.hand[0] = mix(j.hand[0], Vec3{4, 4, 56}, std::sin(kPi * t));
      j.elbow[0] = mix(j.elbow[0], Vec3{10, 4, 49}, std::sin(kPi * t));
      break;
    case Motion::Punch:
      j.hand[0] = mix(Vec3{6, 3, 42}, Vec3{4, 16, 44}, std::sin(kPi * t));
      j.elbow[0] = mix(j.shoulder[0], j.hand[0], 0.5) + Vec3{2, 0, -2};
      break;
  }
  return j;
}

Facing facingOfStoredDirection(int stored) {
  constexpr double d = 0.7071;
  switch (stored) {
    case 0: return {0, -1};   // towards the viewer
    case 1: return {-d, -d};  // down-left
    case 2: return {-1, 0};   // left
    case 3: return {-d, d};   // up-left
    default: return {0, 1};   // away
  }
}

std::array<std::uint16_t, 256> demoPalette() {
  std::array<std::uint16_t, 256> palette{};
  for (int i = 1; i < 32; ++i) palette[static_cast<std::size_t>(i)] = clientgen::colour15(i, i, i);
  palette[kRedIndex] = clientgen::colour15(28, 3, 3);
  palette[kGoldIndex] = clientgen::colour15(30, 24, 6);
  palette[kGreenIndex] = clientgen::colour15(4, 24, 6);
  palette[kBlueIndex] = clientgen::colour15(5, 10, 29);
  palette[kFlameIndex] = clientgen::colour15(31, 17, 2);
  palette[kBrownIndex] = clientgen::colour15(16, 10, 5);
  palette[kPurpleIndex] = clientgen::colour15(18, 6, 24);
  palette[kWhiteIndex] = clientgen::colour15(31, 31, 30);
  return palette;
}

Canvas::Canvas(int width, int height, int originX, int originY, Facing facing)
    : width_(width),
      height_(height),
      originX_(originX),
      originY_(originY),
      facing_(facing),
      pixels_(static_cast<std::size_t>(width * height), clientgen::IndexedFrame::kEmpty),
      depth_(static_cast<std::size_t>(width * height), -std::numeric_limits<double>::infinity()) {}

Canvas::Projected Canvas::project(const Vec3& p) const {
  // The figure's right is its forward turned a quarter to the right.
  const double rightX = facing_.forwardY;
  const double rightY = -facing_.forwardX;
  const double x = p.right * rightX + p.forward * facing_.forwardX;
  const double y = p.right * rightY + p.forward * facing_.forwardY;
  return {originX_ + x, originY_ - p.up + 0.5 * y, -y};
}

void Canvas::put(int x, int y, double depth, int index) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const auto i = static_cast<std::size_t>(y * width_ + x);
  if (depth < depth_[i]) return;
  depth_[i] = depth;
  pixels_[i] = occluding_ ? clientgen::IndexedFrame::kEmpty : index;
}

void Canvas::capsule(const Projected& a, const Projected& b, double radius, int shade, int index) {
  radius = std::max(radius, 0.5);
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const int left = static_cast<int>(std::floor(std::min(a.x, b.x) - radius));
  const int right = static_cast<int>(std::ceil(std::max(a.x, b.x) + radius));
  const int top = static_cast<int>(std::floor(std::min(a.y, b.y) - radius));
  const int bottom = static_cast<int>(std::ceil(std::max(a.y, b.y) + radius));
  for (int y = std::max(top, 0); y <= std::min(bottom, height_ - 1); ++y) {
    for (int x = std::max(left, 0); x <= std::min(right, width_ - 1); ++x) {
      const double px = x + 0.5 - a.x;
      const double py = y + 0.5 - a.y;
      const double t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0.0;
      const double ex = px - t * dx;
      const double ey = py - t * dy;
      const double d2 = (ex * ex + ey * ey) / (radius * radius);
      if (d2 > 1) continue;
      const int value = index >= 0 ? index : std::clamp(static_cast<int>(std::lround(shade - 7 * d2)), 1, 31);
      put(x, y, a.depth + (b.depth - a.depth) * t + (1 - std::sqrt(d2)) * radius, value);
    }
  }
}

void Canvas::limb(const Vec3& a, const Vec3& b, double radius, int shade, double depthBias) {
  Projected pa = project(a);
  Projected pb = project(b);
  pa.depth += depthBias;
  pb.depth += depthBias;
  capsule(pa, pb, radius, shade, -1);
}

void Canvas::ball(const Vec3& centre, double radius, int shade, double depthBias) {
  Projected p = project(centre);
  p.depth += depthBias;
  capsule(p, p, radius, shade, -1);
}

void Canvas::colourBall(const Vec3& centre, double radius, int index, double depthBias) {
  Projected p = project(centre);
  p.depth += depthBias;
  capsule(p, p, radius, 0, index);
}

void Canvas::colourLimb(const Vec3& a, const Vec3& b, double radius, int index, double depthBias) {
  Projected pa = project(a);
  Projected pb = project(b);
  pa.depth += depthBias;
  pb.depth += depthBias;
  capsule(pa, pb, radius, 0, index);
}

clientgen::IndexedFrame Canvas::frame() const {
  int left = width_, top = height_, right = -1, bottom = -1;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (pixels_[static_cast<std::size_t>(y * width_ + x)] == clientgen::IndexedFrame::kEmpty) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) {  // nothing drawn: one empty pixel on the ground point
    return clientgen::IndexedFrame(1, 1, 0, 0);
  }
  // The decoder puts row r at base y - centreY - height + r, column c at base x + c - centreX.
  clientgen::IndexedFrame out(right - left + 1, bottom - top + 1, originX_ - left, originY_ - bottom - 1);
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) out.at(x - left, y - top) = pixels_[static_cast<std::size_t>(y * width_ + x)];
  }
  return out;
}

}  // namespace miro::demo
