#include "DemoGumpItems.h"

#include <span>
#include <stdexcept>
#include <string>

#include "DemoGumpWear.h"
#include "compose/Catalogue.h"

namespace miro::demo {

namespace {

// Item n of a slot looks like entry n - 1.
const ItemLook kBack[] = {{paintCloak}};
const ItemLook kHair[] = {{paintHair, 0}, {paintHair, 1}, {paintHair, 2}, {paintHair, 3},
                          {paintHair, 4}, {paintHair, 5}, {paintHair, 6}, {paintHair, 7},
                          {paintHair, 8}, {paintHair, 9}, {paintHair, 10}};
const ItemLook kFacialHair[] = {{paintBeard, 0}, {paintBeard, 1}, {paintBeard, 2}, {paintBeard, 3},
                                {paintBeard, 4}, {paintBeard, 5}, {paintBeard, 6}};
const ItemLook kUpperTorso1[] = {{paintShirt, 0}, {paintShirt, 1}, {paintShirt, 2}};
const ItemLook kLowerTorso1[] = {{paintTrousers, 0},  {paintTrousers, 1},  {paintTrousers, 2},  {paintTrousers, 3},
                                 {paintTrousers, 4},  {paintTrousers, 5},  {paintTrousers, 6},  {paintTrousers, 7},
                                 {paintTrousers, 8},  {paintLegGuards, 0}, {paintTrousers, 9},  {paintLegGuards, 1},
                                 {paintLegGuards, 2}, {paintLegGuards, 3}, {paintLegGuards, 4}, {paintLegGuards, 5},
                                 {paintTrousers, 10}};
const ItemLook kFootwear[] = {{paintFootwear, 0}, {paintFootwear, 1}, {paintFootwear, 2}, {paintFootwear, 3},
                              {paintFootwear, 4}, {paintFootwear, 5}, {paintFootwear, 6}};
const ItemLook kPlateLeg[] = {{paintTrousers, 11}};
const ItemLook kArmor[] = {{paintTorsoArmour, 0},  {paintTorsoArmour, 1},  {paintTorsoArmour, 2},
                           {paintTorsoArmour, 3},  {paintTorsoArmour, 4},  {paintTorsoArmour, 5},
                           {paintTorsoArmour, 6},  {paintTorsoArmour, 7},  {paintTorsoArmour, 8},
                           {paintTorsoArmour, 9},  {paintTorsoArmour, 10}, {paintTorsoArmour, 11},
                           {paintTorsoArmour, 12}, {paintTorsoArmour, 13}, {paintTorsoArmour, 14},
                           {paintTorsoArmour, 15}, {paintTorsoArmour, 16}};
const ItemLook kArms[] = {{paintSleeves, 0},        {paintSleeves, 1},        {paintSleeves, 2},
                          {paintSleeves, 3},        {paintSleeves, 4},        {paintShoulderGuards, 0},
                          {paintShoulderGuards, 1}, {paintShoulderGuards, 2}, {paintSleeves, 5}};
const ItemLook kGloves[] = {{paintGloves, 0}, {paintGloves, 1}, {paintGloves, 2},
                            {paintGloves, 3}, {paintGloves, 4}, {paintGloves, 5}};
const ItemLook kLowerTorso2[] = {{paintSkirt, 0}, {paintSkirt, 1}, {paintSkirt, 2}, {paintSkirt, 3}};
const ItemLook kUpperTorso2[] = {{paintOverTop, 0}, {paintOverTop, 1}, {paintOverTop, 2}, {paintOverTop, 3},
                                 {paintOverTop, 4}, {paintOverTop, 5}, {paintOverTop, 6}, {paintOverTop, 7}};
const ItemLook kOverChest[] = {{paintRobe, 0}, {paintRobe, 1}, {paintRobe, 2},  {paintRobe, 3},
                               {paintRobe, 4}, {paintRobe, 5}, {paintRobe, 6},  {paintRobe, 7},
                               {paintRobe, 8}, {paintRobe, 9}, {paintRobe, 10}, {paintRobe, 11}};
const ItemLook kHalfApron[] = {{paintWaist, 0}, {paintWaist, 1}, {paintWaist, 2}};
const ItemLook kNeck[] = {{paintNeck, 0}, {paintNeck, 1}, {paintNeck, 2}, {paintNeck, 3}, {paintNeck, 4},
                          {paintNeck, 5}, {paintNeck, 6}, {paintNeck, 7}, {paintNeck, 8}};
const ItemLook kHat[] = {{paintBrimHat, 0}, {paintBrimHat, 1}, {paintCap, 0},     {paintBrimHat, 2}, {paintBrimHat, 3},
                         {paintConeHat, 0}, {paintBrimHat, 4}, {paintBrimHat, 5}, {paintBrimHat, 6}, {paintBrimHat, 7},
                         {paintMask, 0},    {paintMask, 1},    {paintMask, 2},    {paintMask, 3},    {paintMask, 4},
                         {paintCap, 1},     {paintCap, 2},     {paintCap, 3},     {paintHelmet, 0},  {paintHelmet, 1},
                         {paintHelmet, 2},  {paintHelmet, 3},  {paintHelmet, 4},  {paintHelmet, 5},  {paintHelmet, 6},
                         {paintHelmet, 7},  {paintHelmet, 8},  {paintHood, 0},    {paintHelmet, 9},  {paintHelmet, 10},
                         {paintConeHat, 1}, {paintConeHat, 2}, {paintConeHat, 3}, {paintConeHat, 4}, {paintHelmet, 11},
                         {paintHelmet, 12}, {paintHelmet, 13}, {paintHood, 1},    {paintConeHat, 5}, {paintMask, 5}};
const ItemLook kRightHand[] = {
    {paintAxe, 1},       {paintAxe, 1},       {paintAxe, 3},           {paintPolearm, 3},   {paintAxe, 0},
    {paintCrossbow, 1},  {paintStaff, 0},     {paintSword, 0},         {paintKnife, 1},     {paintBlunt, 0},
    {paintStaff, 1},     {paintKnife, 0},     {paintSword, 4},         {paintPolearm, 4},   {paintBlunt, 4},
    {paintKnife, 2},     {paintStaff, 2},     {paintKnife, 2},         {paintSword, 3},     {paintBlunt, 1},
    {paintBlunt, 3},     {paintAxe, 2},       {paintBlunt, 4},         {paintPolearm, 2},   {paintSword, 4},
    {paintSword, 1},     {paintPolearm, 1},   {paintBlunt, 2},         {paintPolearm, 0},   {paintBlunt, 7},
    {paintSword, 0},     {paintAxe, 0},       {paintPolearm, 2},       {paintBlunt, 8},     {paintStaff, 3},
    {paintBow, 0},       {paintCrossbow, 0},  {paintAxe, 0},           {paintWand, 0},      {paintWand, 1},
    {paintWand, 2},      {paintWand, 3},      {paintBook, kRightSide}, {paintPolearm, 5},   {paintPolearm, 5},
    {paintBlunt, 5},     {paintPolearm, 3},   {paintPolearm, 8},       {paintStaff, 4},     {paintPolearm, 7},
    {paintPolearm, 6},   {paintBow, 1},       {paintCrossbow, 2},      {paintSword, 6},     {paintSword, 2},
    {paintSword, 5},     {paintSword, 7},     {paintSword, 1},         {paintSmallArms, 2}, {paintStaff, 4},
    {paintSmallArms, 3}, {paintSmallArms, 1}, {paintKnife, 3},         {paintSmallArms, 4}, {paintSmallArms, 0},
    {paintBlunt, 6},     {paintBow, 2},       {paintSmallArms, 5}};
const ItemLook kLeftHand[] = {
    {paintLight, 0},  {paintLight, 1},    {paintLight, 2},  {paintLight, 3},  {paintLight, 4},       {paintLight, 5},
    {paintShield, 0}, {paintShield, 1},   {paintShield, 2}, {paintShield, 3}, {paintShield, 4},      {paintShield, 5},
    {paintShield, 6}, {paintFishingPole}, {paintShield, 7}, {paintShield, 8}, {paintBook, kLeftSide}};
const ItemLook kBracelet[] = {{paintBracelet}};
const ItemLook kEarrings[] = {{paintEarrings}};
const ItemLook kRing[] = {{paintRing}};

const std::span<const ItemLook> kSlots[kPartSlots] = {
    kBack,      kHair,     kFacialHair,  kUpperTorso1, kLowerTorso1, kFootwear,  kPlateLeg, kArmor,
    kArms,      kGloves,   kLowerTorso2, kUpperTorso2, kOverChest,   kHalfApron, kNeck,     kHat,
    kRightHand, kLeftHand, kBracelet,    kEarrings,    kRing,        kRightHand};

}  // namespace

GumpImage drawItemGump(int slot, int item, bool female) {
  const std::span<const ItemLook> looks = kSlots[static_cast<std::size_t>(slot - 1)];
  if (item < 1 || static_cast<std::size_t>(item) > looks.size())
    throw std::out_of_range("no demo gump for item " + std::to_string(item) + " of slot " + std::to_string(slot));
  const ItemLook& look = looks[static_cast<std::size_t>(item - 1)];
  GumpImage g = blankGump();
  look.paint(g, figureOf(female), look.style);
  return trimmed(g);
}

}  // namespace miro::demo
