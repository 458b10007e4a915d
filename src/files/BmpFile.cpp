#include "files/BmpFile.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/FileIo.h"
#include "files/PictureFile.h"

namespace miro {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // OS/2 BITMAPCOREHEADER
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; V4 and V5 extend it
constexpr std::uint32_t kPixelsPerMetre = 2835;

enum Compression : std::uint32_t {
  kRgb = 0,
  kRle8 = 1,
  kRle4 = 2,
  kBitfields = 3,
  kJpeg = 4,
  kPng = 5,
  kAlphaBitfields = 6,
};

struct BmpLayout {
  std::int64_t width = 0;
  std::int64_t height = 0;  // positive; `topDown` tells the row order
  bool topDown = false;
  unsigned planes = 0;
  unsigned bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t coloursUsed = 0;
  std::uint32_t headerSize = 0;
  std::uint32_t pixelOffset = 0;
  std::uint32_t paletteEntrySize = 4;
};

constexpr std::uint32_t rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

std::int64_t rowStride(std::int64_t width, unsigned bits) { return (width * bits + 31) / 32 * 4; }

Status endsTooEarly() { return Status::failure("the file ends too early"); }

void readCoreHeader(Bytes bytes, BmpLayout& layout) {
  layout.width = u16Unchecked(bytes, 18);
  layout.height = u16Unchecked(bytes, 20);
  layout.planes = u16Unchecked(bytes, 22);
  layout.bits = u16Unchecked(bytes, 24);
  layout.paletteEntrySize = 3;
}

void readInfoHeader(Bytes bytes, BmpLayout& layout) {
  layout.width = static_cast<std::int32_t>(u32Unchecked(bytes, 18));
  const std::int64_t height = static_cast<std::int32_t>(u32Unchecked(bytes, 22));
  layout.topDown = height < 0;
  layout.height = height < 0 ? -height : height;
  layout.planes = u16Unchecked(bytes, 26);
  layout.bits = u16Unchecked(bytes, 28);
  layout.compression = u32Unchecked(bytes, 30);
  // The image size (34) and resolution (38, 42) fields are often wrong or zero, and unneeded.
  layout.coloursUsed = u32Unchecked(bytes, 46);
}

Status readHeaders(Bytes bytes, BmpLayout& layout) {
  if (!fits(bytes, 0, kFileHeaderSize + 4)) return endsTooEarly();
  if (bytes[0] != 'B' || bytes[1] != 'M') return Status::failure("it does not start with BM");
  // The file size field (2) is ignored: many writers get it wrong.
  layout.pixelOffset = u32Unchecked(bytes, 10);
  layout.headerSize = u32Unchecked(bytes, kFileHeaderSize);
  if (layout.headerSize != kCoreHeaderSize && layout.headerSize < kInfoHeaderSize)
    return Status::failure("unsupported header size " + std::to_string(layout.headerSize));
  if (!fits(bytes, kFileHeaderSize, layout.headerSize)) return endsTooEarly();
  if (layout.headerSize == kCoreHeaderSize) {
    readCoreHeader(bytes, layout);
  } else {
    readInfoHeader(bytes, layout);
  }
  return Status::success();
}

Status checkCompression(const BmpLayout& layout) {
  switch (layout.compression) {
    case kRgb:
      return Status::success();
    case kBitfields:
    case kAlphaBitfields:
      if (layout.bits == 32) return Status::success();
      return Status::failure("colour masks are only supported with 32 bits per pixel");
    case kRle8:
    case kRle4:
      return Status::failure("compressed (RLE) BMP pictures are not supported");
    case kJpeg:
    case kPng:
      return Status::failure("BMP pictures holding JPEG or PNG data are not supported");
    default:
      return Status::failure("unknown compression " + std::to_string(layout.compression));
  }
}

Status checkLayout(const BmpLayout& layout) {
  if (layout.planes != 1) return Status::failure("bad plane count " + std::to_string(layout.planes));
  const unsigned bits = layout.bits;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
    return Status::failure(std::to_string(bits) + " bits per pixel are not supported");
  if (Status status = checkCompression(layout); !status) return status;
  const std::string size = std::to_string(layout.width) + "x" + std::to_string(layout.height);
  if (layout.width <= 0 || layout.height == 0) return Status::failure("bad picture size " + size);
  if (!isAllowedPictureSize(layout.width, layout.height)) return Status::failure("picture too large (" + size + ")");
  if (bits <= 8 && layout.coloursUsed > (1u << bits))
    return Status::failure("a palette of " + std::to_string(layout.coloursUsed) + " colours is too large for " +
                           std::to_string(bits) + " bits per pixel");
  return Status::success();
}

bool hasColourMasks(const BmpLayout& layout) {
  return layout.compression == kBitfields || layout.compression == kAlphaBitfields;
}

// Where the colour masks or the palette begin.
std::uint64_t afterHeaders(const BmpLayout& layout) {
  return std::uint64_t{kFileHeaderSize} + layout.headerSize;
}

// Only the usual 8-8-8 layout, the one every writer uses, is accepted; the alpha mask is ignored.
Status checkColourMasks(Bytes bytes, const BmpLayout& layout, std::uint64_t& dataStart) {
  const std::uint64_t masksAt = kFileHeaderSize + kInfoHeaderSize;
  const std::uint64_t maskBytes = layout.compression == kAlphaBitfields ? 16 : 12;
  if (!fits(bytes, masksAt, maskBytes)) return endsTooEarly();
  if (u32Unchecked(bytes, masksAt) != 0xFF0000 || u32Unchecked(bytes, masksAt + 4) != 0x00FF00 ||
      u32Unchecked(bytes, masksAt + 8) != 0x0000FF)
    return Status::failure("colour masks other than 8 bits each for red, green and blue are not supported");
  // With a short header the masks follow it.
  dataStart = std::max(dataStart, masksAt + maskBytes);
  return Status::success();
}

// Writers often store fewer colours than the header promises; the room left before the
// pixels tells how many there really are. The caller has made sure the pixels come after the headers.
Status readPalette(Bytes bytes, const BmpLayout& layout, std::vector<std::uint32_t>& palette) {
  const std::uint64_t start = afterHeaders(layout);
  const std::uint64_t promised = layout.coloursUsed != 0 ? layout.coloursUsed : (1u << layout.bits);
  const std::uint64_t room = (layout.pixelOffset - start) / layout.paletteEntrySize;
  const std::uint64_t count = std::min(promised, room);
  if (count == 0) return Status::failure("it has no colour palette");
  if (!fits(bytes, start, count * layout.paletteEntrySize)) return endsTooEarly();
  palette.resize(count);
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::size_t at = start + i * layout.paletteEntrySize;
    palette[i] = rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
  }
  return Status::success();
}

