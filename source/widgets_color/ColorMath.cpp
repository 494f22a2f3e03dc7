#include "source/widgets_color/ColorMath.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace zarvo {

Vector RgbToHsv(Float r, Float g, Float b) noexcept {
  const Float mx = std::max({r, g, b});
  const Float mn = std::min({r, g, b});
  if (!(mx > 0.0)) return {};
  const Float ratio = mn / mx;
  if (1.0 - ratio < kGreyTolerance) return {0.0, 0.0, mn};
  const Float d = mx - mn;
  Float h = 0.0;
  if (mx == r) {
    h = (g - b) / d;
  } else if (mx == g) {
    h = (b - r) / d + 2.0;
  } else {
    h = (r - g) / d + 4.0;
  }
  h /= 6.0;
  if (h < 0.0) h += 1.0;
  return {h, 1.0 - ratio, mx};
}

ColorA HsvToRgb(const Vector& hsv, Float alpha) noexcept {
  // A hue that is no number is the hue of 0, not a colour of no numbers.
  const Float h = std::isfinite(hsv.x) ? hsv.x : 0.0;
  const Float s = hsv.y;
  const Float v = hsv.z;
  if (s < kGreyTolerance) return {v, v, v, alpha};
  const Float p = (1.0 - s) * v;
  if (h == 1.0) return {v, p, p, alpha};
  const Float x = 6.0 * h;
  const Float i = std::floor(x);
  const Float f = x - i;
  const Float q = (1.0 - s * f) * v;
  const Float t = (1.0 - s * (1.0 - f)) * v;
  // A hue outside 0..1 takes the first sextant's formula.
  const int sextant = i >= 0.0 && i <= 5.0 ? static_cast<int>(i) : 0;
  switch (sextant) {
    case 1: return {q, v, p, alpha};
    case 2: return {p, v, t, alpha};
    case 3: return {p, q, v, alpha};
    case 4: return {t, p, v, alpha};
    case 5: return {v, p, q, alpha};
    default: return {v, t, p, alpha};
  }
}

namespace {

// trunc(255 × c) as the code's byte; a component outside 0..1 keeps only the byte's bits, as
// the masks of the code do.
uint32_t CodeByte(Float component) noexcept {
  const Float scaled = std::trunc(kColorSliderMaximum * component);
  if (!std::isfinite(scaled)) return 0;
  return static_cast<uint32_t>(static_cast<int64_t>(std::clamp(scaled, -1e9, 1e9)));
}

}  // namespace

uint32_t RgbToHexCode(const ColorA& color) noexcept {
  return ((CodeByte(color.r) << 16) & 0xFF0000u) | (((CodeByte(color.g) << 8) & 0xFFFFu) + (CodeByte(color.b) & 0xFFu));
}

ColorA HexCodeToRgb(uint32_t code, Float alpha) noexcept {
  const auto channel = [&](int shift) { return static_cast<Float>((code >> shift) & 0xFFu) / kColorSliderMaximum; };
  return {channel(16), channel(8), channel(0), alpha};
}

std::string HexToString(uint32_t code) {
  char digits[kHexCodeDigits + 1];
  std::snprintf(digits, sizeof digits, "%06X", code & 0xFFFFFFu);
  return digits;
}

std::optional<uint32_t> ParseHexCode(std::string_view text) noexcept {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != kHexCodeDigits && text.size() != kHexCodeDigits / 2) return std::nullopt;
  uint32_t code = 0;
  for (const char c : text) {
    const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : std::isxdigit(static_cast<unsigned char>(c))
                          ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                          : -1;
    if (digit < 0) return std::nullopt;
    // "#F80" is "#FF8800": each short digit stands for two.
    code = text.size() == kHexCodeDigits ? (code << 4) | digit : (code << 8) | (digit << 4) | digit;
  }
  return code;
}

namespace {
constexpr Float kLargestSliderValue = 1e15;
}  // namespace

Int ComponentToSlider(Float component, Float maximum) noexcept {
  const Float scaled = std::trunc(maximum * component);
  if (!std::isfinite(scaled)) return 0;
  // Out of range stays out of range (the slider shows the overshoot), but representable.
  return static_cast<Int>(std::clamp(scaled, -kLargestSliderValue, kLargestSliderValue));
}

Float SliderToComponent(Int value, Float maximum) noexcept { return static_cast<Float>(value) / maximum; }

Float HueSliderToComponent(Int value) noexcept {
  return static_cast<Float>(static_cast<float>(value) / static_cast<float>(kHueSliderMaximum));
}

std::optional<ColorA> ClampedColor(const ColorA& color) noexcept {
  for (const Float component : {color.r, color.g, color.b, color.a}) {
    if (std::isnan(component)) return std::nullopt;
  }
  const auto clamp = [](Float component) { return std::clamp(component, 0.0, 1.0); };
  return ColorA{clamp(color.r), clamp(color.g), clamp(color.b), clamp(color.a)};
}

const std::vector<ColorA>& HueTrackStops() {
  static const std::vector<ColorA> kStops = {{1, 0, 0, 1}, {1, 1, 0, 1}, {0, 1, 0, 1}, {0, 1, 1, 1},
                                             {0, 0, 1, 1}, {1, 0, 1, 1}, {1, 0, 0, 1}};
  return kStops;
}

}  // namespace zarvo
