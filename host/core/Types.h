#pragma once
#include <cmath>
#include <cstdint>
#include <string>

namespace zarvo {

using Int = int64_t;
using Int32 = int32_t;
using Float = double;
using Bool = bool;
using String = std::string;

struct Vector2d {
  Float x = 0.0;
  Float y = 0.0;
  friend bool operator==(const Vector2d&, const Vector2d&) = default;
  Vector2d operator+(const Vector2d& o) const { return {x + o.x, y + o.y}; }
  Vector2d operator-(const Vector2d& o) const { return {x - o.x, y - o.y}; }
  Vector2d operator*(Float s) const { return {x * s, y * s}; }
};

struct Vector {
  Float x = 0.0;
  Float y = 0.0;
  Float z = 0.0;
  friend bool operator==(const Vector&, const Vector&) = default;
};

struct Vector4d {
  Float x = 0.0;
  Float y = 0.0;
  Float z = 0.0;
  Float w = 0.0;
  friend bool operator==(const Vector4d&, const Vector4d&) = default;
};

// A colour with straight (not premultiplied) components in 0..1.
struct ColorA {
  Float r = 0.0;
  Float g = 0.0;
  Float b = 0.0;
  Float a = 1.0;
  friend bool operator==(const ColorA&, const ColorA&) = default;
};

// A resource location: a file path ("file:" prefix optional) or a module resource.
struct Url {
  std::string text;
  bool IsEmpty() const noexcept { return text.empty(); }
  friend bool operator==(const Url&, const Url&) = default;
};

enum class CANVAS_UNIT : int32_t { PIX = 0, REM = 1, FON = 2 };

// FON is an eleventh of a REM.
constexpr Float kFonPerRem = 11.0;

// A length with its unit. Converting to pixels needs the canvas's REM base.
struct CanvasUnitValue {
  Float value = 0.0;
  CANVAS_UNIT unit = CANVAS_UNIT::PIX;

  constexpr CanvasUnitValue() = default;
  constexpr CanvasUnitValue(Float v, CANVAS_UNIT u) : value(v), unit(u) {}
  static constexpr CanvasUnitValue Pix(Float v) { return {v, CANVAS_UNIT::PIX}; }
  static constexpr CanvasUnitValue Rem(Float v) { return {v, CANVAS_UNIT::REM}; }
  static constexpr CanvasUnitValue Fon(Float v) { return {v, CANVAS_UNIT::FON}; }

  constexpr Float ToPixels(Float remBase) const {
    switch (unit) {
      case CANVAS_UNIT::PIX: return value;
      case CANVAS_UNIT::REM: return value * remBase;
      case CANVAS_UNIT::FON: return value / kFonPerRem * remBase;
    }
    return value;
  }
  // A pixel length expressed in `target`'s unit.
  static constexpr CanvasUnitValue FromPixels(Float pixels, CANVAS_UNIT target, Float remBase) {
    switch (target) {
      case CANVAS_UNIT::PIX: return Pix(pixels);
      case CANVAS_UNIT::REM: return Rem(remBase != 0.0 ? pixels / remBase : 0.0);
      case CANVAS_UNIT::FON: return Fon(remBase != 0.0 ? pixels / remBase * kFonPerRem : 0.0);
    }
    return Pix(pixels);
  }
  friend bool operator==(const CanvasUnitValue&, const CanvasUnitValue&) = default;
};

}  // namespace zarvo
