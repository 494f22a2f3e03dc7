#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace zarvo {

// The units the host formats and evaluates numbers in. The values are those the widget
// framework publishes for its number widgets, so a widget's unit converts by a cast.
enum class NumberUnit : int32_t {
  kNone = 0,
  kKilometre = 1,
  kMetre = 2,
  kCentimetre = 3,
  kMillimetre = 4,
  kMicrometre = 5,
  kNanometre = 6,
  kMile = 7,
  kYard = 8,
  kFoot = 9,
  kInch = 10,
  kDegree = 11,
  kRadian = 12,
  kPercent = 13,
};

inline constexpr int32_t kNumberUnitCount = 14;
inline constexpr int32_t kLengthUnitEnd = 11;  // the lengths are 1 .. kLengthUnitEnd - 1

// What a number in each unit is written with; kNone has nothing.
inline constexpr std::array<std::string_view, kNumberUnitCount> kNumberUnitSuffixes = {
    "", "km", "m", "cm", "mm", "um", "nm", "mi", "yd", "ft", "in", "\u00B0", "rad", "%",
};

// Metres per length unit (international yard and inch); kNone counts as metres.
inline constexpr std::array<double, kLengthUnitEnd> kMetresPerLengthUnit = {
    1.0, 1000.0, 1.0, 0.01, 0.001, 1e-6, 1e-9, 1609.344, 0.9144, 0.3048, 0.0254,
};

constexpr bool IsLengthUnit(NumberUnit unit) noexcept {
  return unit >= NumberUnit::kKilometre && unit <= NumberUnit::kInch;
}

// The suffix of `unit` ("cm", "°"); empty for kNone and for values outside the enumeration.
constexpr std::string_view NumberUnitSuffix(NumberUnit unit) noexcept {
  const auto index = static_cast<size_t>(unit);
  return index < kNumberUnitSuffixes.size() ? kNumberUnitSuffixes[index] : std::string_view();
}

// Metres per unit for the lengths; 1 for anything else, whose lengths the host takes as metres.
constexpr double MetresPerUnit(NumberUnit unit) noexcept {
  return IsLengthUnit(unit) ? kMetresPerLengthUnit[static_cast<size_t>(unit)] : 1.0;
}

}  // namespace zarvo
