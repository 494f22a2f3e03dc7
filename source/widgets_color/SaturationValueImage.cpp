#include "source/widgets_color/SaturationValueImage.h"

#include <cstdint>
#include <vector>

#include "host/gfx/Image.h"
#include "source/widgets_color/ColorMath.h"

namespace zarvo {

namespace {

constexpr Float kChannelMaximum = 255.0;
constexpr uint8_t kOpaque = 255;

}  // namespace

void FillSaturationValue(Float hue, Image& image) {
  const Int width = image.GetWidth();
  const Int height = image.GetHeight();
  if (width <= 0 || height <= 0) return;
  const ColorA pure = HsvToRgb({hue, 1.0, 1.0});
  // The blend from white at value 1, once per column; rows scale it.
  std::vector<Float> row(static_cast<size_t>(width) * 3);
  for (Int x = 0; x < width; ++x) {
    const Float s = (static_cast<Float>(x) + 0.5) / static_cast<Float>(width);
    row[x * 3 + 0] = kChannelMaximum * (1.0 - s + s * pure.r);
    row[x * 3 + 1] = kChannelMaximum * (1.0 - s + s * pure.g);
    row[x * 3 + 2] = kChannelMaximum * (1.0 - s + s * pure.b);
  }
  uint8_t* pixels = image.GetMutableData();
  for (Int y = 0; y < height; ++y) {
    const Float v = 1.0 - (static_cast<Float>(y) + 0.5) / static_cast<Float>(height);
    uint8_t* out = pixels + y * image.GetStride();
    for (Int x = 0; x < width; ++x, out += 4) {
      out[0] = static_cast<uint8_t>(v * row[x * 3 + 0] + 0.5);
      out[1] = static_cast<uint8_t>(v * row[x * 3 + 1] + 0.5);
      out[2] = static_cast<uint8_t>(v * row[x * 3 + 2] + 0.5);
      out[3] = kOpaque;
    }
  }
  image.MarkChanged();
}

}  // namespace zarvo
