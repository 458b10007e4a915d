#pragma once

// What each wearable item and mount of the demo looks like, drawn over a posed figure.

#include "DemoFigure.h"

namespace miro::demo {

enum class Look {
  MaleBody, FemaleBody,
  Cloak, ShortHair, LongHair, PonyTail, Mohawk, Buns, Beard, LongBeard,
  Shirt, Pants, Shorts, Boots, ThighBoots, Sandals, PlateLegs, Tunic, PlateArmour, Bustier,
  Sleeves, Gloves, Skirt, Apron, Sash, Surcoat, Dress, Robe, HalfApron, Gorget, Necklace,
  Cap, WideHat, PointedHat, Helm, Mask, PaintedMask, Hood,
  Sword, Dagger, Axe, Mace, Spear, Staff, Bow, Crossbow, Wand, Book, Whip,
  Shield, KiteShield, Lantern, LitLantern, Torch, LitTorch, Candle, LitCandle, FishingPole,
  Horse, Ostard, Beetle, Dragon,
};

// The look of a wearable item from its list text (the slot tells what kind of thing it is).
Look lookOfItem(int partSlot, const std::string& text);
// The look of mount list item 1..17.
Look lookOfMount(int mountItem);
bool isMount(Look look);

// Draws the item over the figure; the figure's body hides what lies behind it.
void drawItem(Canvas& canvas, Look look, const Joints& figure, bool female);
// Draws a mount walking, running, standing or attacking (mount action 0..6) at frame n of count.
void drawMount(Canvas& canvas, Look look, int mountItem, int action, int frame, int count);
int framesOfMountAction(int action);

}  // namespace miro::demo
