#include "source/widgets_values/SliderMath.h"

#include <cmath>

#include "host/gfx/Image.h"

namespace zarvo {

Float SliderPointerFraction(WIDGET_ORIENTATION orientation, const Rect& globalFrame, Vector2d pointer) {
  Float width = globalFrame.right - globalFrame.left;
  Float height = globalFrame.bottom - globalFrame.top;
  if (width <= 1.0) width = 1.0;
  if (height <= 1.0) height = 1.0;
  if (globalFrame.right < globalFrame.left || globalFrame.top > globalFrame.bottom) width = height = 1.0;
  switch (orientation) {
    case WIDGET_ORIENTATION::LEFT_RIGHT: return (pointer.x - globalFrame.left) / width;
    case WIDGET_ORIENTATION::RIGHT_LEFT: return (globalFrame.right - pointer.x) / width;
    case WIDGET_ORIENTATION::TOP_BOTTOM: return (pointer.y - globalFrame.top) / height;
    case WIDGET_ORIENTATION::BOTTOM_TOP: return (globalFrame.bottom - pointer.y) / height;
  }
  return 0.0;
}

Float QuantizeSliderFraction(Float fraction, Float step, NUMBER_LIMIT_MODE mode) {
  Float f = step * std::floor(fraction * 100.0 / step) / 100.0;
  if (HasLimit(mode, NUMBER_LIMIT_MODE::LIMIT_MIN) && f <= 0.0) {
    f = 0.0;
  } else if (HasLimit(mode, NUMBER_LIMIT_MODE::LIMIT_MAX) && f > 1.0) {
    f = 1.0;
  }
  return f;
}

Int IntSliderValueAt(Float fraction, Int min, Int max) {
  const Float percent = std::floor(fraction * 100.0 + 0.5);
  return static_cast<Int>(std::trunc(static_cast<Float>(max - min) * (percent / 100.0) + static_cast<Float>(min)));
}

Float FloatSliderValueAt(Float fraction, Float min, Float max) { return fraction * (max - min) + min; }

SliderTrackLayout ComputeSliderTrackLayout(Float share, Float length) {
  SliderTrackLayout layout;
  if (share < 0.0) {
    // The excess below min takes d of the track, the whole range the rest.
    const Float d = share / (share - 1.0);
    layout.undershoot = true;
    layout.undershootWidth = d;
    layout.undershootIndicator = d * length;
    layout.midNotch = (length - d * length) * 0.5 + d * length;
    layout.knobShare = 0.0;
  } else if (share > 1.0) {
    const Float r = 1.0 / share;
    layout.overshoot = true;
    layout.overshootX = r;
    layout.overshootWidth = 1.0 - r;
    layout.overshootIndicator = length * r;
    layout.fillWidth = r;
    layout.midNotch = length * r * 0.5;
    layout.knobShare = 1.0;
  } else {
    layout.fillWidth = share;
    layout.midNotch = length * 0.5;
    layout.knobShare = share;
  }
  return layout;
}

Rect SliderKnobRect(WIDGET_ORIENTATION orientation, Float knobShare, Vector2d size) {
  switch (orientation) {
    case WIDGET_ORIENTATION::LEFT_RIGHT: return Rect::FromSize(knobShare * size.x, 0.0, size.y, size.y);
    case WIDGET_ORIENTATION::RIGHT_LEFT: return Rect::FromSize((1.0 - knobShare) * size.x, 0.0, size.y, size.y);
    case WIDGET_ORIENTATION::TOP_BOTTOM: return Rect::FromSize(0.0, knobShare * size.y, size.x, size.x);
    case WIDGET_ORIENTATION::BOTTOM_TOP: return Rect::FromSize(0.0, (1.0 - knobShare) * size.y, size.x, size.x);
  }
  return {};
}

Rect SliderTrackSpan(WIDGET_ORIENTATION orientation, Float fromShare, Float toShare, Vector2d size, Float reach) {
  const Float low = std::min(fromShare, toShare);
  const Float high = std::max(fromShare, toShare);
  switch (orientation) {
    case WIDGET_ORIENTATION::LEFT_RIGHT: return {low * size.x - reach, 0.0, high * size.x + reach, size.y};
    case WIDGET_ORIENTATION::RIGHT_LEFT:
      return {(1.0 - high) * size.x - reach, 0.0, (1.0 - low) * size.x + reach, size.y};
    case WIDGET_ORIENTATION::TOP_BOTTOM: return {0.0, low * size.y - reach, size.x, high * size.y + reach};
    case WIDGET_ORIENTATION::BOTTOM_TOP:
      return {0.0, (1.0 - high) * size.y - reach, size.x, (1.0 - low) * size.y + reach};
  }
  return {};
}

Rect SliderTrackViewport(WIDGET_ORIENTATION orientation, Vector2d size) {
  return IsHorizontal(orientation) ? Rect{0.0, 0.0, size.x, size.y} : Rect{0.0, 0.0, size.y, size.x};
}

Vector2d SliderTrackRootTranslation(WIDGET_ORIENTATION orientation, Vector2d size) {
  switch (orientation) {
    case WIDGET_ORIENTATION::LEFT_RIGHT: return {};
    case WIDGET_ORIENTATION::RIGHT_LEFT: return {size.x, 0.0};
    // Mirrored, then turned a quarter back: the track's start comes to the top on its own.
    case WIDGET_ORIENTATION::TOP_BOTTOM: return {};
    case WIDGET_ORIENTATION::BOTTOM_TOP: return {0.0, size.y};
  }
  return {};
}

Vector2d SliderKnobRootTranslation(WIDGET_ORIENTATION orientation, Float side) {
  return IsHorizontal(orientation) ? Vector2d{} : Vector2d{0.0, side};
}

ColorSliderGeometry ComputeColorSliderGeometry(WIDGET_ORIENTATION orientation, Vector2d size, Float share, Float inset,
                                               Float thickness, Float markerHalfWidth, Float markerWidth) {
  const bool horizontal = IsHorizontal(orientation);
  const Float length = horizontal ? size.x : size.y;
  Float pos = length * std::clamp(share, 0.0, 1.0);
  if (orientation == WIDGET_ORIENTATION::RIGHT_LEFT || orientation == WIDGET_ORIENTATION::BOTTOM_TOP) {
    pos = length - pos;
  }
  const Float lowest = inset + markerHalfWidth;
  // std::clamp would assert on a track too short for the marker; the low end wins there.
  const Float c = std::max(lowest, std::min(pos, length - lowest));
  ColorSliderGeometry geometry{Rect{inset, inset, length - inset, thickness - inset},
                               Rect{c - markerHalfWidth, inset, c - markerHalfWidth + markerWidth, thickness - inset}};
  if (!horizontal) {
    auto transpose = [](const Rect& r) { return Rect{r.top, r.left, r.bottom, r.right}; };
    geometry.track = transpose(geometry.track);
    geometry.marker = transpose(geometry.marker);
  }
  return geometry;
}

void PaintSliderGradient(Image& image, std::span<const ColorA> colors, WIDGET_ORIENTATION orientation) {
  const size_t n = colors.size();
  if (n < 2) return;
  const Int w = image.GetWidth();
  const Int h = image.GetHeight();
  if (w == 0 || h == 0) return;
  const float segment = static_cast<float>(w) / static_cast<float>(n - 1);
  constexpr ColorA kBlack{0.0, 0.0, 0.0, 1.0};
  auto channel = [](Float a, Float b, Float u) { return static_cast<uint8_t>(std::trunc((a + (b - a) * u) * 255.0)); };
  uint8_t* data = image.GetMutableData();
  for (size_t i = 0; i + 1 < n; ++i) {
    const Int x0 = static_cast<Int>(static_cast<float>(i) * segment);
    const Int x1 = std::min(w, static_cast<Int>(static_cast<float>(i + 1) * segment));
    ColorA a = kBlack, b = kBlack;
    if (orientation == WIDGET_ORIENTATION::LEFT_RIGHT) {
      a = colors[i];
      b = colors[i + 1];
    } else if (orientation == WIDGET_ORIENTATION::RIGHT_LEFT) {
      a = colors[n - 1 - i];
      b = colors[n - 2 - i];
    }
    // Every row is the same: the first is computed, the others copy it.
    for (Int x = x0; x < x1; ++x) {
      const Float u = static_cast<Float>(x - x0) / static_cast<Float>(x1 - x0);
      uint8_t* pixel = data + x * 4;
      pixel[0] = channel(a.r, b.r, u);
      pixel[1] = channel(a.g, b.g, u);
      pixel[2] = channel(a.b, b.b, u);
      pixel[3] = channel(a.a, b.a, u);
    }
  }
  for (Int y = 1; y < h; ++y) std::copy(data, data + image.GetStride(), data + y * image.GetStride());
}

}  // namespace zarvo
