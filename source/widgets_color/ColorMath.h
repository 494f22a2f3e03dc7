#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/Types.h"

namespace zarvo {

// The three notations a colour is edited in, and the integer steps their sliders show. Every
// conversion truncates toward zero: a slider shows the component it was given, never one
// rounded up past it.
inline constexpr Float kColorSliderMaximum = 255.0;
inline constexpr Float kPercentSliderMaximum = 100.0;
inline constexpr Float kHueSliderMaximum = 360.0;
// Below this saturation a colour is grey; above this ratio of its extremes it is grey too.
inline constexpr Float kGreyTolerance = 0.001;
// Six digits of a 0xRRGGBB code.
inline constexpr int kHexCodeDigits = 6;

// Hue, saturation and value, each in 0..1; a hue of 1 is the hue of 0.
[[nodiscard]] Vector RgbToHsv(Float r, Float g, Float b) noexcept;
[[nodiscard]] ColorA HsvToRgb(const Vector& hsv, Float alpha = 1.0) noexcept;
// 0xRRGGBB of a colour; alpha does not enter the code.
[[nodiscard]] uint32_t RgbToHexCode(const ColorA& color) noexcept;
[[nodiscard]] ColorA HexCodeToRgb(uint32_t code, Float alpha = 1.0) noexcept;
// The code as six upper-case hexadecimal digits, without the "#".
[[nodiscard]] std::string HexToString(uint32_t code);
// Reads what a user typed: six or three hexadecimal digits of either case, with or without a
// leading "#", white space around them ignored; anything else is no code.
[[nodiscard]] std::optional<uint32_t> ParseHexCode(std::string_view text) noexcept;

// A 0..1 component as its slider's integer, and back. The hue divides in single precision.
[[nodiscard]] Int ComponentToSlider(Float component, Float maximum) noexcept;
[[nodiscard]] Float SliderToComponent(Int value, Float maximum) noexcept;
[[nodiscard]] Float HueSliderToComponent(Int value) noexcept;

// A colour a caller handed in, each component clamped to 0..1; no colour when a component is
// no number, since no clamp makes sense of it.
[[nodiscard]] std::optional<ColorA> ClampedColor(const ColorA& color) noexcept;

// The stops of a hue track: red, yellow, green, cyan, blue, magenta and red again.
[[nodiscard]] const std::vector<ColorA>& HueTrackStops();

}  // namespace zarvo
