#pragma once

// Every bound the readers put on what a file may make the program do. The client's files,
// outfits from elsewhere and hand-edited settings are all untrusted: a number read from them
// never decides alone how much is allocated or how long a loop runs.

#include <cstddef>
#include <cstdint>

namespace miro::limits {

// Files read whole into memory: settings, outfits, add_colors.txt, pictures.
inline constexpr std::size_t kReadFileBytes = 64u << 20;
inline constexpr std::size_t kOutfitFileBytes = 16u << 20;
// One line of the Wine registry (system.reg); longer lines are skipped.
inline constexpr std::size_t kRegistryLineBytes = 1u << 20;

// A frame's width and height are the 16-bit fields of its header: nothing is allocated by them,
// and a decode writes only inside its layer.
// Frames of one animation group; a group that claims more has its first ones drawn. No group
// of the game comes near it, and playback keeps a picture for every frame.
inline constexpr int kGroupFrames = 256;
// Pixel runs of one frame; the decode of a frame with more stops there, as damaged.
inline constexpr int kFrameRuns = 65536;

// A gump's width and height, as the 16-bit fields of the gump index hold them; also the most
// runs of one gump row that are drawn.
inline constexpr int kGumpSide = 0xFFFF;
// One file inside a UOP container, once decompressed; the files and blocks of its table that are
// read (the gump container of a client holds some 80 000 files in a hundred blocks).
inline constexpr std::uint32_t kUopEntryBytes = 64u << 20;
inline constexpr std::size_t kUopEntries = 1u << 20;
inline constexpr std::size_t kUopBlocks = 1u << 14;

// HUES.MUL of this many whole 708-byte blocks or more is refused ("Memory buffer overflow.").
inline constexpr std::size_t kHueBlocks = 399;

// Pictures read or written: background pictures and every saved picture.
inline constexpr int kPictureSide = 16384;
inline constexpr std::int64_t kPicturePixels = std::int64_t{1} << 25;
// One chunk of a PNG file other than the pixel data (text, colour profile, ...).
inline constexpr std::size_t kPngChunkBytes = 8u << 20;

// Outfit text: a .uc2 value (speech, its shifts) and a UOC speech line, in characters.
inline constexpr std::size_t kOutfitTextCharacters = 2047;
inline constexpr std::size_t kUocTextCharacters = 253;

// The user's colour list.
inline constexpr std::size_t kUserColours = 125;
inline constexpr std::size_t kUserColourLine = 254;  // characters, without the line break

}  // namespace miro::limits
