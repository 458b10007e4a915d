#pragma once

// The gumps of the paperdoll: which gump the body and each worn or held item draws, how the item
// takes its hue, and the pictures of the paperdoll window.

#include <array>
#include <optional>

namespace miro {

// The gump of item `item` (1..count - 1) of part slot `slot` (1..22) for a male or female
// character; nothing for item 0 ("none") and outside the catalogue.
std::optional<int> partGump(int slot, int item, bool female);

// Whether every pixel of the item takes the hue (true) or only its grey pixels (false). The
// paperdoll uses the flags of the 2D view; Right2 has flags of its own. False where partGump
// gives nothing.
bool partFullHue(int slot, int item);

// The body gump of body list item 0..5 (odd items are female); nothing for the "none" bodies 4
// and 5. A body takes its hue on its grey pixels only.
std::optional<int> bodyGump(int bodyItem);

// Paperdoll picture sizes: the character alone, and inside the paperdoll window.
inline constexpr int kPaperdollWidth = 190;
inline constexpr int kPaperdollHeight = 240;
inline constexpr int kPaperdollWindowWidth = 262;
inline constexpr int kPaperdollWindowHeight = 324;
// Where the character's layers are laid over the window.
inline constexpr int kPaperdollWindowCharacterLeft = 8;
inline constexpr int kPaperdollWindowCharacterTop = 19;

// Which option of the properties panel a window picture needs, and for whose window it is.
enum class FrameOption { None, Backpack, ProfileScroll, PartyScroll, MoveBook, Buttons };
enum class FrameOwner { Either, Own, Other };

struct FramePicture {
  int index;  // in the window's gump table
  int gump;
  int left;
  int top;
  int layer;
  FrameOption option;
  FrameOwner owner;
};

// The pictures of the paperdoll window in drawing order.
inline constexpr std::array<FramePicture, 15> kFramePictures = {{
    {1, 2000, 0, 0, 3, FrameOption::None, FrameOwner::Own},
    {2, 2001, 0, 0, 3, FrameOption::None, FrameOwner::Other},
    {0, 113, 80, 4, 4, FrameOption::None, FrameOwner::Either},
    {3, 50422, 3, 19, 1, FrameOption::Backpack, FrameOwner::Either},
    {4, 2002, 23, 196, 5, FrameOption::ProfileScroll, FrameOwner::Either},
    {5, 2002, 37, 196, 6, FrameOption::PartyScroll, FrameOwner::Own},
    {6, 11060, 156, 198, 2, FrameOption::MoveBook, FrameOwner::Own},
    {8, 2031, 185, 44, 7, FrameOption::Buttons, FrameOwner::Own},
    {9, 2006, 185, 71, 8, FrameOption::Buttons, FrameOwner::Own},
    {10, 2009, 185, 98, 9, FrameOption::Buttons, FrameOwner::Own},
    {11, 2012, 185, 124, 10, FrameOption::Buttons, FrameOwner::Own},
    {12, 2015, 185, 151, 11, FrameOption::Buttons, FrameOwner::Own},
    {13, 22450, 185, 179, 12, FrameOption::Buttons, FrameOwner::Own},
    {14, 2021, 185, 205, 13, FrameOption::Buttons, FrameOwner::Own},
    {7, 2027, 185, 233, 14, FrameOption::Buttons, FrameOwner::Either},
}};

// The emulation options of the properties panel.
struct FrameOptions {
  bool ownCharacter = true;  // "PD Frame (My char)", else "PD Frame (Other char)"
  bool backpack = false;
  bool profileScroll = false;
  bool partyScroll = false;
  bool moveBook = false;
  bool buttons = false;
};

bool framePictureShown(const FramePicture& picture, const FrameOptions& options);

}  // namespace miro
