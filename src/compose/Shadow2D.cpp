// The shadow under the figure and the sitting pose of "Sit on chair".
#include <algorithm>

#include "compose/Compose2D.h"

namespace miro {

namespace {

constexpr int kShadowDrop = 84;  // where the flattened shadow begins
constexpr int kShadowShiftX = -3;

bool isDyingFrame(const ViewState& view, int frame) { return (view.motion == 21 || view.motion == 22) && frame == 5; }

int shadowOffsetOf(const ViewState& view, int mount) {
  constexpr int kOffsets[8] = {0, 9, 1, 1, 0, 0, 1, 1};
  if (!isRidingMotion(view.motion) || mount < 9 || mount > 16) return 0;
  return kOffsets[mount - 9];
}

// Moves the pixels of columns 268 down to `left` of a row `k` columns to the right; the places
// they leave become empty and pixels pushed past the last column are dropped.
void slantRow(std::span<std::uint32_t> row, int left, int k) {
  const int width = static_cast<int>(row.size());
  for (int x = width - 2; x >= std::max(left, 0); --x) {
    const std::uint32_t p = row[static_cast<std::size_t>(x)];
    row[static_cast<std::size_t>(x)] = kKeyColour;
    if (x + k < width) row[static_cast<std::size_t>(x + k)] = p;
  }
}

bool inside(const Bitmap32& picture, int y) { return y >= 0 && y < picture.height(); }

void copyRow(Bitmap32& picture, int from, int to) {
  if (!inside(picture, from) || !inside(picture, to)) return;
  const auto source = picture.row(from);
  std::copy(source.begin(), source.end(), picture.row(to).begin());
}

void shiftRowLeft(std::span<std::uint32_t> row) {
  for (std::size_t x = 0; x + 1 < row.size(); ++x) row[x] = row[x + 1];
}

void shiftRowRight(std::span<std::uint32_t> row) {
  for (std::size_t x = row.size() - 1; x >= 2; --x) row[x] = row[x - 1];
}

}  // namespace

void Composer2D::drawShadow(const Pass& pass) {
  Bitmap32& shadow = layers_[layer2d::kShadow];
  clear(shadow);
  if (!pass.view.effects.showShadow || isDyingFrame(pass.view, pass.frame)) return;

  const int width = layers_.width();
  const int height = layers_.height();
  Bitmap32 a(width, height, kKeyColour);
  Bitmap32 b(width, height, kKeyColour);
  a.draw(0, 0, layers_[layer2d::kMount]);
  a.draw(0, 0, layers_[layer2d::kBody]);

  Bounds bounds = contentBounds(a, kKeyColour);
  for (int y = bounds.top; y < bounds.bottom; ++y) {
    auto row = a.row(y);
    for (int x = bounds.left; x <= std::min(bounds.right + 1, width - 1); ++x) {
      if (row[static_cast<std::size_t>(x)] != kKeyColour) row[static_cast<std::size_t>(x)] = 0x000000;
    }
  }
  bounds.left -= 3;
  b.stretchDraw({0, 0, width, height / 2}, a);

  a.fill(kKeyColour);
  a.draw(kShadowShiftX, kShadowDrop + shadowOffsetOf(pass.view, pass.outfit.mount), b);

  int k = 1;
  for (int y = bounds.bottom - 1; y >= bounds.top; --y, ++k) {
    if (inside(a, y)) slantRow(a.row(y), bounds.left, k);
  }
  a.transparent = true;
  a.transparentColour = kKeyColour;
  shadow = std::move(a);
}

void Composer2D::sittingPose(const Pass& pass) {
  const std::int32_t stand = lookup_[anim::peopleEntry(0, kStand, pass.storedDirection)];
  if (stand == -1) return;
  const auto header = decoder_.frameHeader(AnimFile::Anim, stand, 0);
  if (!header) return;
  const int h = header->height;
  const int top = bodyTop_;
  const bool left = pass.view.direction == 2;
  Bitmap32& picture = layers_[0];

  for (int k = 0; k <= 16; k += 2) {
    for (int y = top + k + 25; y < top + h + 8; ++y) {
      if (!inside(picture, y)) continue;
      if (left) shiftRowLeft(picture.row(y));
      else shiftRowRight(picture.row(y));
    }
  }
  for (int y = top + 25; y < top + h + 8; ++y) copyRow(picture, y, y - 1);
  for (int y = top + 44; y < top + h + 8; ++y) copyRow(picture, y, y - 3);
  for (int y = top + h + 5; y >= 1; --y) copyRow(picture, y, y + 4);
}

}  // namespace miro