Status decodeIndexedRow(Bytes line, unsigned bits, const std::vector<std::uint32_t>& palette,
                        std::span<std::uint32_t> out) {
  const unsigned mask = (1u << bits) - 1;
  for (std::size_t x = 0; x < out.size(); ++x) {
    const std::size_t bit = x * bits;
    const unsigned index = (line[bit / 8] >> (8 - bits - bit % 8)) & mask;
    if (index >= palette.size())
      return Status::failure("colour index " + std::to_string(index) + " is outside the palette of " +
                             std::to_string(palette.size()) + " colours");
    out[x] = palette[index];
  }
  return Status::success();
}

void decodeTrueColourRow(Bytes line, unsigned bits, std::span<std::uint32_t> out) {
  const std::size_t step = bits / 8;
  for (std::size_t x = 0; x < out.size(); ++x) {
    const std::size_t at = x * step;
    out[x] = rgb(line[at + 2], line[at + 1], line[at]);
  }
}

std::int64_t usedRowBytes(const BmpLayout& layout) { return (layout.width * layout.bits + 7) / 8; }

// The padding after the last row may be missing.
bool hasAllPixels(Bytes bytes, const BmpLayout& layout) {
  const std::int64_t size = rowStride(layout.width, layout.bits) * (layout.height - 1) + usedRowBytes(layout);
  return fits(bytes, layout.pixelOffset, static_cast<std::uint64_t>(size));
}

