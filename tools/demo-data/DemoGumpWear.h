#pragma once

// The kinds of worn and held items of the demo paperdoll. Each painter draws its kind where it is
// worn on the figure; `style` picks one of the kind's looks.

#include "DemoGumpFigure.h"

namespace miro::demo {

using ItemPainter = void (*)(GumpImage& g, const Figure& f, int style);

struct ItemLook {
  ItemPainter paint;
  int style = 0;
};

// Grey materials, so that every hue shows on them.
namespace material {
inline constexpr Shade cloth{grey(21), grey(11)};
inline constexpr Shade darkCloth{grey(14), grey(6)};
inline constexpr Shade leather{grey(16), grey(7)};
inline constexpr Shade metal{grey(27), grey(15)};
inline constexpr Shade bone{grey(29), grey(18)};
inline constexpr Shade hair{grey(13), grey(6)};
}  // namespace material

// A few coloured pixels, which keep their colour where only grey is hued.
namespace colour {
inline constexpr Shade wood{clientgen::colour15(17, 10, 4), clientgen::colour15(10, 5, 2)};
inline constexpr Shade gold{clientgen::colour15(29, 23, 5), clientgen::colour15(20, 14, 2)};
inline constexpr Shade straw{clientgen::colour15(28, 24, 11), clientgen::colour15(19, 15, 5)};
inline constexpr Colour15 ruby = clientgen::colour15(29, 4, 6);
inline constexpr Colour15 sapphire = clientgen::colour15(5, 10, 29);
inline constexpr Colour15 emerald = clientgen::colour15(4, 24, 8);
inline constexpr Colour15 flame = clientgen::colour15(31, 20, 3);
inline constexpr Colour15 flameCore = clientgen::colour15(31, 30, 14);
inline constexpr Colour15 paintRed = clientgen::colour15(27, 3, 3);
inline constexpr Colour15 paintWhite = clientgen::colour15(31, 31, 25);
// Raw colour 1: the paperdoll draws it black on headgear.
inline constexpr Colour15 rawBlack = 1;
}  // namespace colour

enum class Texture { Plain, Rings, Studs, Bands, Plates, Bones, Folds };
// The shade, with the texture's pattern drawn darker (studs lighter) inside the outline.
void paintTextured(GumpImage& g, const Mask& mask, Shade shade, Texture texture);

// The figure's outline grown by `grow` pixels, limited to the rows above `bottom` (legs: from `top`).
Mask torsoCover(const Figure& f, int grow, int bottom);
Mask sleeveCover(const Figure& f, int grow, int bottom);
Mask legCover(const Figure& f, int grow, int top, int bottom);

// Head. The styles, in order:
// hair: short, long, pony tail, mohawk, pageboy, buns, curly, receding, two tails, topknot, spiky;
// beard: goatee, long, short, moustache, short with moustache, long with moustache, vandyke;
// brim hat: floppy, wide-brim, tall straw, straw, bonnet, feathered, tricorne, jester;
// cone hat: wizard's, leather / heavy / light / small plate jingasa, kasa;
// cap: cap with a button, skullcap, bandana, leather cap;
// mask (eye holes of raw colour 1): bear, deer, orc, white and red tribal, domino;
// helmet: coif, bone, plate helm, nose helm, helmet, close helm, bascinet, orc helm, crested
//   kabuto, chainmail and plate hatsuburi, decorative, battle and standard kabuto;
// hood: leather, cloth;
// neck: studded, leather and plate gorgets, silver, gold and jewel necklaces, plate, leather
//   and studded mempo.
void paintHair(GumpImage& g, const Figure& f, int style);
void paintBeard(GumpImage& g, const Figure& f, int style);
void paintBrimHat(GumpImage& g, const Figure& f, int style);
void paintConeHat(GumpImage& g, const Figure& f, int style);
void paintCap(GumpImage& g, const Figure& f, int style);
void paintMask(GumpImage& g, const Figure& f, int style);
void paintHelmet(GumpImage& g, const Figure& f, int style);
void paintHood(GumpImage& g, const Figure& f, int style);
void paintNeck(GumpImage& g, const Figure& f, int style);
void paintEarrings(GumpImage& g, const Figure& f, int style);

// Body. The styles, in order:
// shirt: short sleeves, ruffled, V-neck;
// torso armour: the 17 items of Armor (tunics, jackets, do, short female armour, bustiers,
//   underwear);
// sleeves: studded, plate, leather, ringmail, bone, cloth; shoulder guards: leather, studded,
//   plate;
// gloves: studded, plate, leather, ringmail, bone, mitts;
// trousers: short, long, chainmail, leather, studded, ringmail, bone, leather shorts, ninja,
//   wide, cloth, plate legs;
// leg guards: plate, studded and leather thigh guards, leather, studded and plate shin guards;
// footwear: thigh boots, boots, sandals, shoes, straw sandals, tabi, cuffed boots;
// skirt: skirt, kilt, short leather skirt, hakama;
// over top: full apron, sash, belted tunic, surcoat, jester suit, doublet, open vest, dark
//   surcoat;
// robe: the 12 items of OverChest; waist: half apron, belt with pouch, obi.
void paintCloak(GumpImage& g, const Figure& f, int style);
void paintShirt(GumpImage& g, const Figure& f, int style);
void paintTorsoArmour(GumpImage& g, const Figure& f, int style);
void paintSleeves(GumpImage& g, const Figure& f, int style);
void paintShoulderGuards(GumpImage& g, const Figure& f, int style);
void paintGloves(GumpImage& g, const Figure& f, int style);
void paintTrousers(GumpImage& g, const Figure& f, int style);
void paintLegGuards(GumpImage& g, const Figure& f, int style);
void paintFootwear(GumpImage& g, const Figure& f, int style);
void paintSkirt(GumpImage& g, const Figure& f, int style);
void paintOverTop(GumpImage& g, const Figure& f, int style);
void paintRobe(GumpImage& g, const Figure& f, int style);
void paintWaist(GumpImage& g, const Figure& f, int style);
void paintBracelet(GumpImage& g, const Figure& f, int style);
void paintRing(GumpImage& g, const Figure& f, int style);

// Held in the right hand (the screen's left). The styles, in order:
// sword: plain, long, short, thin, curved, wooden, broad, pair; knife: dagger, cleaver, curved,
//   sickle;
// axe: small, large, double, executioner's; polearm: spear, short spear, fork, blade, halberd,
//   scythe, crescents, lance, pike;
// blunt: club, mace, hammer, maul, pick, sceptre, tetsubo, war mace, war hammer;
// staff: black, crook, gnarled, quarter, bladed; bow: plain, composite, yumi; crossbow: light,
//   heavy, repeating; wand: ankh, jewel, cross, ring;
// small arms: sai, tekagi, tessen, fukiya, nunchaku, whip.
void paintSword(GumpImage& g, const Figure& f, int style);
void paintKnife(GumpImage& g, const Figure& f, int style);
void paintAxe(GumpImage& g, const Figure& f, int style);
void paintPolearm(GumpImage& g, const Figure& f, int style);
void paintBlunt(GumpImage& g, const Figure& f, int style);
void paintStaff(GumpImage& g, const Figure& f, int style);
void paintBow(GumpImage& g, const Figure& f, int style);
void paintCrossbow(GumpImage& g, const Figure& f, int style);
void paintWand(GumpImage& g, const Figure& f, int style);
void paintSmallArms(GumpImage& g, const Figure& f, int style);
// A book in the hand of `side` (kRightSide or kLeftSide).
void paintBook(GumpImage& g, const Figure& f, int side);

// Held in the left hand (the screen's right). Shield: metal, bronze, wooden, buckler, wooden
// and metal kite, heater, order, chaos; light: lantern, torch, candle, burning, then not.
void paintShield(GumpImage& g, const Figure& f, int style);
void paintLight(GumpImage& g, const Figure& f, int style);
void paintFishingPole(GumpImage& g, const Figure& f, int style);

}  // namespace miro::demo
