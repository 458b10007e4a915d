#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/Bitmap32.h"
#include "common/Bytes.h"
#include "common/Status.h"
#include "files/Palette.h"

namespace miro {

// Every PNG written carries this tEXt chunk.
inline constexpr char kPngCommentKey[] = "Comment";
inline constexpr char kPngCommentText[] = "Generator:Mirolane 2";

// An 8-bit RGB PNG, with no transparency; `compressionLevel` is zlib's, 0 (none) to 9 (smallest).
// Empty when the picture cannot be encoded, as one without pixels cannot.
std::string encodePng24(const Bitmap32& picture, int compressionLevel = 9);
Status writePng24(const std::filesystem::path& file, const Bitmap32& picture);

// A palette PNG of bit depth 8. When the picture has a transparent entry, bKGD names it and
// tRNS makes it, and only it, transparent. Empty when the picture cannot be encoded.
std::string encodePngIndexed(const IndexedPicture& picture, int compressionLevel = 9);

// Any PNG: palette, grey and 16-bit pictures are turned into 8-bit RGB, and alpha is
// dropped with the colour under it kept. `name` is the file named in error messages.
// `out` is left as it was on failure.
Status decodePng(Bytes bytes, Bitmap32& out, std::string_view name);
Status readPng(const std::filesystem::path& file, Bitmap32& out);

}  // namespace miro
