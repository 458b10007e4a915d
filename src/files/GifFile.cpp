#include "files/GifFile.h"

#include <gif_lib.h>

#include <cstring>
#include <memory>
#include <new>
#include <span>
#include <vector>

#include "common/FileIo.h"
#include "files/Palette.h"
#include "files/PictureFile.h"

namespace miro {

namespace {

// Called from inside giflib: a short count tells it the write failed.
int appendOutput(GifFileType* gif, const GifByteType* data, int count) noexcept {
  try {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(count));
    return count;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

// A colour map of a power of two entries, at least two as GIF has no smaller one; entries
// past the palette are black and unused.
ColourMap colourMap(const std::vector<std::uint32_t>& palette) {
  int size = 2;
  while (size < static_cast<int>(palette.size())) size *= 2;
  ColourMap map(GifMakeMapObject(size, nullptr));
  if (map == nullptr) return map;
  for (std::size_t i = 0; i < palette.size(); ++i)
    map->Colors[i] = GifColorType{static_cast<GifByteType>(palette[i] >> 16),
                                  static_cast<GifByteType>(palette[i] >> 8), static_cast<GifByteType>(palette[i])};
  return map;
}

class GifWriter {
 public:
  explicit GifWriter(std::string& out) : gif_(EGifOpen(&out, appendOutput, nullptr)) {
    if (gif_ != nullptr) EGifSetGifVersion(gif_, true);
  }
  ~GifWriter() {
    if (gif_ != nullptr) EGifCloseFile(gif_, nullptr);
  }
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  GifFileType* gif() const { return gif_; }
  // Writes the trailer; false when that or anything before failed.
  bool close() {
    GifFileType* gif = gif_;
    gif_ = nullptr;
    return EGifCloseFile(gif, nullptr) == GIF_OK;
  }

 private:
  GifFileType* gif_;
};

bool putLoopForever(GifFileType* gif) {
  static constexpr GifByteType kName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static constexpr GifByteType kForever[] = {1, 0, 0};
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kName, kName) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kForever, kForever) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putFrame(GifFileType* gif, const GifFrame& frame, const ColorMapObject* localMap, bool animated) {
  const IndexedPicture& picture = *frame.picture;
  GraphicsControlBlock control{};
  control.DisposalMode = animated ? DISPOSE_BACKGROUND : DISPOSAL_UNSPECIFIED;
  control.UserInputFlag = false;
  control.DelayTime = frame.delayCentiseconds;
  control.TransparentColor = picture.transparentIndex >= 0 ? picture.transparentIndex : NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension) != GIF_OK) return false;
  if (EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, localMap) != GIF_OK) return false;
  // giflib masks the pixels of the line it is handed in place.
  std::vector<GifPixelType> line(static_cast<std::size_t>(picture.width));
  for (int y = 0; y < picture.height; ++y) {
    std::memcpy(line.data(), picture.indices.data() + static_cast<std::size_t>(y) * line.size(), line.size());
    if (EGifPutLine(gif, line.data(), picture.width) != GIF_OK) return false;
  }
  return true;
}

bool validFrame(const GifFrame& frame, int width, int height) {
  if (frame.picture == nullptr || frame.delayCentiseconds < 0 || frame.delayCentiseconds > 0xFFFF) return false;
  const IndexedPicture& picture = *frame.picture;
  return picture.width > 0 && picture.height > 0 && picture.width <= 0xFFFF && picture.height <= 0xFFFF &&
         picture.width == width && picture.height == height && !picture.palette.empty() &&
         picture.palette.size() <= 256 && picture.transparentIndex < static_cast<int>(picture.palette.size()) &&
         picture.indices.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

std::string encodeGifFrames(std::span<const GifFrame> frames) {
  if (frames.empty() || frames.front().picture == nullptr) return {};
  const IndexedPicture& first = *frames.front().picture;
  for (const GifFrame& frame : frames)
    if (!validFrame(frame, first.width, first.height)) return {};
  const bool animated = frames.size() > 1;

  std::string out;
  GifWriter writer(out);
  GifFileType* gif = writer.gif();
  const ColourMap globalMap = colourMap(first.palette);
  if (gif == nullptr || globalMap == nullptr) return {};
  const int backgroundIndex = first.transparentIndex >= 0 ? first.transparentIndex : 0;
  if (EGifPutScreenDesc(gif, first.width, first.height, 8, backgroundIndex, globalMap.get()) != GIF_OK) return {};
  if (animated && !putLoopForever(gif)) return {};
  for (const GifFrame& frame : frames) {
    ColourMap localMap;
    if (frame.picture->palette != first.palette) {
      localMap = colourMap(frame.picture->palette);
      if (localMap == nullptr) return {};
    }
    if (!putFrame(gif, frame, localMap.get(), animated)) return {};
  }
  if (!writer.close()) return {};
  return out;
}

std::string encodeGif(const Bitmap32& picture, std::uint32_t background) {
  if (picture.width() <= 0 || picture.height() <= 0) return {};
  const IndexedPicture indexed = toIndexedWithBackground(picture, background);
  const GifFrame frame{&indexed, 0};
  return encodeGifFrames(std::span(&frame, 1));
}

Status writeGif(const std::filesystem::path& file, const Bitmap32& picture, std::uint32_t background) {
  if (Status status = checkSavable(picture, file.string()); !status) return status;
  const std::string bytes = encodeGif(picture, background);
  if (bytes.empty()) return Status::failure("Cannot write " + file.string() + ": the GIF encoder failed");
  return writeFileAtomically(file, bytes);
}

}  // namespace miro
