#pragma once
#include <optional>
#include <span>

#include "host/core/Geometry.h"
#include "host/ui/HitTests.h"

namespace zarvo {

// cairo keeps device coordinates in 24.8 fixed point: beyond about ±8 million pixels they wrap
// around, and a wrapped clip corrupts every later fill. Figures are cut to this box, far inside
// that range and far larger than any surface, so what is cut away could never be seen.
inline constexpr Float kDeviceLimit = 4194304.0;
inline constexpr Rect kDeviceBox{-kDeviceLimit, -kDeviceLimit, kDeviceLimit, kDeviceLimit};

// True when every point lies inside the device box once transformed by `m`.
bool WithinDeviceRange(std::span<const Vector2d> points, const Matrix2d& m) noexcept;

// How many device pixels one user unit of pen width covers (exact for uniform scales).
Float PenScale(const Matrix2d& m) noexcept;
// The most that `m` stretches any direction: bounds what a user length becomes on the device.
Float MaxStretch(const Matrix2d& m) noexcept;

// A rectangle ready to be traced: as given when `m` keeps it inside the device box, otherwise
// cut to the box in device space (`inDevice`), radii and pen scaled to match, so the cut is exact
// however far the translation goes.
struct PlacedRect {
  Rect rect;
  CornerRadii radii;
  Float penScale = 1.0;
  bool inDevice = false;
};
// Nothing when no part of `rect` reaches the box, or when a rotation or shear takes it beyond
// the box (too rare to cut exactly).
std::optional<PlacedRect> PlaceRect(const Rect& rect, const CornerRadii& radii, const Matrix2d& m) noexcept;

// The device-space segment cut to the device box; false when nothing of it is inside.
bool CutSegmentToDeviceBox(Vector2d& a, Vector2d& b) noexcept;

}  // namespace zarvo
