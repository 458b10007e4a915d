#include "DemoItems.h"

#include <cmath>
#include <string>

namespace miro::demo {

namespace {

constexpr double kPi = 3.14159265358979323846;

Vec3 add(Vec3 a, Vec3 b) { return {a.right + b.right, a.forward + b.forward, a.up + b.up}; }
Vec3 sub(Vec3 a, Vec3 b) { return {a.right - b.right, a.forward - b.forward, a.up - b.up}; }
Vec3 scale(Vec3 a, double k) { return {a.right * k, a.forward * k, a.up * k}; }
Vec3 between(Vec3 a, Vec3 b, double t) { return add(a, scale(sub(b, a), t)); }
Vec3 unit(Vec3 a) {
  const double n = std::sqrt(a.right * a.right + a.forward * a.forward + a.up * a.up);
  return n > 0 ? scale(a, 1 / n) : Vec3{0, 0, 1};
}

bool has(const std::string& text, const char* word) { return text.find(word) != std::string::npos; }

// The figure itself; as an occluder it hides what lies behind it and leaves no pixels.
void figure(Canvas& c, const Joints& j, bool female, int shade) {
  c.ball(j.head, 5, shade + 2);
  c.limb(j.neck, j.head, 2.2, shade);
  c.limb(j.neck, j.pelvis, female ? 5.5 : 6.3, shade);
  if (female) c.limb(j.hip[0], j.hip[1], 4.2, shade - 1);
  for (int s = 0; s < 2; ++s) {
    c.limb(j.shoulder[s], j.elbow[s], 2.5, shade);
    c.limb(j.elbow[s], j.hand[s], 2.1, shade);
    c.ball(j.hand[s], 2.1, shade + 1);
    c.limb(j.hip[s], j.knee[s], 3.2, shade - 1);
    c.limb(j.knee[s], j.foot[s], 2.6, shade - 1);
    c.ball(add(j.foot[s], {0, 2, 0}), 2.4, shade - 2);
  }
}

void legs(Canvas& c, const Joints& j, double radius, int shade, bool full) {
  for (int s = 0; s < 2; ++s) {
    c.limb(j.hip[s], j.knee[s], radius, shade);
    if (full) c.limb(j.knee[s], add(j.foot[s], {0, 0, 2}), radius - 0.5, shade);
  }
  c.limb(j.hip[0], j.hip[1], radius + 0.6, shade);
}

void torso(Canvas& c, const Joints& j, double radius, int shade, double below = 0, bool sleeves = true) {
  c.limb(add(j.neck, {0, 0, -1}), add(j.pelvis, {0, 0, below}), radius, shade);
  if (!sleeves) return;
  for (int s = 0; s < 2; ++s) c.limb(j.shoulder[s], j.elbow[s], 3.0, shade);
}

// A cone from the waist down to `length` (1 is the knees, 2 the feet).
void cone(Canvas& c, const Joints& j, double length, double top, double flare, int shade, double bias = 0) {
  const Vec3 knees = between(j.knee[0], j.knee[1], 0.5);
  const Vec3 feet = add(between(j.foot[0], j.foot[1], 0.5), {0, 0, 2});
  const Vec3 hem = length > 1 ? between(knees, feet, length - 1) : between(j.pelvis, knees, length);
  for (int k = 0; k <= 8; ++k) {
    const double t = k / 8.0;
    c.ball(between(j.pelvis, hem, t), top + flare * t, shade - static_cast<int>(3 * t), bias);
  }
}

void weapon(Canvas& c, Look look, const Joints& j) {
  const Vec3 grip = j.hand[0];
  const Vec3 pointing = unit(sub(j.hand[0], j.elbow[0]));
  const auto out = [&](double d) { return add(grip, scale(pointing, d)); };
  switch (look) {
    case Look::Sword: c.limb(grip, out(17), 1.1, 29); c.limb(out(-1), out(1), 2.2, 20); break;
    case Look::Dagger: c.limb(grip, out(8), 1.0, 29); break;
    case Look::Axe: c.limb(out(-3), out(15), 0.9, 13); c.ball(out(14), 3.6, 27); break;
    case Look::Mace: c.limb(out(-2), out(12), 0.9, 14); c.ball(out(13), 3.2, 25); break;
    case Look::Spear: c.limb(out(-12), out(20), 0.9, 13); c.ball(out(21), 1.8, 30); break;
    case Look::Staff: c.limb(out(-12), out(22), 1.2, 12); break;
    case Look::Whip: c.limb(grip, out(6), 1.0, 10); c.limb(out(6), add(out(14), {0, 0, -6}), 0.6, 9); break;
    case Look::Wand: c.limb(grip, out(7), 0.8, 16); c.colourBall(out(8), 1.4, kBlueIndex); break;
    case Look::Book: c.ball(grip, 3.4, 10); c.ball(add(grip, {0, 0.5, 0}), 2.2, 26); break;
    case Look::Bow:
      for (int k = -6; k < 6; ++k) {
        const double a = k / 6.0, b = (k + 1) / 6.0;
        c.limb(add(grip, {0, 3 * (1 - a * a), 13 * a}), add(grip, {0, 3 * (1 - b * b), 13 * b}), 0.8, 14);
      }
      break;
    case Look::Crossbow: c.limb(out(-4), out(8), 1.3, 13); c.limb(add(out(6), {-5, 0, 0}), add(out(6), {5, 0, 0}), 0.8, 18); break;
    default: break;
  }
}

void leftHand(Canvas& c, Look look, const Joints& j) {
  const Vec3 hold = add(j.hand[1], {0, 2, 0});
  const bool lit = look == Look::LitLantern || look == Look::LitTorch || look == Look::LitCandle;
  switch (look) {
    case Look::Shield: c.ball(hold, 7, 24); c.ball(hold, 2, 30, 1); break;
    case Look::KiteShield: c.limb(add(hold, {0, 0, 5}), add(hold, {0, 0, -6}), 5, 23); break;
    case Look::Lantern: case Look::LitLantern:
      c.limb(hold, add(hold, {0, 0, -3}), 0.6, 12);
      c.ball(add(hold, {0, 0, -6}), 2.8, 17);
      if (lit) c.colourBall(add(hold, {0, 0.5, -6}), 1.5, kFlameIndex, 2);
      break;
    case Look::Torch: case Look::LitTorch:
      c.limb(add(hold, {0, 0, -3}), add(hold, {0, 2, 9}), 1.0, 11);
      if (lit) c.colourBall(add(hold, {0, 2.5, 11}), 2.4, kFlameIndex, 1);
      break;
    case Look::Candle: case Look::LitCandle:
      c.limb(hold, add(hold, {0, 0, 5}), 1.0, 29);
      if (lit) c.colourBall(add(hold, {0, 0, 7}), 1.2, kFlameIndex, 1);
      break;
    case Look::FishingPole: c.limb(add(hold, {0, -4, -3}), add(hold, {0, 14, 14}), 0.7, 12); break;
    case Look::Book: c.ball(hold, 3.4, 10); break;
    default: break;
  }
}

void head(Canvas& c, Look look, const Joints& j) {
  const Vec3 h = j.head;
  switch (look) {
    case Look::ShortHair: c.ball(add(h, {0, -0.8, 1.5}), 5.2, 14); break;
    case Look::LongHair: c.ball(add(h, {0, -0.8, 1.5}), 5.2, 13); c.limb(add(h, {0, -2, 0}), add(j.neck, {0, -3, -7}), 4.6, 12); break;
    case Look::PonyTail: c.ball(add(h, {0, -0.8, 1.5}), 5.2, 14); c.limb(add(h, {0, -5, 1}), add(h, {0, -8, -9}), 1.6, 13); break;
    case Look::Mohawk: c.limb(add(h, {0, 3, 5.5}), add(h, {0, -5, 4.5}), 1.4, 15); break;
    case Look::Buns: c.ball(add(h, {0, -0.8, 1.5}), 5.1, 14); c.ball(add(h, {3.5, -2, 4}), 2.2, 15); c.ball(add(h, {-3.5, -2, 4}), 2.2, 15); break;
    case Look::Beard: c.ball(add(h, {0, 3.6, -3.5}), 2.8, 13); break;
    case Look::LongBeard: c.limb(add(h, {0, 3.4, -3}), add(h, {0, 3.6, -9}), 2.6, 13); break;
    case Look::Cap: c.ball(add(h, {0, -0.3, 2.6}), 5.4, 20); break;
    case Look::WideHat: c.limb(add(h, {-8, 0, 4}), add(h, {8, 0, 4}), 1.6, 18); c.ball(add(h, {0, 0, 6}), 4.2, 21); break;
    case Look::PointedHat: c.ball(add(h, {0, 0, 3}), 5.2, 18); c.limb(add(h, {0, 0, 5}), add(h, {0, -2, 15}), 2.4, 19); break;
    case Look::Helm: c.ball(add(h, {0, 0, 0.6}), 5.9, 27); break;
    case Look::Hood: c.ball(add(h, {0, -1, 1}), 6.0, 11); break;
    case Look::Mask: c.ball(add(h, {0, 1.5, 0}), 5.3, 22); c.ball(add(h, {0, 3, 6}), 2.5, 22); break;
    case Look::PaintedMask:
      c.ball(add(h, {0, 1.5, 0}), 5.3, 28);
      c.colourLimb(add(h, {-3, 5, 1}), add(h, {3, 5, 1}), 0.8, kRedIndex, 2);
      break;
    default: break;
  }
}

void clothes(Canvas& c, Look look, const Joints& j) {
  switch (look) {
    case Look::Cloak: c.limb(add(j.neck, {0, -3, 0}), add(between(j.knee[0], j.knee[1], 0.5), {0, -5, -4}), 8.5, 15); break;
    case Look::Shirt: torso(c, j, 6.9, 26); break;
    case Look::Tunic: torso(c, j, 7.3, 18, -2); break;
    case Look::PlateArmour: torso(c, j, 7.4, 28); c.ball(j.shoulder[0], 3.6, 29); c.ball(j.shoulder[1], 3.6, 29); break;
    case Look::Bustier: c.limb(add(j.neck, {0, 0, -6}), add(j.neck, {0, 0, -13}), 6.6, 19); break;
    case Look::Surcoat: torso(c, j, 7.5, 22, -8, false); break;
    case Look::Sash: c.limb(j.shoulder[0], j.hip[1], 1.8, 24, 7); break;
    case Look::Apron: c.limb(add(j.neck, {0, 1, -4}), add(between(j.knee[0], j.knee[1], 0.5), {0, 2, 0}), 5, 27, 6); break;
    case Look::HalfApron: c.limb(add(j.pelvis, {0, 2, 2}), add(between(j.knee[0], j.knee[1], 0.5), {0, 2, 2}), 5, 26, 6); break;
    case Look::Pants: legs(c, j, 3.7, 17, true); break;
    case Look::Shorts: legs(c, j, 3.7, 18, false); break;
    case Look::PlateLegs: legs(c, j, 4.0, 28, true); break;
    case Look::Skirt: cone(c, j, 0.9, 6.2, 3.5, 20); break;
    case Look::Dress: torso(c, j, 6.8, 23); cone(c, j, 2, 6.5, 5, 23); break;
    case Look::Robe: torso(c, j, 7.2, 16); cone(c, j, 2, 7, 5.5, 16); break;
    case Look::Sleeves:
      for (int s = 0; s < 2; ++s) {
        c.limb(j.shoulder[s], j.elbow[s], 3.0, 21);
        c.limb(j.elbow[s], j.hand[s], 2.6, 21);
      }
      break;
    case Look::Gloves: c.ball(j.hand[0], 2.8, 17); c.ball(j.hand[1], 2.8, 17); break;
    case Look::Boots:
      for (int s = 0; s < 2; ++s) c.limb(between(j.knee[s], j.foot[s], 0.5), add(j.foot[s], {0, 2, 0}), 3.0, 10);
      break;
    case Look::ThighBoots:
      for (int s = 0; s < 2; ++s) c.limb(between(j.hip[s], j.knee[s], 0.6), add(j.foot[s], {0, 2, 0}), 3.3, 9);
      break;
    case Look::Sandals: for (int s = 0; s < 2; ++s) c.ball(add(j.foot[s], {0, 2, -0.5}), 2.8, 15); break;
    case Look::Gorget: c.ball(add(j.neck, {0, 0.5, -1}), 3.8, 26); break;
    case Look::Necklace: c.limb(add(j.neck, {-3, 2, -3}), add(j.neck, {3, 2, -3}), 0.8, 28, 2); c.colourBall(add(j.neck, {0, 3, -5}), 1.3, kGoldIndex, 3); break;
    default: break;
  }
}

Look weaponLook(const std::string& t) {
  if (has(t, "crossbow")) return Look::Crossbow;
  if (has(t, "bow") || has(t, "yumi")) return Look::Bow;
  if (has(t, "axe") || has(t, "bardiche") || has(t, "cleaver") || has(t, "halberd") || has(t, "scythe")) return Look::Axe;
  if (has(t, "knife") || has(t, "dagger") || has(t, "kryss") || has(t, "sai") || has(t, "tekagi") || has(t, "kama") || has(t, "tessen")) return Look::Dagger;
  if (has(t, "mace") || has(t, "club") || has(t, "hammer") || has(t, "maul") || has(t, "tetsubo") || has(t, "nunchaku") || has(t, "scepter")) return Look::Mace;
  if (has(t, "spear") || has(t, "pike") || has(t, "fork") || has(t, "lance") || has(t, "harvester")) return Look::Spear;
  if (has(t, "staff") || has(t, "crook") || has(t, "lajatang") || has(t, "fukiya")) return Look::Staff;
  if (has(t, "wand")) return Look::Wand;
  if (has(t, "book")) return Look::Book;
  if (has(t, "whip")) return Look::Whip;
  return Look::Sword;
}

Look leftLook(const std::string& t) {
  const bool burning = has(t, "(burned)");
  if (has(t, "lantan")) return burning ? Look::LitLantern : Look::Lantern;
  if (has(t, "torch")) return burning ? Look::LitTorch : Look::Torch;
  if (has(t, "candle")) return burning ? Look::LitCandle : Look::Candle;
  if (has(t, "kite") || has(t, "heater")) return Look::KiteShield;
  if (has(t, "fishing")) return Look::FishingPole;
  if (has(t, "book")) return Look::Book;
  return Look::Shield;
}

Look hatLook(const std::string& t) {
  if (has(t, "mask") && has(t, "tribal")) return Look::PaintedMask;
  if (has(t, "mask") || has(t, "mempo")) return Look::Mask;
  if (has(t, "hood")) return Look::Hood;
  if (has(t, "helm") || has(t, "coif") || has(t, "bascinet") || has(t, "kabuto") || has(t, "hatsuburi")) return Look::Helm;
  if (has(t, "wizard") || has(t, "jester")) return Look::PointedHat;
  if (has(t, "wide") || has(t, "straw") || has(t, "jingasa") || has(t, "kasa") || has(t, "floppy") || has(t, "feathered") || has(t, "tricorne")) return Look::WideHat;
  return Look::Cap;
}

}  // namespace

Look lookOfItem(int slot, const std::string& t) {
  switch (slot) {
    case 1: return Look::Cloak;
    case 2:
      if (t == "long" || has(t, "curly")) return Look::LongHair;
      if (has(t, "pony") || has(t, "tails") || has(t, "topknot")) return Look::PonyTail;
      if (has(t, "mohawk")) return Look::Mohawk;
      if (has(t, "buns")) return Look::Buns;
      return Look::ShortHair;
    case 3: return has(t, "long") ? Look::LongBeard : Look::Beard;
    case 4: return Look::Shirt;
    case 5:
      if (has(t, "short")) return Look::Shorts;
      if (has(t, "plate")) return Look::PlateLegs;
      return Look::Pants;
    case 6:
      if (has(t, "thigh")) return Look::ThighBoots;
      if (has(t, "sandals") || has(t, "waraji") || has(t, "tabi")) return Look::Sandals;
      return Look::Boots;
    case 7: return Look::PlateLegs;
    case 8:
      if (has(t, "bustier") || has(t, "underwear")) return Look::Bustier;
      if (has(t, "plate") || has(t, "chain") || has(t, "ring") || has(t, "bone")) return Look::PlateArmour;
      return Look::Tunic;
    case 9: return Look::Sleeves;
    case 10: return Look::Gloves;
    case 11: return Look::Skirt;
    case 12:
      if (has(t, "full apron")) return Look::Apron;
      if (has(t, "sash")) return Look::Sash;
      return Look::Surcoat;
    case 13: return has(t, "dress") || has(t, "kimono") ? Look::Dress : Look::Robe;
    case 14: return Look::HalfApron;
    case 15: return has(t, "necklace") ? Look::Necklace : Look::Gorget;
    case 16: return hatLook(t);
    case 17: case 22: return weaponLook(t);
    case 18: return leftLook(t);
    default: return Look::Cap;
  }
}

Look lookOfMount(int item) {
  switch (item) {
    case 3: case 4: case 5: case 11: case 12: return Look::Ostard;
    case 13: return Look::Beetle;
    case 15: case 16: case 17: return Look::Dragon;
    default: return Look::Horse;
  }
}

bool isMount(Look look) { return look == Look::Horse || look == Look::Ostard || look == Look::Beetle || look == Look::Dragon; }

void drawItem(Canvas& canvas, Look look, const Joints& joints, bool female) {
  if (look == Look::MaleBody || look == Look::FemaleBody) {
    figure(canvas, joints, look == Look::FemaleBody, 22);
    return;
  }
  canvas.setOccluding(true);
  figure(canvas, joints, female, 22);
  canvas.setOccluding(false);
  head(canvas, look, joints);
  clothes(canvas, look, joints);
  weapon(canvas, look, joints);
  leftHand(canvas, look, joints);
}

int framesOfMountAction(int action) {
  if (action == 2) return 1;
  return 7;
}

void drawMount(Canvas& c, Look look, int item, int action, int frame, int count) {
  const double phase = 2 * kPi * frame / std::max(count, 1);
  const double stride = action == 0 ? 6 : action == 1 ? 10 : 0;
  const double rear = action >= 3 ? 4 * std::sin(kPi * frame / std::max(count - 1, 1)) : 0;
  const int shade = item == 14 ? 9 : (item == 1 || item == 2 || item == 8) ? 17 : 23;
  const double lift = std::max(0.0, std::sin(phase)) * (action == 1 ? 4 : 2);
  const Vec3 back{0, 0, 28 + lift};
  const Vec3 front = add(back, {0, 13, rear});
  const Vec3 rump = add(back, {0, -13, 0});
  const auto leg = [&](double right, double forward, double offset, double height) {
    const double swing = stride * std::sin(phase + offset);
    c.limb({right, forward, height}, {right, forward + swing, 1}, 2.0, shade - 3);
  };
  switch (look) {
    case Look::Horse:
      c.limb(rump, front, 8, shade);
      c.limb(add(front, {0, 3, 2}), add(front, {0, 10, 16}), 3.4, shade);
      c.limb(add(front, {0, 10, 16}), add(front, {0, 16, 12}), 3.2, shade + 2);
      c.limb(add(rump, {0, -2, 2}), add(rump, {0, -7, -12}), 1.8, shade - 5);
      for (int s = 0; s < 2; ++s) {
        const double r = s == 0 ? 4.5 : -4.5;
        leg(r, 11, s == 0 ? 0 : kPi, 24 + rear);
        leg(r, -11, s == 0 ? kPi : 0, 24);
      }
      break;
    case Look::Ostard:
    case Look::Dragon:
      c.limb(rump, add(front, {0, -4, 0}), 7, shade);
      c.limb(add(front, {0, -3, 2}), add(front, {0, 4, 20}), 2.6, shade);
      c.ball(add(front, {0, 7, 21}), 3.6, shade + 2);
      c.limb(add(rump, {0, -2, 0}), add(rump, {0, -14, -6}), 2.2, shade - 2);
      for (int s = 0; s < 2; ++s) leg(s == 0 ? 4 : -4, 0, s == 0 ? 0 : kPi, 24);
      if (look == Look::Dragon) c.limb(add(back, {0, -4, 7}), add(back, {0, 8, 7}), 1.5, 28);
      if (item == 4) c.colourLimb(add(front, {0, 4, 22}), add(front, {0, 0, 26}), 1.3, kRedIndex, 1);
      if (item == 5) c.colourLimb(add(front, {0, 4, 22}), add(front, {0, 0, 26}), 1.3, kGreenIndex, 1);
      if (look == Look::Dragon) c.colourBall(add(front, {0, 9, 22}), 1.0, kGoldIndex, 3);
      break;
    case Look::Beetle:
      c.ball(add(back, {0, 0, -4}), 13, shade);
      c.ball(add(front, {0, 5, -6}), 5, shade - 4);
      for (int s = 0; s < 2; ++s) {
        for (int k = -1; k <= 1; ++k) leg(s == 0 ? 10 : -10, 7.0 * k, k + s * kPi, 12);
      }
      break;
    default: break;
  }
  if (item == 7) c.colourBall(add(front, {0, 14, 20}), 1.2, kWhiteIndex, 2);  // a blaze on the forehead
}

}  // namespace miro::demo
