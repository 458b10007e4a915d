#include "compose/Catalogue.h"

#include <array>

namespace miro {

namespace {

const std::vector<std::string> kBodyItems = {
    "male (Body)", "female (Body)", "savege male (Body)", "savege female (Body)", "none male (Body)",
    "none female (Body)",
};

const std::vector<std::string> kSlot1Items = {
    "none (Cloak)", "cloak",
};

const std::vector<std::string> kSlot2Items = {
    "none (Hair)", "short", "long", "pony tail", "mohawk", "pageboy", "buns", "curly", "receding", "2 tails",
    "topknot", "NG hair",
};

const std::vector<std::string> kSlot3Items = {
    "none (Facial hair)", "goatee (2D no support)", "long beard", "short beard", "moustache (2D no support)",
    "short beard/moustache", "long beard/moustache", "vandyke (2D no support)",
};

const std::vector<std::string> kSlot4Items = {
    "none (Tops1)", "shirt", "fancy shirt", "NG shirt",
};

const std::vector<std::string> kSlot5Items = {
    "none (Bottoms1)", "short pants", "long pants", "chainmail leggings", "leather leggings",
    "studded leggings", "ringmail leggings", "bone leggings", "leather shorts (female)",
    "leather ninja pants", "platemail haidate", "tattsuke-hakama", "studded haidate", "leather haidate",
    "leather suneate", "studded suneate", "platemail suneate", "NG pants",
};

const std::vector<std::string> kSlot6Items = {
    "none (Footwear)", "thigh boots", "boots", "sandals", "shoes", "waraji and tabi", "ninja tabi",
    "NG boots",
};

const std::vector<std::string> kSlot7Items = {
    "none (Platemail legs)", "platemail legs",
};

const std::vector<std::string> kSlot8Items = {
    "none (Torso1)", "studded tunic", "platemail", "chainmail tunic", "leather tunic", "ringmail tunic",
    "bone armor", "leather ninja jacket", "leather do", "studded do", "platemail do", "cloth ninja jacket",
    "studded armor (female)", "plate armor (female)", "leather armor (female)", "leather bustier (female)",
    "studded bustier (female)", "NG underwear",
};

const std::vector<std::string> kSlot9Items = {
    "none (Arms)", "studded sleeves", "platemail arms", "leather sleeves", "ringmail sleeves", "bone arms",
    "leather hiro sode", "studded hiro sode", "platemail hiro sode", "NG sleeves",
};

const std::vector<std::string> kSlot10Items = {
    "none (Hands)", "studded gloves", "platemail gloves", "leather gloves", "ringmail gloves", "bone gloves",
    "leather ninja mitts",
};

const std::vector<std::string> kSlot11Items = {
    "none (Bottoms2)", "skirt", "kilt", "leather skirt (female)", "hakama",
};

const std::vector<std::string> kSlot12Items = {
    "none (Tops2)", "full apron", "sash", "tunic", "surcoat", "jester suit", "doublet", "jin-baori",
    "NG surcoat",
};

const std::vector<std::string> kSlot13Items = {
    "none (Torso2)", "plain dress", "fancy dress", "robe", "ghost robe", "GM robe", "Lord British",
    "Lord Blackthorne", "Dupre", "kamishimo", "hakama-shita", "male kimono", "female kimono",
};

const std::vector<std::string> kSlot14Items = {
    "none (Waist)", "half apron", "leather ninja belt", "obi",
};

const std::vector<std::string> kSlot15Items = {
    "none (Neck)", "studded gorget", "leather gorget", "platemail gorget", "necklace (silver)",
    "necklace (gold)", "necklace (jewel)", "platemail mempo", "leather mempo", "studded mempo",
};

const std::vector<std::string> kSlot16Items = {
    "none (Head)", "floppy hat", "wide-brim hat", "cap", "tall straw hat", "staraw hat", "wizard's hat",
    "bonnet", "feathered hat", "tricorne hat", "jester hat", "bear mask", "deer mask", "orc mask",
    "tribal mask (white)", "tribal mask (red)", "skullcap", "bandana", "leather cap", "chainmail coif",
    "bone helmet", "plate helm", "nose helm", "helmet", "close helm", "bascinet", "orc helm",
    "Ancient Samurai Helm", "leather ninja hood", "chainmail hatsuburi", "platemail hatsuburi",
    "leather jingasa", "heavy platemail jingasa", "light platemail jingasa", "small platemail jingasa",
    "decorative platemail kabuto", "platemail battle kabuto", "standard platemail kabuto",
    "cloth ninja hood", "kasa", "NG mask",
};

const std::vector<std::string> kSlot17Items = {
    "none (Right hand1)", "large battle axe", "two handed axe", "excutioner's axe", "bardiche",
    "battle axe (hatchet)", "heavy crossbow", "black staff", "broadsword (longsword)", "cleaver", "club",
    "crook", "dagger", "cutlass", "halberd", "hammer pick", "skinning knife", "gnaled staff",
    "butcher knife", "kryss", "mace", "maul", "double axe", "pickaxe", "pitchfork", "scimitar", "katana",
    "short spear", "smith's(sledge) hammer", "spear", "war mace", "viking sword", "war axe", "war fork",
    "war hammer", "quarter staff", "bow", "crossbow", "axe", "magic wand (ankh)", "magic wand (jewel)",
    "magic wand (cross)", "magic wand (ring)", "spellbook", "scythe", "bone harvester", "scepter",
    "bladed staff", "pike", "double bladed staff", "lance", "crescent blade", "composite bow",
    "repeating crossbow", "paladin sword", "wakizashi", "bokuto", "daisho", "no-dachi", "tessen", "lajatang",
    "fukiya", "tekagi", "kama", "nunchaku", "sai", "tetsubo", "yumi", "NG wepon (whip)",
};

const std::vector<std::string> kSlot18Items = {
    "none (Left hand)", "lantan (burned)", "torch (burned)", "candle (burned)", "lantan (not burned)",
    "torch (not burned)", "candle (not burned)", "metal shield", "bronze shield", "wooden shield", "buckler",
    "kite shield (wood)", "kite shield (metal)", "heater shield", "fishing pole", "order shield",
    "chaos shield", "spell book 2",
};

const std::vector<std::string> kSlot19Items = {
    "none (Bracelet)", "bracelet",
};

const std::vector<std::string> kSlot20Items = {
    "none (Earrings)", "earrings",
};

const std::vector<std::string> kSlot21Items = {
    "none (Ring)", "ring",
};

const std::vector<std::string> kMotionItems = {
    "Walk unarmed", "Walk armed", "Run unarmed", "Run armed", "Stand", "Fidget 1", "Fidget 2",
    "Stand for one handed attack", "Stand for two handed attack", "Attack one handed sword",
    "Attack one handed spear", "Attack one handed mace", "Attack two handed mace", "Attack two handed sword",
    "Attack two handed spear", "Walk in attack position", "Cast Directed", "Cast Area/Summon",
    "Attack bow and arrow", "Attack Crossbow", "Take hit", "Die Fall Backwards", "Die Fall Forwards",
    "Horseback Ride Walk", "Horseback Ride Run", "Horseback Stand", "Horseback one handed attack",
    "Horseback Attack Bow and Arrow", "Horseback Attack Crossbow", "Horseback two handed attack", "Turn",
    "Punch", "Bow", "Salute", "Fidget 3", "Sit on chair", "Horseback Walk one handed attack",
    "Horseback Walk two handed attack", "Horseback Run one handed attack", "Horseback Run two handed attack",
};

const std::vector<std::string> kDesignMountItems = {
    "none (Mount)", "Horse (Light brown)", "Horse (Dark brown)", "Desert Ostard", "Frenzied Ostard",
    "Forest Ostard", "Llama", "Horse (Light gray)", "Horse (Gray brown)",
};

const std::array<const std::vector<std::string>*, 23> kSlotItems = {
    &kBodyItems,   &kSlot1Items,  &kSlot2Items,  &kSlot3Items,  &kSlot4Items,  &kSlot5Items,
    &kSlot6Items,  &kSlot7Items,  &kSlot8Items,  &kSlot9Items,  &kSlot10Items, &kSlot11Items,
    &kSlot12Items, &kSlot13Items, &kSlot14Items, &kSlot15Items, &kSlot16Items, &kSlot17Items,
    &kSlot18Items, &kSlot19Items, &kSlot20Items, &kSlot21Items, &kSlot17Items};  // slot 22 lists the weapons of slot 17

}  // namespace

const std::vector<std::string>& bodyItems() { return kBodyItems; }

const std::vector<std::string>& partItems(int slot) {
  static const std::vector<std::string> none;
  if (slot < 1 || slot > kPartSlots) return none;
  return *kSlotItems[static_cast<std::size_t>(slot)];
}

const std::vector<std::string>& motionItems() { return kMotionItems; }

const std::vector<std::string>& designMountItems() { return kDesignMountItems; }

}  // namespace miro
