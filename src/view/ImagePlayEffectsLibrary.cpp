#include "view/ImagePlayEffectsLibrary.h"

#include "platform/Graphics.h"
#include "platform/Picture.h"

namespace ImagePlayEffectsLibrary {
namespace {

uint32_t Blend(uint32_t from, uint32_t to, double t) {
  const double u = 1 - t;
  uint32_t out = 0;
  for (int shift : {16, 8, 0}) {
    const double channel = t * ((to >> shift) & 0xFF) + u * ((from >> shift) & 0xFF);
    out |= static_cast<uint32_t>(channel) << shift;
  }
  return out;
}

}  // namespace

std::unique_ptr<platform::Picture> GradientWipe(int32_t width, int32_t height, bool vertical,
                                                const std::vector<uint32_t>& colours) {
  if (colours.size() < 2 || width == 0 || height == 0) return nullptr;
  auto picture = platform::Picture::Create(width, height);
  if (!picture) return nullptr;

  // The gradient is worked out along a one-pixel strip, then stretched.
  const int segments = static_cast<int>(colours.size()) - 1;
  const int seg = (vertical ? height : width) / segments;
  const int length = segments * seg;
  auto strip = vertical ? platform::Picture::Create(1, length) : platform::Picture::Create(length, 1);
  if (!strip) return nullptr;
  int at = 0;
  uint32_t prev = colours[0];
  for (int i = 1; i <= segments; ++i) {
    const uint32_t c = colours[i];
    for (int j = 0; j < seg; ++j, ++at) {
      const uint32_t pixel = Blend(prev, c, static_cast<double>(j) / seg);
      if (vertical) {
        strip->SetPixel(0, at, pixel);
      } else {
        strip->SetPixel(at, 0, pixel);
      }
    }
    prev = c;
  }
  picture->Graphics().DrawPicture(*strip, 0, 0, width, height, 0, 0, strip->Width(), strip->Height());
  return picture;
}

}  // namespace ImagePlayEffectsLibrary
