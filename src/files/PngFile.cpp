#include "files/PngFile.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "common/FileIo.h"
#include "files/PictureFile.h"

namespace miro {

namespace {

// libpng reports errors by longjmp. The functions below that call setjmp hold no object
// with a destructor, so a jump skips nothing: the buffers they fill belong to their callers.
// Outside them only libpng calls that cannot fail are made (getters, create and destroy).
struct PngState {
  png_structp png = nullptr;
  png_infop info = nullptr;
  char error[256] = {};
};

void onError(png_structp png, png_const_charp message) {
  auto* state = static_cast<PngState*>(png_get_error_ptr(png));
  std::snprintf(state->error, sizeof state->error, "%s", message);
  png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

struct PngInput {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  std::size_t position = 0;
};

void readInput(png_structp png, png_bytep out, std::size_t count) {
  auto* input = static_cast<PngInput*>(png_get_io_ptr(png));
  if (count > input->size - input->position) png_error(png, "the file ends too early");
  std::memcpy(out, input->data + input->position, count);
  input->position += count;
}

class ReadSession {
 public:
  explicit ReadSession(Bytes bytes) : input_{bytes.data(), bytes.size(), 0} {
    state_.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state_, onError, onWarning);
    if (state_.png != nullptr) state_.info = png_create_info_struct(state_.png);
    if (state_.info == nullptr) return;
    png_set_read_fn(state_.png, &input_, readInput);
    png_set_chunk_malloc_max(state_.png, limits::kPngChunkBytes);
  }
  ~ReadSession() { png_destroy_read_struct(&state_.png, &state_.info, nullptr); }
  ReadSession(const ReadSession&) = delete;
  ReadSession& operator=(const ReadSession&) = delete;

  bool ready() const { return state_.info != nullptr; }
  PngState& state() { return state_; }
  Status failure() const { return Status::failure(state_.error); }

 private:
  PngState state_;
  PngInput input_;
};

bool readPngInfo(PngState& s) {
  if (setjmp(png_jmpbuf(s.png))) return false;
  png_read_info(s.png, s.info);
  return true;
}

// Whatever the file holds, libpng is to hand over 8-bit RGB rows.
bool requestRgb8(PngState& s) {
  if (setjmp(png_jmpbuf(s.png))) return false;
  png_set_expand(s.png);
  png_set_scale_16(s.png);
  png_set_gray_to_rgb(s.png);
  png_set_strip_alpha(s.png);
  png_set_interlace_handling(s.png);
  png_read_update_info(s.png, s.info);
  return true;
}

bool readPngPixels(PngState& s, png_bytepp rows) {
  if (setjmp(png_jmpbuf(s.png))) return false;
  png_read_image(s.png, rows);
  png_read_end(s.png, nullptr);
  return true;
}

// libpng allocates a chunk's whole length before it finds that the file ends sooner, and it
// takes an oversized chunk for a warning only: so the chunk lengths are checked first.
Status checkChunkLengths(Bytes bytes) {
  constexpr std::size_t kSignature = 8;
  constexpr std::size_t kFraming = 12;  // length, type, CRC
  for (std::uint64_t at = kSignature; fits(bytes, at, 8);) {
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i) length = length << 8 | bytes[static_cast<std::size_t>(at) + static_cast<std::size_t>(i)];
    const bool pixels = std::memcmp(bytes.data() + at + 4, "IDAT", 4) == 0;
    if (!fits(bytes, at, std::uint64_t{length} + kFraming)) return Status::failure("the file ends too early");
    if (!pixels && length > limits::kPngChunkBytes) return Status::failure("a chunk is too large");
    if (std::memcmp(bytes.data() + at + 4, "IEND", 4) == 0) break;  // what follows is not read
    at += std::uint64_t{length} + kFraming;
  }
  return Status::success();
}

Status decode(Bytes bytes, Bitmap32& out) {
  if (Status chunks = checkChunkLengths(bytes); !chunks) return chunks;
  ReadSession session(bytes);
  if (!session.ready()) return Status::failure("libpng cannot start");
  PngState& s = session.state();
  if (!readPngInfo(s)) return session.failure();
  const std::uint32_t width = png_get_image_width(s.png, s.info);
  const std::uint32_t height = png_get_image_height(s.png, s.info);
  if (!isAllowedPictureSize(width, height))
    return Status::failure("picture too large (" + std::to_string(width) + "x" + std::to_string(height) + ")");
  if (!requestRgb8(s)) return session.failure();
  const std::size_t rowBytes = std::size_t{3} * width;
  if (png_get_channels(s.png, s.info) != 3 || png_get_bit_depth(s.png, s.info) != 8 ||
      png_get_rowbytes(s.png, s.info) != rowBytes)
    return Status::failure("libpng cannot turn its pixels into 8-bit RGB");
  std::vector<png_byte> pixels(rowBytes * height);
  std::vector<png_bytep> rows(height);
  for (std::uint32_t y = 0; y < height; ++y) rows[y] = pixels.data() + y * rowBytes;
  if (!readPngPixels(s, rows.data())) return session.failure();

  Bitmap32 picture(static_cast<int>(width), static_cast<int>(height));
  for (std::uint32_t y = 0; y < height; ++y) {
    const png_byte* in = rows[y];
    for (std::uint32_t& colour : picture.row(static_cast<int>(y))) {
      colour = (std::uint32_t{in[0]} << 16) | (std::uint32_t{in[1]} << 8) | in[2];
      in += 3;
    }
  }
  out = std::move(picture);
  return Status::success();
}

// Called from inside libpng, which cannot pass a C++ exception on: failure is a flag.
bool appendBytes(std::string& out, const png_byte* data, std::size_t count) noexcept {
  try {
    out.append(reinterpret_cast<const char*>(data), count);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void writeOutput(png_structp png, png_bytep data, std::size_t count) {
  if (!appendBytes(*static_cast<std::string*>(png_get_io_ptr(png)), data, count)) png_error(png, "out of memory");
}

void flushOutput(png_structp) {}

class WriteSession {
 public:
  explicit WriteSession(std::string& out) {
    state_.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state_, onError, onWarning);
    if (state_.png != nullptr) state_.info = png_create_info_struct(state_.png);
    if (state_.info != nullptr) png_set_write_fn(state_.png, &out, writeOutput, flushOutput);
  }
  ~WriteSession() { png_destroy_write_struct(&state_.png, &state_.info); }
  WriteSession(const WriteSession&) = delete;
  WriteSession& operator=(const WriteSession&) = delete;

  bool ready() const { return state_.info != nullptr; }
  PngState& state() { return state_; }

 private:
  PngState state_;
};

// What goes into a written PNG besides its header: the optional palette chunks, and the rows,
// which `rowOf` puts in the file's pixel format.
struct PngLayout {
  int width = 0;
  int height = 0;
  int colourType = PNG_COLOR_TYPE_RGB;
  const png_color* palette = nullptr;  // PLTE
  int paletteSize = 0;
  const png_byte* alpha = nullptr;  // tRNS, one per palette entry from the first
  int alphaSize = 0;
  int backgroundIndex = -1;  // bKGD, a palette entry
  void (*rowOf)(const void* source, int y, png_bytep row) = nullptr;
  const void* source = nullptr;
};

void packRgb(std::span<const std::uint32_t> colours, png_bytep out) {
  for (const std::uint32_t colour : colours) {
    *out++ = static_cast<png_byte>(colour >> 16);
    *out++ = static_cast<png_byte>(colour >> 8);
    *out++ = static_cast<png_byte>(colour);
  }
}

// `row` has room for one row of the file's pixels.
bool writePngRows(PngState& s, const PngLayout& layout, int compressionLevel, png_bytep row) {
  if (setjmp(png_jmpbuf(s.png))) return false;
  png_set_compression_level(s.png, compressionLevel);
  png_set_IHDR(s.png, s.info, static_cast<png_uint_32>(layout.width), static_cast<png_uint_32>(layout.height), 8,
               layout.colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (layout.paletteSize > 0) png_set_PLTE(s.png, s.info, layout.palette, layout.paletteSize);
  if (layout.alphaSize > 0) png_set_tRNS(s.png, s.info, layout.alpha, layout.alphaSize, nullptr);
  if (layout.backgroundIndex >= 0) {
    png_color_16 background{};
    background.index = static_cast<png_byte>(layout.backgroundIndex);
    png_set_bKGD(s.png, s.info, &background);
  }
  png_text comment{};
  comment.compression = PNG_TEXT_COMPRESSION_NONE;
  comment.key = const_cast<png_charp>(kPngCommentKey);
  comment.text = const_cast<png_charp>(kPngCommentText);
  png_set_text(s.png, s.info, &comment, 1);
  png_write_info(s.png, s.info);
  for (int y = 0; y < layout.height; ++y) {
    layout.rowOf(layout.source, y, row);
    png_write_row(s.png, row);
  }
  png_write_end(s.png, nullptr);
  return true;
}

std::string encode(const PngLayout& layout, std::size_t rowBytes, int compressionLevel) {
  std::string out;
  WriteSession session(out);
  std::vector<png_byte> row(rowBytes);
  if (layout.width <= 0 || layout.height <= 0 || !session.ready() ||
      !writePngRows(session.state(), layout, std::clamp(compressionLevel, 0, 9), row.data()))
    out.clear();
  return out;
}

}  // namespace

std::string encodePng24(const Bitmap32& picture, int compressionLevel) {
  PngLayout layout;
  layout.width = picture.width();
  layout.height = picture.height();
  layout.colourType = PNG_COLOR_TYPE_RGB;
  layout.source = &picture;
  layout.rowOf = [](const void* source, int y, png_bytep row) {
    packRgb(static_cast<const Bitmap32*>(source)->row(y), row);
  };
  return encode(layout, std::size_t{3} * static_cast<std::size_t>(picture.width()), compressionLevel);
}

std::string encodePngIndexed(const IndexedPicture& picture, int compressionLevel) {
  const std::size_t pixels = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
  if (picture.palette.empty() || picture.palette.size() > 256 || picture.indices.size() != pixels ||
      picture.transparentIndex >= static_cast<int>(picture.palette.size()))
    return {};
  std::vector<png_color> palette;
  for (const std::uint32_t colour : picture.palette)
    palette.push_back(png_color{static_cast<png_byte>(colour >> 16), static_cast<png_byte>(colour >> 8),
                                static_cast<png_byte>(colour)});
  // Entries after the transparent one are left out of tRNS, which makes them opaque.
  std::vector<png_byte> alpha(static_cast<std::size_t>(std::max(picture.transparentIndex + 1, 0)), 255);
  if (!alpha.empty()) alpha.back() = 0;

  PngLayout layout;
  layout.width = picture.width;
  layout.height = picture.height;
  layout.colourType = PNG_COLOR_TYPE_PALETTE;
  layout.palette = palette.data();
  layout.paletteSize = static_cast<int>(palette.size());
  layout.alpha = alpha.data();
  layout.alphaSize = static_cast<int>(alpha.size());
  layout.backgroundIndex = picture.transparentIndex;
  layout.source = &picture;
  layout.rowOf = [](const void* source, int y, png_bytep row) {
    const auto* indexed = static_cast<const IndexedPicture*>(source);
    const std::size_t width = static_cast<std::size_t>(indexed->width);
    std::memcpy(row, indexed->indices.data() + static_cast<std::size_t>(y) * width, width);
  };
  return encode(layout, static_cast<std::size_t>(picture.width), compressionLevel);
}

Status writePng24(const std::filesystem::path& file, const Bitmap32& picture) {
  if (Status status = checkSavable(picture, file.string()); !status) return status;
  const std::string bytes = encodePng24(picture);
  if (bytes.empty()) return Status::failure("Cannot write " + file.string() + ": the PNG encoder failed");
  return writeFileAtomically(file, bytes);
}

Status decodePng(Bytes bytes, Bitmap32& out, std::string_view name) {
  Status status = decode(bytes, out);
  if (!status) return Status::failure("Cannot read PNG picture " + std::string(name) + ": " + status.message());
  return status;
}

Status readPng(const std::filesystem::path& file, Bitmap32& out) {
  std::string bytes;
  if (Status status = readWholeFile(file, bytes); !status) return status;
  return decodePng(asBytes(bytes), out, file.string());
}

}  // namespace miro