Status decodePixels(Bytes bytes, const BmpLayout& layout, const std::vector<std::uint32_t>& palette,
                    Bitmap32& picture) {
  const std::int64_t stride = rowStride(layout.width, layout.bits);
  for (std::int64_t fileRow = 0; fileRow < layout.height; ++fileRow) {
    const Bytes line = bytes.subspan(layout.pixelOffset + fileRow * stride, usedRowBytes(layout));
    const int y = static_cast<int>(layout.topDown ? fileRow : layout.height - 1 - fileRow);
    if (layout.bits > 8) {
      decodeTrueColourRow(line, layout.bits, picture.row(y));
    } else if (Status status = decodeIndexedRow(line, layout.bits, palette, picture.row(y)); !status) {
      return status;
    }
  }
  return Status::success();
}

Status decode(Bytes bytes, Bitmap32& out) {
  BmpLayout layout;
  if (Status status = readHeaders(bytes, layout); !status) return status;
  if (Status status = checkLayout(layout); !status) return status;
  std::uint64_t dataStart = afterHeaders(layout);
  if (hasColourMasks(layout)) {
    if (Status status = checkColourMasks(bytes, layout, dataStart); !status) return status;
  }
  if (layout.pixelOffset < dataStart) return Status::failure("the pixels overlap the headers");
  std::vector<std::uint32_t> palette;
  if (layout.bits <= 8) {
    if (Status status = readPalette(bytes, layout, palette); !status) return status;
  }
  if (!hasAllPixels(bytes, layout)) return endsTooEarly();
  Bitmap32 picture(static_cast<int>(layout.width), static_cast<int>(layout.height));
  if (Status status = decodePixels(bytes, layout, palette, picture); !status) return status;
  out = std::move(picture);
  return Status::success();
}

}  // namespace

std::string encodeBmp24(const Bitmap32& picture) {
  const std::uint64_t stride = rowStride(picture.width(), 24);
  const std::uint64_t imageSize = stride * static_cast<std::uint64_t>(picture.height());
  const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize;
  std::string out = "BM";
  out.reserve(pixelOffset + imageSize);
  appendU32(out, static_cast<std::uint32_t>(pixelOffset + imageSize));
  appendU32(out, 0);  // reserved
  appendU32(out, pixelOffset);
  appendU32(out, kInfoHeaderSize);
  appendU32(out, static_cast<std::uint32_t>(picture.width()));
  appendU32(out, static_cast<std::uint32_t>(picture.height()));
  appendU16(out, 1);  // planes
  appendU16(out, 24);
  appendU32(out, kRgb);
  appendU32(out, static_cast<std::uint32_t>(imageSize));
  appendU32(out, kPixelsPerMetre);
  appendU32(out, kPixelsPerMetre);
  appendU32(out, 0);  // colours used
  appendU32(out, 0);  // important colours
  const std::size_t padding = stride - 3 * static_cast<std::uint64_t>(picture.width());
  for (int y = picture.height() - 1; y >= 0; --y) {
    for (const std::uint32_t colour : picture.row(y)) {
      out += static_cast<char>(colour & 0xFF);
      out += static_cast<char>((colour >> 8) & 0xFF);
      out += static_cast<char>((colour >> 16) & 0xFF);
    }
    out.append(padding, '\0');
  }
  return out;
}

Status writeBmp24(const std::filesystem::path& file, const Bitmap32& picture) {
  if (Status status = checkSavable(picture, file.string()); !status) return status;
  return writeFileAtomically(file, encodeBmp24(picture));
}

Status decodeBmp(Bytes bytes, Bitmap32& out, std::string_view name) {
  Status status = decode(bytes, out);
  if (!status) return Status::failure("Cannot read BMP picture " + std::string(name) + ": " + status.message());
  return status;
}

Status readBmp(const std::filesystem::path& file, Bitmap32& out) {
  std::string bytes;
  if (Status status = readWholeFile(file, bytes); !status) return status;
  return decodeBmp(asBytes(bytes), out, file.string());
}

}  // namespace miro
