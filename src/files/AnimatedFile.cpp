#include "files/AnimatedFile.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <algorithm>

#include "common/FileIo.h"
#include "files/GifFile.h"
#include "files/Palette.h"
#include "files/PictureFile.h"

namespace miro {

namespace {

// Why the frames cannot make an animation, or success.
Status checkFrames(const std::vector<Bitmap32>& frames, int delayMs, const std::string& name) {
  if (frames.empty()) return Status::failure("Cannot write " + name + ": there are no frames");
  for (const Bitmap32& frame : frames) {
    if (Status status = checkSavable(frame, name); !status) return status;
    if (frame.width() != frames.front().width() || frame.height() != frames.front().height())
      return Status::failure("Cannot write " + name + ": the frames differ in size");
  }
  if (delayMs < 0 || delayMs > kMaxAnimationDelayMs)
    return Status::failure("Cannot write " + name + ": the frame delay " + std::to_string(delayMs) +
                           " ms is out of range");
  return Status::success();
}

int centiseconds(int delayMs) { return delayMs > 0 ? std::max(1, delayMs / 10) : 0; }

class AnimEncoder {
 public:
  AnimEncoder(int width, int height, const WebPAnimEncoderOptions& options)
      : encoder_(WebPAnimEncoderNew(width, height, &options)) {}
  ~AnimEncoder() {
    if (encoder_ != nullptr) WebPAnimEncoderDelete(encoder_);
  }
  AnimEncoder(const AnimEncoder&) = delete;
  AnimEncoder& operator=(const AnimEncoder&) = delete;
  WebPAnimEncoder* get() const { return encoder_; }

 private:
  WebPAnimEncoder* encoder_;
};

struct PictureGuard {
  WebPPicture* picture;
  ~PictureGuard() { WebPPictureFree(picture); }
};

struct DataGuard {
  WebPData* data;
  ~DataGuard() { WebPDataClear(data); }
};

// The frame as 0xAARRGGBB: the background transparent (black under it), the rest opaque.
bool addWebpFrame(WebPAnimEncoder* encoder, const Bitmap32& frame, std::uint32_t background, int timestamp,
                  const WebPConfig& config) {
  WebPPicture picture;
  if (!WebPPictureInit(&picture)) return false;
  picture.use_argb = 1;
  picture.width = frame.width();
  picture.height = frame.height();
  if (!WebPPictureAlloc(&picture)) return false;
  const PictureGuard guard{&picture};
  for (int y = 0; y < frame.height(); ++y) {
    const auto source = frame.row(y);
    std::uint32_t* target = picture.argb + static_cast<std::ptrdiff_t>(y) * picture.argb_stride;
    for (std::size_t x = 0; x < source.size(); ++x)
      target[x] = source[x] == background ? 0u : 0xFF000000u | (source[x] & 0xFFFFFFu);
  }
  return WebPAnimEncoderAdd(encoder, &picture, timestamp, &config) != 0;
}

}  // namespace

std::string encodeAnimatedGif(const std::vector<Bitmap32>& frames, int delayMs, std::uint32_t background) {
  if (!checkFrames(frames, delayMs, "")) return {};
  std::vector<IndexedPicture> indexed;
  indexed.reserve(frames.size());
  for (const Bitmap32& frame : frames) indexed.push_back(toIndexedWithBackground(frame, background));
  std::vector<GifFrame> gifFrames;
  gifFrames.reserve(indexed.size());
  for (const IndexedPicture& picture : indexed) gifFrames.push_back(GifFrame{&picture, centiseconds(delayMs)});
  return encodeGifFrames(gifFrames);
}

Status writeAnimatedGif(const std::filesystem::path& file, const std::vector<Bitmap32>& frames, int delayMs,
                        std::uint32_t background) {
  if (Status status = checkFrames(frames, delayMs, file.string()); !status) return status;
  const std::string bytes = encodeAnimatedGif(frames, delayMs, background);
  if (bytes.empty()) return Status::failure("Cannot write " + file.string() + ": the GIF encoder failed");
  return writeFileAtomically(file, bytes);
}

std::string encodeAnimatedWebp(const std::vector<Bitmap32>& frames, int delayMs, std::uint32_t background) {
  if (!checkFrames(frames, delayMs, "")) return {};
  const int duration = std::max(1, delayMs);
  WebPAnimEncoderOptions options;
  WebPConfig config;
  if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config)) return {};
  options.anim_params.loop_count = 0;  // forever
  options.anim_params.bgcolor = 0;     // transparent
  config.lossless = 1;
  config.quality = 75;
  config.method = 4;
  if (!WebPValidateConfig(&config)) return {};

  const AnimEncoder encoder(frames.front().width(), frames.front().height(), options);
  if (encoder.get() == nullptr) return {};
  // Each frame lasts until the next one's timestamp; a last, empty call closes the final frame.
  long long timestamp = 0;
  for (const Bitmap32& frame : frames) {
    if (timestamp > 0x7FFFFFFF - duration) return {};
    if (!addWebpFrame(encoder.get(), frame, background, static_cast<int>(timestamp), config)) return {};
    timestamp += duration;
  }
  if (!WebPAnimEncoderAdd(encoder.get(), nullptr, static_cast<int>(timestamp), nullptr)) return {};
  WebPData data;
  WebPDataInit(&data);
  const DataGuard guard{&data};
  if (!WebPAnimEncoderAssemble(encoder.get(), &data) || data.bytes == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(data.bytes), data.size);
}

Status writeAnimatedWebp(const std::filesystem::path& file, const std::vector<Bitmap32>& frames, int delayMs,
                         std::uint32_t background) {
  if (Status status = checkFrames(frames, delayMs, file.string()); !status) return status;
  const std::string bytes = encodeAnimatedWebp(frames, delayMs, background);
  if (bytes.empty()) return Status::failure("Cannot write " + file.string() + ": the WebP encoder failed");
  return writeFileAtomically(file, bytes);
}

}  // namespace miro
